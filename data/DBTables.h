#pragma once
// The two kinds of dataset: a table opened by file name, and a read-only query whose
// text runs when it is opened.
#include <string>
#include <vector>

#include "data/DataSet.h"
#include "engine/Database.h"

// A table file of the session's directory ("Food.DB", "Сateg.db"), read and changed in
// place: its rows are the table's rows, in the table's own order.
class TTable : public TDataSet {
public:
    explicit TTable(TComponent* owner = nullptr) : TDataSet(owner) {}
    ~TTable() override;
    std::string ClassName() const override { return "TTable"; }

    const std::string& TableName() const { return tableName_; }
    // Only while closed ("Cannot perform this operation on an open dataset"); setting the
    // name it already has is allowed at any time.
    void SetTableName(const std::string& name);

protected:
    std::vector<engine::FieldDef> OpenSource() override;
    void CloseSource() override { table_ = nullptr; }
    std::size_t SourceRowCount() const override { return table_ ? table_->RowCount() : 0; }
    const engine::Row* SourceRow(std::size_t index) const override;
    bool Writable() const override { return true; }
    std::size_t StoreNew(engine::Row row) override;
    void StoreChanged(std::size_t index, engine::Row row) override;
    void StoreRemove(std::size_t index) override;

private:
    std::string tableName_;
    engine::Table* table_ = nullptr;
};

// The text of a query: a list of lines. Changing it closes the query.
class TQuery;
class TSQLText {
public:
    void Clear();
    void Add(const std::string& line);
    // Replaces the whole text by one line.
    void SetText(const std::string& text);
    // The lines joined by line breaks.
    std::string Text() const;
    int Count() const { return static_cast<int>(lines_.size()); }
    const std::string& operator[](int index) const { return lines_.at(static_cast<size_t>(index)); }

private:
    friend class TQuery;
    explicit TSQLText(TQuery& query) : query_(query) {}
    void Changed();
    TQuery& query_;
    std::vector<std::string> lines_;
};

// A read-only result set: Open runs the text and keeps its rows until Close.
class TQuery : public TDataSet {
public:
    explicit TQuery(TComponent* owner = nullptr) : TDataSet(owner), SQL(*this) {}
    ~TQuery() override;
    std::string ClassName() const override { return "TQuery"; }

    TSQLText SQL;

protected:
    std::vector<engine::FieldDef> OpenSource() override;
    void CloseSource() override { rows_.clear(); }
    std::size_t SourceRowCount() const override { return rows_.size(); }
    const engine::Row* SourceRow(std::size_t index) const override {
        return index < rows_.size() ? rows_[index].get() : nullptr;
    }

private:
    std::vector<engine::RowPtr> rows_;
};

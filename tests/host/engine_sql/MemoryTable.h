#pragma once
// A table held in memory, for running queries without table files.
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/TextCase.h"
#include "engine/Table.h"

namespace engine_sql_test {

class MemoryTable : public engine::Table {
public:
    MemoryTable(std::string name, std::vector<engine::FieldDef> fields)
        : name_(std::move(name)), fields_(std::move(fields)) {}

    const std::string& Name() const override { return name_; }
    const std::vector<engine::FieldDef>& Fields() const override { return fields_; }
    int FieldIndex(std::string_view name) const override {
        for (std::size_t i = 0; i < fields_.size(); ++i) {
            if (EqualsIgnoreCase(fields_[i].name, name)) return static_cast<int>(i);
        }
        return -1;
    }
    std::size_t RowCount() const override { return rows_.size(); }
    const engine::RowPtr& RowAt(std::size_t index) const override { return rows_.at(index); }
    std::size_t Append(engine::Row row) override {
        if (row.size() != fields_.size()) throw std::logic_error("row of the wrong width");
        rows_.push_back(std::make_shared<const engine::Row>(std::move(row)));
        ++version_;
        return rows_.size() - 1;
    }
    void Update(std::size_t index, engine::Row row) override {
        rows_.at(index) = std::make_shared<const engine::Row>(std::move(row));
        ++version_;
    }
    void Remove(std::size_t index) override {
        rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(index));
        ++version_;
    }
    uint64_t Version() const override { return version_; }

private:
    std::string name_;
    std::vector<engine::FieldDef> fields_;
    std::vector<engine::RowPtr> rows_;
    uint64_t version_ = 0;
};

}  // namespace engine_sql_test

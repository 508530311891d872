#include "data/DBTables.h"

#include "data/Session.h"

// --- TTable --------------------------------------------------------------------------

TTable::~TTable() {
    BeginDestroy();
    try {
        Close();  // while our virtuals still exist
    } catch (...) {
    }
}

void TTable::SetTableName(const std::string& name) {
    if (name == tableName_) return;
    CheckInactive();
    tableName_ = name;
}

std::vector<engine::FieldDef> TTable::OpenSource() {
    if (tableName_.empty()) throw Exception("Missing TableName property");
    table_ = &Session().Engine().OpenTable(tableName_);
    return table_->Fields();
}

const engine::Row* TTable::SourceRow(std::size_t index) const {
    if (!table_ || index >= table_->RowCount()) return nullptr;
    return table_->RowAt(index).get();
}

std::size_t TTable::StoreNew(engine::Row row) { return table_->Append(std::move(row)); }

void TTable::StoreChanged(std::size_t index, engine::Row row) {
    if (index >= table_->RowCount()) throw Exception("Record not found");
    table_->Update(index, std::move(row));
}

void TTable::StoreRemove(std::size_t index) {
    if (index >= table_->RowCount()) throw Exception("Record not found");
    table_->Remove(index);
}

// --- TSQLText ------------------------------------------------------------------------

void TSQLText::Changed() { query_.Close(); }

void TSQLText::Clear() {
    Changed();
    lines_.clear();
}

void TSQLText::Add(const std::string& line) {
    Changed();
    lines_.push_back(line);
}

void TSQLText::SetText(const std::string& text) {
    Changed();
    lines_.assign(1, text);
}

std::string TSQLText::Text() const {
    std::string out;
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (i) out += "\r\n";
        out += lines_[i];
    }
    return out;
}

// --- TQuery --------------------------------------------------------------------------

TQuery::~TQuery() {
    BeginDestroy();
    try {
        Close();
    } catch (...) {
    }
}

std::vector<engine::FieldDef> TQuery::OpenSource() {
    std::string text = SQL.Text();
    if (text.find_first_not_of(" \t\r\n") == std::string::npos) throw Exception("No SQL statement available");
    engine::QueryResult result = Session().Engine().Query(text);
    rows_ = std::move(result.rows);
    return std::move(result.fields);
}

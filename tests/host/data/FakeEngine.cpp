#include "FakeEngine.h"

#include <cstdio>

#include "data/FieldValues.h"
#include "data/TextSupport.h"

namespace fake {

int Table::FieldIndex(std::string_view name) const {
    for (size_t i = 0; i < fields_.size(); ++i)
        if (data::SameText(fields_[i].name, name)) return static_cast<int>(i);
    return -1;
}

void Table::Check(engine::Row& row) const {
    if (!failNext.empty()) {
        std::string text = failNext;
        const_cast<Table*>(this)->failNext.clear();
        throw engine::EngineError(text);
    }
    if (row.size() != fields_.size()) throw engine::EngineError("row has the wrong number of values");
    for (size_t i = 0; i < row.size(); ++i) {
        const auto& f = fields_[i];
        const auto& v = row[i];
        if (engine::IsNull(v)) continue;
        switch (f.type) {
        case engine::FieldType::Alpha:
            if (data::CutToChars(std::get<std::string>(v), f.size) != std::get<std::string>(v))
                throw engine::EngineError("text too long for " + f.name);
            break;
        case engine::FieldType::Short: {
            int32_t n = std::get<int32_t>(v);
            if (n < -32767 || n > 32767) throw engine::EngineError("value out of range for " + f.name);
            break;
        }
        case engine::FieldType::Bcd:
            if (std::get<engine::Decimal>(v).scale != f.size) throw engine::EngineError("wrong scale for " + f.name);
            break;
        case engine::FieldType::Long:
        case engine::FieldType::AutoInc: (void)std::get<int32_t>(v); break;
        case engine::FieldType::Number: (void)std::get<double>(v); break;
        case engine::FieldType::Date: (void)std::get<engine::Date>(v); break;
        case engine::FieldType::Logical: (void)std::get<bool>(v); break;
        }
    }
}

std::size_t Table::Append(engine::Row row) {
    Check(row);
    for (size_t i = 0; i < row.size(); ++i)
        if (fields_[i].type == engine::FieldType::AutoInc && engine::IsNull(row[i])) row[i] = ++lastAutoInc_;
    rows_.push_back(std::make_shared<const engine::Row>(std::move(row)));
    ++version_;
    ++writes;
    return rows_.size() - 1;
}

void Table::Update(std::size_t index, engine::Row row) {
    Check(row);
    for (size_t i = 0; i < row.size(); ++i)
        if (fields_[i].type == engine::FieldType::AutoInc) row[i] = (*rows_.at(index))[i];
    rows_.at(index) = std::make_shared<const engine::Row>(std::move(row));
    ++version_;
    ++writes;
}

void Table::Remove(std::size_t index) {
    engine::Row none;
    if (!failNext.empty()) Check(none);
    rows_.erase(rows_.begin() + static_cast<long>(index));
    ++version_;
    ++writes;
}

engine::Table& Backend::OpenTable(const std::string& name) {
    for (auto& [n, t] : tables)
        if (data::SameText(n, name)) return *t;
    throw engine::EngineError("Table does not exist: " + name);
}

engine::QueryResult Backend::Query(const std::string& sql) {
    auto it = queries.find(sql);
    if (it == queries.end()) throw engine::EngineError("Invalid use of keyword: " + sql);
    return it->second();
}

Table& Backend::Add(const std::string& name, std::vector<engine::FieldDef> fields) {
    auto t = std::make_unique<Table>(name, std::move(fields));
    Table& ref = *t;
    tables[name] = std::move(t);
    return ref;
}

namespace {

class Shared : public TEngineBackend {
public:
    explicit Shared(std::shared_ptr<Backend> b) : b_(std::move(b)) {}
    engine::Table& OpenTable(const std::string& name) override { return b_->OpenTable(name); }
    engine::QueryResult Query(const std::string& sql) override { return b_->Query(sql); }

private:
    std::shared_ptr<Backend> b_;
};

}  // namespace

Installed::Installed() {
    Session().Reset();
    Session().SetFactory([this](const std::string&) -> std::unique_ptr<TEngineBackend> {
        ++starts;
        if (failStarts > 0) {
            --failStarts;
            throw engine::EngineError(
                "An error occurred while attempting to initialize the Borland Database Engine (error $2501)", 0x2501);
        }
        return std::make_unique<Shared>(backend);
    });
}

Installed::~Installed() {
    Session().Reset();
    Session().SetFactory(nullptr);
}

engine::Decimal Dec(const std::string& text, int scale) {
    double v = std::strtod(text.c_str(), nullptr);
    return data::DoubleToDecimal(v, scale);
}

}  // namespace fake

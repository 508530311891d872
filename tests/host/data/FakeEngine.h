#pragma once
// An in-memory stand-in for the table engine: tables with the engine's rules for the
// values it refuses, queries answered by functions the test registers, and switches
// that make the next start or the next write fail. Lets the dataset layer's tests
// reach every failure path deterministically.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "data/Session.h"
#include "engine/EngineError.h"
#include "engine/Table.h"

namespace fake {

class Table : public engine::Table {
public:
    Table(std::string name, std::vector<engine::FieldDef> fields)
        : name_(std::move(name)), fields_(std::move(fields)) {}

    const std::string& Name() const override { return name_; }
    const std::vector<engine::FieldDef>& Fields() const override { return fields_; }
    int FieldIndex(std::string_view name) const override;
    std::size_t RowCount() const override { return rows_.size(); }
    const engine::RowPtr& RowAt(std::size_t index) const override { return rows_.at(index); }
    std::size_t Append(engine::Row row) override;
    void Update(std::size_t index, engine::Row row) override;
    void Remove(std::size_t index) override;
    uint64_t Version() const override { return version_; }

    // The next Append/Update/Remove throws EngineError with this text and stores nothing.
    std::string failNext;
    int writes = 0;

private:
    void Check(engine::Row& row) const;
    std::string name_;
    std::vector<engine::FieldDef> fields_;
    std::vector<engine::RowPtr> rows_;
    int32_t lastAutoInc_ = 0;
    uint64_t version_ = 1;
};

class Backend : public TEngineBackend {
public:
    engine::Table& OpenTable(const std::string& name) override;
    engine::QueryResult Query(const std::string& sql) override;

    Table& Add(const std::string& name, std::vector<engine::FieldDef> fields);
    std::map<std::string, std::function<engine::QueryResult()>> queries;
    std::map<std::string, std::unique_ptr<Table>> tables;  // by name as given
};

// Points the session at a fresh fake backend (shared with the test) and resets it.
struct Installed {
    std::shared_ptr<Backend> backend = std::make_shared<Backend>();
    int starts = 0;
    int failStarts = 0;  // this many starts fail with the engine's start-up message
    Installed();
    ~Installed();
};

engine::Decimal Dec(const std::string& text, int scale = 3);

}  // namespace fake

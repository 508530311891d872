#pragma once
// The table engine started on one working directory. It holds the directory
// exclusively while it lives: a second process (or a second Database on the same
// directory) cannot start on it.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/Table.h"
#include "engine/Value.h"

namespace engine {

class FileIO;

struct QueryResult {
    std::vector<FieldDef> fields;   // computed columns (sums) are Number
    std::vector<RowPtr> rows;
};

class Database {
public:
    // `dir` is a UTF-8 path ("" = the current directory). Fails with EngineError carrying
    // "An error occurred while attempting to initialize the Borland Database Engine
    // (error $XXXX)" when the engine cannot start there (for example the directory is
    // held by another running copy). `io` defaults to the real file system.
    explicit Database(std::string dir = "", std::shared_ptr<FileIO> io = nullptr);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // The table of that file name in the directory ("Food.DB", "Сateg.db"; a name without
    // extension gets ".DB"), opened on first use and kept open. A missing, damaged or
    // foreign file throws EngineError with a clear message.
    Table& OpenTable(const std::string& name);

    // Runs one statement of the local SQL (see engine/Sql.h). Errors throw EngineError.
    QueryResult Query(const std::string& sql);

    const std::string& Dir() const { return dir_; }
    FileIO& IO() { return *io_; }

private:
    struct Impl;
    std::string dir_;
    std::shared_ptr<FileIO> io_;
    std::unique_ptr<Impl> impl_;
};

}  // namespace engine

#pragma once
// The table engine started on one working directory. It holds the directory
// exclusively while it lives: a second process (or a second Database on the same
// directory) cannot start on it.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/EngineError.h"
#include "engine/Table.h"
#include "engine/Value.h"

namespace engine {

class FileIO;

struct QueryResult {
    std::vector<FieldDef> fields;  // computed columns (sums) are Number
    std::vector<RowPtr> rows;
};

class Database {
public:
    // Error numbers of "An error occurred while attempting to initialize the Borland
    // Database Engine (error $XXXX)" (four upper-case hex digits):
    //   $2C0B: the directory is held by another running copy (or another Database);
    //   $2C0C: the hold file "lorvena.lck" cannot be created or opened there
    //          (a missing or read-only directory).
    static constexpr int kErrDirectoryBusy = 0x2C0B;
    static constexpr int kErrCannotLock = 0x2C0C;
    // The file in the directory that carries the hold; it is kept, not deleted.
    static constexpr const char* kLockFileName = "lorvena.lck";

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

    // Writes a new, empty table file of that name (a name without extension gets ".DB")
    // and returns it opened. Fails if a table of that name exists already.
    Table& CreateTable(const std::string& name, const std::vector<FieldDef>& fields);

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

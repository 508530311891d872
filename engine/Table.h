#pragma once
// One open table file. Rows are kept in storage order (the order of the file's block
// chain); new rows go at the end. Every change is on disk when the call returns.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Value.h"

namespace engine {

class Table {
public:
    virtual ~Table() = default;

    virtual const std::string& Name() const = 0;  // file name as opened
    virtual const std::vector<FieldDef>& Fields() const = 0;
    // Field position by name, ignoring the letter case of Latin and Cyrillic letters; -1 if none.
    virtual int FieldIndex(std::string_view name) const = 0;

    virtual std::size_t RowCount() const = 0;
    virtual const RowPtr& RowAt(std::size_t index) const = 0;
    // One value of the row at `index` (null when the row has no such field). Scans that
    // test one field use it: a table may answer it without building the whole row.
    virtual Value FieldAt(std::size_t index, std::size_t field) const {
        const Row& row = *RowAt(index);
        return field < row.size() ? row[field] : Value();
    }

    // Stores a new row at the end and returns its index. Null autoincrement fields get a
    // fresh value, distinct from every other row's, also after deletions and across runs.
    // Values must match the field types (or be null); a value that does not fit its field
    // (text too long in code page 1251, a short outside -32767..32767, too many BCD
    // digits) throws EngineError and nothing is stored. Empty text is stored as NULL (the
    // file format cannot tell them apart), and the row kept is exactly what a later open
    // reads back.
    virtual std::size_t Append(Row row) = 0;
    // Replaces the row at `index` (same rules as Append; autoincrement values are kept).
    virtual void Update(std::size_t index, Row row) = 0;
    // Removes the row at `index`; later rows move up by one.
    virtual void Remove(std::size_t index) = 0;

    // Increases with every change; lets readers tell that their copy is stale.
    virtual uint64_t Version() const = 0;
};

}  // namespace engine

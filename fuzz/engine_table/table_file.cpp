// Opens arbitrary bytes as a table file (held in memory) and reads every row; when the
// file opens, also changes it and opens the result again, which must then succeed.
// Damaged input may only fail with EngineError.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "engine/Database.h"
#include "engine/MemoryFileIO.h"

using namespace engine;

namespace {

std::size_t Touch(const Row& row) {
    std::size_t n = 0;
    for (const Value& v : row) {
        if (const auto* s = std::get_if<std::string>(&v)) n += s->size();
        if (const auto* d = std::get_if<Decimal>(&v)) n += d->ToString().size() + (d->ToDouble() > 0);
    }
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    auto io = std::make_shared<MemoryFileIO>();
    io->Put("d/T.DB", MemoryFileIO::Bytes(data, data + size));
    bool opened = false;
    std::size_t rows = 0;
    try {
        Database db("d", io);
        Table& t = db.OpenTable("T.DB");
        opened = true;
        for (std::size_t i = 0; i < t.RowCount(); ++i) Touch(*t.RowAt(i));
        rows = t.RowCount();
        try {
            // A row of NULLs fits every table; then the first row goes and comes back.
            t.Append(Row(t.Fields().size()));
            ++rows;
            if (t.RowCount() > 1) {
                Row first = *t.RowAt(0);
                t.Remove(0);
                t.Append(first);
                t.Update(0, Row(t.Fields().size()));
            }
        } catch (const EngineError&) {
            // read-only kinds of table (keyed), or values of a foreign file the engine
            // would not have written (say, an alpha with bytes after its NUL is fine,
            // but an out-of-range date is refused on the way back)
            rows = t.RowCount();
        }
    } catch (const EngineError&) {
    }
    if (opened) {
        // Whatever the engine wrote must read back.
        Database db("d", io);
        Table& t = db.OpenTable("T.DB");
        if (t.RowCount() != rows) std::abort();
        for (std::size_t i = 0; i < t.RowCount(); ++i) Touch(*t.RowAt(i));
    }
    return 0;
}

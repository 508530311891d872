// Arbitrary bytes as the journal beside a good table: opening the table plays the
// journal back or discards it, and either way no journal may remain and nothing may
// crash; a damaged result may only fail with EngineError. The seeds include complete
// journals (*.jrn) that pass the checksum.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "engine/Database.h"
#include "engine/MemoryFileIO.h"

using namespace engine;

namespace {

const MemoryFileIO::Bytes& GoodTable() {
    static const MemoryFileIO::Bytes bytes = [] {
        auto io = std::make_shared<MemoryFileIO>();
        {
            Database db("d", io);
            Table& t = db.CreateTable(
                "T.DB", {{"Id", FieldType::AutoInc, 0}, {"Name", FieldType::Alpha, 20}, {"Amount", FieldType::Bcd, 3}});
            for (int i = 0; i < 30; ++i)
                t.Append({std::monostate{}, "Имя " + std::to_string(i), Decimal::FromString(std::to_string(i), 3)});
        }
        return io->Get("d/T.DB");
    }();
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    auto io = std::make_shared<MemoryFileIO>();
    io->Put("d/T.DB", GoodTable());
    io->Put("d/T.DB-journal", MemoryFileIO::Bytes(data, data + size));
    try {
        Database db("d", io);
        Table& t = db.OpenTable("T.DB");
        for (std::size_t i = 0; i < t.RowCount(); ++i) (void)t.RowAt(i);
    } catch (const EngineError&) {
    }
    if (io->Exists("d/T.DB-journal")) std::abort();
    return 0;
}

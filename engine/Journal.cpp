// How a table file changes without ever being left half-changed.
//
// A change (one Append, Update or Remove) is a list of byte ranges to overwrite in the
// table file, planned completely in memory first. It reaches the disk like this:
//
//   (1) Journal: the old bytes of every range that lies inside the old file, and the old
//       file size, are written to "<table>-journal" with a checksum over the whole
//       journal; the journal is synced, then its directory.
//   (2) In place: the new bytes are written into the table file, which is synced.
//   (3) Commit: the journal is removed and the directory synced. Only then does the
//       change return.
//
// Invariants (the fault-injection tests cite them by number):
//   I1. The table file is never written before its journal is complete on disk.
//   I2. A complete journal holds the old bytes of everything the change can overwrite
//       and the old size, so playing it back restores the old file exactly, also from
//       any mixture of old and new bytes, and also when the file grew.
//   I3. A journal whose magic, sizes or checksum do not verify was never completed, so
//       by I1 the table file is still old: such a journal is simply removed.
//   I4. Removing the journal is the commit point. The table file is synced before it,
//       so once the journal is gone the new content is on disk.
//   I5. A table file is never read while a journal lies beside it ("hot"): opening the
//       table first plays the journal back (old bytes written, file cut to the old
//       size, synced) and only then removes it. Playing back is idempotent, so a crash
//       during it is repaired by playing back again.
//   I6. The rows kept in memory change only after the commit. A failed change is rolled
//       back at once from the journal; if even that fails the table refuses further
//       changes, and its memory still equals what I5 will restore.
//   I7. A new table file is written whole under a temporary name, synced, and renamed
//       over its final name (an atomic replace); a stale journal of that name is
//       removed first, so it can never be played onto the new file.
//   I8. One process works on a directory at a time (the directory hold in Database),
//       so no other writer interleaves with a change and the cached rows are
//       authoritative.
#include "engine/Journal.h"

#include <cstring>

#include "engine/ParadoxFormat.h"

namespace engine {
namespace {

constexpr char kMagic[8] = {'L', 'R', 'V', 'J', 'R', 'N', 'L', '1'};
constexpr std::size_t kHeadSize = 8 + 8 + 4;  // magic, old size, entry count
constexpr uint64_t kMaxJournal = 64u << 20;   // far above any real journal (a few blocks)

uint64_t Fnv1a(const uint8_t* p, std::size_t n) {
    uint64_t h = 0xcbf29ce484222325ull;
    for (std::size_t i = 0; i < n; ++i) {
        h ^= p[i];
        h *= 0x100000001b3ull;
    }
    return h;
}

struct Entry {
    uint64_t offset;
    const uint8_t* bytes;
    uint32_t size;
};

// Checks a journal's structure (I3); fills `entries` and `oldSize` when it verifies.
bool Parse(const std::vector<uint8_t>& j, uint64_t& oldSize, std::vector<Entry>& entries) {
    if (j.size() < kHeadSize + 8 || std::memcmp(j.data(), kMagic, 8) != 0) return false;
    std::size_t body = j.size() - 8;
    if (Fnv1a(j.data(), body) != GetLE64(j.data() + body)) return false;
    oldSize = GetLE64(j.data() + 8);
    uint32_t count = GetLE32(j.data() + 16);
    std::size_t pos = kHeadSize;
    for (uint32_t i = 0; i < count; ++i) {
        if (body - pos < 12) return false;
        Entry e;
        e.offset = GetLE64(j.data() + pos);
        e.size = GetLE32(j.data() + pos + 8);
        pos += 12;
        if (body - pos < e.size || e.offset > oldSize || e.size > oldSize - e.offset) return false;
        e.bytes = j.data() + pos;
        pos += e.size;
        entries.push_back(e);
    }
    return pos == body;
}

}  // namespace

Journal::Journal(FileIO& io, std::string dir, std::string path)
    : io_(io), dir_(std::move(dir)), journalPath_(PathFor(path)) {}

void Journal::Commit(File& file, uint64_t oldSize, const std::vector<Patch>& patches, bool* stuck) {
    *stuck = false;
    std::vector<uint8_t> j(kMagic, kMagic + 8);
    AppendLE64(j, oldSize);
    AppendLE32(j, 0);
    uint32_t count = 0;
    for (const Patch& p : patches) {
        if (p.offset >= oldSize || p.bytes.empty()) continue;
        uint64_t n = std::min<uint64_t>(p.bytes.size(), oldSize - p.offset);
        AppendLE64(j, p.offset);
        AppendLE32(j, static_cast<uint32_t>(n));
        std::size_t at = j.size();
        j.resize(at + n);
        if (file.ReadAt(p.offset, j.data() + at, n) != n)
            throw IoError("Не удалось прочитать таблицу перед изменением");
        ++count;
    }
    PutLE32(j.data() + 16, count);
    AppendLE64(j, Fnv1a(j.data(), j.size()));

    // (1) the journal, complete on disk (I1)
    try {
        auto jf = io_.Open(journalPath_, OpenMode::CreateTruncate);
        jf->WriteAt(0, j.data(), j.size());
        jf->Sync();
        jf.reset();
        io_.SyncDir(dir_);
    } catch (...) {
        try {
            io_.Remove(journalPath_);  // the table is untouched (I1); an unremoved partial journal fails I3
        } catch (...) {
        }
        throw;
    }

    // (2) in place, (3) commit (I4)
    try {
        for (const Patch& p : patches)
            if (!p.bytes.empty()) file.WriteAt(p.offset, p.bytes.data(), p.bytes.size());
        file.Sync();
        io_.Remove(journalPath_);
    } catch (...) {
        try {
            RollBack(file, j);  // I6
        } catch (...) {
            *stuck = true;
        }
        throw;
    }
    try {
        io_.SyncDir(dir_);
    } catch (const EngineError&) {
        // The journal is gone, so the change stands; at worst a power cut brings the
        // journal's entry back and the next open restores the old content (I2).
    }
}

void Journal::RollBack(File& file, const std::vector<uint8_t>& journal) {
    uint64_t oldSize = 0;
    std::vector<Entry> entries;
    if (!Parse(journal, oldSize, entries)) throw IoError("journal");
    for (const Entry& e : entries) file.WriteAt(e.offset, e.bytes, e.size);
    if (file.Size() != oldSize) file.Truncate(oldSize);
    file.Sync();
    Discard();
}

void Journal::Discard() {
    io_.Remove(journalPath_);
    io_.SyncDir(dir_);
}

bool Journal::Recover(File& file, const std::string& fileName) {
    if (!io_.Exists(journalPath_)) return false;
    std::vector<uint8_t> j;
    {
        auto jf = io_.Open(journalPath_, OpenMode::ReadOnly);
        uint64_t size = jf->Size();
        if (size <= kMaxJournal) {
            j.resize(static_cast<std::size_t>(size));
            j.resize(jf->ReadAt(0, j.data(), j.size()));
        }
    }
    uint64_t oldSize = 0;
    std::vector<Entry> entries;
    if (!Parse(j, oldSize, entries)) {
        Discard();  // I3
        return false;
    }
    try {
        RollBack(file, j);  // I5
    } catch (const EngineError& e) {
        throw EngineError("Не удалось восстановить таблицу «" + fileName + "» после сбоя: " + e.what());
    }
    return true;
}

}  // namespace engine

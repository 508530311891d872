#pragma once
// Crash-safe changes of a table file through a rollback journal; the invariants are
// listed at the top of Journal.cpp.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/FileIO.h"

namespace engine {

// New bytes for one range of a file.
struct Patch {
    uint64_t offset = 0;
    std::vector<uint8_t> bytes;
};

class Journal {
public:
    // `path` is the table file's path; the journal is `path` + "-journal" in `dir`.
    Journal(FileIO& io, std::string dir, std::string path);

    static std::string PathFor(const std::string& tablePath) { return tablePath + "-journal"; }

    // Applies `patches` to `file` (whose size is `oldSize`) so that a crash at any
    // instant leaves either all of them or none after Recover. Returns when the change
    // is on disk. On failure it throws, after restoring the old content; *stuck is set
    // when even that failed (the journal then stays, hot, for the next Recover).
    void Commit(File& file, uint64_t oldSize, const std::vector<Patch>& patches, bool* stuck);

    // Plays back a hot journal left by a crash, or discards an incomplete one. Returns
    // true when the file was rolled back. `fileName` names the table in messages.
    bool Recover(File& file, const std::string& fileName);

private:
    void RollBack(File& file, const std::vector<uint8_t>& journal);
    void Discard();

    FileIO& io_;
    std::string dir_;
    std::string journalPath_;
};

}  // namespace engine

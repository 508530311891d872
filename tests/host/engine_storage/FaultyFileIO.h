#pragma once
// An in-memory file system that "crashes" at the N-th write, truncate, sync, rename or
// remove: the operation is cut short (a write lands half), every later call throws
// SimulatedCrash, and CrashImage() returns what a disk would hold afterwards — with the
// writes that were not yet synced kept (the process died, the OS survived), dropped or
// garbled (the machine lost power). On power loss, creations, removals and renames made
// since the last SyncDir are undone too.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/FileIO.h"

namespace enginetest {

struct SimulatedCrash {};

using Bytes = std::vector<uint8_t>;
using Image = std::map<std::string, Bytes>;

enum class Loss { Keep, Drop, Garble };

class FaultyFileIO : public engine::FileIO {
public:
    // crashAt = 0: never crash.
    FaultyFileIO(const Image& image, int crashAt, Loss loss);

    std::unique_ptr<engine::File> Open(const std::string& path, engine::OpenMode mode) override;
    bool Exists(const std::string& path) override;
    void Remove(const std::string& path) override;
    void Rename(const std::string& from, const std::string& to) override;
    void SyncDir(const std::string& dir) override;
    std::vector<std::string> ListDir(const std::string& dir) override;
    std::unique_ptr<engine::FileLock> LockExclusive(const std::string& path) override;

    bool Crashed() const { return crashed_; }
    int Operations() const { return ops_; }
    Image CrashImage() const;
    Image CurrentImage() const;

    struct Node {
        Bytes current;
        Bytes durable;
        bool dirty = false;
        std::vector<std::pair<uint64_t, uint64_t>> unsynced;  // written ranges since the last sync
    };
    // Counts one fault point; returns true when this operation is the one that crashes.
    bool Step();
    void CheckAlive() const;

private:
    std::map<std::string, std::shared_ptr<Node>> files_;
    std::map<std::string, std::shared_ptr<Node>> durableDir_;  // the names as of the last SyncDir
    int crashAt_;
    Loss loss_;
    int ops_ = 0;
    bool crashed_ = false;
    uint32_t seed_ = 12345;
};

}  // namespace enginetest

#pragma once
// A file system held in memory: for tests and for fuzzing the table reader. Paths are
// plain keys ("dir/name"); directories need not be created. Not thread-safe.
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/FileIO.h"

namespace engine {

class MemoryFileIO : public FileIO {
public:
    using Bytes = std::vector<uint8_t>;

    std::unique_ptr<File> Open(const std::string& path, OpenMode mode) override;
    bool Exists(const std::string& path) override;
    void Remove(const std::string& path) override;
    void Rename(const std::string& from, const std::string& to) override;
    void SyncDir(const std::string& dir) override {}
    std::vector<std::string> ListDir(const std::string& dir) override;
    std::unique_ptr<FileLock> LockExclusive(const std::string& path) override;

    // Direct access for tests.
    void Put(const std::string& path, Bytes bytes);
    Bytes Get(const std::string& path) const;  // empty if missing
    const std::map<std::string, std::shared_ptr<Bytes>>& Files() const { return files_; }

private:
    std::map<std::string, std::shared_ptr<Bytes>> files_;
    std::shared_ptr<std::set<std::string>> locks_ = std::make_shared<std::set<std::string>>();
};

}  // namespace engine

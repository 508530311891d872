#include "engine/MemoryFileIO.h"

#include <algorithm>
#include <cstring>

namespace engine {
namespace {

class MemoryFile final : public File {
public:
    MemoryFile(std::shared_ptr<MemoryFileIO::Bytes> data, bool writable)
        : data_(std::move(data)), writable_(writable) {}

    uint64_t Size() override { return data_->size(); }

    std::size_t ReadAt(uint64_t offset, void* buf, std::size_t n) override {
        if (offset >= data_->size()) return 0;
        std::size_t got = std::min<uint64_t>(n, data_->size() - offset);
        std::memcpy(buf, data_->data() + offset, got);
        return got;
    }

    void WriteAt(uint64_t offset, const void* buf, std::size_t n) override {
        if (!writable_) throw IoError("Файл открыт только для чтения");
        if (offset + n > data_->size()) data_->resize(offset + n);
        if (n) std::memcpy(data_->data() + offset, buf, n);
    }

    void Truncate(uint64_t size) override {
        if (!writable_) throw IoError("Файл открыт только для чтения");
        data_->resize(size);
    }

    void Sync() override {}

private:
    std::shared_ptr<MemoryFileIO::Bytes> data_;
    bool writable_;
};

class MemoryLock final : public FileLock {
public:
    MemoryLock(std::shared_ptr<std::set<std::string>> locks, std::string path)
        : locks_(std::move(locks)), path_(std::move(path)) {}
    ~MemoryLock() override { locks_->erase(path_); }

private:
    std::shared_ptr<std::set<std::string>> locks_;
    std::string path_;
};

}  // namespace

std::unique_ptr<File> MemoryFileIO::Open(const std::string& path, OpenMode mode) {
    auto it = files_.find(path);
    if (mode == OpenMode::CreateTruncate) {
        if (it == files_.end()) it = files_.emplace(path, std::make_shared<Bytes>()).first;
        it->second->clear();
    } else if (it == files_.end()) {
        throw IoError("Не удалось открыть файл «" + path + "»: файл не найден");
    }
    return std::make_unique<MemoryFile>(it->second, mode != OpenMode::ReadOnly);
}

bool MemoryFileIO::Exists(const std::string& path) { return files_.count(path) != 0; }

void MemoryFileIO::Remove(const std::string& path) { files_.erase(path); }

void MemoryFileIO::Rename(const std::string& from, const std::string& to) {
    auto it = files_.find(from);
    if (it == files_.end()) throw IoError("Не удалось переименовать файл «" + from + "»: файл не найден");
    auto data = it->second;
    files_.erase(it);
    files_[to] = std::move(data);
}

std::vector<std::string> MemoryFileIO::ListDir(const std::string& dir) {
    std::string prefix = dir.empty() ? "" : JoinPath(dir, "");
    std::vector<std::string> names;
    for (const auto& [path, data] : files_) {
        if (path.compare(0, prefix.size(), prefix) != 0) continue;
        std::string rest = path.substr(prefix.size());
        if (rest.find('/') == std::string::npos) names.push_back(rest);
    }
    return names;
}

std::unique_ptr<FileLock> MemoryFileIO::LockExclusive(const std::string& path) {
    if (!locks_->insert(path).second) return nullptr;
    if (!files_.count(path)) files_[path] = std::make_shared<Bytes>();
    return std::make_unique<MemoryLock>(locks_, path);
}

void MemoryFileIO::Put(const std::string& path, Bytes bytes) {
    files_[path] = std::make_shared<Bytes>(std::move(bytes));
}

MemoryFileIO::Bytes MemoryFileIO::Get(const std::string& path) const {
    auto it = files_.find(path);
    return it == files_.end() ? Bytes() : *it->second;
}

}  // namespace engine

#include "FaultyFileIO.h"

#include <algorithm>
#include <cstring>

namespace enginetest {
namespace {

class FaultyFile final : public engine::File {
public:
    FaultyFile(FaultyFileIO& io, std::shared_ptr<FaultyFileIO::Node> node) : io_(io), node_(std::move(node)) {}

    uint64_t Size() override {
        io_.CheckAlive();
        return node_->current.size();
    }

    std::size_t ReadAt(uint64_t offset, void* buf, std::size_t n) override {
        io_.CheckAlive();
        const Bytes& b = node_->current;
        if (offset >= b.size()) return 0;
        std::size_t got = std::min<uint64_t>(n, b.size() - offset);
        std::memcpy(buf, b.data() + offset, got);
        return got;
    }

    void WriteAt(uint64_t offset, const void* buf, std::size_t n) override {
        bool crash = io_.Step();
        std::size_t len = crash ? n / 2 : n;  // a torn write
        Bytes& b = node_->current;
        if (offset + len > b.size()) b.resize(offset + len);
        std::memcpy(b.data() + offset, buf, len);
        node_->unsynced.push_back({offset, len});
        node_->dirty = true;
        if (crash) throw SimulatedCrash{};
    }

    void Truncate(uint64_t size) override {
        if (io_.Step()) throw SimulatedCrash{};
        node_->current.resize(size);
        node_->dirty = true;
    }

    void Sync() override {
        if (io_.Step()) throw SimulatedCrash{};
        node_->durable = node_->current;
        node_->unsynced.clear();
        node_->dirty = false;
    }

private:
    FaultyFileIO& io_;
    std::shared_ptr<FaultyFileIO::Node> node_;
};

class NoLock final : public engine::FileLock {};

}  // namespace

FaultyFileIO::FaultyFileIO(const Image& image, int crashAt, Loss loss) : crashAt_(crashAt), loss_(loss) {
    for (const auto& [path, bytes] : image) {
        auto n = std::make_shared<Node>();
        n->current = n->durable = bytes;
        files_[path] = n;
    }
    durableDir_ = files_;
}

bool FaultyFileIO::Step() {
    CheckAlive();
    ++ops_;
    if (crashAt_ > 0 && ops_ == crashAt_) {
        crashed_ = true;
        return true;
    }
    return false;
}

void FaultyFileIO::CheckAlive() const {
    if (crashed_) throw SimulatedCrash{};
}

std::unique_ptr<engine::File> FaultyFileIO::Open(const std::string& path, engine::OpenMode mode) {
    CheckAlive();
    auto it = files_.find(path);
    if (mode == engine::OpenMode::CreateTruncate) {
        if (it == files_.end()) it = files_.emplace(path, std::make_shared<Node>()).first;
        it->second->current.clear();
        it->second->dirty = true;
    } else if (it == files_.end()) {
        throw engine::IoError("нет файла «" + path + "»");
    }
    return std::make_unique<FaultyFile>(*this, it->second);
}

bool FaultyFileIO::Exists(const std::string& path) {
    CheckAlive();
    return files_.count(path) != 0;
}

void FaultyFileIO::Remove(const std::string& path) {
    if (Step()) throw SimulatedCrash{};
    files_.erase(path);
}

void FaultyFileIO::Rename(const std::string& from, const std::string& to) {
    if (Step()) throw SimulatedCrash{};
    auto it = files_.find(from);
    if (it == files_.end()) throw engine::IoError("нет файла «" + from + "»");
    auto node = it->second;
    files_.erase(it);
    files_[to] = node;
}

void FaultyFileIO::SyncDir(const std::string&) {
    if (Step()) throw SimulatedCrash{};
    durableDir_ = files_;
}

std::vector<std::string> FaultyFileIO::ListDir(const std::string& dir) {
    CheckAlive();
    std::string prefix = engine::JoinPath(dir, "");
    std::vector<std::string> names;
    for (const auto& [path, node] : files_)
        if (path.compare(0, prefix.size(), prefix) == 0 && path.find('/', prefix.size()) == std::string::npos)
            names.push_back(path.substr(prefix.size()));
    return names;
}

std::unique_ptr<engine::FileLock> FaultyFileIO::LockExclusive(const std::string&) {
    CheckAlive();
    return std::make_unique<NoLock>();
}

Image FaultyFileIO::CurrentImage() const {
    Image out;
    for (const auto& [path, node] : files_) out[path] = node->current;
    return out;
}

Image FaultyFileIO::CrashImage() const {
    Image out;
    uint32_t seed = seed_;
    for (const auto& [path, node] : loss_ == Loss::Keep ? files_ : durableDir_) {
        switch (loss_) {
        case Loss::Keep: out[path] = node->current; break;
        case Loss::Drop: out[path] = node->durable; break;
        case Loss::Garble: {
            // Unsynced ranges hold noise; the size is whatever the OS had reached.
            Bytes b = node->durable;
            if (node->dirty) b.resize(node->current.size());
            for (auto [off, len] : node->unsynced)
                for (uint64_t i = off; i < off + len && i < b.size(); ++i) {
                    seed = seed * 1103515245u + 12345u;
                    b[i] = static_cast<uint8_t>(seed >> 16);
                }
            out[path] = std::move(b);
            break;
        }
        }
    }
    return out;
}

}  // namespace enginetest

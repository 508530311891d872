#pragma once
// The engine's only door to the file system. Paths are UTF-8 (converted to UTF-16 at the
// Win32 calls). Every failure throws IoError with a Russian message that names the file.
// Tests put an in-memory or fault-injecting implementation in place of the real one.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/EngineError.h"

namespace engine {

class IoError : public EngineError {
public:
    using EngineError::EngineError;
};

// An open file. Reads and writes are positional; nothing is cached above the OS.
class File {
public:
    virtual ~File() = default;
    virtual uint64_t Size() = 0;
    // Reads up to `n` bytes at `offset`; returns how many were read (fewer only at the end).
    virtual std::size_t ReadAt(uint64_t offset, void* buf, std::size_t n) = 0;
    virtual void WriteAt(uint64_t offset, const void* buf, std::size_t n) = 0;
    virtual void Truncate(uint64_t size) = 0;
    // Returns once everything written so far is on the disk.
    virtual void Sync() = 0;
};

// Held for as long as the object lives.
class FileLock {
public:
    virtual ~FileLock() = default;
};

enum class OpenMode {
    ReadOnly,        // must exist
    ReadWrite,       // must exist
    CreateTruncate,  // created or emptied; read and write
};

class FileIO {
public:
    virtual ~FileIO() = default;

    virtual std::unique_ptr<File> Open(const std::string& path, OpenMode mode) = 0;
    virtual bool Exists(const std::string& path) = 0;
    virtual void Remove(const std::string& path) = 0;
    // Replaces `to` if it exists; the replacement is atomic.
    virtual void Rename(const std::string& from, const std::string& to) = 0;
    // Makes creations, renames and removals in `dir` durable ("" = current directory).
    virtual void SyncDir(const std::string& dir) = 0;
    // Names (not paths) of the plain files in `dir`.
    virtual std::vector<std::string> ListDir(const std::string& dir) = 0;
    // Opens or creates `path` and holds it exclusively, also against other handles of this
    // process. Returns null when someone else holds it; throws IoError when the file
    // cannot be created or opened.
    virtual std::unique_ptr<FileLock> LockExclusive(const std::string& path) = 0;

    // The real file system of this platform.
    static std::shared_ptr<FileIO> Native();
};

// `dir` + "/" + `name`, or `name` alone for the current directory.
std::string JoinPath(const std::string& dir, const std::string& name);

}  // namespace engine

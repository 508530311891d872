// The real file system on POSIX systems (the native build). The Windows tree uses
// FileIO_win.cpp instead; this file compiles to nothing there.
#ifndef _WIN32

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "engine/FileIO.h"

namespace engine {
namespace {

[[noreturn]] void Fail(const char* what, const std::string& path, int err) {
    throw IoError(std::string(what) + " «" + path + "»: " + std::strerror(err));
}

class PosixFile final : public File {
public:
    PosixFile(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
    ~PosixFile() override { ::close(fd_); }

    uint64_t Size() override {
        struct stat st;
        if (::fstat(fd_, &st) != 0) Fail("Не удалось узнать размер файла", path_, errno);
        return static_cast<uint64_t>(st.st_size);
    }

    std::size_t ReadAt(uint64_t offset, void* buf, std::size_t n) override {
        std::size_t done = 0;
        while (done < n) {
            ssize_t r = ::pread(fd_, static_cast<char*>(buf) + done, n - done, static_cast<off_t>(offset + done));
            if (r < 0) {
                if (errno == EINTR) continue;
                Fail("Не удалось прочитать файл", path_, errno);
            }
            if (r == 0) break;
            done += static_cast<std::size_t>(r);
        }
        return done;
    }

    void WriteAt(uint64_t offset, const void* buf, std::size_t n) override {
        std::size_t done = 0;
        while (done < n) {
            ssize_t r =
                ::pwrite(fd_, static_cast<const char*>(buf) + done, n - done, static_cast<off_t>(offset + done));
            if (r < 0) {
                if (errno == EINTR) continue;
                Fail("Не удалось записать файл", path_, errno);
            }
            done += static_cast<std::size_t>(r);
        }
    }

    void Truncate(uint64_t size) override {
        if (::ftruncate(fd_, static_cast<off_t>(size)) != 0) Fail("Не удалось изменить размер файла", path_, errno);
    }

    void Sync() override {
        if (::fsync(fd_) != 0) Fail("Не удалось сохранить на диск файл", path_, errno);
    }

private:
    int fd_;
    std::string path_;
};

class PosixLock final : public FileLock {
public:
    explicit PosixLock(int fd) : fd_(fd) {}
    ~PosixLock() override { ::close(fd_); }  // closing releases the flock

private:
    int fd_;
};

class PosixFileIO final : public FileIO {
public:
    std::unique_ptr<File> Open(const std::string& path, OpenMode mode) override {
        int flags = O_CLOEXEC;
        switch (mode) {
        case OpenMode::ReadOnly: flags |= O_RDONLY; break;
        case OpenMode::ReadWrite: flags |= O_RDWR; break;
        case OpenMode::CreateTruncate: flags |= O_RDWR | O_CREAT | O_TRUNC; break;
        }
        int fd = ::open(path.c_str(), flags, 0644);
        if (fd < 0) Fail("Не удалось открыть файл", path, errno);
        return std::make_unique<PosixFile>(fd, path);
    }

    bool Exists(const std::string& path) override {
        struct stat st;
        return ::stat(path.c_str(), &st) == 0;
    }

    void Remove(const std::string& path) override {
        if (::unlink(path.c_str()) != 0 && errno != ENOENT) Fail("Не удалось удалить файл", path, errno);
    }

    void Rename(const std::string& from, const std::string& to) override {
        if (::rename(from.c_str(), to.c_str()) != 0) Fail("Не удалось переименовать файл", from, errno);
    }

    void SyncDir(const std::string& dir) override {
        std::string d = dir.empty() ? "." : dir;
        int fd = ::open(d.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) Fail("Не удалось открыть папку", d, errno);
        int rc = ::fsync(fd);
        int err = errno;
        ::close(fd);
        if (rc != 0 && err != EINVAL) Fail("Не удалось сохранить на диск папку", d, err);
    }

    std::vector<std::string> ListDir(const std::string& dir) override {
        std::string d = dir.empty() ? "." : dir;
        DIR* h = ::opendir(d.c_str());
        if (!h) Fail("Не удалось прочитать папку", d, errno);
        std::vector<std::string> names;
        while (dirent* e = ::readdir(h)) {
            std::string name = e->d_name;
            if (name == "." || name == "..") continue;
            struct stat st;
            if (::stat(JoinPath(dir, name).c_str(), &st) == 0 && S_ISREG(st.st_mode)) names.push_back(std::move(name));
        }
        ::closedir(h);
        return names;
    }

    std::unique_ptr<FileLock> LockExclusive(const std::string& path) override {
        int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0) Fail("Не удалось создать файл", path, errno);
        // flock belongs to the open file description, so a second open in this same
        // process conflicts too.
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            int err = errno;
            ::close(fd);
            if (err == EWOULDBLOCK) return nullptr;
            Fail("Не удалось заблокировать файл", path, err);
        }
        return std::make_unique<PosixLock>(fd);
    }
};

}  // namespace

std::shared_ptr<FileIO> FileIO::Native() {
    static std::shared_ptr<FileIO> io = std::make_shared<PosixFileIO>();
    return io;
}

}  // namespace engine

#endif  // !_WIN32

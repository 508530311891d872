// The real file system on Windows: UTF-16 paths at the W calls, FlushFileBuffers for
// durability, MoveFileExW for the atomic replace, share mode 0 for the exclusive hold.
#include <windows.h>

#include <algorithm>

#include "core/Utf16.h"
#include "engine/FileIO.h"

namespace engine {
namespace {

std::string ErrorText(DWORD err) {
    wchar_t* buf = nullptr;
    DWORD n =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, err, 0, reinterpret_cast<wchar_t*>(&buf), 0, nullptr);
    std::string text;
    if (n && buf) {
        text = WideToUtf8(buf);
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.pop_back();
    }
    if (buf) LocalFree(buf);
    if (text.empty()) text = "ошибка " + std::to_string(err);
    return text;
}

[[noreturn]] void Fail(const char* what, const std::string& path, DWORD err) {
    throw IoError(std::string(what) + " «" + path + "»: " + ErrorText(err));
}

class WinFile final : public File {
public:
    WinFile(HANDLE h, std::string path) : h_(h), path_(std::move(path)) {}
    ~WinFile() override { CloseHandle(h_); }

    uint64_t Size() override {
        LARGE_INTEGER size;
        if (!GetFileSizeEx(h_, &size)) Fail("Не удалось узнать размер файла", path_, GetLastError());
        return static_cast<uint64_t>(size.QuadPart);
    }

    std::size_t ReadAt(uint64_t offset, void* buf, std::size_t n) override {
        std::size_t done = 0;
        while (done < n) {
            OVERLAPPED ov = {};
            uint64_t at = offset + done;
            ov.Offset = static_cast<DWORD>(at);
            ov.OffsetHigh = static_cast<DWORD>(at >> 32);
            DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(n - done, 1u << 30));
            DWORD got = 0;
            if (!ReadFile(h_, static_cast<char*>(buf) + done, chunk, &got, &ov)) {
                DWORD err = GetLastError();
                if (err == ERROR_HANDLE_EOF) break;
                Fail("Не удалось прочитать файл", path_, err);
            }
            if (got == 0) break;
            done += got;
        }
        return done;
    }

    void WriteAt(uint64_t offset, const void* buf, std::size_t n) override {
        std::size_t done = 0;
        while (done < n) {
            OVERLAPPED ov = {};
            uint64_t at = offset + done;
            ov.Offset = static_cast<DWORD>(at);
            ov.OffsetHigh = static_cast<DWORD>(at >> 32);
            DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(n - done, 1u << 30));
            DWORD put = 0;
            if (!WriteFile(h_, static_cast<const char*>(buf) + done, chunk, &put, &ov))
                Fail("Не удалось записать файл", path_, GetLastError());
            done += put;
        }
    }

    void Truncate(uint64_t size) override {
        LARGE_INTEGER pos;
        pos.QuadPart = static_cast<LONGLONG>(size);
        if (!SetFilePointerEx(h_, pos, nullptr, FILE_BEGIN) || !SetEndOfFile(h_))
            Fail("Не удалось изменить размер файла", path_, GetLastError());
    }

    void Sync() override {
        if (!FlushFileBuffers(h_)) Fail("Не удалось сохранить на диск файл", path_, GetLastError());
    }

private:
    HANDLE h_;
    std::string path_;
};

class WinLock final : public FileLock {
public:
    explicit WinLock(HANDLE h) : h_(h) {}
    ~WinLock() override { CloseHandle(h_); }

private:
    HANDLE h_;
};

class WinFileIO final : public FileIO {
public:
    std::unique_ptr<File> Open(const std::string& path, OpenMode mode) override {
        DWORD access = GENERIC_READ;
        DWORD disposition = OPEN_EXISTING;
        if (mode != OpenMode::ReadOnly) access |= GENERIC_WRITE;
        if (mode == OpenMode::CreateTruncate) disposition = CREATE_ALWAYS;
        HANDLE h = CreateFileW(Utf8ToWide(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) Fail("Не удалось открыть файл", path, GetLastError());
        return std::make_unique<WinFile>(h, path);
    }

    bool Exists(const std::string& path) override {
        return GetFileAttributesW(Utf8ToWide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    void Remove(const std::string& path) override {
        if (!DeleteFileW(Utf8ToWide(path).c_str())) {
            DWORD err = GetLastError();
            if (err != ERROR_FILE_NOT_FOUND && err != ERROR_PATH_NOT_FOUND) Fail("Не удалось удалить файл", path, err);
        }
    }

    void Rename(const std::string& from, const std::string& to) override {
        if (!MoveFileExW(Utf8ToWide(from).c_str(), Utf8ToWide(to).c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            Fail("Не удалось переименовать файл", from, GetLastError());
    }

    // Directory entries are made durable by MOVEFILE_WRITE_THROUGH and by NTFS's own
    // journal; Windows has no call to flush a directory.
    void SyncDir(const std::string&) override {}

    std::vector<std::string> ListDir(const std::string& dir) override {
        std::string pattern = JoinPath(dir, "*");
        WIN32_FIND_DATAW fd;
        HANDLE h = FindFirstFileW(Utf8ToWide(pattern).c_str(), &fd);
        std::vector<std::string> names;
        if (h == INVALID_HANDLE_VALUE) {
            DWORD err = GetLastError();
            if (err == ERROR_FILE_NOT_FOUND) return names;
            Fail("Не удалось прочитать папку", dir.empty() ? "." : dir, err);
        }
        do {
            if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(WideToUtf8(fd.cFileName));
        } while (FindNextFileW(h, &fd));
        FindClose(h);
        return names;
    }

    std::unique_ptr<FileLock> LockExclusive(const std::string& path) override {
        // Share mode 0: no other handle, in this process or another, can open the file.
        HANDLE h = CreateFileW(Utf8ToWide(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) {
            DWORD err = GetLastError();
            if (err == ERROR_SHARING_VIOLATION || err == ERROR_LOCK_VIOLATION) return nullptr;
            Fail("Не удалось создать файл", path, err);
        }
        return std::make_unique<WinLock>(h);
    }
};

}  // namespace

std::shared_ptr<FileIO> FileIO::Native() {
    static std::shared_ptr<FileIO> io = std::make_shared<WinFileIO>();
    return io;
}

}  // namespace engine

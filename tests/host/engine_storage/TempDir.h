#pragma once
// A fresh directory under the system's temporary folder, removed again at the end; its
// path in UTF-8 for the engine (never through a narrow path on Windows).
#include <filesystem>
#include <string>
#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

namespace enginetest {

inline int ProcessId() {
#ifdef _WIN32
    return _getpid();
#else
    return ::getpid();
#endif
}

inline std::string Utf8(const std::filesystem::path& p) {
    std::u8string s = p.u8string();
    return std::string(s.begin(), s.end());
}

inline std::filesystem::path PathOf(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

struct TempDir {
    std::filesystem::path path;
    explicit TempDir(const std::string& stem)
        : path(std::filesystem::temp_directory_path() / PathOf(stem + "-" + std::to_string(ProcessId()))) {
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~TempDir() {
        std::error_code ec;
        for (const auto& e : std::filesystem::directory_iterator(path, ec))
            std::filesystem::permissions(e.path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path, ec);
    }
    std::string Dir() const { return Utf8(path); }
    std::filesystem::path File(const std::string& utf8Name) const { return path / PathOf(utf8Name); }
};

}  // namespace enginetest

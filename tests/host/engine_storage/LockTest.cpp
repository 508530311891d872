// The hold on the working directory: one Database per directory, in this process or
// another.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "engine/Database.h"

using namespace engine;

namespace {

namespace fs = std::filesystem;

struct TempDir {
    fs::path path = fs::temp_directory_path() / ("lorvena-lock-" + std::to_string(::getpid()));
    TempDir() {
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TempDir() { fs::remove_all(path); }
};

std::string MessageOf(const std::string& dir) {
    try {
        Database db(dir);
    } catch (const EngineError& e) {
        return e.what();
    }
    return "";
}

TEST(EngineStorageLock, SecondDatabaseInThisProcessIsRefused) {
    TempDir dir;
    {
        Database first(dir.path.string());
        EXPECT_EQ(MessageOf(dir.path.string()),
                  "An error occurred while attempting to initialize the Borland Database Engine (error $2C0B)");
        try {
            Database second(dir.path.string() + "/");
            FAIL();
        } catch (const EngineError& e) {
            EXPECT_EQ(e.Code(), Database::kErrDirectoryBusy);
        }
    }
    EXPECT_EQ(MessageOf(dir.path.string()), "");  // released with the first
    EXPECT_EQ(MessageOf((dir.path / "missing").string()),
              "An error occurred while attempting to initialize the Borland Database Engine (error $2C0C)");
}

TEST(EngineStorageLock, AnotherProcessIsRefusedUntilTheHolderEnds) {
    TempDir dir;
    auto childResult = [&]() {
        pid_t pid = ::fork();
        if (pid == 0) {
            std::string m = MessageOf(dir.path.string());
            ::_exit(m == "" ? 0 : m.find("(error $2C0B)") != std::string::npos ? 1 : 2);
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    {
        Database held(dir.path.string());
        EXPECT_EQ(childResult(), 1);
    }
    EXPECT_EQ(childResult(), 0);
}

}  // namespace

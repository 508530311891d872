// The hold on the working directory: one Database per directory, in this process or
// another.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#ifdef _WIN32
#include <process.h>
#include <windows.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "engine/Database.h"
#include "TempDir.h"

using namespace engine;
using enginetest::TempDir;

namespace {

std::string MessageOf(const std::string& dir) {
    try {
        Database db(dir);
    } catch (const EngineError& e) {
        return e.what();
    }
    return "";
}

// 0: the directory could be taken; 1: refused as busy; 2: anything else.
int ProbeCode(const std::string& dir) {
    std::string m = MessageOf(dir);
    if (m.empty()) return 0;
    return m == "An error occurred while attempting to initialize the Borland Database Engine (error $2C0B)" ? 1 : 2;
}

// Runs ProbeCode in another process.
int ProbeInChild(const std::string& dir) {
#ifdef _WIN32
    // This test program again, running only the disabled probe below.
    wchar_t exe[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring wdir = enginetest::PathOf(dir).wstring();
    SetEnvironmentVariableW(L"LORVENA_LOCK_PROBE", wdir.c_str());
    const wchar_t* args[] = {exe, L"--gtest_filter=EngineStorageLock.DISABLED_Probe",
                             L"--gtest_also_run_disabled_tests", nullptr};
    intptr_t rc = _wspawnv(_P_WAIT, exe, args);
    SetEnvironmentVariableW(L"LORVENA_LOCK_PROBE", nullptr);
    return static_cast<int>(rc);
#else
    pid_t pid = ::fork();
    if (pid == 0) ::_exit(ProbeCode(dir));
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

TEST(EngineStorageLock, SecondDatabaseInThisProcessIsRefused) {
    TempDir dir("lorvena-lock");
    {
        Database first(dir.Dir());
        EXPECT_EQ(MessageOf(dir.Dir()),
                  "An error occurred while attempting to initialize the Borland Database Engine (error $2C0B)");
        try {
            Database second(dir.Dir() + "/");
            FAIL();
        } catch (const EngineError& e) {
            EXPECT_EQ(e.Code(), Database::kErrDirectoryBusy);
        }
    }
    EXPECT_EQ(MessageOf(dir.Dir()), "");  // released with the first
    EXPECT_EQ(MessageOf(dir.Dir() + "/missing"),
              "An error occurred while attempting to initialize the Borland Database Engine (error $2C0C)");
}

TEST(EngineStorageLock, AnotherProcessIsRefusedUntilTheHolderEnds) {
    TempDir dir("lorvena-lock-ру");
    {
        Database held(dir.Dir());
        EXPECT_EQ(ProbeInChild(dir.Dir()), 1);
    }
    EXPECT_EQ(ProbeInChild(dir.Dir()), 0);
}

#ifdef _WIN32
// The child side of ProbeInChild on Windows; exits with ProbeCode.
TEST(EngineStorageLock, DISABLED_Probe) {
    const wchar_t* dir = _wgetenv(L"LORVENA_LOCK_PROBE");
    if (!dir) std::exit(3);
    std::exit(ProbeCode(enginetest::Utf8(std::filesystem::path(dir))));
}
#endif

}  // namespace

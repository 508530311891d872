#include "ui/RunningCopy.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>

#include "core/Utf16.h"
#include "ui/Form.h"

namespace {

// What a running copy publishes: a window handle as 64 bits, so that a 32-bit and a
// 64-bit copy read each other's record alike.
struct TRunningCopyRecord {
    uint64_t mainWindow;
    uint32_t processId;
};

// A kernel object name for the current directory. Names cannot hold backslashes, and
// the same folder may be written in other letter cases, so the name carries a hash of
// the upper-cased full path.
std::wstring ObjectName() {
    wchar_t dir[32768];
    DWORD n = GetCurrentDirectoryW(32768, dir);
    if (n == 0 || n >= 32768) return L"";
    std::wstring path(dir, n);
    while (path.size() > 3 && (path.back() == L'\\' || path.back() == L'/')) path.pop_back();
    CharUpperBuffW(path.data(), DWORD(path.size()));
    uint64_t h = 1469598103934665603ull;  // FNV-1a
    for (wchar_t c : path) {
        h = (h ^ uint16_t(c)) * 1099511628211ull;
    }
    wchar_t name[64];
    swprintf(name, 64, L"Local\\Lorvena-%016llx", static_cast<unsigned long long>(h));
    return name;
}

bool IsMainWindowOf(HWND w, DWORD pid, const std::wstring& mainClass) {
    if (!IsWindow(w)) return false;
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    wchar_t cls[256] = {};
    GetClassNameW(w, cls, 256);
    return owner == pid && mainClass == cls;
}

}  // namespace

bool BringRunningCopyForward(const std::string& mainClass) {
    const std::wstring name = ObjectName();
    if (name.empty()) return false;
    HANDLE map = OpenFileMappingW(FILE_MAP_READ, FALSE, name.c_str());
    if (!map) return false;
    TRunningCopyRecord rec{};
    if (const void* view = MapViewOfFile(map, FILE_MAP_READ, 0, 0, sizeof rec)) {
        rec = *static_cast<const TRunningCopyRecord*>(view);
        UnmapViewOfFile(view);
    }
    CloseHandle(map);
    HWND main = reinterpret_cast<HWND>(static_cast<uintptr_t>(rec.mainWindow));
    // A copy that is closing, or a record never filled, is no running copy.
    if (!IsMainWindowOf(main, rec.processId, Utf8ToWide(mainClass)) || !IsWindowVisible(main)) return false;
    if (IsIconic(main)) ShowWindow(main, SW_RESTORE);
    // A modal window of the running copy is where the user's work is.
    HWND front = GetLastActivePopup(main);
    SetForegroundWindow(front ? front : main);
    return true;
}

void AnnounceRunningCopy(TCustomForm& mainForm) {
    HWND mainWindow = mainForm.Handle();
    const std::wstring name = ObjectName();
    if (name.empty() || !mainWindow) return;
    // Kept open for the life of the process: the name goes when the process does, even
    // if it is killed.
    static HANDLE map = nullptr;
    if (!map)
        map = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(TRunningCopyRecord),
                                 name.c_str());
    if (!map) return;
    if (void* view = MapViewOfFile(map, FILE_MAP_WRITE, 0, 0, sizeof(TRunningCopyRecord))) {
        auto* rec = static_cast<TRunningCopyRecord*>(view);
        rec->mainWindow = reinterpret_cast<uintptr_t>(mainWindow);
        rec->processId = GetCurrentProcessId();
        UnmapViewOfFile(view);
    }
}

#include "ui/Shell.h"

#include <windows.h>
#include <shellapi.h>

#include "core/Utf16.h"
#include "ui/WinControl.h"

std::string TShellResult::Message(const std::string& fileName) const {
    if (Ok()) return {};
    const std::string quoted = "«" + fileName + "»";
    switch (code) {
    case 0:
    case SE_ERR_OOM: return "Недостаточно памяти, чтобы открыть файл " + quoted + ".";
    case SE_ERR_FNF: return "Файл " + quoted + " не найден.";
    case SE_ERR_PNF: return "Не найдена папка файла " + quoted + ".";
    case SE_ERR_ACCESSDENIED: return "Нет доступа к файлу " + quoted + ".";
    case SE_ERR_SHARE: return "Файл " + quoted + " занят другой программой.";
    case SE_ERR_NOASSOC:
    case SE_ERR_ASSOCINCOMPLETE: return "Нет программы, которая открывает файлы такого типа, как " + quoted + ".";
    case SE_ERR_DLLNOTFOUND: return "Не найдена библиотека, нужная для открытия файла " + quoted + ".";
    case SE_ERR_DDEBUSY:
    case SE_ERR_DDEFAIL:
    case SE_ERR_DDETIMEOUT: return "Программа не приняла файл " + quoted + ".";
    case ERROR_BAD_FORMAT: return "Программа для файла " + quoted + " повреждена.";
    default: return "Не удалось открыть файл " + quoted + " (код " + std::to_string(code) + ").";
    }
}

namespace {

TShellWatcher& Watcher() {
    static TShellWatcher watcher;
    return watcher;
}

}  // namespace

void SetShellWatcher(TShellWatcher watcher) { Watcher() = std::move(watcher); }

TShellResult ShellOpenDocument(TWinControl* owner, const std::string& fileName) {
    if (Watcher()) return Watcher()(owner, fileName);
    HWND window = owner && owner->HandleAllocated() ? owner->Handle() : nullptr;
    std::wstring file = Utf8ToWide(fileName);
    // The shell library is loaded on first use: nothing else of the program needs it.
    using ShellExecuteFn = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
    static const auto shellExecute = [] {
        HMODULE shell = LoadLibraryW(L"shell32.dll");
        return shell ? reinterpret_cast<ShellExecuteFn>(reinterpret_cast<void*>(GetProcAddress(shell, "ShellExecuteW")))
                     : nullptr;
    }();
    if (!shellExecute) return TShellResult{SE_ERR_DLLNOTFOUND};
    // No verb: the default action of the file's type.
    HINSTANCE r = shellExecute(window, nullptr, file.c_str(), nullptr, nullptr, SW_RESTORE);
    return TShellResult{static_cast<int>(reinterpret_cast<INT_PTR>(r))};
}

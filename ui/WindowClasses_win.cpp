#include "ui/WindowClasses.h"

#include <map>

#include "core/Exception.h"
#include "core/Utf16.h"
#include "ui/WindowBinding.h"

namespace {

std::map<std::wstring, WNDPROC>& Registered() {
    static std::map<std::wstring, WNDPROC> classes;
    return classes;
}

}  // namespace

HINSTANCE TWindowClasses::Instance() { return GetModuleHandleW(nullptr); }

WNDPROC TWindowClasses::Register(const std::wstring& name, const wchar_t* systemClass, UINT classStyle) {
    auto& classes = Registered();
    if (auto it = classes.find(name); it != classes.end()) return it->second;

    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    WNDPROC base = &DefWindowProcW;
    if (systemClass) {
        if (!GetClassInfoExW(nullptr, systemClass, &wc))
            throw Exception("Системный класс окна " + WideToUtf8(systemClass) + " не найден");
        base = wc.lpfnWndProc;
        wc.cbSize = sizeof(wc);
        wc.style &= ~CS_GLOBALCLASS;
    } else {
        wc.style = classStyle;
        wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.hIcon = LoadIconW(Instance(), L"MAINICON");
        if (!wc.hIcon) wc.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
        wc.hbrBackground = nullptr;  // the control paints its own colour
    }
    wc.hInstance = Instance();
    wc.lpfnWndProc = &TWindowBinding::WindowProcedure;
    wc.lpszClassName = name.c_str();
    wc.lpszMenuName = nullptr;
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw Exception("Не удалось зарегистрировать класс окна " + WideToUtf8(name));
    classes[name] = base;
    return base;
}

WNDPROC TWindowClasses::BaseProcedure(HWND window) {
    wchar_t name[256];
    if (!GetClassNameW(window, name, 256)) return nullptr;
    auto& classes = Registered();
    auto it = classes.find(name);
    return it == classes.end() ? nullptr : it->second;
}

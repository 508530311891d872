// The container's message for an unknown version: a system message box with the two
// lines, captioned with the application's title.
#include <windows.h>

#include <string>

#include "skin/data/SkinReader.h"

namespace {

std::wstring Widen(const std::string& utf8)
{
    if (utf8.empty())
        return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring wide(size_t(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), n);
    return wide;
}

}  // namespace

void ShowSkinReaderMessage(const std::string& text)
{
    MessageBoxW(nullptr, Widen(text).c_str(), L"\u041B\u043E\u0440\u0432\u0435\u043D\u0430", MB_OK);
}

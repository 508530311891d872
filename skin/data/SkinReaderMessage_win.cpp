// The container's message for an unknown version: a system message box with the two
// lines, captioned with the application's title.
#include <windows.h>

#include <string>

#include "core/Utf16.h"
#include "skin/data/SkinReader.h"

void ShowSkinReaderMessage(const std::string& text) {
    MessageBoxW(nullptr, Utf8ToWide(text).c_str(), L"\u041B\u043E\u0440\u0432\u0435\u043D\u0430", MB_OK);
}

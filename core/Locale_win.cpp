#include "core/Locale.h"

#include <windows.h>

#include "core/Utf16.h"

std::string DecimalSeparator() {
    wchar_t buf[8] = {};
    int n = GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buf, 8);
    if (n <= 1) return ",";
    return WideToUtf8(std::wstring_view(buf, static_cast<std::size_t>(n - 1)));
}

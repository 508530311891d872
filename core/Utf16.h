#pragma once
// Unicode encodings: decoding and encoding single code points of UTF-8, and conversion
// between UTF-8 (the program's text) and UTF-16 (what the Win32 W functions take).
//
// The UTF-8 decoder is strict: overlong forms, surrogates, code points above U+10FFFF
// and truncated sequences are invalid. The UTF-16 conversions never fail: they are used
// for display, so each invalid UTF-8 byte (or unpaired surrogate) becomes U+FFFD, the
// way Windows' own conversions do.
#include <cstddef>
#include <string>
#include <string_view>

// Decodes the code point starting at `pos` into `cp` and moves `pos` past it. An invalid
// or truncated sequence returns false and leaves `pos` and `cp` untouched. `pos` must be
// less than s.size().
bool DecodeUtf8(std::string_view s, std::size_t& pos, char32_t& cp);
// True when the whole text is valid UTF-8.
bool IsValidUtf8(std::string_view s);
// Appends the UTF-8 form of `cp` (a surrogate or a value above U+10FFFF becomes U+FFFD).
void AppendUtf8(std::string& out, char32_t cp);

std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

// The same for wchar_t text: UTF-16 where wchar_t has 16 bits (Windows), UTF-32 elsewhere.
std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);

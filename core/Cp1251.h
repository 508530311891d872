#pragma once
// Code page 1251 (Windows Cyrillic), the encoding of text inside table files.
//
// Every byte 0x00..0xFF converts to UTF-8. Byte 0x98, which the code page leaves
// unassigned, becomes U+0098 (as Windows converts it) and U+0098 converts back to 0x98,
// so any byte string read from a file survives a round trip unchanged.
//
// Converting UTF-8 to the code page fails on invalid UTF-8 and on characters the code
// page lacks: the throwing functions raise Exception with a Russian message naming the
// character; the Try form returns std::nullopt instead.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

std::string Cp1251ToUtf8(std::string_view cp1251);

std::string Utf8ToCp1251(std::string_view utf8);
std::optional<std::string> TryUtf8ToCp1251(std::string_view utf8);

// The code page byte of one code point, or std::nullopt when the code page lacks it.
std::optional<unsigned char> CodePointToCp1251(char32_t cp);
// The code point of one code page byte.
char32_t Cp1251ToCodePoint(unsigned char byte);

// The length in bytes that the text will take in code page 1251 (one byte per
// character). Fails like Utf8ToCp1251 on text that cannot be converted.
std::size_t Cp1251Length(std::string_view utf8);

#pragma once
// Text of table files, on top of core/Cp1251.h: a fast decoder for the many alpha
// values read when a table opens, and the conversion the engine checks values with.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace engine {

// Appends the UTF-8 form of `n` code page 1251 bytes to `out`.
void AppendCp1251AsUtf8(const uint8_t* bytes, std::size_t n, std::string& out);
// False when `utf8` is not valid UTF-8 or holds a character code page 1251 lacks.
bool Utf8ToCp1251(std::string_view utf8, std::string& out);

}  // namespace engine

#pragma once
// Screenshots as PNG files (8-bit RGB), through the skin engine's encoder.
#include <cstdint>
#include <string>
#include <vector>

// pixels: rows top down, 0x00RRGGBB. Returns false when the file cannot be written.
bool WritePng(const std::wstring& path, int width, int height, const std::vector<uint32_t>& pixels);
// The PNG bytes themselves (tests of the writer read them back).
std::vector<uint8_t> EncodePng(int width, int height, const std::vector<uint32_t>& pixels);

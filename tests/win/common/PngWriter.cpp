#include "PngWriter.h"

#include <algorithm>
#include <cstdio>

#include "skin/platform/PngWriter.h"

// Screenshots are written by the skin engine's own PNG encoder: one encoder to trust.
std::vector<uint8_t> EncodePng(int width, int height, const std::vector<uint32_t>& pixels) {
    skin::Surface image(width, height);
    const size_t n = std::min(pixels.size(), size_t(width) * size_t(height));
    std::copy_n(pixels.begin(), n, image.Data());
    return skin::WritePng(image);
}

bool WritePng(const std::wstring& path, int width, int height, const std::vector<uint32_t>& pixels) {
    auto bytes = EncodePng(width, height, pixels);
    FILE* f = _wfopen(path.c_str(), L"wb");
    if (!f) return false;
    bool ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return fclose(f) == 0 && ok;
}

#include "ui/Glyph.h"

#include <utility>

#include "core/Exception.h"
#include "core/Utf16.h"
#include "ui/WindowClasses.h"

namespace {

// The grey twin of a pixel, for strips that bring no disabled cell of their own.
uint32_t GreyOf(uint32_t rgb) {
    unsigned r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    unsigned lum = (299 * r + 587 * g + 114 * b) / 1000;
    unsigned v = 112 + lum * 120 / 255;
    return (v << 16) | (v << 8) | v;
}

}  // namespace

TGlyph::TGlyph(int width, int height, std::vector<uint32_t> pixels, int numGlyphs)
    : width_(width), height_(height), numGlyphs_(numGlyphs < 1 ? 1 : numGlyphs), pixels_(std::move(pixels)) {
    if (width < 0 || height < 0 || pixels_.size() != static_cast<size_t>(width) * static_cast<size_t>(height))
        throw Exception("Неверный размер рисунка кнопки");
}

TGlyph::TGlyph(const TGlyph& o) : width_(o.width_), height_(o.height_), numGlyphs_(o.numGlyphs_), pixels_(o.pixels_) {}

TGlyph& TGlyph::operator=(const TGlyph& o) {
    if (this == &o) return *this;
    FreeHandle();
    width_ = o.width_;
    height_ = o.height_;
    numGlyphs_ = o.numGlyphs_;
    pixels_ = o.pixels_;
    return *this;
}

TGlyph::~TGlyph() { FreeHandle(); }

void TGlyph::FreeHandle() const {
    if (handle_) DeleteObject(handle_);
    handle_ = nullptr;
}

uint32_t TGlyph::TransparentColor() const { return Empty() ? 0 : Pixel(0, height_ - 1); }

HBITMAP TGlyph::Handle() const {
    if (handle_ || Empty()) return handle_;
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = width_;
    bi.bmiHeader.biHeight = -height_;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    handle_ = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (handle_ && bits) memcpy(bits, pixels_.data(), pixels_.size() * sizeof(uint32_t));
    return handle_;
}

void TGlyph::Draw(HDC dc, int x, int y, int index) const {
    if (Empty()) return;
    const int w = GlyphWidth();
    const bool greyCopy = index >= numGlyphs_;
    const int cell = greyCopy ? 0 : index;
    const uint32_t key = TransparentColor();
    // Through a 32-bit section of the destination, so that transparency is exact.
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -height_;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!section || !bits) return;
    HDC mem = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(mem, section);
    BitBlt(mem, 0, 0, w, height_, dc, x, y, SRCCOPY);
    GdiFlush();
    auto* px = static_cast<uint32_t*>(bits);
    for (int yy = 0; yy < height_; ++yy)
        for (int xx = 0; xx < w; ++xx) {
            uint32_t p = Pixel(cell * w + xx, yy);
            if (p == key) continue;
            px[yy * w + xx] = greyCopy ? GreyOf(p) : p;
        }
    BitBlt(dc, x, y, w, height_, mem, 0, 0, SRCCOPY);
    SelectObject(mem, old);
    DeleteDC(mem);
    DeleteObject(section);
}

TGlyph LoadGlyphResource(const std::string& name) {
    std::wstring wname = Utf8ToWide(name);
    auto* bmp = static_cast<HBITMAP>(
        LoadImageW(TWindowClasses::Instance(), wname.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bmp) throw Exception("Нет рисунка кнопки " + name + " в ресурсах программы");
    BITMAP info{};
    GetObjectW(bmp, sizeof(info), &info);
    const int w = info.bmWidth, h = info.bmHeight;
    std::vector<uint32_t> pixels(static_cast<size_t>(w) * static_cast<size_t>(h));
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    int rows = GetDIBits(screen, bmp, 0, static_cast<UINT>(h), pixels.data(), &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(bmp);
    if (rows != h) throw Exception("Рисунок кнопки " + name + " не читается");
    for (auto& p : pixels) p &= 0xFFFFFF;
    // A strip twice as wide as high holds the picture and its disabled twin.
    int cells = (h > 0 && w == 2 * h) ? 2 : 1;
    return TGlyph(w, h, std::move(pixels), cells);
}

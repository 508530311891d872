#pragma once
// TGlyph: a button picture in the classic strip form: NumGlyphs cells of equal width side
// by side (cell 1 the normal picture, cell 2 its grey disabled twin), with the colour of
// the bottom-left pixel standing for "transparent". The pictures of the program's buttons
// are bitmap resources of the executable (app/res/glyphs), loaded by name.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

class TGlyph {
public:
    TGlyph() = default;
    // A picture from 32-bit pixels (0x00RRGGBB, rows top down) cut into numGlyphs cells.
    TGlyph(int width, int height, std::vector<uint32_t> pixels, int numGlyphs);
    TGlyph(const TGlyph& other);
    TGlyph& operator=(const TGlyph& other);
    ~TGlyph();

    bool Empty() const { return width_ == 0 || height_ == 0; }
    // The whole strip.
    int Width() const { return width_; }
    int Height() const { return height_; }
    int NumGlyphs() const { return numGlyphs_; }
    // The size of one cell.
    int GlyphWidth() const { return numGlyphs_ > 0 ? width_ / numGlyphs_ : 0; }
    // 0x00RRGGBB of a pixel of the strip; the colour drawn as transparent.
    uint32_t Pixel(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    uint32_t TransparentColor() const;
    const std::vector<uint32_t>& Pixels() const { return pixels_; }

    // Draws cell `index` (0 normal, 1 disabled) with its top-left corner at x, y, leaving
    // the transparent pixels as they are. A strip of one cell draws a greyed copy of it
    // for the disabled cell.
    void Draw(HDC dc, int x, int y, int index) const;
    // Draws the normal cell when enabled, the disabled twin otherwise.
    void DrawState(HDC dc, int x, int y, bool enabled) const { Draw(dc, x, y, enabled ? 0 : 1); }
    // A device-independent bitmap of the whole strip (made on first use, kept by the glyph).
    HBITMAP Handle() const;

private:
    void FreeHandle() const;

    int width_ = 0;
    int height_ = 0;
    int numGlyphs_ = 1;
    std::vector<uint32_t> pixels_;
    mutable HBITMAP handle_ = nullptr;
};

// The bitmap resource `name` of the executable as a glyph; a 2:1 strip (32 × 16) is taken
// as a picture with its disabled twin. A missing resource throws Exception.
TGlyph LoadGlyphResource(const std::string& name);

// Resource names of the program's button pictures (app/res/glyphs).
inline constexpr const char* kGlyphHelp = "GLYPH_HELP";            // blue book, yellow "?"
inline constexpr const char* kGlyphExit = "GLYPH_EXIT";            // door, arrow going in
inline constexpr const char* kGlyphAdd = "GLYPH_ADD";              // blue plus
inline constexpr const char* kGlyphNavDelete = "GLYPH_NAVDELETE";  // navigator's delete: minus

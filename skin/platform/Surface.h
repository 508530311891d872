#pragma once
// Our 32-bit raster. Pixels are 0x00RRGGBB, rows top-down, no padding: in memory each pixel
// is B, G, R, 0, which is exactly a 32-bit top-down DIB, so the Windows half can hand the
// same pixels to GDI (Surface_win.h) and text drawn by GDI lands in the raster.
//
// The drawing operations below are the block transfers the skin engine needs, computed
// exactly on the raster:
//   Copy             1:1 copy (source-copy raster operation);
//   CopyTransparent  1:1 copy that leaves the destination where the source has the key;
//   Stretch          in the destination's stretch mode, dropping and repeating rows and
//                    columns in the pattern GDI shows (measured under Wine 8). Enlarging,
//                    destination pixel i of a d-wide target takes source pixel
//                    floor(((2i + 1) * s - 1) / (2d)) of an s-wide source. Shrinking, source
//                    pixel j falls to destination floor(((2j + 1) * d - 1) / (2s)), and of
//                    the pixels that fall together colour-on-colour (the default) keeps the
//                    last column and the first row; black-on-white (the mode a fresh bitmap
//                    canvas starts in) keeps the bitwise AND of them all. Never blended;
//   Tile             copies the source at every step of its size from the target's
//                    top-left while the position lies inside the target (the last tiles
//                    may run past the target's right and bottom);
//   Fill             a solid rectangle.
// Every operation draws only inside the destination's clipping box (the whole surface
// unless set) and reads only inside the source image: parts of a source rectangle that lie
// outside the source are not drawn, and nothing ever reads or writes outside the buffers.
// Destination coordinates are logical: the surface's origin (0, 0 unless set) is added,
// like a device context's window origin.
#include <cstdint>
#include <memory>

#include "core/Exception.h"
#include "skin/platform/Geometry.h"

namespace skin {

using Pixel = std::uint32_t;  // 0x00RRGGBB
using Color = std::uint32_t;  // the framework's TColor: 0x00BBGGRR, system colours 0x80000000 + index

constexpr Pixel kMagenta = 0xFF00FF;  // the engine's transparent colour (same in both orders)

constexpr Pixel MakePixel(int r, int g, int b) {
    return (Pixel(r & 255) << 16) | (Pixel(g & 255) << 8) | Pixel(b & 255);
}
constexpr int PixelR(Pixel p) { return int((p >> 16) & 255); }
constexpr int PixelG(Pixel p) { return int((p >> 8) & 255); }
constexpr int PixelB(Pixel p) { return int(p & 255); }
// TColor <-> pixel: only the red, green and blue bytes are kept (a system colour must be
// resolved first when its value matters).
constexpr Pixel ColorToPixel(Color c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }
constexpr Color PixelToColor(Pixel p) { return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF); }

// Where a surface's pixels live. The portable default is the heap; the Windows half moves
// them into a DIB section when GDI needs to see them.
class PixelStorage {
public:
    virtual ~PixelStorage() = default;
    virtual Pixel* Pixels() = 0;
};

enum class StretchMode { ColorOnColor, BlackOnWhite };

class Surface {
public:
    // Sides are limited so that every size computation fits comfortably in 32 bits.
    static constexpr int kMaxSide = 32767;
    static constexpr long long kMaxPixels = 1LL << 26;

    Surface() = default;
    // Throws Exception for a negative or too large size.
    Surface(int width, int height, Pixel fill = 0);
    Surface(const Surface& other);  // deep copy into heap storage
    Surface& operator=(const Surface& other);
    Surface(Surface&& other) noexcept;
    Surface& operator=(Surface&& other) noexcept;
    ~Surface();

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }
    Rect Bounds() const { return {0, 0, width_, height_}; }

    Pixel* Data() { return pixels_; }
    const Pixel* Data() const { return pixels_; }
    Pixel* Row(int y) { return pixels_ + static_cast<long long>(y) * width_; }
    const Pixel* Row(int y) const { return pixels_ + static_cast<long long>(y) * width_; }
    // Pixel access by image coordinates (origin and clip do not apply). Outside the image
    // At gives 0 and Set does nothing.
    Pixel At(int x, int y) const;
    void Set(int x, int y, Pixel p);

    // Clipping box in image coordinates; always kept inside the image.
    const Rect& Clip() const { return clip_; }
    void SetClip(const Rect& clip);
    void ResetClip() { clip_ = Bounds(); }
    // Logical (0, 0) lies at this image position.
    Point Origin() const { return origin_; }
    void SetOrigin(Point origin) { origin_ = origin; }
    // How Stretch into this surface treats rows and columns it has to drop.
    StretchMode GetStretchMode() const { return stretchMode_; }
    void SetStretchMode(StretchMode mode) { stretchMode_ = mode; }

    // A new surface holding the part r of this one; parts of r outside the image are black.
    Surface Cut(const Rect& r) const;

    // Replaces the storage with one that already holds this surface's pixels (the Windows
    // half does this to move the raster into a DIB section).
    PixelStorage* Storage() const { return storage_.get(); }
    void AdoptStorage(std::unique_ptr<PixelStorage> storage);

    friend bool operator==(const Surface& a, const Surface& b);

private:
    int width_ = 0;
    int height_ = 0;
    Pixel* pixels_ = nullptr;
    std::unique_ptr<PixelStorage> storage_;
    Rect clip_;
    Point origin_;
    StretchMode stretchMode_ = StretchMode::ColorOnColor;
};

// Same size and same pixels (clip and origin are not compared).
bool operator==(const Surface& a, const Surface& b);

void Copy(Surface& dst, int dx, int dy, const Surface& src, const Rect& srcRect);
void CopyTransparent(Surface& dst, int dx, int dy, const Surface& src, const Rect& srcRect, Pixel key);
// Nothing when either rectangle has no area (no mirroring).
void Stretch(Surface& dst, const Rect& dstRect, const Surface& src, const Rect& srcRect);
void Tile(Surface& dst, const Rect& dstRect, const Surface& src, const Rect& srcRect);
void Fill(Surface& dst, const Rect& r, Pixel p);

}  // namespace skin

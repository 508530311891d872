#include "skin/platform/Surface_win.h"

#include <cstring>

namespace skin {

namespace {

class DibStorage final : public PixelStorage {
public:
    DibStorage(int width, int height) {
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bi.bmiHeader.biWidth = width;
        bi.bmiHeader.biHeight = -height;  // top-down: memory row 0 is the top
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bi.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        void* bits = nullptr;
        bitmap_ = dc_ ? CreateDIBSection(dc_, &bi, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
        if (!bitmap_) {
            if (dc_) DeleteDC(dc_);
            throw Exception("Не удалось создать растровое изображение " + std::to_string(width) + " × " +
                            std::to_string(height));
        }
        pixels_ = static_cast<Pixel*>(bits);
        old_ = SelectObject(dc_, bitmap_);
    }
    ~DibStorage() override {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    DibStorage(const DibStorage&) = delete;
    DibStorage& operator=(const DibStorage&) = delete;

    Pixel* Pixels() override { return pixels_; }
    HDC Dc() const { return dc_; }
    HBITMAP Bitmap() const { return bitmap_; }

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    Pixel* pixels_ = nullptr;
};

DibStorage* Dib(Surface& surface) {
    if (surface.Empty()) return nullptr;
    if (auto* dib = dynamic_cast<DibStorage*>(surface.Storage())) return dib;
    auto dib = std::make_unique<DibStorage>(surface.Width(), surface.Height());
    std::memcpy(dib->Pixels(), surface.Data(),
                static_cast<std::size_t>(surface.Width()) * surface.Height() * sizeof(Pixel));
    DibStorage* raw = dib.get();
    surface.AdoptStorage(std::move(dib));
    return raw;
}

}  // namespace

HDC SurfaceDC(Surface& surface) {
    DibStorage* dib = Dib(surface);
    return dib ? dib->Dc() : nullptr;
}

HBITMAP SurfaceBitmap(Surface& surface) {
    DibStorage* dib = Dib(surface);
    return dib ? dib->Bitmap() : nullptr;
}

bool IsDibBacked(const Surface& surface) { return dynamic_cast<const DibStorage*>(surface.Storage()) != nullptr; }

void BlitToDC(HDC dc, int x, int y, Surface& surface, const Rect& srcRect) {
    HDC src = SurfaceDC(surface);
    if (!src || srcRect.IsEmpty()) return;
    BitBlt(dc, x, y, srcRect.Width(), srcRect.Height(), src, srcRect.Left, srcRect.Top, SRCCOPY);
}

Surface CaptureDC(HDC dc, const Rect& r) {
    Surface out(r.Width() > 0 ? r.Width() : 0, r.Height() > 0 ? r.Height() : 0);
    HDC mem = SurfaceDC(out);
    if (!mem) return out;
    BitBlt(mem, 0, 0, r.Width(), r.Height(), dc, r.Left, r.Top, SRCCOPY);
    GdiFlush();
    // GDI leaves the unused top byte as it pleases; the raster keeps it 0.
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x) out.Row(y)[x] &= 0xFFFFFF;
    return out;
}

}  // namespace skin

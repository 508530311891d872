// The raster against GDI under Wine: the DIB-backed surface, GDI text in it, our stretch
// and transparency against GDI's, regions from rectangles.
#include <gtest/gtest.h>

#include "skin/data/DrawPrimitives.h"
#include "skin/data/WideText.h"
#include "skin/data/WideText_win.h"
#include "skin/platform/Region_win.h"
#include "skin/platform/Surface_win.h"
#include "skin/platform/SystemColors.h"

using namespace skin;

namespace {

Surface Pattern(int w, int h) {
    Surface s(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) s.Set(x, y, MakePixel(x * 17 + 3, y * 29 + 5, (x ^ y) * 7));
    return s;
}

// GDI's StretchBlt in the given mode from a DIB-backed copy of src into a fresh surface.
Surface GdiStretch(const Surface& src, int w, int h, int mode) {
    Surface from = src;
    Surface to(w, h, 0x777777);
    HDC dst = SurfaceDC(to);
    SetStretchBltMode(dst, mode);
    StretchBlt(dst, 0, 0, w, h, SurfaceDC(from), 0, 0, src.Width(), src.Height(), SRCCOPY);
    GdiFlush();
    return to;
}

}  // namespace

TEST(SkinDrawWinSurface, DibSectionKeepsPixelsAndSharesThemWithGdi) {
    Surface s = Pattern(9, 7);
    Surface copy = s;
    HDC dc = SurfaceDC(s);
    ASSERT_NE(dc, nullptr);
    EXPECT_TRUE(IsDibBacked(s));
    EXPECT_EQ(s, copy);           // contents kept when the storage moved
    EXPECT_EQ(SurfaceDC(s), dc);  // once only
    // Raster writes are what GDI reads; GDI writes are what the raster reads.
    s.Set(2, 3, 0x123456);
    EXPECT_EQ(GetPixel(dc, 2, 3), RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(PixelR(copy.At(0, 0)), PixelG(copy.At(0, 0)), PixelB(copy.At(0, 0))));
    RECT r{1, 1, 4, 2};
    HBRUSH brush = CreateSolidBrush(RGB(0xAB, 0xCD, 0xEF));
    FillRect(dc, &r, brush);
    DeleteObject(brush);
    GdiFlush();
    EXPECT_EQ(s.At(1, 1) & 0xFFFFFF, 0xABCDEFu);
    EXPECT_EQ(s.At(3, 1) & 0xFFFFFF, 0xABCDEFu);
    EXPECT_EQ(s.At(4, 1), copy.At(4, 1));
    Surface empty;
    EXPECT_EQ(SurfaceDC(empty), nullptr);
}

TEST(SkinDrawWinSurface, GdiTextLandsInTheRaster) {
    Surface s(220, 40, 0xFFFFFF);
    HDC dc = SurfaceDC(s);
    HFONT font =
        CreateFontW(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0, L"Tahoma");
    HGDIOBJ old = SelectObject(dc, font);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    std::u16string text = StrToWideStr("Жиры 12,5 г");
    RECT measure{0, 0, 220, 40};
    int h = Tnt_DrawTextW(dc, text, &measure, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_GT(h, 10);
    EXPECT_GT(measure.right, 40);
    RECT r{10, 5, 210, 35};
    EXPECT_EQ(Tnt_DrawTextW(dc, text, &r, DT_SINGLELINE | DT_LEFT | DT_TOP), h);
    GdiFlush();
    SelectObject(dc, old);
    DeleteObject(font);
    int dark = 0, outside = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 220; ++x)
            if ((s.At(x, y) & 0xFFFFFF) != 0xFFFFFF) {
                ++dark;
                if (x < 10 || y < 5 || x >= 10 + measure.right || y >= 5 + measure.bottom) ++outside;
            }
    EXPECT_GT(dark, 60);
    EXPECT_EQ(outside, 0);
    // Only the first count characters with a count.
    EXPECT_EQ(WStr(text, 4), u"Жиры");
}

TEST(SkinDrawWinSurface, ColourOnColourStretchEqualsGdi) {
    Surface src = Pattern(7, 5);
    for (auto [w, h] : {std::pair{7, 5}, {10, 4}, {3, 2}, {23, 17}, {2, 13}, {31, 1}, {5, 9}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        Surface ours(w, h, 0x777777);
        Stretch(ours, {0, 0, w, h}, src, src.Bounds());
        Surface gdi = GdiStretch(src, w, h, COLORONCOLOR);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) ASSERT_EQ(ours.At(x, y), gdi.At(x, y) & 0xFFFFFF) << x << "," << y;
    }
}

TEST(SkinDrawWinSurface, BlackOnWhiteStretchEqualsGdi) {
    Surface src = Pattern(8, 6);
    for (auto [w, h] : {std::pair{4, 3}, {3, 6}, {8, 2}, {16, 12}, {5, 5}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        Surface ours(w, h, 0x777777);
        ours.SetStretchMode(StretchMode::BlackOnWhite);
        Stretch(ours, {0, 0, w, h}, src, src.Bounds());
        Surface gdi = GdiStretch(src, w, h, BLACKONWHITE);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) ASSERT_EQ(ours.At(x, y), gdi.At(x, y) & 0xFFFFFF) << x << "," << y;
    }
}

TEST(SkinDrawWinSurface, MaskedTransferEqualsTheRastersTransparentCopy) {
    // DrawTranmap's GDI form: a monochrome mask with magenta as the masked colour, then a
    // masked transfer keeping the destination where the mask is set.
    Surface image = Pattern(12, 9);
    for (int i = 0; i < 12; ++i) image.Set(i, (i * 5) % 9, kMagenta);
    image.Set(3, 3, 0xFF01FF);
    Surface ours(16, 12, 0x336699);
    DrawTranmap(ours, {2, 1, 12, 9}, image, kMagenta);

    Surface gdiImage = image;
    HDC imageDc = SurfaceDC(gdiImage);
    HDC maskDc = CreateCompatibleDC(nullptr);
    HBITMAP mask = CreateBitmap(12, 9, 1, 1, nullptr);
    HGDIOBJ oldMask = SelectObject(maskDc, mask);
    SetBkColor(imageDc, RGB(255, 0, 255));
    BitBlt(maskDc, 0, 0, 12, 9, imageDc, 0, 0, SRCCOPY);
    Surface gdi(16, 12, 0x336699);
    MaskBlt(SurfaceDC(gdi), 2, 1, 10, 8, imageDc, 0, 0, mask, 0, 0, MAKEROP4(0x00AA0029, SRCCOPY));
    GdiFlush();
    SelectObject(maskDc, oldMask);
    DeleteObject(mask);
    DeleteDC(maskDc);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 16; ++x) ASSERT_EQ(ours.At(x, y), gdi.At(x, y) & 0xFFFFFF) << x << "," << y;
}

TEST(SkinDrawWinSurface, RegionHandleEqualsTheMagentaCut) {
    // A checkerboard of 120 x 90 has 5400 runs: three blocks of rectangles.
    Surface image(120, 90, kMagenta);
    for (int y = 0; y < 90; ++y)
        for (int x = 0; x < 120; ++x)
            if ((x + y) % 2 == 0 || (x > 40 && x < 60)) image.Set(x, y, 0x102030);
    Region region = BitmapToRegion(image, 5, 7, kMagenta, 1, 1, 1);
    ASSERT_GT(region.Rects().size(), 4000u);
    HRGN rgn = CreateRegionHandle(region);
    ASSERT_NE(rgn, nullptr);
    for (int y = 0; y < 90; ++y)
        for (int x = 0; x < 120; ++x)
            ASSERT_EQ(PtInRegion(rgn, x + 5, y + 7) != 0, image.At(x, y) != kMagenta) << x << "," << y;
    RECT box;
    GetRgnBox(rgn, &box);
    EXPECT_EQ(box.left, 5);
    EXPECT_EQ(box.top, 7);
    EXPECT_EQ(box.right, 125);
    EXPECT_EQ(box.bottom, 97);
    DeleteObject(rgn);

    HRGN none = CreateRegionHandle(BitmapToRegion(Surface(8, 8, kMagenta), 0, 0, kMagenta, 1, 1, 1));
    EXPECT_EQ(GetRgnBox(none, &box), NULLREGION);
    DeleteObject(none);
}

TEST(SkinDrawWinSurface, SystemColoursComeFromTheSystem) {
    EXPECT_EQ(SystemColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNFACE) & 0xFFFFFF);
    EXPECT_EQ(ResolveColor(0x80000000 | COLOR_HIGHLIGHT), GetSysColor(COLOR_HIGHLIGHT) & 0xFFFFFF);
    EXPECT_EQ(ResolveColor(0x00123456), 0x123456u);
}

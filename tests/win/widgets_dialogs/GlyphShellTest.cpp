// The button glyphs embedded as resources and their disabled twins; the shell wrapper's
// answers when a document cannot be opened.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "core/Exception.h"
#include "tests/win/common/WinTestUtil.h"
#include "ui/Glyph.h"
#include "ui/Shell.h"

namespace {

constexpr uint32_t kMagenta = 0xFF00FF;

int R(uint32_t p) { return (p >> 16) & 0xFF; }
int G(uint32_t p) { return (p >> 8) & 0xFF; }
int B(uint32_t p) { return p & 0xFF; }

TEST(WidgetsDialogsGlyphs, EveryGlyphHasItsPictureAndAGreyTwinOfTheSameShape) {
    for (const char* name : {kGlyphHelp, kGlyphExit, kGlyphAdd, kGlyphNavDelete}) {
        SCOPED_TRACE(name);
        TGlyph g = LoadGlyphResource(name);
        ASSERT_EQ(g.Width(), 32);
        ASSERT_EQ(g.Height(), 16);
        EXPECT_EQ(g.NumGlyphs(), 2);
        EXPECT_EQ(g.GlyphWidth(), 16);
        EXPECT_EQ(g.TransparentColor(), kMagenta);
        int opaque = 0, colouredNormal = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                uint32_t n = g.Pixel(x, y), d = g.Pixel(16 + x, y);
                EXPECT_EQ(n == kMagenta, d == kMagenta) << "same outline at " << x << "," << y;
                if (n == kMagenta) continue;
                ++opaque;
                colouredNormal += !(R(n) == G(n) && G(n) == B(n));
                EXPECT_TRUE(R(d) == G(d) && G(d) == B(d)) << "grey twin at " << x << "," << y;
                EXPECT_GE(R(d), 96) << "light enough to read as disabled";
            }
        EXPECT_GT(opaque, 20);
        EXPECT_GT(colouredNormal, opaque / 2) << "the normal picture is in colour";
    }
}

TEST(WidgetsDialogsGlyphs, PicturesHaveTheirColours) {
    auto count = [](const TGlyph& g, auto pred) {
        int n = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) n += pred(g.Pixel(x, y)) ? 1 : 0;
        return n;
    };
    auto blue = [](uint32_t p) { return p != kMagenta && B(p) > 150 && R(p) < 120; };
    auto yellow = [](uint32_t p) { return R(p) > 200 && G(p) > 180 && B(p) < 60; };
    auto green = [](uint32_t p) { return G(p) > 120 && R(p) < 40 && B(p) < 40; };
    auto brown = [](uint32_t p) { return R(p) > 120 && G(p) > 60 && G(p) < 140 && B(p) < 80; };
    TGlyph help = LoadGlyphResource(kGlyphHelp);
    EXPECT_GT(count(help, blue), 60) << "a blue book";
    EXPECT_GT(count(help, yellow), 10) << "with a yellow question mark";
    TGlyph exit = LoadGlyphResource(kGlyphExit);
    EXPECT_GT(count(exit, green), 10) << "a green arrow";
    EXPECT_GT(count(exit, brown), 40) << "a brown door";
    EXPECT_GT(count(LoadGlyphResource(kGlyphAdd), blue), 40) << "a blue plus";
}

TEST(WidgetsDialogsGlyphs, DrawingLeavesTransparentPixelsAndPicksTheCell) {
    TGlyph g = LoadGlyphResource(kGlyphAdd);
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), 40, -20, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, dib);
    auto* px = static_cast<uint32_t*>(bits);
    std::fill(px, px + 40 * 20, 0x123456u);
    g.DrawState(dc, 2, 2, true);
    g.DrawState(dc, 22, 2, false);
    GdiFlush();
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            uint32_t n = px[(y + 2) * 40 + x + 2] & 0xFFFFFF, d = px[(y + 2) * 40 + x + 22] & 0xFFFFFF;
            if (g.Pixel(x, y) == kMagenta) {
                EXPECT_EQ(n, 0x123456u);
                EXPECT_EQ(d, 0x123456u);
            } else {
                EXPECT_EQ(n, g.Pixel(x, y));
                EXPECT_EQ(d, g.Pixel(16 + x, y));
            }
        }
    EXPECT_EQ(px[0] & 0xFFFFFF, 0x123456u) << "nothing outside the cell";
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(dib);

    EXPECT_THROW(TGlyph(3, 3, {1, 2}, 1), Exception);
}

TEST(WidgetsDialogsGlyphs, OneCellPictureIsGreyedForItsDisabledState) {
    // Bottom-left is the transparent colour.
    TGlyph single(2, 2, {0x0000FF, 0xFF0000, kMagenta, 0x00FF00}, 1);
    EXPECT_EQ(single.NumGlyphs(), 1);
    EXPECT_EQ(single.TransparentColor(), kMagenta);
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), 2, -2, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, dib);
    auto* px = static_cast<uint32_t*>(bits);
    std::fill(px, px + 4, 0x000001u);
    single.DrawState(dc, 0, 0, false);
    GdiFlush();
    for (int i : {0, 1, 3}) {
        uint32_t p = px[i] & 0xFFFFFF;
        EXPECT_TRUE(R(p) == G(p) && G(p) == B(p)) << i;
        EXPECT_NE(p, 0x000001u);
    }
    EXPECT_EQ(px[2] & 0xFFFFFF, 0x000001u) << "transparent stays";
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(dib);
}

TEST(WidgetsDialogsGlyphs, MissingResourceIsAnError) { EXPECT_THROW(LoadGlyphResource("GLYPH_NOSUCH"), Exception); }

TEST(WidgetsDialogsGlyphs, SaveEnlargedPicturesToLookAt) {
    // Each glyph and its twin on the button face, eight times larger.
    const int scale = 8;
    TScreenImage img;
    const char* names[] = {kGlyphHelp, kGlyphExit, kGlyphAdd, kGlyphNavDelete};
    img.width = 32 * scale;
    img.height = 4 * 17 * scale;
    img.pixels.assign(static_cast<size_t>(img.width) * img.height, 0xD4D0C8);
    for (int i = 0; i < 4; ++i) {
        TGlyph g = LoadGlyphResource(names[i]);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 32; ++x) {
                uint32_t p = g.Pixel(x, y);
                if (p == kMagenta) continue;
                for (int dy = 0; dy < scale; ++dy)
                    for (int dx = 0; dx < scale; ++dx)
                        img.pixels[static_cast<size_t>((i * 17 + y) * scale + dy) * img.width + x * scale + dx] = p;
            }
    }
    EXPECT_FALSE(SaveScreenshot(img, "widgets_dialogs_glyphs").empty());
}

TEST(WidgetsDialogsShell, MissingDocumentIsReportedWithItsName) {
    TShellResult r = ShellOpenDocument(nullptr, "Нет_такого_файла.htm");
    EXPECT_FALSE(r.Ok());
    EXPECT_EQ(r.code, 2) << "the shell's 'file not found'";
    EXPECT_EQ(r.Message("Нет_такого_файла.htm"), "Файл «Нет_такого_файла.htm» не найден.");
}

TEST(WidgetsDialogsShell, DocumentOfNoKnownTypeIsReported) {
    const char* name = "widgets_dialogs_test.lorvenazz";
    { std::ofstream(name) << "x"; }
    TShellResult r = ShellOpenDocument(nullptr, name);
    std::remove(name);
    EXPECT_FALSE(r.Ok());
    EXPECT_EQ(r.code, 31) << "no program for the type";
    EXPECT_NE(r.Message(name).find("Нет программы"), std::string::npos);
    EXPECT_EQ(TShellResult{42}.Message(name), "");
    EXPECT_NE(TShellResult{20}.Message("a").find("код 20"), std::string::npos);
}

}  // namespace

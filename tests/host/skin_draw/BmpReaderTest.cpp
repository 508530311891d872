// The BMP reader against files written by ImageMagick, hand-built streams for what
// ImageMagick does not write (RLE4, top-down, bit fields in a 40-byte header), and
// damaged files.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

#include "skin/platform/BmpReader.h"
#include "skin/platform/BmpWriter.h"
#include "tests/host/skin_draw/TestImages.h"

using namespace skin;
using skin::test::Numbered;
using skin::test::ReadFile;

namespace {

std::string Sample(const std::string& name) { return std::string(SKIN_DRAW_SAMPLES) + "/" + name; }

// The binary PPM (P6) the samples were made from.
Surface ReadPpm(const std::string& name) {
    std::vector<std::uint8_t> bytes = ReadFile(Sample(name));
    std::string text(bytes.begin(), bytes.end());
    std::istringstream head(text);
    std::string magic;
    int w = 0, h = 0, maxval = 0;
    head >> magic >> w >> h >> maxval;
    std::size_t at = static_cast<std::size_t>(head.tellg()) + 1;
    Surface s(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x, at += 3) s.Set(x, y, MakePixel(bytes[at], bytes[at + 1], bytes[at + 2]));
    return s;
}

Surface Decode(const std::vector<std::uint8_t>& file) { return ReadBmp(file); }

void Put32(std::vector<std::uint8_t>& v, std::size_t at, std::uint32_t x) {
    for (int i = 0; i < 4; ++i) v[at + i] = static_cast<std::uint8_t>(x >> (8 * i));
}

// A BMP with a 40-byte header, the given palette (B, G, R, 0 entries) and pixel data.
std::vector<std::uint8_t> MakeBmp(int w, int h, int bpp, std::uint32_t compression, const std::vector<Pixel>& palette,
                                  const std::vector<std::uint8_t>& data, const std::vector<std::uint32_t>& masks = {}) {
    std::vector<std::uint8_t> f(54, 0);
    f[0] = 'B';
    f[1] = 'M';
    Put32(f, 14, 40);
    Put32(f, 18, static_cast<std::uint32_t>(w));
    Put32(f, 22, static_cast<std::uint32_t>(h));
    f[26] = 1;
    f[28] = static_cast<std::uint8_t>(bpp);
    Put32(f, 30, compression);
    Put32(f, 46, static_cast<std::uint32_t>(palette.size()));
    for (std::uint32_t m : masks)
        for (int i = 0; i < 4; ++i) f.push_back(static_cast<std::uint8_t>(m >> (8 * i)));
    for (Pixel p : palette) {
        f.push_back(static_cast<std::uint8_t>(PixelB(p)));
        f.push_back(static_cast<std::uint8_t>(PixelG(p)));
        f.push_back(static_cast<std::uint8_t>(PixelR(p)));
        f.push_back(0);
    }
    Put32(f, 10, static_cast<std::uint32_t>(f.size()));
    f.insert(f.end(), data.begin(), data.end());
    Put32(f, 2, static_cast<std::uint32_t>(f.size()));
    return f;
}

void ExpectNear(const Surface& got, const Surface& want, int tolerance) {
    ASSERT_EQ(got.Width(), want.Width());
    ASSERT_EQ(got.Height(), want.Height());
    for (int y = 0; y < got.Height(); ++y)
        for (int x = 0; x < got.Width(); ++x) {
            Pixel a = got.At(x, y), b = want.At(x, y);
            ASSERT_LE(std::abs(PixelR(a) - PixelR(b)), tolerance) << x << "," << y;
            ASSERT_LE(std::abs(PixelG(a) - PixelG(b)), tolerance) << x << "," << y;
            ASSERT_LE(std::abs(PixelB(a) - PixelB(b)), tolerance) << x << "," << y;
        }
}

}  // namespace

TEST(SkinDrawBmp, ReadsEveryFormatImageMagickWrites) {
    struct Case {
        const char* bmp;
        const char* ppm;
        int tolerance;
    } cases[] = {
        {"rgb24.bmp", "colors16.ppm", 0},
        {"rgb32-bitfields.bmp", "colors16.ppm", 0},
        {"pal4.bmp", "colors16.ppm", 0},
        {"pal8.bmp", "colors40.ppm", 0},
        {"rle8.bmp", "colors40.ppm", 0},
        {"pal8-os2.bmp", "colors40.ppm", 0},
        {"mono1.bmp", "bilevel.ppm", 0},
        // 5 and 6 bits per channel: within one step of the original.
        {"rgb565.bmp", "colors16.ppm", 8},
        {"rgb555.bmp", "colors16.ppm", 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bmp);
        ExpectNear(Decode(ReadFile(Sample(c.bmp))), ReadPpm(c.ppm), c.tolerance);
    }
}

TEST(SkinDrawBmp, SixteenBitChannelsScaleToFullRange) {
    // 5-6-5 by bit fields after a 40-byte header; white, pure red, mid green, one blue step.
    std::vector<std::uint8_t> px = {0xFF, 0xFF, 0x00, 0xF8, 0x00, 0x04, 0x01, 0x00};
    Surface s = Decode(MakeBmp(4, 1, 16, 3, {}, px, {0xF800, 0x07E0, 0x001F}));
    EXPECT_EQ(s.At(0, 0), 0xFFFFFFu);
    EXPECT_EQ(s.At(1, 0), 0xFF0000u);
    EXPECT_EQ(s.At(2, 0), MakePixel(0, (32 * 255 + 31) / 63, 0));
    EXPECT_EQ(s.At(3, 0), MakePixel(0, 0, (255 + 15) / 31));
    // Without bit fields 16 bits are 5-5-5: 0x7C00 is pure red.
    Surface t = Decode(MakeBmp(2, 1, 16, 0, {}, {0x00, 0x7C, 0x1F, 0x00}));
    EXPECT_EQ(t.At(0, 0), 0xFF0000u);
    EXPECT_EQ(t.At(1, 0), 0x0000FFu);
}

TEST(SkinDrawBmp, TopDownRowsAndBottomUpRowsGiveTheSameImage) {
    Surface image = Numbered(5, 3);
    std::vector<std::uint8_t> bottomUp = WriteBmp24(image);
    EXPECT_EQ(Decode(bottomUp), image);
    // Same file with the rows reversed and a negative height.
    std::vector<std::uint8_t> topDown = bottomUp;
    const std::size_t stride = 16;
    for (int r = 0; r < 3; ++r) std::memcpy(&topDown[54 + r * stride], &bottomUp[54 + (2 - r) * stride], stride);
    Put32(topDown, 22, static_cast<std::uint32_t>(-3));
    EXPECT_EQ(Decode(topDown), image);
}

TEST(SkinDrawBmp, Rle4RunsLiteralsDeltaAndEndOfLine) {
    const std::vector<Pixel> pal = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
    // Bottom row: run of 5 alternating 1,2; then literal 3,1,2 (padded); end of line.
    // Next row: delta right 2 and stays on the row, run of 2 of colour 3; end of bitmap.
    std::vector<std::uint8_t> rle = {5, 0x12, 0, 3, 0x31, 0x20, 0, 0, 0, 2, 2, 0, 2, 0x33, 0, 1};
    Surface s = Decode(MakeBmp(8, 2, 4, 2, pal, rle));
    const Pixel r = 0xFF0000, g = 0x00FF00, b = 0x0000FF;
    std::vector<Pixel> bottom = {r, g, r, g, r, b, r, g};
    for (int x = 0; x < 8; ++x) EXPECT_EQ(s.At(x, 1), bottom[x]) << x;
    std::vector<Pixel> top = {0, 0, b, b, 0, 0, 0, 0};
    for (int x = 0; x < 8; ++x) EXPECT_EQ(s.At(x, 0), top[x]) << x;
}

TEST(SkinDrawBmp, RleRunsPastTheEdgeAreCutAndIndicesBeyondThePaletteAreBlack) {
    const std::vector<Pixel> pal = {0x111111, 0x222222};
    // A run of 200 on a 3-wide row, then a literal with index 9 (no such colour).
    std::vector<std::uint8_t> rle = {200, 1, 0, 0, 0, 3, 1, 9, 0, 0, 0, 1};
    Surface s = Decode(MakeBmp(3, 2, 8, 1, pal, rle));
    EXPECT_EQ(s.At(2, 1), 0x222222u);
    EXPECT_EQ(s.At(0, 0), 0x222222u);
    EXPECT_EQ(s.At(1, 0), 0u);
}

TEST(SkinDrawBmp, DamagedFilesAreRejectedWithARussianMessage) {
    const std::vector<std::uint8_t> good = WriteBmp24(Numbered(4, 4));
    auto broken = [&](auto change) {
        std::vector<std::uint8_t> f = good;
        change(f);
        return f;
    };
    std::vector<std::vector<std::uint8_t>> files = {
        {},
        {'B', 'M'},
        broken([](auto& f) { f[0] = 'X'; }),
        broken([](auto& f) { f.resize(f.size() - 20); }),    // rows missing
        broken([](auto& f) { Put32(f, 10, 0xFFFFFFF0u); }),  // data offset
        broken([](auto& f) { Put32(f, 10, 20); }),           // offset inside header
        broken([](auto& f) { Put32(f, 14, 41); }),           // header size
        broken([](auto& f) { Put32(f, 14, 0xFFFFFFFFu); }),
        broken([](auto& f) { Put32(f, 18, 0); }),            // width 0
        broken([](auto& f) { Put32(f, 18, 0x80000000u); }),  // negative width
        broken([](auto& f) { Put32(f, 22, 0x80000000u); }),  // height INT_MIN
        broken([](auto& f) { Put32(f, 18, 100000); }),       // too wide
        broken([](auto& f) {
            Put32(f, 18, 16384);
            Put32(f, 22, 16384);
        }),                                                      // too many pixels
        broken([](auto& f) { f[28] = 7; }),                      // bits per pixel
        broken([](auto& f) { f[26] = 2; }),                      // planes
        broken([](auto& f) { Put32(f, 30, 4); }),                // JPEG inside
        broken([](auto& f) { Put32(f, 30, 1); }),                // RLE8 at 24 bits
        MakeBmp(2, 2, 8, 0, {}, {0, 0, 0, 0, 0, 0, 0, 0}),       // no palette
        MakeBmp(2, 1, 16, 3, {}, {0, 0, 0, 0}, {0xF0F0, 0, 0}),  // split mask
        MakeBmp(4, 2, 8, 1, {0xFF}, {4, 0, 0, 0}),               // RLE without end
        MakeBmp(4, 2, 8, 1, {0xFF}, {0, 5, 1, 1}),               // literal cut short
        MakeBmp(4, 2, 8, 1, {0xFF}, {0, 2, 1}),                  // delta cut short
    };
    {
        std::vector<std::uint8_t> topDownRle = MakeBmp(2, 1, 8, 1, {0xFF}, {2, 0, 0, 1});
        Put32(topDownRle, 22, static_cast<std::uint32_t>(-1));
        files.push_back(topDownRle);
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(i);
        try {
            Decode(files[i]);
            ADD_FAILURE() << "accepted";
        } catch (const BmpError& e) {
            EXPECT_EQ(std::string(e.what()).rfind("Файл BMP", 0), 0u) << e.what();
        }
    }
}

TEST(SkinDrawBmp, AcceptsAMissingPadAfterTheLastRow) {
    Surface image = Numbered(5, 2);
    std::vector<std::uint8_t> f = WriteBmp24(image);
    f.resize(f.size() - 1);  // 5 * 3 = 15 bytes of a 16-byte row
    EXPECT_EQ(Decode(f), image);
}

TEST(SkinDrawBmp, WriterRoundTripAndLayout) {
    Surface image = Numbered(7, 3);
    std::vector<std::uint8_t> f = WriteBmp24(image);
    EXPECT_EQ(f.size(), 54u + 3 * 24);
    EXPECT_EQ(f[28], 24);
    // First stored row is the bottom one, blue first.
    EXPECT_EQ(f[54], PixelB(image.At(0, 2)));
    EXPECT_EQ(f[56], PixelR(image.At(0, 2)));
    EXPECT_EQ(Decode(f), image);
}

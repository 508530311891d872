// The PNG writer: chunk layout, checksums and pixels read back from the stored blocks.
#include <gtest/gtest.h>

#include "skin/platform/PngWriter.h"
#include "tests/host/skin_draw/TestImages.h"

using namespace skin;

namespace {

std::uint32_t BE32(const std::vector<std::uint8_t>& v, std::size_t at) {
    return (std::uint32_t(v[at]) << 24) | (std::uint32_t(v[at + 1]) << 16) | (std::uint32_t(v[at + 2]) << 8) |
           v[at + 3];
}

}  // namespace

TEST(SkinDrawPng, ChunksAndStoredPixels) {
    // Wide enough that the scan lines need two stored blocks (65535 bytes each at most).
    Surface image = skin::test::Numbered(200, 120);
    std::vector<std::uint8_t> png = WritePng(image);
    const std::vector<std::uint8_t> signature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    ASSERT_TRUE(std::equal(signature.begin(), signature.end(), png.begin()));
    EXPECT_EQ(BE32(png, 16), 200u);
    EXPECT_EQ(BE32(png, 20), 120u);
    // IEND with its fixed checksum closes the file.
    ASSERT_GE(png.size(), 12u);
    EXPECT_EQ(BE32(png, png.size() - 4), 0xAE426082u);
    EXPECT_EQ(std::string(png.end() - 8, png.end() - 4), "IEND");

    // IDAT: zlib header, stored blocks, Adler-32.
    std::size_t at = 8 + 12 + 13;
    ASSERT_EQ(std::string(png.begin() + at + 4, png.begin() + at + 8), "IDAT");
    std::size_t len = BE32(png, at);
    std::vector<std::uint8_t> z(png.begin() + at + 8, png.begin() + at + 8 + len);
    EXPECT_EQ(z[0], 0x78);
    EXPECT_EQ((z[0] * 256 + z[1]) % 31, 0);
    std::vector<std::uint8_t> raw;
    std::size_t p = 2;
    int blocks = 0;
    for (bool last = false; !last; ++blocks) {
        last = z[p] & 1;
        std::size_t n = z[p + 1] | (z[p + 2] << 8);
        ASSERT_EQ(n ^ 0xFFFF, std::size_t(z[p + 3] | (z[p + 4] << 8)));
        raw.insert(raw.end(), z.begin() + p + 5, z.begin() + p + 5 + n);
        p += 5 + n;
    }
    EXPECT_EQ(blocks, 2);
    ASSERT_EQ(raw.size(), 120u * (1 + 600));
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t c : raw) a = (a + c) % 65521, b = (b + a) % 65521;
    EXPECT_EQ(BE32(z, p), (b << 16) | a);
    for (int y = 0; y < 120; ++y) {
        ASSERT_EQ(raw[y * 601], 0);
        for (int x = 0; x < 200; ++x) {
            const std::uint8_t* q = &raw[y * 601 + 1 + x * 3];
            ASSERT_EQ(MakePixel(q[0], q[1], q[2]), image.At(x, y));
        }
    }
}

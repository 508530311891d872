// Untrusted streams: bounded output, truncation, size prefixes, writer failures.
#include <gtest/gtest.h>

#include "ArchiveTestUtil.h"
#include "skin/data/Lzhuf.h"

namespace {

std::vector<uint8_t> WithPrefix(int32_t size, std::vector<uint8_t> body) {
    const uint32_t u = uint32_t(size);
    body.insert(body.begin(), {uint8_t(u), uint8_t(u >> 8), uint8_t(u >> 16), uint8_t(u >> 24)});
    return body;
}

TEST(SkinArchiveLzhufRobust, SizePrefixIsCheckedBeforeAnythingIsAllocated) {
    EXPECT_THROW(LzhExpand(std::vector<uint8_t>{1, 0, 0}), ElzhException);
    EXPECT_TRUE(LzhExpand(std::vector<uint8_t>{0, 0, 0, 0, 0xAB}).empty());
    EXPECT_TRUE(LzhExpand(WithPrefix(-1, {0xFF, 0xFF})).empty());
    EXPECT_THROW(LzhExpand(WithPrefix(kLzhMaxTextSize + 1, {0})), ElzhException);
    EXPECT_THROW(LzhExpand(WithPrefix(INT32_MAX, {0})), ElzhException);
    EXPECT_THROW(LzhExpand(WithPrefix(1000, {0}), 999), ElzhException);
    TLZH lzh;
    TReadProc none = [](uint8_t*, uint16_t, uint16_t& got) { got = 0; };
    TWriteProc sink = [](const uint8_t*, uint16_t n, uint16_t& done) { done = n; };
    EXPECT_THROW(lzh.LZHUnpack(kLzhMaxTextSize + 1, none, sink), ElzhException);
}

TEST(SkinArchiveLzhufRobust, TruncatedStreamsAreErrorsNotGarbage) {
    for (const auto& name : {"05_ini_5k", "06_random64k", "07_bmp24_100k", "09_zeros70000"}) {
        SCOPED_TRACE(name);
        auto packed = ReadVector(std::string(name) + ".lzh");
        // The last byte holds the end of the last code: without it the stream is short.
        auto cut = packed;
        cut.pop_back();
        EXPECT_THROW(LzhExpand(cut), ElzhException);
        cut.resize(cut.size() / 2);
        EXPECT_THROW(LzhExpand(cut), ElzhException);
        // Junk after a complete stream is never read as data.
        auto longer = packed;
        longer.insert(longer.end(), 50, 0xA5);
        EXPECT_EQ(LzhExpand(longer), ReadVector(std::string(name) + ".plain"));
    }
    // A size prefix far beyond what the bits can hold fails quickly.
    EXPECT_THROW(LzhExpand(WithPrefix(kLzhMaxTextSize, {0x12, 0x34})), ElzhException);
}

TEST(SkinArchiveLzhufRobust, ArbitraryBitsExpandToExactlyTheRequestedSize) {
    // Any bit pattern is some sequence of symbols; when the bits suffice the output is
    // exactly the requested size, never more, even when the last match runs past it.
    for (uint32_t seed = 1; seed <= 200; ++seed) {
        const auto body = RandomBytes(400 + seed, seed);
        const int32_t want = int32_t(1 + seed * 37 % 700);
        try {
            EXPECT_EQ(LzhExpand(WithPrefix(want, body)).size(), size_t(want)) << seed;
        } catch (const ElzhException&) {
            // too few bits for that many symbols: also acceptable
        }
    }
    // All-ones input: the deepest right-hand leaves and the longest position codes.
    const std::vector<uint8_t> ones(3000, 0xFF);
    EXPECT_EQ(LzhExpand(WithPrefix(5000, ones)).size(), 5000u);
}

TEST(SkinArchiveLzhufRobust, WriterThatRefusesBytesStopsTheOperation) {
    const auto packed = ReadVector("05_ini_5k.lzh");
    TLZH lzh;
    lzh.SetSource(std::span<const uint8_t>(packed).subspan(4));
    TWriteProc refusing = [](const uint8_t*, uint16_t n, uint16_t& done) { done = n / 2; };
    EXPECT_THROW(lzh.LZHUnpack(4943, lzh.SourceReader(), refusing), ElzhException);
    const auto plain = ReadVector("05_ini_5k.plain");
    lzh.SetSource(plain);
    int32_t read = 0;
    EXPECT_THROW(lzh.LZHPack(read, lzh.SourceReader(), refusing), ElzhException);
}

TEST(SkinArchiveLzhufRobust, RoundTripsAssortedData) {
    std::vector<std::vector<uint8_t>> inputs = {
        {'a'},
        {'a', 'b'},
        std::vector<uint8_t>(59, ' '),
        std::vector<uint8_t>(61, ' '),
        std::vector<uint8_t>(4097, 0),
        RandomBytes(70000, 3, 4),
        RandomBytes(9000, 4, 2),
    };
    std::vector<uint8_t> periodic;
    for (int i = 0; i < 50000; ++i) periodic.push_back(uint8_t("0123456789abcdef"[i % 16] ^ (i / 4096)));
    inputs.push_back(periodic);
    for (size_t k = 0; k < inputs.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(LzhExpand(LzhCompress(inputs[k])), inputs[k]);
    }
}

}  // namespace

// The expansion's shortcuts: word-wide run scans in the tree update, the lookup table of
// the first code bits kept in step with the adaptive tree, the reader's block edges, match
// copies by blocks and patterns, and where a stream or the output ends.
#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>

#include "ArchiveTestUtil.h"
#include "skin/data/Lzhuf.h"
#include "skin/data/LzhufHuffman.h"

namespace {

using namespace lzhuf;

std::vector<uint8_t> Framed(const std::vector<uint8_t>& body, size_t size) {
    std::vector<uint8_t> f{uint8_t(size), uint8_t(size >> 8), uint8_t(size >> 16), uint8_t(size >> 24)};
    f.insert(f.end(), body.begin(), body.end());
    return f;
}

// The text that a symbol sequence stands for, by the ring buffer rules.
std::vector<uint8_t> TextOf(const std::vector<Token>& tokens) {
    std::vector<uint8_t> ring(N, 0), text;
    std::fill(ring.begin(), ring.begin() + (N - F), ' ');
    unsigned r = N - F;
    auto put = [&](uint8_t ch) {
        text.push_back(ch);
        ring[r] = ch;
        r = (r + 1) & (N - 1);
    };
    for (const Token& t : tokens) {
        if (t.symbol < 256) {
            put(uint8_t(t.symbol));
            continue;
        }
        const unsigned from = (r - t.position - 1) & (N - 1);
        for (unsigned k = 0; k < t.symbol - 253u; ++k) put(ring[(from + k) & (N - 1)]);
    }
    return text;
}

std::vector<Token> Literals(const std::string& s) {
    std::vector<Token> t;
    for (unsigned char ch : s) t.push_back({ch, 0});
    return t;
}

Token Match(unsigned length, unsigned distance) { return {uint16_t(253 + length), uint16_t(distance - 1)}; }

TEST(SkinArchiveLzhufDecoder, RunScansFindTheEndOfEveryRun) {
    struct Case {
        unsigned from, length;
    };
    // Runs ending before, on and after the 4- and 8-entry lanes, and one that ends just
    // under the sentinel.
    const Case cases[] = {{0, 1},   {0, 2},   {10, 3},   {10, 4},   {10, 5},    {7, 7},     {7, 8},      {7, 9},
                          {31, 16}, {31, 17}, {100, 33}, {200, 64}, {T - 1, 1}, {T - 9, 9}, {T - 40, 40}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "from " << c.from << " length " << c.length);
        std::vector<uint16_t> freq(T + kFreqPad, 0xFFFF);
        for (unsigned i = 0; i < unsigned(T); ++i) freq[i] = i < c.from ? 5 : i < c.from + c.length ? 7 : 9;
        const unsigned last = c.from + c.length - 1;
        EXPECT_EQ(RunEndScalar(freq.data(), c.from, 7), last);
        EXPECT_EQ(RunEndWords(freq.data(), c.from, 7), last);
#if defined(__SSE2__)
        EXPECT_EQ(RunEndSse2(freq.data(), c.from, 7), last);
#endif
    }
}

// The table's entry for each 8-bit pattern, walked bit by bit on the tree itself.
void ExpectTableFollowsTree(const Huffman& h, const PrefixTable& table) {
    for (unsigned bits = 0; bits < (1u << PrefixTable::kBits); ++bits) {
        unsigned c = h.son[R], used = 0;
        while (c < unsigned(T) && used < unsigned(PrefixTable::kBits)) {
            c = h.son[c + ((bits >> (PrefixTable::kBits - 1 - used)) & 1)];
            ++used;
        }
        ASSERT_EQ(PrefixTable::Son(table.entry[bits]), c) << "bits " << bits;
        ASSERT_EQ(PrefixTable::Length(table.entry[bits]), used) << "bits " << bits;
    }
}

// Counts the exchanges of two inner nodes that lookups pass: the case where a whole
// subtree moves within the table and marks must be redone and dropped.
struct CountingKeeper {
    PrefixTableKeeper keeper;
    int innerExchanges = 0;
    int rebuilds = 0;
    void Swapped(unsigned a, unsigned b) {
        const auto& t = keeper.table;
        if (keeper.tree.son[a] < unsigned(T) && keeper.tree.son[b] < unsigned(T) &&
            (t.depth[a] != PrefixTable::kDeep || t.depth[b] != PrefixTable::kDeep))
            ++innerExchanges;
        keeper.Swapped(a, b);
    }
    void Rebuilt() {
        ++rebuilds;
        keeper.Rebuilt();
    }
};

TEST(SkinArchiveLzhufDecoder, PrefixTableFollowsTheTreeThroughEveryUpdate) {
    struct Case {
        const char* name;
        std::function<unsigned(std::mt19937&)> next;
        int symbols;
    };
    const Case cases[] = {
        {"uniform", [](std::mt19937& g) { return unsigned(g() % N_CHAR); }, 40000},
        {"skewed", [](std::mt19937& g) { return g() % 4 == 0 ? unsigned(g() % N_CHAR) : unsigned(g() % 12); }, 40000},
        // A few symbols with counts far apart: a deep, lopsided tree that reshapes often.
        {"few", [](std::mt19937& g) { return 300u + unsigned(std::countr_zero(g() | 0x2000u)); }, 70000},
        {"runs", [s = 0u](std::mt19937& g) mutable { return s = g() % 50 == 0 ? unsigned(g() % N_CHAR) : s; }, 40000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto h = std::make_unique<Huffman>();
        auto table = std::make_unique<PrefixTable>();
        auto fresh = std::make_unique<PrefixTable>();
        h->Start();
        table->Build(*h);
        ExpectTableFollowsTree(*h, *table);
        CountingKeeper keeper{{*h, *table}};
        std::mt19937 gen(11);
        for (int n = 0; n < c.symbols; ++n) {
            h->Update(c.next(gen), keeper);
            fresh->Build(*h);
            ASSERT_EQ(0, std::memcmp(table->entry, fresh->entry, sizeof fresh->entry)) << n;
            ASSERT_EQ(0, std::memcmp(table->depth, fresh->depth, sizeof fresh->depth)) << n;
            if (n % 97 == 0) ExpectTableFollowsTree(*h, *table);
        }
        EXPECT_GT(keeper.innerExchanges, 0);
        EXPECT_GT(keeper.rebuilds, 0);
    }
}

TEST(SkinArchiveLzhufDecoder, ReaderBlocksOfAnySizeGiveTheSameBytes) {
    // The reader refills from whole 8-byte words while it can, byte by byte at a block's
    // end; every split of the stream must come out the same.
    const auto packed = ReadVector("07_bmp24_100k.lzh");
    const auto plain = ReadVector("07_bmp24_100k.plain");
    for (size_t block : {1, 2, 7, 8, 9, 15, 4095, 4096}) {
        SCOPED_TRACE(block);
        size_t pos = 4;
        TReadProc reader = [&](uint8_t* b, uint16_t n, uint16_t& got) {
            got = uint16_t(std::min({size_t(n), block, packed.size() - pos}));
            std::memcpy(b, packed.data() + pos, got);
            pos += got;
        };
        std::vector<uint8_t> out;
        TWriteProc writer = [&](const uint8_t* b, uint16_t n, uint16_t& done) {
            out.insert(out.end(), b, b + n);
            done = n;
        };
        TLZH().LZHUnpack(int32_t(plain.size()), reader, writer);
        EXPECT_TRUE(out == plain);
    }
}

TEST(SkinArchiveLzhufDecoder, StreamCutAnywhereInItsLastSymbolIsAnError) {
    // Whatever the last symbol is, a stream missing any of its bits fails, and the whole
    // stream, with or without junk after it, gives the text back.
    struct Case {
        const char* name;
        std::vector<Token> tokens;
        int deepest;  // the deepest code must be longer than this
    };
    std::vector<Token> shallow = Literals(std::string(3000, 'e'));  // 'e' ends up 1 bit deep
    std::vector<Token> deep = Literals("A");                        // past the table
    std::vector<Token> match = Literals("abcdefgh");
    match.push_back(Match(60, 8));
    std::vector<Token> farMatch = Literals(std::string(5000, 'x'));
    farMatch.push_back(Match(3, 4096));
    const Case cases[] = {{"shallow literal", shallow, 0},
                          {"deep literal", deep, PrefixTable::kBits},
                          {"match", match, 0},
                          {"match 4096 back", farMatch, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        int depth = 0;
        const auto stream = EncodeTokens(c.tokens, depth);
        ASSERT_GT(depth, c.deepest);
        const auto text = TextOf(c.tokens);
        for (size_t cut = 0; cut < stream.size(); ++cut) {
            const std::vector<uint8_t> part(stream.begin(), stream.begin() + long(cut));
            EXPECT_THROW(LzhExpand(Framed(part, text.size())), ElzhException) << cut;
        }
        EXPECT_TRUE(LzhExpand(Framed(stream, text.size())) == text);
        auto junk = stream;
        junk.insert(junk.end(), {0xFF, 0xFF, 0xFF});
        EXPECT_TRUE(LzhExpand(Framed(junk, text.size())) == text);
    }
}

TEST(SkinArchiveLzhufDecoder, OutputStopsExactlyAtTheSizeInsideAMatch) {
    // The last match is cut at the requested size whatever way it is copied: a run of one
    // byte, a short repeating pattern, or blocks from further back.
    struct Case {
        const char* name;
        std::string lead;
        unsigned distance;
    };
    const Case cases[] = {{"run", "z", 1},
                          {"period 2", "ab", 2},
                          {"period 3", "rgb", 3},
                          {"period 7", "1234567", 7},
                          {"period 15", "abcdefghijklmno", 15},
                          {"16 back", "abcdefghijklmnop", 16},
                          {"20 back", "abcdefghijklmnopqrst", 20}};
    for (const Case& c : cases) {
        std::vector<Token> tokens = Literals(c.lead);
        tokens.push_back(Match(60, c.distance));
        tokens.push_back({'!', 0});
        int depth = 0;
        const auto stream = EncodeTokens(tokens, depth);
        const auto text = TextOf(tokens);
        for (size_t extra : {1, 2, 15, 16, 17, 31, 32, 33, 59, 60, 61}) {
            const size_t size = c.lead.size() + extra;
            SCOPED_TRACE(testing::Message() << c.name << ", size " << size);
            TLZH lzh;
            lzh.SetSource(stream);
            std::vector<uint8_t> out;
            lzh.SetDestination(&out);
            lzh.LZHUnpack(int32_t(size), lzh.SourceReader(), lzh.DestinationWriter());
            EXPECT_TRUE(out == std::vector<uint8_t>(text.begin(), text.begin() + long(size)));
        }
    }
}

TEST(SkinArchiveLzhufDecoder, RepeatingDataOfEveryShortPeriodRoundTrips) {
    // Periods below and around the 16-byte blocks, over several output chunks, with some
    // breaks so that matches start and end at varied places.
    for (size_t period : {1, 2, 3, 4, 5, 6, 8, 9, 12, 13, 15, 16, 17, 24, 31, 33}) {
        SCOPED_TRACE(period);
        const auto pattern = RandomBytes(period, uint32_t(period));
        std::vector<uint8_t> data(100000);
        for (size_t i = 0; i < data.size(); ++i) data[i] = i % 997 == 0 ? uint8_t(i >> 3) : pattern[i % period];
        EXPECT_TRUE(LzhExpand(LzhCompress(data)) == data);
    }
}

TEST(SkinArchiveLzhufDecoder, ExpandToWritesWhatExpandReturnsAndFailsAlike) {
    for (const auto& name : VectorNames()) {
        const auto packed = ReadVector(name + ".lzh");
        for (size_t keep : {packed.size(), packed.size() - 1, packed.size() / 2, size_t(3)}) {
            SCOPED_TRACE(testing::Message() << name << ", " << keep << " bytes");
            const std::span<const uint8_t> framed(packed.data(), keep);
            std::optional<std::vector<uint8_t>> whole;
            try {
                whole = LzhExpand(framed);
            } catch (const ElzhException&) {
            }
            std::vector<uint8_t> pieces;
            TWriteProc writer = [&](const uint8_t* b, uint16_t n, uint16_t& done) {
                pieces.insert(pieces.end(), b, b + n);
                done = n;
            };
            if (whole) {
                EXPECT_EQ(LzhExpandTo(framed, writer), int32_t(whole->size()));
                EXPECT_TRUE(pieces == *whole);
            } else {
                EXPECT_THROW(LzhExpandTo(framed, writer), ElzhException);
            }
        }
    }
}

}  // namespace

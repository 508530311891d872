// LZHUF against the published encoder's streams, the tree rebuild, and the symbol
// coding that the published encoder got wrong for very deep codes.
#include <gtest/gtest.h>

#include <cstring>

#include "ArchiveTestUtil.h"
#include "skin/data/Lzhuf.h"
#include "skin/data/LzhufHuffman.h"

namespace {

TEST(SkinArchiveLzhuf, ExpandsEveryReferenceStream) {
    for (const auto& name : VectorNames()) {
        SCOPED_TRACE(name);
        EXPECT_EQ(LzhExpand(ReadVector(name + ".lzh")), ReadVector(name + ".plain"));
    }
}

TEST(SkinArchiveLzhuf, CompressesEveryInputToTheReferenceStream) {
    for (const auto& name : VectorNames()) {
        SCOPED_TRACE(name);
        const auto packed = LzhCompress(ReadVector(name + ".plain"));
        EXPECT_EQ(packed, ReadVector(name + ".lzh"));
    }
}

TEST(SkinArchiveLzhuf, PackReportsPlainBytesAndUnpackHonoursSize) {
    const auto plain = ReadVector("05_ini_5k.plain");
    TLZH lzh;
    std::vector<uint8_t> code;
    lzh.SetSource(plain);
    lzh.SetDestination(&code);
    int32_t read = -1;
    lzh.LZHPack(read, lzh.SourceReader(), lzh.DestinationWriter());
    EXPECT_EQ(read, int32_t(plain.size()));
    EXPECT_EQ(lzh.CodeSize(), int32_t(code.size()));

    // Asking for fewer bytes than were packed yields exactly that prefix.
    std::vector<uint8_t> out;
    TLZH unpack;
    unpack.SetSource(code);
    unpack.SetDestination(&out);
    unpack.LZHUnpack(1000, unpack.SourceReader(), unpack.DestinationWriter());
    EXPECT_EQ(out, std::vector<uint8_t>(plain.begin(), plain.begin() + 1000));

    // Size 0 and negative sizes produce nothing and read nothing.
    int reads = 0;
    TReadProc counting = [&](uint8_t*, uint16_t, uint16_t& got) {
        ++reads;
        got = 0;
    };
    TWriteProc failing = [](const uint8_t*, uint16_t, uint16_t&) { FAIL(); };
    unpack.LZHUnpack(0, counting, failing);
    unpack.LZHUnpack(-5, counting, failing);
    EXPECT_EQ(reads, 0);
}

TEST(SkinArchiveLzhuf, SmallReaderAndWriterBlocksGiveTheSameBytes) {
    // Readers that hand out a few bytes per call and writers that are called often must
    // not change the stream in either direction.
    const auto plain = ReadVector("07_bmp24_100k.plain");
    size_t pos = 0;
    TReadProc trickle = [&](uint8_t* b, uint16_t n, uint16_t& got) {
        got = uint16_t(std::min<size_t>({n, 7, plain.size() - pos}));
        std::memcpy(b, plain.data() + pos, got);
        pos += got;
    };
    std::vector<uint8_t> code;
    TWriteProc collect = [&](const uint8_t* b, uint16_t n, uint16_t& done) {
        code.insert(code.end(), b, b + n);
        done = n;
    };
    TLZH lzh;
    int32_t read = 0;
    lzh.LZHPack(read, trickle, collect);
    const auto reference = ReadVector("07_bmp24_100k.lzh");
    ASSERT_EQ(code, std::vector<uint8_t>(reference.begin() + 4, reference.end()));

    size_t cpos = 0;
    TReadProc trickleCode = [&](uint8_t* b, uint16_t n, uint16_t& got) {
        got = uint16_t(std::min<size_t>({n, 3, code.size() - cpos}));
        std::memcpy(b, code.data() + cpos, got);
        cpos += got;
    };
    std::vector<uint8_t> out;
    lzh.LZHUnpack(
        int32_t(plain.size()), trickleCode, collect = [&](const uint8_t* b, uint16_t n, uint16_t& done) {
            out.insert(out.end(), b, b + n);
            done = n;
        });
    EXPECT_EQ(out, plain);
}

TEST(SkinArchiveLzhuf, FirstMatchIntoTheInitialWindowGivesSpaces) {
    // The reference stream for 100 spaces is two matches into the space-filled window.
    const auto out = LzhExpand(ReadVector("03_spaces100.lzh"));
    EXPECT_EQ(out, std::vector<uint8_t>(100, ' '));
    // The window's last 60 bytes start as zeros: a match of 60 at distance 4096 at the
    // start of the text, hand-coded, copies bytes 4036..4095 of the window. Symbol 313
    // (length 60) is leaf 313 of the initial tree; position 4095 is the 8-bit code
    // 11111111 for its upper part, then 111111.
    lzhuf::Huffman h{};
    h.Start();
    std::vector<int> bits;
    for (unsigned k = h.prnt[313 + lzhuf::T]; k != unsigned(lzhuf::R); k = h.prnt[k])
        bits.insert(bits.begin(), int(k & 1));
    for (int b : {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}) bits.push_back(b);
    std::vector<uint8_t> stream{60, 0, 0, 0};
    for (size_t i = 0; i < bits.size(); i += 8) {
        uint8_t byte = 0;
        for (size_t j = 0; j < 8; ++j) byte = uint8_t(byte << 1 | (i + j < bits.size() ? bits[i + j] : 0));
        stream.push_back(byte);
    }
    EXPECT_EQ(LzhExpand(stream), std::vector<uint8_t>(60, 0));
}

// The tree update with the run index must make exactly the swaps of the plain scan.
struct ScanHuffman {
    uint16_t freq[lzhuf::T + 1], prnt[lzhuf::T + lzhuf::N_CHAR], son[lzhuf::T];
    void Update(unsigned c, lzhuf::Huffman& model) {
        using namespace lzhuf;
        if (freq[R] == MAX_FREQ) {
            std::memcpy(model.freq, freq, sizeof freq);
            std::memcpy(model.son, son, sizeof son);
            std::memcpy(model.prnt, prnt, sizeof prnt);
            model.Reconst();
            std::memcpy(freq, model.freq, sizeof freq);
            std::memcpy(son, model.son, sizeof son);
            std::memcpy(prnt, model.prnt, sizeof prnt);
        }
        unsigned c2 = prnt[c + T];
        do {
            unsigned k = ++freq[c2];
            unsigned l = c2 + 1;
            if (k > freq[l]) {
                while (k > freq[++l]) {
                }
                --l;
                freq[c2] = freq[l];
                freq[l] = uint16_t(k);
                unsigned i = son[c2];
                prnt[i] = uint16_t(l);
                if (i < unsigned(T)) prnt[i + 1] = uint16_t(l);
                unsigned j = son[l];
                son[l] = uint16_t(i);
                prnt[j] = uint16_t(c2);
                if (j < unsigned(T)) prnt[j + 1] = uint16_t(c2);
                son[c2] = uint16_t(j);
                c2 = l;
            }
        } while ((c2 = prnt[c2]) != 0);
    }
};

TEST(SkinArchiveLzhuf, TreeUpdateAndRebuildMatchThePlainAlgorithm) {
    using namespace lzhuf;
    auto fast = std::make_unique<Huffman>();
    auto scratch = std::make_unique<Huffman>();
    auto plain = std::make_unique<ScanHuffman>();
    fast->Start();
    std::memcpy(plain->freq, fast->freq, sizeof plain->freq);
    std::memcpy(plain->son, fast->son, sizeof plain->son);
    std::memcpy(plain->prnt, fast->prnt, sizeof plain->prnt);
    // Sorted from the start: the run index relies on it.
    for (int i = 0; i < R; ++i) ASSERT_LE(fast->freq[i], fast->freq[i + 1]) << i;
    EXPECT_EQ(fast->freq[R], 314);

    std::mt19937 gen(7);
    int rebuilds = 0;
    for (int n = 0; n < 100000; ++n) {
        // Skewed symbols: long equal-frequency runs and deep trees both occur.
        const unsigned c = (gen() % 4 == 0) ? gen() % N_CHAR : gen() % 12;
        if (fast->freq[R] == MAX_FREQ) ++rebuilds;
        fast->Update(c);
        plain->Update(c, *scratch);
        if (n == 32453) {
            ASSERT_EQ(fast->freq[R], 32768);  // the next update rebuilds first
        }
        ASSERT_EQ(0, std::memcmp(fast->freq, plain->freq, sizeof plain->freq)) << n;
        ASSERT_EQ(0, std::memcmp(fast->son, plain->son, sizeof plain->son)) << n;
        ASSERT_EQ(0, std::memcmp(fast->prnt, plain->prnt, sizeof plain->prnt)) << n;
    }
    EXPECT_GE(rebuilds, 3);
}

TEST(SkinArchiveLzhuf, RebuildHalvesLeavesAndKeepsOrder) {
    using namespace lzhuf;
    auto h = std::make_unique<Huffman>();
    h->Start();
    for (int n = 0; n < 32454; ++n) h->Update(n % 3 == 0 ? 65u : unsigned(n % 300));
    ASSERT_EQ(h->freq[R], 32768);
    int leafA = -1;
    for (int i = 0; i < T; ++i)
        if (h->son[i] == 65 + T) leafA = i;
    const unsigned before = h->freq[leafA];
    h->Update(300);  // any symbol: the rebuild happens first
    int newLeafA = h->prnt[65 + T];
    EXPECT_EQ(h->freq[newLeafA], (before + 1) / 2);
    for (int i = 0; i < R; ++i) ASSERT_LE(h->freq[i], h->freq[i + 1]);
    // Leaves that were seen once before the rebuild stay at 1.
    EXPECT_EQ(h->freq[h->prnt[313 + T]], 1);
}

TEST(SkinArchiveLzhuf, ReferenceStreamAcrossThreeRebuildsRoundTrips) {
    // 65 500 symbols: the tree is rebuilt in the update for symbol 32 455 and twice more.
    const auto plain = ReadVector("06_random64k.plain");
    EXPECT_EQ(LzhExpand(LzhCompress(plain)), plain);
}

int LeafDepth(const lzhuf::Huffman& h, unsigned symbol) {
    int depth = 0;
    unsigned k = h.prnt[symbol + lzhuf::T];
    do {
        ++depth;
    } while ((k = h.prnt[k]) != unsigned(lzhuf::R));
    return depth;
}

TEST(SkinArchiveLzhuf, CodesDeeperThanSixteenBitsAreWrittenWhole) {
    // Nine match lengths sent in exact Fibonacci proportions grow a chain of nine levels
    // above the 314 leaves of weight 1, so that some unused literal sits 17 or 18 levels
    // deep before the first rebuild. The published encoder kept codes in 16 bits and
    // lost the rest; here the code must go out whole and come back as that literal.
    using namespace lzhuf;
    const int n = 9;
    std::vector<double> share;
    double a = 1, b = 1, sum = 0;
    for (int i = 0; i < n; ++i) {
        share.push_back(a);
        sum += a;
        const double c = a + b;
        a = b;
        b = c;
    }
    auto h = std::make_unique<Huffman>();
    h->Start();
    std::vector<double> sent(n, 0);
    std::vector<Token> tokens;
    int deepest = 0;
    size_t deepestAt = 0;
    unsigned deepestLiteral = 0;
    for (int s = 0; s < 32000; ++s) {
        int pick = 0;
        double behind = -1e9;
        for (int k = 0; k < n; ++k) {
            const double d = share[size_t(k)] / sum * (s + 1) - sent[size_t(k)];
            if (d > behind) {
                behind = d;
                pick = k;
            }
        }
        sent[size_t(pick)] += 1;
        tokens.push_back({uint16_t(313 - pick), uint16_t((s * 37) % 4096)});
        h->Update(313u - unsigned(pick));
        if (h->freq[R] < 20000) continue;
        for (unsigned c = 0; c < 256; ++c) {
            const int d = LeafDepth(*h, c);
            if (d > deepest) {
                deepest = d;
                deepestAt = tokens.size();
                deepestLiteral = c;
            }
        }
    }
    ASSERT_GT(deepest, 16);
    tokens.resize(deepestAt);
    tokens.push_back({uint16_t(deepestLiteral), 0});
    tokens.push_back({uint16_t('!'), 0});

    int maxCodeLength = 0;
    const auto stream = EncodeTokens(tokens, maxCodeLength);
    EXPECT_EQ(maxCodeLength, deepest);

    // The text those symbols stand for, from the ring buffer rules.
    std::vector<uint8_t> ring(N, 0);
    std::fill(ring.begin(), ring.begin() + (N - F), ' ');
    unsigned r = N - F;
    std::vector<uint8_t> plain;
    for (const Token& t : tokens) {
        if (t.symbol < 256) {
            plain.push_back(uint8_t(t.symbol));
            ring[r] = uint8_t(t.symbol);
            r = (r + 1) & (N - 1);
            continue;
        }
        const unsigned from = (r - t.position - 1) & (N - 1);
        for (unsigned k = 0; k < t.symbol - 253u; ++k) {
            const uint8_t ch = ring[(from + k) & (N - 1)];
            plain.push_back(ch);
            ring[r] = ch;
            r = (r + 1) & (N - 1);
        }
    }
    std::vector<uint8_t> framed{uint8_t(plain.size()), uint8_t(plain.size() >> 8), uint8_t(plain.size() >> 16),
                                uint8_t(plain.size() >> 24)};
    framed.insert(framed.end(), stream.begin(), stream.end());
    const auto back = LzhExpand(framed);
    ASSERT_EQ(back.size(), plain.size());
    EXPECT_TRUE(back == plain);
    EXPECT_EQ(back[back.size() - 2], deepestLiteral);
    // The same text through the compressor's own search also comes back whole.
    EXPECT_TRUE(LzhExpand(LzhCompress(plain)) == plain);
}

}  // namespace

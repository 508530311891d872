#pragma once
// Internals shared by the LZHUF encoder and decoder: the format's constants, the fixed
// prefix code of match positions and the adaptive Huffman tree. Not for other users.
#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace lzhuf {

inline constexpr int N = 4096;                      // ring buffer size
inline constexpr int F = 60;                        // look-ahead size, longest match
inline constexpr int THRESHOLD = 2;                 // longer matches than this are coded as matches
inline constexpr int NIL = N;                       // absent node in the search trees
inline constexpr int N_CHAR = 256 - THRESHOLD + F;  // 314 symbols
inline constexpr int T = N_CHAR * 2 - 1;            // 627 tree nodes
inline constexpr int R = T - 1;                     // root
inline constexpr unsigned MAX_FREQ = 0x8000;
// Frequencies past the sentinel at freq[T], all 0xFFFF: the run scans below read up to
// eight entries at once and may reach freq[T + 7].
inline constexpr int kFreqPad = 8;

// The upper 6 bits of a 12-bit position are coded with a fixed canonical prefix code of
// 3 to 8 bits (one code of 3 bits, 3 of 4, 8 of 5, 12 of 6, 24 of 7, 16 of 8).
// `p_code` holds each code left-aligned in 8 bits; `d_code`/`d_len` decode it from the
// next 8 input bits.
struct PositionTables {
    uint8_t p_len[64];
    uint8_t p_code[64];
    uint8_t d_code[256];
    uint8_t d_len[256];
};

constexpr PositionTables MakePositionTables() {
    PositionTables t{};
    const int counts[9] = {0, 0, 0, 1, 3, 8, 12, 24, 16};
    int index = 0;
    unsigned code = 0;  // left-aligned in 8 bits
    for (int len = 3; len <= 8; ++len) {
        for (int k = 0; k < counts[len]; ++k) {
            t.p_len[index] = uint8_t(len);
            t.p_code[index] = uint8_t(code);
            for (unsigned b = 0; b < (1u << (8 - len)); ++b) {
                t.d_code[code + b] = uint8_t(index);
                t.d_len[code + b] = uint8_t(len);
            }
            code += 1u << (8 - len);
            ++index;
        }
    }
    return t;
}

inline constexpr PositionTables kPositionTables = MakePositionTables();

// Runs of equal frequency. Given freq[from] == v, each returns the last index of the run
// of v that goes on from `from`. The array is sorted up to the sentinel freq[T] (above
// any frequency), so every run ends before T. The word-wide versions compare 4 or 8
// entries at a time: a run may be dozens of nodes long (many leaves of equal count), and
// one unpredictable loop exit costs more than the compares.
inline unsigned RunEndScalar(const uint16_t* freq, unsigned from, unsigned v) {
    while (freq[from + 1] == v) ++from;
    return from;
}

inline unsigned RunEndWords(const uint16_t* freq, unsigned from, unsigned v) {
    static_assert(std::endian::native == std::endian::little, "lane 0 must be the low bits");
    const uint64_t want = uint64_t(v) * 0x0001000100010001u;
    for (unsigned at = from + 1;; at += 4) {
        uint64_t word;
        std::memcpy(&word, freq + at, sizeof word);
        const uint64_t differ = word ^ want;
        if (differ != 0) return at + unsigned(std::countr_zero(differ) >> 4) - 1;
    }
}

#if defined(__SSE2__)
inline unsigned RunEndSse2(const uint16_t* freq, unsigned from, unsigned v) {
    const __m128i want = _mm_set1_epi16(short(v));
    for (unsigned at = from + 1;; at += 8) {
        const __m128i lanes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(freq + at));
        const unsigned differ = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi16(lanes, want))) ^ 0xFFFFu;
        if (differ != 0) return at + unsigned(std::countr_zero(differ) >> 1) - 1;
    }
}
#endif

inline unsigned RunEnd(const uint16_t* freq, unsigned from, unsigned v) {
#if defined(__SSE2__)
    return RunEndSse2(freq, from, v);
#else
    return RunEndWords(freq, from, v);
#endif
}

// Told about every change of shape of the tree: `Swapped(a, b)` after the subtrees under
// nodes a and b were exchanged, `Rebuilt()` after a rebuild.
struct NoTreeObserver {
    void Swapped(unsigned, unsigned) {}
    void Rebuilt() {}
};

// The adaptive Huffman tree: nodes 0..R kept in non-decreasing order of frequency,
// children of node i at son[i] and son[i] + 1 (a son >= T is a leaf: symbol son - T),
// prnt[T + symbol] the node holding each leaf; freq[T] = 0xFFFF stops every scan.
struct Huffman {
    uint16_t freq[T + kFreqPad];
    uint16_t prnt[T + N_CHAR];
    uint16_t son[T];
    void Start() {
        int i, j;
        for (i = 0; i < N_CHAR; ++i) {
            freq[i] = 1;
            son[i] = uint16_t(i + T);
            prnt[i + T] = uint16_t(i);
        }
        i = 0;
        j = N_CHAR;
        while (j <= R) {
            freq[j] = uint16_t(freq[i] + freq[i + 1]);
            son[j] = uint16_t(i);
            prnt[i] = prnt[i + 1] = uint16_t(j);
            i += 2;
            ++j;
        }
        for (i = T; i < T + kFreqPad; ++i) freq[i] = 0xFFFF;
        prnt[R] = 0;
    }

    // Halves every leaf's frequency and rebuilds the tree from the leaves.
    void Reconst() {
        int i, j, k;
        j = 0;
        for (i = 0; i < T; ++i) {
            if (son[i] >= T) {
                freq[j] = uint16_t((freq[i] + 1u) / 2u);
                son[j] = son[i];
                ++j;
            }
        }
        for (i = 0, j = N_CHAR; j < T; i += 2, ++j) {
            const unsigned f = unsigned(freq[i]) + freq[i + 1];
            freq[j] = uint16_t(f);
            for (k = j - 1; f < freq[k]; --k) {
            }
            ++k;
            const size_t moved = size_t(j - k) * sizeof(uint16_t);
            std::memmove(&freq[k + 1], &freq[k], moved);
            freq[k] = uint16_t(f);
            std::memmove(&son[k + 1], &son[k], moved);
            son[k] = uint16_t(i);
        }
        for (i = 0; i < T; ++i) {
            k = son[i];
            if (k >= T)
                prnt[k] = uint16_t(i);
            else
                prnt[k] = prnt[k + 1] = uint16_t(i);
        }
    }

    // Counts one more occurrence of symbol c, keeping the sibling order.
    void Update(unsigned c) {
        NoTreeObserver none;
        Update(c, none);
    }

    template <typename Observer>
    void Update(unsigned c, Observer& observer) {
        if (freq[R] == MAX_FREQ) {
            Reconst();
            observer.Rebuilt();
        }
        unsigned node = prnt[c + T];
        do {
            const unsigned v = freq[node];
            if (freq[node + 1] == v) node = Exchange(node, v, observer);
            freq[node] = uint16_t(v + 1);
            node = prnt[node];
        } while (node != 0);
    }

private:
    // Incrementing node (frequency v) would break the order when the next node has the
    // same frequency: it changes places with the last node of that frequency first.
    // Returns where the node's subtree now is.
    template <typename Observer>
    [[gnu::always_inline]] unsigned Exchange(unsigned node, unsigned v, Observer& observer) {
        const unsigned last = RunEnd(freq, node + 1, v);
        const unsigned i = son[node];
        prnt[i] = uint16_t(last);
        if (i < unsigned(T)) prnt[i + 1] = uint16_t(last);
        const unsigned j = son[last];
        son[last] = uint16_t(i);
        prnt[j] = uint16_t(node);
        if (j < unsigned(T)) prnt[j + 1] = uint16_t(node);
        son[node] = uint16_t(j);
        observer.Swapped(node, last);
        return last;
    }
};

// The first kBits levels of the tree as a lookup table, so that most symbols cost one
// load instead of one dependent load per bit. entry[next kBits input bits] holds the son
// value the walk reaches (a leaf code, or the node to go on from when the code is longer)
// and, in its top 4 bits, how many bits led there. Every change of shape is followed:
// after an exchange only the entries below the two nodes are written again.
struct PrefixTable {
    static constexpr int kBits = 8;         // path[] holds up to 8 bits
    static constexpr uint8_t kDeep = 0xFF;  // depth of a node that no lookup passes

    uint16_t entry[1 << kBits];
    // Depth and path bits of the nodes that lookups pass (depth <= kBits).
    uint8_t depth[T];
    uint8_t path[T];

    static unsigned Son(unsigned e) { return e & 0xFFFu; }
    static unsigned Length(unsigned e) { return e >> 12; }

    void Build(const Huffman& h) {
        std::memset(depth, kDeep, sizeof depth);
        depth[R] = 0;
        path[R] = 0;
        Fill(h, R);
    }

    // After the subtrees under nodes a and b changed places. The two nodes keep their
    // own depth and path; only what hangs below them moved. This runs for most symbols,
    // so it and its helpers are always inlined into the update: left to the compiler,
    // small changes here moved the expansion of the repeated vectors by a third.
    [[gnu::always_inline]] void Swapped(const Huffman& h, unsigned a, unsigned b) {
        Redo(h, a);
        Redo(h, b);
    }

private:
    [[gnu::always_inline]] void Redo(const Huffman& h, unsigned p) {
        const unsigned d = depth[p];
        const unsigned s = h.son[p];
        if (d != kDeep) {
            if (s >= unsigned(T))
                Put(p, d, s);  // the usual case: a leaf changed places with a leaf
            else
                Fill(h, p);
        } else if (s < unsigned(T)) {
            // A subtree with marks moved down here, out of reach. The tree's order keeps
            // nodes of equal count at most a level apart, which rules this out; it is
            // handled anyway so that no mark can outlive its place.
            Forget(h, s);
            Forget(h, s + 1);
        }
    }

    [[gnu::always_inline]] void Put(unsigned p, unsigned d, unsigned son) {
        const uint16_t e = uint16_t(son | d << 12);
        uint16_t* at = entry + (unsigned(path[p]) << (kBits - d));
        for (unsigned n = 1u << (kBits - d); n > 0; --n) *at++ = e;
    }

    // Writes the entries whose walk passes node p (its depth and path known), recording
    // the depth and path of the nodes below it down to kBits.
    void Fill(const Huffman& h, unsigned p) {
        const unsigned d = depth[p];
        const unsigned s = h.son[p];
        if (s >= unsigned(T) || d == unsigned(kBits)) {
            Put(p, d, s);
            if (s < unsigned(T)) {
                Forget(h, s);
                Forget(h, s + 1);
            }
            return;
        }
        for (unsigned bit = 0; bit < 2; ++bit) {
            depth[s + bit] = uint8_t(d + 1);
            path[s + bit] = uint8_t(path[p] << 1 | bit);
            Fill(h, s + bit);
        }
    }

    // Node p and the nodes under it that were marked as passed are no longer: a walk of
    // kBits bits now ends above them. Marks form a tree of at most kBits levels, so this
    // stops within as many.
    void Forget(const Huffman& h, unsigned p) {
        if (depth[p] == kDeep) return;
        depth[p] = kDeep;
        const unsigned s = h.son[p];
        if (s < unsigned(T)) {
            Forget(h, s);
            Forget(h, s + 1);
        }
    }
};

// The tree observer that keeps a prefix table in step with its tree.
struct PrefixTableKeeper {
    const Huffman& tree;
    PrefixTable& table;
    void Swapped(unsigned a, unsigned b) { table.Swapped(tree, a, b); }
    void Rebuilt() { table.Build(tree); }
};

// One coded symbol: a literal (0..255) or a match length symbol (256..313) with its
// 12-bit position (distance - 1).
struct Token {
    uint16_t symbol;
    uint16_t position;
};

// Codes a symbol sequence exactly as the compressor codes its own choices (adaptive
// Huffman codes, positions, zero padding), for checking the coding layer on symbol
// sequences that no search would produce. `maxCodeLength` gets the deepest code.
std::vector<uint8_t> EncodeTokens(const std::vector<Token>& tokens, int& maxCodeLength);

}  // namespace lzhuf

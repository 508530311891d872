#pragma once
// Internals shared by the LZHUF encoder and decoder: the format's constants, the fixed
// prefix code of match positions and the adaptive Huffman tree. Not for other users.
#include <cstdint>
#include <cstring>
#include <vector>

namespace lzhuf {

inline constexpr int N = 4096;         // ring buffer size
inline constexpr int F = 60;           // look-ahead size, longest match
inline constexpr int THRESHOLD = 2;    // longer matches than this are coded as matches
inline constexpr int NIL = N;          // absent node in the search trees
inline constexpr int N_CHAR = 256 - THRESHOLD + F;  // 314 symbols
inline constexpr int T = N_CHAR * 2 - 1;            // 627 tree nodes
inline constexpr int R = T - 1;                     // root
inline constexpr unsigned MAX_FREQ = 0x8000;

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

constexpr PositionTables MakePositionTables()
{
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

// The adaptive Huffman tree: nodes 0..R kept in non-decreasing order of frequency,
// children of node i at son[i] and son[i] + 1 (a son >= T is a leaf: symbol son - T),
// prnt[T + symbol] the node holding each leaf; freq[T] = 0xFFFF stops every scan.
struct Huffman {
    uint16_t freq[T + 1];
    uint16_t prnt[T + N_CHAR];
    uint16_t son[T];
    void Start()
    {
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
        freq[T] = 0xFFFF;
        prnt[R] = 0;
    }

    // Halves every leaf's frequency and rebuilds the tree from the leaves.
    void Reconst()
    {
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
    void Update(unsigned c)
    {
        if (freq[R] == MAX_FREQ)
            Reconst();
        unsigned node = prnt[c + T];
        do {
            const unsigned v = freq[node];
            // When the next node has the same frequency, the increment would break the
            // order: the node changes places with the last node of that frequency.
            if (freq[node + 1] == v) {
                unsigned last = node + 1;
                while (freq[last + 1] == v)
                    ++last;
                // Exchange the subtrees of node and last (equal frequencies).
                const unsigned i = son[node];
                prnt[i] = uint16_t(last);
                if (i < unsigned(T))
                    prnt[i + 1] = uint16_t(last);
                const unsigned j = son[last];
                son[last] = uint16_t(i);
                prnt[j] = uint16_t(node);
                if (j < unsigned(T))
                    prnt[j + 1] = uint16_t(node);
                son[node] = uint16_t(j);
                node = last;
            }
            freq[node] = uint16_t(v + 1);
            node = prnt[node];
        } while (node != 0);
    }
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

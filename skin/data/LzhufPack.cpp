// The LZHUF compressor: the published encoder's match search and symbol choice, so that
// its streams are reproduced bit for bit, with two differences that do not change any
// stream of the published encoder: input and output are buffered, and Huffman codes are
// written whole however deep the tree grows (the published encoder keeps a code in a
// 16-bit word and loses the bits of leaves deeper than 16 levels).
#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

#include "skin/data/Lzhuf.h"
#include "skin/data/LzhufHuffman.h"

using namespace lzhuf;

namespace {

struct EncoderTables {
    Huffman huff;
    // text_buf: the ring buffer, its last F - 1 bytes mirroring the first F - 1.
    uint8_t text_buf[N + F - 1];
    int16_t lson[N + 1];
    int16_t rson[N + 257];  // N + 1 .. N + 256: one tree root per first byte
    int16_t dad[N + 1];
};

class Encoder {
public:
    Encoder(EncoderTables& t, const TReadProc& reader, const TWriteProc& writer)
        : t_(t), huff_(t.huff), reader_(reader), writer_(writer) {}

    int32_t Run();
    int32_t codeSize = 0;
    int maxCodeLength = 0;

private:
    int GetC() {
        if (inPos_ == inEnd_) {
            if (eof_) return -1;
            uint16_t got = 0;
            reader_(inBuf_, sizeof inBuf_, got);
            if (got > sizeof inBuf_) got = 0;
            inPos_ = 0;
            inEnd_ = got;
            if (got == 0) {
                eof_ = true;
                return -1;
            }
        }
        return inBuf_[inPos_++];
    }

    void InitTree() {
        for (int i = N + 1; i <= N + 256; ++i) t_.rson[i] = NIL;
        for (int i = 0; i < N; ++i) t_.dad[i] = NIL;
    }

    void InsertNode(int r);
    void DeleteNode(int p);

    void PutBits(uint32_t value, int count) {
        bitAcc_ = (bitAcc_ << count) | value;
        bitCount_ += count;
        while (bitCount_ >= 8) {
            bitCount_ -= 8;
            PutByte(uint8_t(bitAcc_ >> bitCount_));
        }
        bitAcc_ &= (uint64_t{1} << bitCount_) - 1;
    }

    void PutByte(uint8_t b) {
        outBuf_[outLen_++] = b;
        ++codeSize;
        if (outLen_ == sizeof outBuf_) FlushOut();
    }

    void FlushOut() {
        uint16_t done = 0;
        if (outLen_ == 0) return;
        writer_(outBuf_, uint16_t(outLen_), done);
        if (done != outLen_) throw ElzhException("LZH : не удалось записать сжатые данные");
        outLen_ = 0;
    }

    void EncodeChar(unsigned c);
    void EncodePosition(unsigned c) {
        const unsigned upper = c >> 6;
        PutBits(kPositionTables.p_code[upper] >> (8 - kPositionTables.p_len[upper]), kPositionTables.p_len[upper]);
        PutBits(c & 0x3F, 6);
    }

    EncoderTables& t_;
    Huffman& huff_;
    const TReadProc& reader_;
    const TWriteProc& writer_;
    int match_position = 0;
    int match_length = 0;

    uint8_t inBuf_[4096];
    size_t inPos_ = 0, inEnd_ = 0;
    bool eof_ = false;
    uint8_t outBuf_[8192];
    size_t outLen_ = 0;
    uint64_t bitAcc_ = 0;
    int bitCount_ = 0;

public:
    void EncodeToken(const Token& token) {
        EncodeChar(token.symbol);
        if (token.symbol >= 256) EncodePosition(token.position & (N - 1));
    }

    void Finish() {
        if (bitCount_ > 0) PutBits(0, 8 - bitCount_);
        FlushOut();
    }
};

// Inserts position r into the tree of its first byte and finds the longest match
// (ties: the nearest position among the nodes on the search path). A full-length
// match replaces the older node.
void Encoder::InsertNode(int r) {
    int16_t* const lson = t_.lson;
    int16_t* const rson = t_.rson;
    int16_t* const dad = t_.dad;
    const uint8_t* const key = &t_.text_buf[r];
    int cmp = 1;
    int p = N + 1 + key[0];
    rson[r] = lson[r] = NIL;
    match_length = 0;
    for (;;) {
        if (cmp >= 0) {
            if (rson[p] != NIL) {
                p = rson[p];
            } else {
                rson[p] = int16_t(r);
                dad[r] = int16_t(p);
                return;
            }
        } else {
            if (lson[p] != NIL) {
                p = lson[p];
            } else {
                lson[p] = int16_t(r);
                dad[r] = int16_t(p);
                return;
            }
        }
        const uint8_t* const other = &t_.text_buf[p];
        int i;
        cmp = 0;
        for (i = 1; i < F; ++i) {
            if ((cmp = int(key[i]) - int(other[i])) != 0) break;
        }
        if (i > THRESHOLD) {
            const unsigned distance = unsigned((r - p) & (N - 1)) - 1u;
            if (i > match_length) {
                match_position = int(distance);
                if ((match_length = i) >= F) break;
            }
            if (i == match_length && distance < unsigned(match_position)) match_position = int(distance);
        }
    }
    dad[r] = dad[p];
    lson[r] = lson[p];
    rson[r] = rson[p];
    dad[lson[p]] = int16_t(r);
    dad[rson[p]] = int16_t(r);
    if (rson[dad[p]] == p)
        rson[dad[p]] = int16_t(r);
    else
        lson[dad[p]] = int16_t(r);
    dad[p] = NIL;
}

void Encoder::DeleteNode(int p) {
    int16_t* const lson = t_.lson;
    int16_t* const rson = t_.rson;
    int16_t* const dad = t_.dad;
    int q;
    if (dad[p] == NIL) return;
    if (rson[p] == NIL) {
        q = lson[p];
    } else if (lson[p] == NIL) {
        q = rson[p];
    } else {
        q = lson[p];
        if (rson[q] != NIL) {
            do {
                q = rson[q];
            } while (rson[q] != NIL);
            rson[dad[q]] = lson[q];
            dad[lson[q]] = dad[q];
            lson[q] = lson[p];
            dad[lson[p]] = int16_t(q);
        }
        rson[q] = rson[p];
        dad[rson[p]] = int16_t(q);
    }
    dad[q] = dad[p];
    if (rson[dad[p]] == p)
        rson[dad[p]] = int16_t(q);
    else
        lson[dad[p]] = int16_t(q);
    dad[p] = NIL;
}

// Sends the path from the root to symbol c's leaf (bit 1 for the odd-numbered child),
// then counts the symbol.
void Encoder::EncodeChar(unsigned c) {
    // Bits are gathered leaf first; bit k of the code (counted from its end) goes to
    // word k / 64. The tree cannot be deeper than its T internal levels.
    uint64_t words[(T + 63) / 64] = {};
    int depth = 0;
    unsigned k = huff_.prnt[c + T];
    do {
        if (k & 1) words[depth >> 6] |= uint64_t{1} << (depth & 63);
        ++depth;
    } while ((k = huff_.prnt[k]) != unsigned(R));
    maxCodeLength = std::max(maxCodeLength, depth);
    for (int top = (depth - 1) >> 6; top >= 0; --top) {
        const int width = top == (depth - 1) >> 6 ? depth - 64 * top : 64;
        const uint64_t w = words[top];
        if (width > 32) {
            PutBits(uint32_t(w >> 32), width - 32);
            PutBits(uint32_t(w), 32);
        } else {
            PutBits(uint32_t(w), width);
        }
    }
    huff_.Update(c);
}

int32_t Encoder::Run() {
    uint8_t* const text_buf = t_.text_buf;
    int i, c, len, r, s, last_match_length;
    int32_t textsize = 0;

    huff_.Start();
    InitTree();
    s = 0;
    r = N - F;
    std::memset(text_buf, ' ', size_t(r));
    for (len = 0; len < F && (c = GetC()) != -1; ++len) text_buf[r + len] = uint8_t(c);
    textsize = len;
    if (len == 0) return 0;
    for (i = 1; i <= F; ++i) InsertNode(r - i);
    InsertNode(r);
    do {
        if (match_length > len) match_length = len;
        if (match_length <= THRESHOLD) {
            match_length = 1;
            EncodeChar(text_buf[r]);
        } else {
            EncodeChar(unsigned(255 - THRESHOLD + match_length));
            EncodePosition(unsigned(match_position));
        }
        last_match_length = match_length;
        for (i = 0; i < last_match_length && (c = GetC()) != -1; ++i) {
            DeleteNode(s);
            text_buf[s] = uint8_t(c);
            if (s < F - 1) text_buf[s + N] = uint8_t(c);
            s = (s + 1) & (N - 1);
            r = (r + 1) & (N - 1);
            InsertNode(r);
        }
        if (textsize > kLzhMaxTextSize - i) throw ElzhException("LZH : данные больше 64 МБ не сжимаются");
        textsize += i;
        while (i++ < last_match_length) {
            DeleteNode(s);
            s = (s + 1) & (N - 1);
            r = (r + 1) & (N - 1);
            if (--len) InsertNode(r);
        }
    } while (len > 0);
    Finish();
    return textsize;
}

}  // namespace

std::vector<uint8_t> lzhuf::EncodeTokens(const std::vector<Token>& tokens, int& maxCodeLength) {
    std::vector<uint8_t> out;
    TReadProc none = [](uint8_t*, uint16_t, uint16_t& got) { got = 0; };
    TWriteProc collect = [&out](const uint8_t* b, uint16_t n, uint16_t& done) {
        out.insert(out.end(), b, b + n);
        done = n;
    };
    auto tables = std::make_unique<EncoderTables>();
    Encoder encoder(*tables, none, collect);
    tables->huff.Start();
    for (const Token& t : tokens) {
        if (t.symbol >= N_CHAR) throw ElzhException("LZH : недопустимый символ");
        encoder.EncodeToken(t);
    }
    encoder.Finish();
    maxCodeLength = encoder.maxCodeLength;
    return out;
}

void TLZH::LZHPack(int32_t& bytesRead, const TReadProc& reader, const TWriteProc& writer) {
    bytesRead = 0;
    codeSize_ = 0;
    maxCodeLength_ = 0;
    std::unique_ptr<EncoderTables> tables;
    try {
        tables = std::make_unique<EncoderTables>();
    } catch (const std::bad_alloc&) {
        throw ElzhException("LZH : Cannot get memory for dictionary tables");
    }
    Encoder encoder(*tables, reader, writer);
    bytesRead = encoder.Run();
    codeSize_ = encoder.codeSize;
    maxCodeLength_ = encoder.maxCodeLength;
}

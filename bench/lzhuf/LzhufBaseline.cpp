#include "LzhufBaseline.h"

#include <memory>

namespace lzhuf_baseline {
namespace {

constexpr int N = 4096;                      // ring buffer
constexpr int F = 60;                        // longest match
constexpr int THRESHOLD = 2;                 // matches are longer than this
constexpr int N_CHAR = 256 - THRESHOLD + F;  // literals and match lengths
constexpr int T = N_CHAR * 2 - 1;            // tree nodes
constexpr int R = T - 1;                     // root
constexpr unsigned MAX_FREQ = 0x8000;        // root frequency that triggers a rebuild

// Position code: the upper 6 bits of a position take 3 to 8 bits (one code of 3 bits,
// three of 4, eight of 5, twelve of 6, twenty-four of 7, sixteen of 8), assigned in
// order. For each value of the next 8 input bits: which upper part, and its code length.
struct PositionDecode {
    uint8_t code[256];
    uint8_t len[256];
    PositionDecode() {
        const int count[9] = {0, 0, 0, 1, 3, 8, 12, 24, 16};
        int upper = 0, at = 0;
        for (int bits = 3; bits <= 8; ++bits) {
            for (int k = 0; k < count[bits]; ++k, ++upper) {
                for (int m = 0; m < (1 << (8 - bits)); ++m, ++at) {
                    code[at] = uint8_t(upper);
                    len[at] = uint8_t(bits);
                }
            }
        }
    }
};
const PositionDecode kPosition;

struct MemorySource {
    const uint8_t* p;
    const uint8_t* end;
    int Get() { return p < end ? *p++ : EOF; }
};

struct MemorySink {
    std::vector<uint8_t>& out;
    void Put(int c) { out.push_back(uint8_t(c)); }
};

struct FileSource {
    std::FILE* f;
    int Get() { return std::getc(f); }
};

struct FileSink {
    std::FILE* f;
    void Put(int c) { std::putc(c, f); }
};

template <typename Source, typename Sink>
class Decoder {
public:
    Decoder(Source& in, Sink& out) : in_(in), out_(out) {}

    void Run(long textsize) {
        StartHuff();
        for (int i = 0; i < N - F; ++i) text_buf_[i] = ' ';
        int r = N - F;
        for (long count = 0; count < textsize;) {
            const int c = DecodeChar();
            if (c < 256) {
                out_.Put(c);
                text_buf_[r++] = uint8_t(c);
                r &= N - 1;
                ++count;
            } else {
                const int from = (r - DecodePosition() - 1) & (N - 1);
                const int length = c - 255 + THRESHOLD;
                for (int k = 0; k < length; ++k) {
                    const uint8_t b = text_buf_[(from + k) & (N - 1)];
                    out_.Put(b);
                    text_buf_[r++] = b;
                    r &= N - 1;
                    ++count;
                }
            }
        }
    }

private:
    // Keeps more than 8 bits in the buffer, a byte read at a time; zero past the end.
    int GetBit() {
        while (getlen_ <= 8) {
            int b = in_.Get();
            if (b < 0) b = 0;
            getbuf_ = uint16_t(getbuf_ | (b << (8 - getlen_)));
            getlen_ += 8;
        }
        const int bit = getbuf_ >> 15;
        getbuf_ = uint16_t(getbuf_ << 1);
        --getlen_;
        return bit;
    }

    int GetByte() {
        while (getlen_ <= 8) {
            int b = in_.Get();
            if (b < 0) b = 0;
            getbuf_ = uint16_t(getbuf_ | (b << (8 - getlen_)));
            getlen_ += 8;
        }
        const int byte = getbuf_ >> 8;
        getbuf_ = uint16_t(getbuf_ << 8);
        getlen_ -= 8;
        return byte;
    }

    void StartHuff() {
        int i, j;
        for (i = 0; i < N_CHAR; ++i) {
            freq_[i] = 1;
            son_[i] = i + T;
            prnt_[i + T] = i;
        }
        for (i = 0, j = N_CHAR; j <= R; i += 2, ++j) {
            freq_[j] = freq_[i] + freq_[i + 1];
            son_[j] = i;
            prnt_[i] = prnt_[i + 1] = j;
        }
        freq_[T] = 0xFFFF;
        prnt_[R] = 0;
    }

    // Halves the leaves' counts and builds the internal nodes again from them.
    void Reconst() {
        int i, j, k;
        for (i = 0, j = 0; i < T; ++i) {
            if (son_[i] >= T) {
                freq_[j] = (freq_[i] + 1) / 2;
                son_[j] = son_[i];
                ++j;
            }
        }
        for (i = 0, j = N_CHAR; j < T; i += 2, ++j) {
            const unsigned f = freq_[i] + freq_[i + 1];
            freq_[j] = f;
            for (k = j - 1; f < freq_[k]; --k) {
            }
            ++k;
            for (int m = j; m > k; --m) {
                freq_[m] = freq_[m - 1];
                son_[m] = son_[m - 1];
            }
            freq_[k] = f;
            son_[k] = i;
        }
        for (i = 0; i < T; ++i) {
            k = son_[i];
            prnt_[k] = i;
            if (k < T) prnt_[k + 1] = i;
        }
    }

    void Update(int c) {
        if (freq_[R] == MAX_FREQ) Reconst();
        c = prnt_[c + T];
        do {
            const unsigned k = ++freq_[c];
            int l = c + 1;
            if (k > freq_[l]) {
                // Move the node past every node that now has a smaller count.
                while (k > freq_[++l]) {
                }
                --l;
                freq_[c] = freq_[l];
                freq_[l] = k;
                const int i = son_[c];
                prnt_[i] = l;
                if (i < T) prnt_[i + 1] = l;
                const int j = son_[l];
                son_[l] = i;
                prnt_[j] = c;
                if (j < T) prnt_[j + 1] = c;
                son_[c] = j;
                c = l;
            }
        } while ((c = prnt_[c]) != 0);
    }

    int DecodeChar() {
        unsigned c = son_[R];
        while (c < unsigned(T)) c = son_[c + GetBit()];
        c -= T;
        Update(int(c));
        return int(c);
    }

    int DecodePosition() {
        int i = GetByte();
        const int upper = kPosition.code[i] << 6;
        int more = kPosition.len[i] - 2;
        while (more--) i = (i << 1) + GetBit();
        return upper | (i & 0x3F);
    }

    Source& in_;
    Sink& out_;
    uint16_t getbuf_ = 0;
    int getlen_ = 0;
    unsigned freq_[T + 1];
    int prnt_[T + N_CHAR];
    int son_[T];
    uint8_t text_buf_[N + F - 1] = {};
};

}  // namespace

std::vector<uint8_t> Expand(std::span<const uint8_t> framed) {
    std::vector<uint8_t> out;
    if (framed.size() < 4) return out;
    const int32_t size =
        int32_t(uint32_t(framed[0]) | uint32_t(framed[1]) << 8 | uint32_t(framed[2]) << 16 | uint32_t(framed[3]) << 24);
    if (size <= 0) return out;
    out.reserve(size_t(size) + F);
    MemorySource in{framed.data() + 4, framed.data() + framed.size()};
    MemorySink sink{out};
    auto decoder = std::make_unique<Decoder<MemorySource, MemorySink>>(in, sink);
    decoder->Run(size);
    return out;
}

bool ExpandFile(std::FILE* in, std::FILE* out) {
    uint8_t prefix[4];
    if (std::fread(prefix, 1, 4, in) != 4) return false;
    const int32_t size =
        int32_t(uint32_t(prefix[0]) | uint32_t(prefix[1]) << 8 | uint32_t(prefix[2]) << 16 | uint32_t(prefix[3]) << 24);
    if (size <= 0) return true;
    FileSource source{in};
    FileSink sink{out};
    auto decoder = std::make_unique<Decoder<FileSource, FileSink>>(source, sink);
    decoder->Run(size);
    return true;
}

}  // namespace lzhuf_baseline

#include "skin/data/Lzhuf.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <memory>
#include <new>

#include "skin/data/LzhufHuffman.h"

using namespace lzhuf;

namespace {

const char kNoMemory[] = "LZH : Cannot get memory for dictionary tables";
const char kTruncated[] = "LZH : сжатые данные оборваны";

template <typename T>
std::unique_ptr<T> AllocateTables() {
    try {
        return std::make_unique<T>();
    } catch (const std::bad_alloc&) {
        throw ElzhException(kNoMemory);
    }
}

// ---- Expansion ---------------------------------------------------------------------

uint64_t LoadBigEndian(const uint8_t* p) {
    uint64_t word;
    std::memcpy(&word, p, sizeof word);
    if constexpr (std::endian::native == std::endian::little) word = __builtin_bswap64(word);
    return word;
}

// MSB-first bit source over a buffered reader. Past the reader's end it supplies zero
// bytes and counts them, so that a symbol which used any of them can be recognised.
class BitReader {
public:
    explicit BitReader(const TReadProc& reader) : reader_(reader) {}

    // Makes at least 57 bits available.
    void Refill() {
        if (end_ - pos_ >= 8) {
            // Whole bytes that fit below the valid bits, from one 8-byte load.
            uint64_t word = LoadBigEndian(buf_ + pos_);
            const int bytes = (64 - bits_) >> 3;
            if (bytes < 8) word &= ~uint64_t{0} << (64 - 8 * bytes);
            acc_ |= word >> bits_;
            pos_ += bytes;
            bits_ += 8 * bytes;
            return;
        }
        while (bits_ <= 56) {
            if (pos_ == end_ && !eof_) Fetch();
            uint64_t byte = 0;
            if (pos_ < end_) {
                byte = buf_[pos_++];
            } else {
                ++padBytes_;
            }
            acc_ |= byte << (56 - bits_);
            bits_ += 8;
        }
    }

    // True once a consumed bit lies beyond the end of the source.
    bool Overrun() const { return padBytes_ != 0 && uint64_t(bits_) < 8 * padBytes_; }

    uint64_t acc_ = 0;  // valid bits at the top
    int bits_ = 0;

private:
    void Fetch() {
        uint16_t got = 0;
        reader_(buf_, sizeof buf_, got);
        if (got > sizeof buf_) got = 0;
        pos_ = 0;
        end_ = got;
        if (got == 0) eof_ = true;
    }

    const TReadProc& reader_;
    uint8_t buf_[4096];
    size_t pos_ = 0;
    size_t end_ = 0;
    bool eof_ = false;
    uint64_t padBytes_ = 0;
};

struct DecoderTables {
    Huffman huff;
    PrefixTable prefix;
    // Window history followed by the output chunk being assembled, then room for the
    // whole 16-byte blocks that a match copy may write past its last byte.
    static constexpr size_t kHistory = N;
    static constexpr size_t kChunk = 32768;
    static constexpr size_t kSlack = 80;
    static_assert(kSlack >= F + 15);
    uint8_t out[kHistory + kChunk + kSlack];
};

// Whole 16-byte blocks of a repeated pattern of each period below 16: the largest
// multiple of the period that fits.
constexpr uint8_t kPatternStep[16] = {16, 16, 16, 15, 16, 15, 12, 14, 16, 9, 10, 11, 12, 13, 14, 15};

// Copies a match of `len` bytes from `distance` bytes back. Bytes are copied in order, so
// a match that overlaps its own output repeats its pattern. Whole 16-byte blocks may write
// up to 15 bytes past the end (into output not yet produced, or the slack).
inline void CopyMatch(uint8_t* dst, size_t distance, size_t len) {
    const uint8_t* src = dst - distance;
    if (distance >= 16) {
        // Each block reads only bytes written before it.
        uint8_t* const end = dst + len;
        do {
            std::memcpy(dst, src, 16);
            dst += 16;
            src += 16;
        } while (dst < end);
    } else if (distance == 1) {
        std::memset(dst, *src, len);
    } else {
        // A short period (3 for a run of 24-bit pixels): lay the pattern out over 16 bytes
        // once, then write it in blocks that keep its phase.
        uint8_t pattern[16];
        for (size_t k = 0; k < distance; ++k) pattern[k] = src[k];
        for (size_t k = distance; k < 16; ++k) pattern[k] = pattern[k - distance];
        const size_t step = kPatternStep[distance];
        for (size_t k = 0; k < len; k += step) std::memcpy(dst + k, pattern, 16);
    }
}

void Flush(const TWriteProc& writer, const uint8_t* data, size_t count) {
    while (count > 0) {
        const uint16_t part = uint16_t(std::min<size_t>(count, 0xFFFF));
        uint16_t done = 0;
        writer(data, part, done);
        if (done != part) throw ElzhException("LZH : не удалось записать распакованные данные");
        data += part;
        count -= part;
    }
}

}  // namespace

void TLZH::LZHUnpack(int32_t textSize, const TReadProc& reader, const TWriteProc& writer) {
    if (textSize <= 0) return;
    if (textSize > kLzhMaxTextSize) throw ElzhException("LZH : размер распакованных данных больше 64 МБ");

    auto tables = AllocateTables<DecoderTables>();
    Huffman& h = tables->huff;
    h.Start();
    PrefixTable& prefix = tables->prefix;
    prefix.Build(h);
    PrefixTableKeeper keeper{h, prefix};
    uint8_t* const out = tables->out;
    // The ring buffer before the first byte, seen from r = 4036 backwards: 4036 spaces,
    // and the 60 positions 4036..4095 (zero) just before r wraps to them.
    std::memset(out, 0, F);
    std::memset(out + F, ' ', N - F);

    BitReader in(reader);
    size_t op = DecoderTables::kHistory;
    int64_t remaining = textSize;
    const uint16_t* const son = h.son;

    while (remaining > 0) {
        if (in.bits_ < 57) in.Refill();
        // The first levels in one lookup, then the rest of a longer code one bit per level.
        uint64_t acc = in.acc_;
        int bits = in.bits_;
        const unsigned e = prefix.entry[acc >> (64 - PrefixTable::kBits)];
        unsigned c = PrefixTable::Son(e);
        acc <<= PrefixTable::Length(e);
        bits -= int(PrefixTable::Length(e));
        while (c < unsigned(T)) {
            if (bits == 0) {
                in.acc_ = acc;
                in.bits_ = 0;
                in.Refill();
                acc = in.acc_;
                bits = in.bits_;
            }
            c = son[c + unsigned(acc >> 63)];
            acc <<= 1;
            --bits;
        }
        c -= T;
        in.acc_ = acc;
        in.bits_ = bits;
        h.Update(c, keeper);

        if (c < 256) {
            out[op++] = uint8_t(c);
            --remaining;
        } else {
            // Position: 8 bits select the upper 6 bits and the code length, then the
            // rest of the code and the lower 6 bits follow.
            if (in.bits_ < 14) in.Refill();
            const unsigned top16 = unsigned(in.acc_ >> 48);
            const unsigned first = top16 >> 8;
            const unsigned used = kPositionTables.d_len[first] + 6u;
            const unsigned low = (top16 >> (16 - used)) & 0x3F;
            in.acc_ <<= used;
            in.bits_ -= int(used);
            const size_t distance = ((size_t(kPositionTables.d_code[first]) << 6) | low) + 1;

            // A last match that would run past textSize is cut; the history before op
            // always holds N bytes, so the source lies inside the buffer.
            size_t len = c - (256 - THRESHOLD - 1);
            if (int64_t(len) > remaining) len = size_t(remaining);
            CopyMatch(out + op, distance, len);
            op += len;
            remaining -= int64_t(len);
        }
        if (in.Overrun()) throw ElzhException(kTruncated);
        if (op >= DecoderTables::kHistory + DecoderTables::kChunk) {
            Flush(writer, out + DecoderTables::kHistory, op - DecoderTables::kHistory);
            std::memmove(out, out + op - DecoderTables::kHistory, DecoderTables::kHistory);
            op = DecoderTables::kHistory;
        }
    }
    Flush(writer, out + DecoderTables::kHistory, op - DecoderTables::kHistory);
}

// ---- Memory-bound reader and writer ---------------------------------------------------

void TLZH::SetSource(std::span<const uint8_t> source) {
    source_ = source;
    sourcePos_ = 0;
}

void TLZH::SetDestination(std::vector<uint8_t>* destination) { destination_ = destination; }

void TLZH::GetBlockStream(uint8_t* buffer, uint16_t count, uint16_t& actual) {
    const size_t left = source_.size() - sourcePos_;
    actual = uint16_t(std::min<size_t>(count, left));
    if (actual) std::memcpy(buffer, source_.data() + sourcePos_, actual);
    sourcePos_ += actual;
}

void TLZH::PutBlockStream(const uint8_t* buffer, uint16_t count, uint16_t& actual) {
    if (destination_ == nullptr) {
        actual = 0;
        return;
    }
    destination_->insert(destination_->end(), buffer, buffer + count);
    actual = count;
}

TReadProc TLZH::SourceReader() {
    return [this](uint8_t* b, uint16_t n, uint16_t& got) { GetBlockStream(b, n, got); };
}

TWriteProc TLZH::DestinationWriter() {
    return [this](const uint8_t* b, uint16_t n, uint16_t& got) { PutBlockStream(b, n, got); };
}

// ---- Framing over memory --------------------------------------------------------------

namespace {

// The size prefix of a framed stream, checked before any work or allocation; 0 for a
// prefix <= 0.
int32_t CheckedSize(std::span<const uint8_t> framed, int32_t limit) {
    if (framed.size() < 4) throw ElzhException("LZH : нет заголовка с размером данных");
    const int32_t size =
        int32_t(uint32_t(framed[0]) | uint32_t(framed[1]) << 8 | uint32_t(framed[2]) << 16 | uint32_t(framed[3]) << 24);
    if (size <= 0) return 0;
    if (size > std::min(limit, kLzhMaxTextSize))
        throw ElzhException("LZH : размер распакованных данных больше допустимого");
    // Every symbol takes at least one bit and a match (at most 60 bytes) at least ten,
    // so n code bytes never expand beyond 48 n bytes: a larger size means the stream is
    // cut short.
    const uint64_t codeBytes = framed.size() - 4;
    if (uint64_t(size) > 48 * codeBytes + F) throw ElzhException(kTruncated);
    return size;
}

void ExpandChecked(std::span<const uint8_t> framed, int32_t size, const TWriteProc& writer) {
    TLZH lzh;
    lzh.SetSource(framed.subspan(4));
    lzh.LZHUnpack(size, lzh.SourceReader(), writer);
}

}  // namespace

std::vector<uint8_t> LzhExpand(std::span<const uint8_t> framed, int32_t limit) {
    std::vector<uint8_t> result;
    const int32_t size = CheckedSize(framed, limit);
    if (size == 0) return result;
    result.reserve(size_t(size));
    ExpandChecked(framed, size, [&result](const uint8_t* b, uint16_t n, uint16_t& done) {
        result.insert(result.end(), b, b + n);
        done = n;
    });
    return result;
}

int32_t LzhExpandTo(std::span<const uint8_t> framed, const TWriteProc& writer, int32_t limit) {
    const int32_t size = CheckedSize(framed, limit);
    if (size > 0) ExpandChecked(framed, size, writer);
    return size;
}

std::vector<uint8_t> LzhCompress(std::span<const uint8_t> plain) {
    if (plain.size() > size_t(kLzhMaxTextSize)) throw ElzhException("LZH : данные больше 64 МБ не сжимаются");
    const uint32_t size = uint32_t(plain.size());
    std::vector<uint8_t> result{uint8_t(size), uint8_t(size >> 8), uint8_t(size >> 16), uint8_t(size >> 24)};
    result.reserve(plain.size() / 2 + 64);
    TLZH lzh;
    lzh.SetSource(plain);
    lzh.SetDestination(&result);
    int32_t read = 0;
    lzh.LZHPack(read, lzh.SourceReader(), lzh.DestinationWriter());
    return result;
}

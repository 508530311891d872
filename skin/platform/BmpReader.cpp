#include "skin/platform/BmpReader.h"

#include <array>
#include <bit>
#include <string>
#include <vector>

namespace skin {

namespace {

constexpr std::uint32_t kBiRgb = 0, kBiRle8 = 1, kBiRle4 = 2, kBiBitfields = 3, kBiAlphaBitfields = 6;

[[noreturn]] void Fail(const std::string& what) { throw BmpError("Файл BMP повреждён или не поддерживается: " + what); }

// Bounds-checked little-endian reads over the file.
class Bytes {
public:
    explicit Bytes(std::span<const std::uint8_t> d) : d_(d) {}
    std::uint64_t Size() const { return d_.size(); }
    void Need(std::uint64_t offset, std::uint64_t count) const {
        if (offset > d_.size() || count > d_.size() - offset) Fail("файл обрезан");
    }
    std::uint8_t U8(std::uint64_t at) const {
        Need(at, 1);
        return d_[at];
    }
    std::uint16_t U16(std::uint64_t at) const {
        Need(at, 2);
        return static_cast<std::uint16_t>(d_[at] | (d_[at + 1] << 8));
    }
    std::uint32_t U32(std::uint64_t at) const {
        Need(at, 4);
        return std::uint32_t(d_[at]) | (std::uint32_t(d_[at + 1]) << 8) | (std::uint32_t(d_[at + 2]) << 16) |
               (std::uint32_t(d_[at + 3]) << 24);
    }
    const std::uint8_t* At(std::uint64_t at) const { return d_.data() + at; }

private:
    std::span<const std::uint8_t> d_;
};

// One colour channel described by a bit mask: the value is shifted down and scaled to 0..255.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t max = 0;

    static Channel From(std::uint32_t mask) {
        Channel c;
        if (mask == 0) return c;
        c.mask = mask;
        c.shift = std::countr_zero(mask);
        std::uint32_t bits = mask >> c.shift;
        if ((bits & (bits + 1)) != 0) Fail("разрывная битовая маска цвета");
        c.max = bits;
        return c;
    }
    int Value(std::uint32_t px) const {
        if (max == 0) return 0;
        std::uint64_t v = (px & mask) >> shift;
        return static_cast<int>((v * 255 + max / 2) / max);
    }
};

struct Header {
    std::uint32_t offBits = 0;
    std::uint32_t headerSize = 0;
    long long width = 0;
    long long height = 0;  // positive; see topDown
    bool topDown = false;
    int bpp = 0;
    std::uint32_t compression = kBiRgb;
    std::uint32_t colorsUsed = 0;
    std::uint64_t paletteStart = 0;
    int paletteEntrySize = 4;
    Channel r, g, b;
};

Header ReadHeader(const Bytes& in) {
    Header h;
    if (in.Size() < 18 || in.U8(0) != 'B' || in.U8(1) != 'M') Fail("нет сигнатуры BM");
    h.offBits = in.U32(10);
    h.headerSize = in.U32(14);
    switch (h.headerSize) {
    case 12:
        h.width = in.U16(18);
        h.height = in.U16(20);
        if (in.U16(22) != 1) Fail("число плоскостей не равно 1");
        h.bpp = in.U16(24);
        h.paletteEntrySize = 3;
        break;
    case 40:
    case 52:
    case 56:
    case 64:
    case 108:
    case 124: {
        in.Need(14, h.headerSize);
        long long height = static_cast<std::int32_t>(in.U32(22));
        h.width = static_cast<std::int32_t>(in.U32(18));
        h.topDown = height < 0;
        h.height = height < 0 ? -height : height;
        if (in.U16(26) != 1) Fail("число плоскостей не равно 1");
        h.bpp = in.U16(28);
        h.compression = in.U32(30);
        h.colorsUsed = in.U32(46);
        // The OS/2 2.x header numbers its compressions differently beyond RLE.
        if (h.headerSize == 64 && h.compression > kBiRle4) Fail("неизвестное сжатие");
        break;
    }
    default: Fail("неизвестный заголовок (" + std::to_string(h.headerSize) + " байт)");
    }
    if (h.width <= 0 || h.height <= 0) Fail("нулевой или отрицательный размер");
    if (h.width > kMaxBmpSide || h.height > kMaxBmpSide || h.width * h.height > kMaxBmpPixels)
        Fail("слишком большое изображение (" + std::to_string(h.width) + " × " + std::to_string(h.height) + ")");
    if (h.bpp != 1 && h.bpp != 4 && h.bpp != 8 && h.bpp != 16 && h.bpp != 24 && h.bpp != 32)
        Fail("неподдерживаемая глубина цвета " + std::to_string(h.bpp));

    std::uint64_t afterHeader = 14ULL + h.headerSize;
    switch (h.compression) {
    case kBiRgb: break;
    case kBiRle8:
        if (h.bpp != 8) Fail("RLE8 при глубине " + std::to_string(h.bpp));
        break;
    case kBiRle4:
        if (h.bpp != 4) Fail("RLE4 при глубине " + std::to_string(h.bpp));
        break;
    case kBiBitfields:
    case kBiAlphaBitfields: {
        if (h.bpp != 16 && h.bpp != 32) Fail("битовые маски при глубине " + std::to_string(h.bpp));
        std::uint64_t at = 54;
        if (h.headerSize == 40) afterHeader += h.compression == kBiBitfields ? 12 : 16;
        h.r = Channel::From(in.U32(at));
        h.g = Channel::From(in.U32(at + 4));
        h.b = Channel::From(in.U32(at + 8));
        break;
    }
    default: Fail("неподдерживаемое сжатие " + std::to_string(h.compression));
    }
    if (h.compression == kBiRgb && h.bpp == 16) {
        h.r = Channel::From(0x7C00);
        h.g = Channel::From(0x03E0);
        h.b = Channel::From(0x001F);
    } else if (h.compression == kBiRgb && h.bpp == 32) {
        h.r = Channel::From(0xFF0000);
        h.g = Channel::From(0xFF00);
        h.b = Channel::From(0xFF);
    }
    if (h.topDown && (h.compression == kBiRle8 || h.compression == kBiRle4))
        Fail("сжатое изображение с обратным порядком строк");
    h.paletteStart = afterHeader;
    if (h.offBits < afterHeader || h.offBits > in.Size()) Fail("неверное смещение данных");
    return h;
}

std::vector<Pixel> ReadPalette(const Bytes& in, const Header& h) {
    std::vector<Pixel> palette;
    if (h.bpp > 8) return palette;
    std::uint64_t count = 1ULL << h.bpp;
    if (h.colorsUsed != 0 && h.colorsUsed < count) count = h.colorsUsed;
    std::uint64_t room = (h.offBits - h.paletteStart) / h.paletteEntrySize;
    if (room < count) count = room;
    if (count == 0) Fail("нет палитры");
    palette.reserve(count);
    for (std::uint64_t i = 0; i < count; ++i) {
        std::uint64_t at = h.paletteStart + i * h.paletteEntrySize;
        palette.push_back(MakePixel(in.U8(at + 2), in.U8(at + 1), in.U8(at)));
    }
    return palette;
}

Pixel Indexed(const std::vector<Pixel>& palette, unsigned index) { return index < palette.size() ? palette[index] : 0; }

void DecodeRows(const Bytes& in, const Header& h, const std::vector<Pixel>& palette, Surface& out) {
    const std::uint64_t w = static_cast<std::uint64_t>(h.width);
    const std::uint64_t rowBytes = (w * h.bpp + 7) / 8;
    const std::uint64_t stride = (w * h.bpp + 31) / 32 * 4;
    const std::uint64_t rows = static_cast<std::uint64_t>(h.height);
    const std::uint64_t need = stride * (rows - 1) + rowBytes;
    if (need > in.Size() - h.offBits) Fail("данные изображения обрезаны");
    for (std::uint64_t r = 0; r < rows; ++r) {
        const std::uint8_t* p = in.At(h.offBits + r * stride);
        Pixel* dst = out.Row(static_cast<int>(h.topDown ? r : rows - 1 - r));
        switch (h.bpp) {
        case 1:
            for (std::uint64_t x = 0; x < w; ++x) dst[x] = Indexed(palette, (p[x >> 3] >> (7 - (x & 7))) & 1);
            break;
        case 4:
            for (std::uint64_t x = 0; x < w; ++x)
                dst[x] = Indexed(palette, (x & 1) ? (p[x >> 1] & 15) : (p[x >> 1] >> 4));
            break;
        case 8:
            for (std::uint64_t x = 0; x < w; ++x) dst[x] = Indexed(palette, p[x]);
            break;
        case 16:
            for (std::uint64_t x = 0; x < w; ++x) {
                std::uint32_t v = p[2 * x] | (p[2 * x + 1] << 8);
                dst[x] = MakePixel(h.r.Value(v), h.g.Value(v), h.b.Value(v));
            }
            break;
        case 24:
            for (std::uint64_t x = 0; x < w; ++x) dst[x] = MakePixel(p[3 * x + 2], p[3 * x + 1], p[3 * x]);
            break;
        case 32:
            for (std::uint64_t x = 0; x < w; ++x) {
                const std::uint8_t* q = p + 4 * x;
                std::uint32_t v = std::uint32_t(q[0]) | (std::uint32_t(q[1]) << 8) | (std::uint32_t(q[2]) << 16) |
                                  (std::uint32_t(q[3]) << 24);
                dst[x] = MakePixel(h.r.Value(v), h.g.Value(v), h.b.Value(v));
            }
            break;
        }
    }
}

// RLE8 and RLE4: pairs (count, value) repeat a value; (0, 0) ends a line, (0, 1) ends the
// bitmap, (0, 2, dx, dy) moves the position, (0, n >= 3) is followed by n literal pixels
// padded to a 16-bit boundary. Runs past the right edge are cut at the edge.
void DecodeRle(const Bytes& in, const Header& h, const std::vector<Pixel>& palette, Surface& out) {
    const bool four = h.compression == kBiRle4;
    const long long w = h.width, rows = h.height;
    std::uint64_t at = h.offBits;
    long long x = 0, y = 0;  // y counts file rows, bottom first
    auto put = [&](unsigned index) {
        if (x < w && y < rows) out.Row(static_cast<int>(rows - 1 - y))[x] = Indexed(palette, index);
        ++x;
    };
    for (;;) {
        if (at + 2 > in.Size()) Fail("поток RLE оборван");
        unsigned count = in.U8(at), value = in.U8(at + 1);
        at += 2;
        if (count > 0) {
            for (unsigned i = 0; i < count && x < w; ++i) put(four ? ((i & 1) ? (value & 15) : (value >> 4)) : value);
            continue;
        }
        if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            return;
        } else if (value == 2) {
            if (at + 2 > in.Size()) Fail("поток RLE оборван");
            x += in.U8(at);
            y += in.U8(at + 1);
            at += 2;
            if (x > w) x = w;
            if (y > rows) y = rows;
        } else {
            std::uint64_t bytes = four ? (value + 1) / 2 : value;
            std::uint64_t padded = (bytes + 1) & ~std::uint64_t(1);
            if (padded > in.Size() - at) Fail("поток RLE оборван");
            for (unsigned i = 0; i < value && x < w; ++i) {
                unsigned b = in.U8(at + (four ? i / 2 : i));
                put(four ? ((i & 1) ? (b & 15) : (b >> 4)) : b);
            }
            at += padded;
        }
    }
}

}  // namespace

Surface ReadBmp(std::span<const std::uint8_t> file) {
    Bytes in(file);
    Header h = ReadHeader(in);
    std::vector<Pixel> palette = ReadPalette(in, h);
    Surface out(static_cast<int>(h.width), static_cast<int>(h.height));
    if (h.compression == kBiRle8 || h.compression == kBiRle4)
        DecodeRle(in, h, palette, out);
    else
        DecodeRows(in, h, palette, out);
    return out;
}

}  // namespace skin

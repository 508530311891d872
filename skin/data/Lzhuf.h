#pragma once
// LZHUF: the 1988 combination of LZSS (4096-byte ring window searched through binary
// trees, matches of 3 to 60 bytes) with adaptive Huffman coding of literals and match
// lengths and a fixed prefix code for the upper 6 bits of match positions. Skin files
// and packed skin descriptions are stored in this format.
//
// What is guaranteed (the contract callers rely on):
//  * Bit-exact format. Parameters N 4096, F 60, THRESHOLD 2, ring buffer [0, 4036)
//    filled with spaces and [4036, 4096) with zero bytes, r starting at 4036, the
//    tree rebuild when the root frequency reaches 32768. A stream written by the
//    published encoder expands here, and `LZHPack` writes exactly the published
//    encoder's stream for every input whose Huffman codes fit in 16 bits (all usual
//    inputs). Codes deeper than 16 levels, which the published encoder cuts (and so
//    corrupts the data), are written whole here; the decoder reads them either way.
//  * Bounded expansion. `LZHUnpack` never produces more than `textSize` bytes (a last
//    match that would run past it is cut), refuses a `textSize` above
//    `kLzhMaxTextSize` (64 MiB) with `ElzhException` before reading anything, and
//    produces nothing for `textSize` <= 0. Nothing is read or written outside the
//    decoder's own buffers whatever the input bytes are.
//  * Truncation is an error. A well-formed stream never needs more bits than it has;
//    the decoder supplies zero bits past the end (the encoder pads the last byte with
//    zeros and the decoder looks one byte ahead), but as soon as a symbol would use a
//    bit beyond the source's end it stops with `ElzhException` ("сжатые данные
//    оборваны") instead of producing a tail of garbage. A stream with junk after its
//    end still expands: the junk is never read as data.
//  * No state is kept between operations: the tables live only inside one call.
//  * Input and output are buffered: the reader is asked for up to 4096 bytes at a
//    time, the writer is given up to 32 KiB at a time. A writer that takes fewer
//    bytes than offered is an error.
//
// Framing is the caller's business: containers and packed descriptions put a 4-byte
// little-endian signed size (the expanded length) before the stream; `LzhExpand` and
// `LzhCompress` below do that framing over memory.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "core/Exception.h"

class ElzhException : public Exception {
public:
    using Exception::Exception;
};

// Largest expanded size accepted, both as a size prefix and as a `textSize`.
inline constexpr int32_t kLzhMaxTextSize = 64 * 1024 * 1024;

// Byte source and sink: (buffer, requested count, out actual count). A reader returns
// fewer bytes than asked only at its end (0 once exhausted).
using TReadProc = std::function<void(uint8_t* buffer, uint16_t count, uint16_t& actual)>;
using TWriteProc = std::function<void(const uint8_t* buffer, uint16_t count, uint16_t& actual)>;

class TLZH {
public:
    // Expands one stream: exactly max(textSize, 0) bytes go to `writer`.
    void LZHUnpack(int32_t textSize, const TReadProc& reader, const TWriteProc& writer);
    // Compresses everything `reader` yields; `bytesRead` receives the plain byte count.
    void LZHPack(int32_t& bytesRead, const TReadProc& reader, const TWriteProc& writer);

    // Memory-bound reader and writer: `GetBlockStream` reads from the source set by
    // `SetSource` (returning 0 at its end), `PutBlockStream` appends to the vector set
    // by `SetDestination` and reports the whole count.
    void SetSource(std::span<const uint8_t> source);
    void SetDestination(std::vector<uint8_t>* destination);
    void GetBlockStream(uint8_t* buffer, uint16_t count, uint16_t& actual);
    void PutBlockStream(const uint8_t* buffer, uint16_t count, uint16_t& actual);
    TReadProc SourceReader();
    TWriteProc DestinationWriter();

    // Statistics of the last `LZHPack`: code bytes written and the deepest Huffman code
    // emitted (in bits).
    int32_t CodeSize() const { return codeSize_; }
    int MaxCodeLength() const { return maxCodeLength_; }

private:
    std::span<const uint8_t> source_;
    size_t sourcePos_ = 0;
    std::vector<uint8_t>* destination_ = nullptr;
    int32_t codeSize_ = 0;
    int maxCodeLength_ = 0;
};

// Reads the 4-byte little-endian size prefix and expands the stream behind it.
// Throws `ElzhException` when the prefix is missing (fewer than 4 bytes), larger than
// `limit` (at most `kLzhMaxTextSize`), larger than the code bytes could ever hold
// (48 bytes per code byte: a 60-byte match takes at least 10 bits), or the stream is
// truncated. A prefix <= 0 gives an empty result. Nothing is allocated beyond the
// checked size.
std::vector<uint8_t> LzhExpand(std::span<const uint8_t> framed, int32_t limit = kLzhMaxTextSize);

// The same checks and bytes as `LzhExpand`, handed to `writer` as they are produced (in
// pieces of about 32 KiB) instead of collected, so that no buffer of the expanded size
// is needed. Returns the expanded size (0 for a prefix <= 0). When it throws, the bytes of
// the chunks before the fault have already been written.
int32_t LzhExpandTo(std::span<const uint8_t> framed, const TWriteProc& writer, int32_t limit = kLzhMaxTextSize);

// Writes the 4-byte size prefix and the compressed stream. Inputs above
// `kLzhMaxTextSize` are refused (the reader could not expand them).
std::vector<uint8_t> LzhCompress(std::span<const uint8_t> plain);

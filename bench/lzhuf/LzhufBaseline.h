#pragma once
// The yardstick for our LZHUF decoder, used only by the benchmarks: a plain decoder that
// works the way the 1988 program does, one bit at a time from a byte stream (a 16-bit bit
// buffer refilled a byte at a time), one byte at a time out, the adaptive tree walked and
// updated with a linear scan, positions decoded through the 8-bit tables and single bits.
// It shares no code with the library, so that a fault in one cannot hide in the other.
#include <cstdint>
#include <cstdio>
#include <span>
#include <vector>

namespace lzhuf_baseline {

// Expands a framed stream (4-byte little-endian size, then the code) held in memory.
// A size <= 0 gives nothing. Like the 1988 program it trusts its input: a missing prefix
// gives nothing, a short stream reads zero bits, and the last match is copied whole.
std::vector<uint8_t> Expand(std::span<const uint8_t> framed);

// The same from one open file to another through stdio, a byte per getc and per putc.
// Returns false when the file is too short to hold the size prefix.
bool ExpandFile(std::FILE* in, std::FILE* out);

}  // namespace lzhuf_baseline

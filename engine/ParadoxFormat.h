#pragma once
// The Paradox table file format (.DB): header layout, block headers and field values.
// Header and block header numbers are little-endian; field values are big-endian with
// the sign bit flipped so that their bytes sort like the values; all-zero bytes are NULL.
//
// File = header (header size bytes) + blocks of `block KiB * 1024` bytes; block n (from 1)
// starts at header size + (n - 1) * block size. The table's rows are the records of the
// blocks in the order of the chain that starts at "first block", never physical order.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "core/ByteOrder.h"
#include "engine/EngineError.h"
#include "engine/Value.h"

namespace engine::px {

// Header offsets (version 7.0 as written here; older versions share 0x00..0x57).
constexpr std::size_t kOffRecordSize = 0x00;      // u16: sum of the field widths
constexpr std::size_t kOffHeaderSize = 0x02;      // u16: where block 1 starts
constexpr std::size_t kOffFileType = 0x04;        // u8: 2 = unkeyed .DB, 0 = keyed .DB
constexpr std::size_t kOffBlockKiB = 0x05;        // u8: block size in KiB (1..32)
constexpr std::size_t kOffRecordCount = 0x06;     // u32: must equal the sum over the chain
constexpr std::size_t kOffNextBlock = 0x0A;       // u16: written as the block count
constexpr std::size_t kOffFileBlocks = 0x0C;      // u16: blocks in the file
constexpr std::size_t kOffFirstBlock = 0x0E;      // u16: chain start, 0 when empty
constexpr std::size_t kOffLastBlock = 0x10;       // u16: chain end, 0 when empty
constexpr std::size_t kOffFieldCount = 0x21;      // u16
constexpr std::size_t kOffKeyFields = 0x23;       // u16
constexpr std::size_t kOffEncryption = 0x25;      // u32: 0xFF00FF00 = not encrypted (7.0)
constexpr std::size_t kOffSortOrder = 0x29;       // u8: language driver
constexpr std::size_t kOffVersion = 0x39;         // u8: 3 = 3.0, 4 = 3.5, 5..9 = 4.x, 10..11 = 5.0, 12 = 7.0
constexpr std::size_t kOffMaxBlocks = 0x3A;       // u16: written as the block count
constexpr std::size_t kOffAutoInc = 0x49;         // u32: the last autoincrement value handed out
constexpr std::size_t kBaseHeaderEnd = 0x58;      // the part every version has
constexpr std::size_t kOffRealHeaderSize = 0x51;  // u16: end of the names and sort order name
constexpr std::size_t kOffEncryption2 = 0x5C;     // u32 (4.0 and later)
constexpr std::size_t kOffCodePage = 0x6A;        // u16 (4.0 and later)
constexpr std::size_t kOffFields4 = 0x78;         // field descriptors (type, size), 4.0 and later
constexpr std::size_t kOffFields3 = 0x58;         // field descriptors, 3.x

constexpr uint8_t kVersion7 = 0x0C;
constexpr uint8_t kSortOrderCyrillic = 0x8F;  // "Pdox ANSI Cyrillic"
constexpr const char* kSortOrderName = "ancyrr";
constexpr uint16_t kCodePage = 1251;
constexpr std::size_t kBlockHeader = 6;  // next u16, prev u16, addDataSize s16
constexpr std::size_t kBcdWidth = 17;

// Where each field lives in a record.
struct Layout {
    std::vector<FieldDef> fields;
    std::vector<uint16_t> offset;
    std::vector<uint16_t> width;
    std::size_t recordSize = 0;
};

struct Header {
    uint16_t headerSize = 0;
    uint8_t fileType = 2;
    uint8_t version = kVersion7;
    std::size_t blockSize = 0;
    uint32_t recordCount = 0;
    uint16_t fileBlocks = 0;
    uint16_t firstBlock = 0;
    uint16_t lastBlock = 0;
    uint32_t autoInc = 0;
    std::string tableName;  // UTF-8
    Layout layout;
};

// «Файл «name» повреждён: what».
EngineError Damaged(const std::string& fileName, const std::string& what);

// Bytes of a field of this type in a record; 0 for a type the engine does not handle.
std::size_t FieldWidth(FieldType type, int size);
Layout MakeLayout(std::vector<FieldDef> fields);

// The header size stored in the first bytes (at least kBaseHeaderEnd of them).
uint16_t StoredHeaderSize(const uint8_t* data);
// Whether the first kBaseHeaderEnd bytes can begin a table file at all.
bool LooksLikeTable(const uint8_t* data);
// Parses and checks a header; `data` holds the whole header, `fileSize` is the file's.
Header ParseHeader(const uint8_t* data, std::size_t size, uint64_t fileSize, const std::string& fileName);
// A complete header (header size bytes) for a new, empty version 7.0 table.
std::vector<uint8_t> BuildHeader(const std::string& tableName, const Layout& layout, std::size_t blockSize);
// The block size used for new tables of this record size.
std::size_t ChooseBlockSize(std::size_t recordSize);

// Writes the numbers of `h` that change as the table changes into the header bytes.
void StoreCounters(const Header& h, uint8_t* data);

// Field values. Decode returns false when a stored value is malformed (its field in
// *badField); Encode writes checked values (see CheckValue) without checking again.
bool DecodeRecord(const uint8_t* record, const Layout& layout, Row& out, std::size_t* badField);
// One field of a record, by the same rules.
bool DecodeField(const uint8_t* record, const Layout& layout, std::size_t field, Value& out);
// Whether the 17 bytes of a non-NULL BCD value decode (DecodeRecord's only check), without
// decoding them.
inline bool BcdValid(const uint8_t* p) {
    // 32 digit nibbles after the sign byte; a negative number stores 15 - d, so its
    // nibbles are valid when their complement is. A nibble n is above 9 exactly when
    // n + 6 carries into the next nibble's bit.
    uint64_t invert = (p[0] & 0x80) ? 0 : ~0ull;
    uint64_t bad = 0;
    for (int half = 0; half < 2; ++half) {
        uint64_t w;
        std::memcpy(&w, p + 1 + 8 * half, sizeof w);
        w ^= invert;
        constexpr uint64_t kLow = 0x0F0F0F0F0F0F0F0Full, kSix = 0x0606060606060606ull, kCarry = 0x1010101010101010ull;
        bad |= ((w & kLow) + kSix) & kCarry;
        bad |= (((w >> 4) & kLow) + kSix) & kCarry;
    }
    return bad == 0;
}

// Whether 17 BCD bytes are neither NULL nor decodable.
inline bool BcdMalformed(const uint8_t* p) {
    uint64_t a, b;
    std::memcpy(&a, p + 1, 8);
    std::memcpy(&b, p + 9, 8);
    return (p[0] | a | b) != 0 && !BcdValid(p);
}

void EncodeRecord(const Row& row, const Layout& layout, uint8_t* record);
// Checks and normalises a value for its field as Append/Update accept it: text to code
// page 1251 within the size ("" becomes NULL), numbers within range, decimals rounded to
// the field's scale within 32 digits. Throws EngineError naming the field.
void CheckValue(const FieldDef& field, Value& value);

}  // namespace engine::px

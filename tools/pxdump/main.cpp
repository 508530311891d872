// pxdump FILE: prints a Paradox table file's header field by field (offset, bytes,
// value, meaning), its field descriptors and names, and its block chain, for debugging
// the engine and the pxlib cross-checks. Works on damaged files: every offset is checked
// against the file before it is read.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "engine/ParadoxFormat.h"
#include "engine/TableText.h"

using namespace engine;

namespace {

std::vector<uint8_t> g_file;

bool Has(std::size_t off, std::size_t n) { return off <= g_file.size() && n <= g_file.size() - off; }

std::string Bytes(std::size_t off, std::size_t n) {
    std::string s;
    char b[4];
    for (std::size_t i = 0; i < n && off + i < g_file.size(); ++i) {
        std::snprintf(b, sizeof b, "%02x ", g_file[off + i]);
        s += b;
    }
    return s;
}

unsigned Num(std::size_t off, std::size_t n) {
    unsigned v = 0;
    for (std::size_t i = n; i-- > 0;) v = (v << 8) | (Has(off + i, 1) ? g_file[off + i] : 0);
    return v;
}

void Line(std::size_t off, std::size_t n, const std::string& value, const char* meaning) {
    std::printf("0x%04zx  %-14s %-14s %s\n", off, Bytes(off, n).c_str(), value.c_str(), meaning);
}

void Field(std::size_t off, std::size_t n, const char* meaning) {
    if (!Has(off, n)) {
        std::printf("0x%04zx  (past the end of the file)  %s\n", off, meaning);
        return;
    }
    char v[32];
    std::snprintf(v, sizeof v, "%u", Num(off, n));
    Line(off, n, v, meaning);
}

const char* TypeName(uint8_t t) {
    switch (t) {
    case 0x01: return "alpha";
    case 0x02: return "date";
    case 0x03: return "short";
    case 0x04: return "long";
    case 0x05: return "money";
    case 0x06: return "number";
    case 0x09: return "logical";
    case 0x0C: return "memo";
    case 0x0D: return "blob";
    case 0x14: return "time";
    case 0x15: return "timestamp";
    case 0x16: return "autoinc";
    case 0x17: return "bcd";
    case 0x18: return "bytes";
    default: return "?";
    }
}

std::string CString(std::size_t off, std::size_t max, std::size_t* end) {
    if (!Has(off, 0)) return "(past the end of the file)";
    std::size_t n = 0;
    while (n < max && Has(off + n, 1) && g_file[off + n]) ++n;
    if (end) *end = off + n + 1;
    std::string s;
    AppendCp1251AsUtf8(g_file.data() + off, n, s);
    return s;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: pxdump FILE.DB\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "pxdump: cannot open %s\n", argv[1]);
        return 1;
    }
    g_file.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    std::printf("%s: %zu bytes\n\noffset  bytes          value          meaning\n", argv[1], g_file.size());
    Field(px::kOffRecordSize, 2, "record size (sum of the field widths)");
    Field(px::kOffHeaderSize, 2, "header size (block 1 starts here)");
    Field(px::kOffFileType, 1, "file type (2 = unkeyed .DB, 0 = keyed)");
    Field(px::kOffBlockKiB, 1, "block size in KiB");
    Field(px::kOffRecordCount, 4, "record count");
    Field(px::kOffNextBlock, 2, "next block (written as the block count)");
    Field(px::kOffFileBlocks, 2, "blocks in the file");
    Field(px::kOffFirstBlock, 2, "first block of the chain");
    Field(px::kOffLastBlock, 2, "last block of the chain");
    Field(px::kOffFieldCount, 2, "field count");
    Field(px::kOffKeyFields, 2, "key field count");
    Field(px::kOffEncryption, 4, "encryption (0xFF00FF00 = none, 7.0)");
    Field(px::kOffSortOrder, 1, "sort order (0x8F ancyrr, 0x62 ANSIINTL)");
    Field(0x2D, 2, "change counts");
    Field(0x38, 1, "write protected");
    Field(px::kOffVersion, 1, "version (3 = 3.0 .. 12 = 7.0)");
    Field(px::kOffMaxBlocks, 2, "max blocks");
    Field(px::kOffAutoInc, 4, "autoincrement counter (last value handed out)");
    if (!Has(0, px::kBaseHeaderEnd)) return 1;
    uint8_t version = g_file[px::kOffVersion];
    std::size_t fieldsAt = px::kOffFields3;
    if (version >= 5) {
        Field(px::kOffRealHeaderSize, 2, "real header size (end of the names)");
        Field(0x58, 2, "version again");
        Field(px::kOffEncryption2, 4, "encryption 2");
        Field(0x60, 4, "update time");
        Field(0x64, 2, "highest field id");
        Field(px::kOffCodePage, 2, "code page");
        fieldsAt = px::kOffFields4;
    }

    std::size_t n = Num(px::kOffFieldCount, 2);
    std::size_t rs = Num(px::kOffRecordSize, 2);
    std::printf("\nfields (descriptors at 0x%02zx):\n", fieldsAt);
    std::size_t namesAt = fieldsAt + 2 * n + 4 + 4 * n + (version >= 12 ? 261 : 79);
    std::size_t tableNameAt = fieldsAt + 2 * n + 4 + 4 * n;
    std::printf("  table name at 0x%04zx: \"%s\"\n", tableNameAt, CString(tableNameAt, 261, nullptr).c_str());
    std::size_t pos = namesAt;
    std::size_t width = 0;
    for (std::size_t i = 0; i < n && Has(fieldsAt + 2 * i, 2); ++i) {
        uint8_t type = g_file[fieldsAt + 2 * i], size = g_file[fieldsAt + 2 * i + 1];
        std::size_t w = type == 0x17 ? 17 : size;
        std::string name = CString(pos, 1024, &pos);
        std::printf("  %2zu  0x%04zx  %02x %02x  %-9s %s %-3u at record offset %zu  \"%s\"\n", i + 1, fieldsAt + 2 * i,
                    type, size, TypeName(type), type == 0x17 ? "decimals" : "size    ", size, width, name.c_str());
        width += w;
    }
    std::printf("  field numbers at 0x%04zx, sort order name \"%s\"\n", pos, CString(pos + 2 * n, 64, nullptr).c_str());

    std::size_t headerSize = Num(px::kOffHeaderSize, 2);
    std::size_t blockSize = Num(px::kOffBlockKiB, 1) * 1024;
    std::size_t blocks = Num(px::kOffFileBlocks, 2);
    std::printf("\nblock chain (block n at 0x%zx + (n-1) * 0x%zx):\n", headerSize, blockSize);
    std::set<unsigned> seen;
    unsigned b = Num(px::kOffFirstBlock, 2);
    unsigned long total = 0;
    while (b != 0 && blockSize && rs) {
        std::size_t off = headerSize + static_cast<std::size_t>(b - 1) * blockSize;
        if (!seen.insert(b).second) {
            std::printf("  block %u again: the chain is a cycle\n", b);
            break;
        }
        if (!Has(off, px::kBlockHeader)) {
            std::printf("  block %u @0x%zx: past the end of the file\n", b, off);
            break;
        }
        unsigned next = Num(off, 2), prev = Num(off + 2, 2);
        int add = static_cast<int16_t>(Num(off + 4, 2));
        long count = (add + static_cast<long>(rs)) / static_cast<long>(rs);
        total += count > 0 ? count : 0;
        std::printf("  block %u @0x%zx: next %u, prev %u, addDataSize %d -> %ld records%s\n", b, off, next, prev, add,
                    count, (add + static_cast<long>(rs)) % static_cast<long>(rs) ? " (not a multiple!)" : "");
        b = next;
    }
    std::printf("records in the chain: %lu (header says %u)\n", total, Num(px::kOffRecordCount, 4));
    std::string outside;
    for (unsigned i = 1; i <= blocks; ++i)
        if (!seen.count(i)) outside += " " + std::to_string(i);
    std::printf("blocks outside the chain:%s\n", outside.empty() ? " none" : outside.c_str());
    return 0;
}

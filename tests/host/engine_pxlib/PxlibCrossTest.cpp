// Tables written by the engine read by pxlib, and tables written by pxlib read (and then
// changed) by the engine. pxlib 0.6.8's defects are worked around: all-zero fields are
// tested for NULL before pxlib decodes them (it reads 8 bytes for a 4-byte long on
// 64-bit), files are opened with fopen "rb" and PX_open_fp, and its error handler is ours.
#include <gtest/gtest.h>
extern "C" {  // paradox.h declares C functions without saying so
#include <paradox.h>
}
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "core/Cp1251.h"
#include "engine/Database.h"
#include "engine/ParadoxTable.h"

using namespace engine;

namespace {

namespace fs = std::filesystem;

std::string g_pxError;
void OnPxError(pxdoc_t*, int, const char* msg, void*) { g_pxError += msg; }
void* PxAlloc(pxdoc_t*, size_t size, const char*) { return std::malloc(size); }
void* PxRealloc(pxdoc_t*, void* mem, size_t size, const char*) { return std::realloc(mem, size); }
void PxFree(pxdoc_t*, void* mem) { std::free(mem); }

struct TempDir {
    fs::path path = fs::temp_directory_path() / ("lorvena-pxlib-" + std::to_string(::getpid()));
    TempDir() {
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TempDir() { fs::remove_all(path); }
    std::string File(const char* name) const {
        return (path / fs::path(reinterpret_cast<const char8_t*>(name))).string();
    }
};

const std::vector<FieldDef> kFields = {{"Id", FieldType::AutoInc, 0},  {"Имя", FieldType::Alpha, 60},
                                       {"Вес", FieldType::Short, 0},   {"Big", FieldType::Long, 0},
                                       {"Real", FieldType::Number, 0}, {"Сумма", FieldType::Bcd, 3},
                                       {"Day", FieldType::Date, 0},    {"Flag", FieldType::Logical, 0}};

// Row i of the sample: Cyrillic text, three-decimal amounts, dates and some NULLs.
Row Sample(int i) {
    Row r(kFields.size());
    if (i % 7 != 3) r[1] = "Продукт №" + std::to_string(i) + " «Ёлочка»";
    r[2] = static_cast<int32_t>(i * 331 % 65535 - 32767);
    if (i % 4 != 1) r[3] = static_cast<int32_t>(i * 1000003 - 50000000);
    if (i % 6 != 5) r[4] = i * 0.37 - 3.5;
    if (i % 5 != 2) {
        char text[40];
        std::snprintf(text, sizeof text, "%s%d.%03d", i % 3 == 0 ? "-" : "", i * 97, i * 37 % 1000);
        r[5] = Decimal::FromString(text, 3);
    }
    if (i % 8 != 7) r[6] = Date{730120 + i * 13};
    if (i % 9 != 4) r[7] = i % 2 == 0;
    return r;
}

// One table read by pxlib, values in the engine's terms.
std::vector<Row> ReadWithPxlib(const std::string& path, pxhead_t* headOut = nullptr) {
    std::vector<Row> rows;
    FILE* fp = std::fopen(path.c_str(), "rb");
    if (!fp) {
        ADD_FAILURE() << "cannot open " << path;
        return rows;
    }
    pxdoc_t* doc = PX_new2(OnPxError, PxAlloc, PxRealloc, PxFree);
    g_pxError.clear();
    if (PX_open_fp(doc, fp) < 0) {
        ADD_FAILURE() << "pxlib: " << g_pxError;
        PX_delete(doc);
        std::fclose(fp);
        return rows;
    }
    PX_set_parameter(doc, "targetencoding", "UTF-8");
    pxhead_t* head = doc->px_head;
    if (headOut) *headOut = *head;
    std::vector<char> rec(head->px_recordsize);
    for (int n = 0; n < PX_get_num_records(doc); ++n) {
        if (PX_get_record(doc, n, rec.data()) == nullptr) {
            ADD_FAILURE() << "pxlib record " << n << ": " << g_pxError;
            break;
        }
        Row row(head->px_numfields);
        char* p = rec.data();
        for (int f = 0; f < head->px_numfields; ++f) {
            pxfield_t& fd = head->px_fields[f];
            bool zero = true;
            for (int k = 0; k < fd.px_flen; ++k) zero = zero && p[k] == 0;
            if (!zero) {
                switch (fd.px_ftype) {
                case pxfAlpha: {
                    char* s = nullptr;
                    if (PX_get_data_alpha(doc, p, fd.px_flen, &s) > 0) row[f] = std::string(s);
                    PxFree(doc, s);
                    break;
                }
                case pxfShort: {
                    short v = 0;
                    PX_get_data_short(doc, p, fd.px_flen, &v);
                    row[f] = static_cast<int32_t>(v);
                    break;
                }
                case pxfLong:
                case pxfAutoInc:
                case pxfDate: {
                    long v = 0;
                    PX_get_data_long(doc, p, fd.px_flen, &v);
                    if (fd.px_ftype == pxfDate)
                        row[f] = Date{static_cast<int32_t>(v)};
                    else
                        row[f] = static_cast<int32_t>(v);
                    break;
                }
                case pxfNumber: {
                    double v = 0;
                    PX_get_data_double(doc, p, fd.px_flen, &v);
                    row[f] = v;
                    break;
                }
                case pxfLogical: {
                    char v = 0;
                    PX_get_data_byte(doc, p, fd.px_flen, &v);
                    row[f] = v != 0;
                    break;
                }
                case pxfBCD: {
                    char* s = nullptr;
                    if (PX_get_data_bcd(doc, reinterpret_cast<unsigned char*>(p), fd.px_fdc, &s) > 0) {
                        std::string text = s[0] == '+' ? s + 1 : s;
                        row[f] = Decimal::FromString(text, fd.px_fdc);
                    }
                    PxFree(doc, s);
                    break;
                }
                default: ADD_FAILURE() << "unexpected type " << int(fd.px_ftype);
                }
            }
            p += fd.px_flen;
        }
        rows.push_back(std::move(row));
    }
    PX_close(doc);
    PX_delete(doc);
    std::fclose(fp);
    EXPECT_EQ(g_pxError, "");
    return rows;
}

// --- An encoder of our own for pxlib's raw records, straight from the file format. ---
void BigEndian(char* p, uint64_t v, int n) {
    for (int i = 0; i < n; ++i) p[i] = static_cast<char>(v >> (8 * (n - 1 - i)));
}

void EncodeForPxlib(const Row& row, std::vector<char>& rec) {
    std::fill(rec.begin(), rec.end(), 0);
    char* p = rec.data();
    for (std::size_t f = 0; f < kFields.size(); ++f) {
        const Value& v = row[f];
        const FieldDef& fd = kFields[f];
        int width = fd.type == FieldType::Alpha     ? fd.size
                    : fd.type == FieldType::Short   ? 2
                    : fd.type == FieldType::Number  ? 8
                    : fd.type == FieldType::Bcd     ? 17
                    : fd.type == FieldType::Logical ? 1
                                                    : 4;
        if (!IsNull(v)) {
            switch (fd.type) {
            case FieldType::Alpha: {
                std::string s = Utf8ToCp1251(std::get<std::string>(v));
                std::memcpy(p, s.data(), s.size());
                break;
            }
            case FieldType::Short: BigEndian(p, static_cast<uint16_t>(std::get<int32_t>(v)) ^ 0x8000u, 2); break;
            case FieldType::Long:
            case FieldType::AutoInc: BigEndian(p, static_cast<uint32_t>(std::get<int32_t>(v)) ^ 0x80000000u, 4); break;
            case FieldType::Date: BigEndian(p, static_cast<uint32_t>(std::get<Date>(v).day) ^ 0x80000000u, 4); break;
            case FieldType::Number: {
                double d = std::get<double>(v);
                uint64_t bits;
                std::memcpy(&bits, &d, 8);
                BigEndian(p, d >= 0 ? bits | (1ull << 63) : ~bits, 8);
                break;
            }
            case FieldType::Logical: p[0] = std::get<bool>(v) ? '\x81' : '\x80'; break;
            case FieldType::Bcd: {
                const Decimal& d = std::get<Decimal>(v);
                std::string digits = std::string(32 - d.digits.size(), '0') + d.digits;
                p[0] = static_cast<char>((d.negative ? 0x00 : 0x80) | 0x40 | fd.size);
                for (int k = 0; k < 32; ++k) {
                    int nib = digits[k] - '0';
                    if (d.negative) nib = 15 - nib;
                    p[1 + k / 2] = static_cast<char>(p[1 + k / 2] | (k % 2 ? nib : nib << 4));
                }
                break;
            }
            }
        }
        p += width;
    }
}

void WriteWithPxlib(const std::string& path, const std::vector<Row>& rows, const char* tableName) {
    FILE* fp = std::fopen(path.c_str(), "w+b");
    ASSERT_TRUE(fp);
    pxdoc_t* doc = PX_new2(OnPxError, PxAlloc, PxRealloc, PxFree);
    g_pxError.clear();
    auto* fields = static_cast<pxfield_t*>(std::malloc(sizeof(pxfield_t) * kFields.size()));
    int recordSize = 0;
    for (std::size_t f = 0; f < kFields.size(); ++f) {
        const FieldDef& fd = kFields[f];
        fields[f].px_fname = PX_strdup(doc, Utf8ToCp1251(fd.name).c_str());
        fields[f].px_ftype = static_cast<char>(fd.type);
        fields[f].px_flen = fd.type == FieldType::Alpha     ? fd.size
                            : fd.type == FieldType::Short   ? 2
                            : fd.type == FieldType::Number  ? 8
                            : fd.type == FieldType::Bcd     ? 17
                            : fd.type == FieldType::Logical ? 1
                                                            : 4;
        fields[f].px_fdc = fd.type == FieldType::Bcd ? fd.size : 0;
        recordSize += fields[f].px_flen;
    }
    ASSERT_EQ(PX_create_fp(doc, fields, static_cast<int>(kFields.size()), fp, pxfFileTypNonIndexDB), 0) << g_pxError;
    PX_set_value(doc, "codepage", 1251);
    PX_set_tablename(doc, tableName);
    std::vector<char> rec(recordSize);
    for (const Row& r : rows) {
        EncodeForPxlib(r, rec);
        ASSERT_GE(PX_put_record(doc, rec.data()), 0) << g_pxError;
    }
    PX_close(doc);
    PX_delete(doc);
    std::fclose(fp);
    EXPECT_EQ(g_pxError, "");
}

std::vector<Row> Rows(const Table& t) {
    std::vector<Row> out;
    for (std::size_t i = 0; i < t.RowCount(); ++i) out.push_back(*t.RowAt(i));
    return out;
}

TEST(EnginePxlib, EngineTablesReadByPxlib) {
    TempDir dir;
    std::vector<Row> expect;
    {
        Database db(dir.path.string());
        Table& t = db.CreateTable("Сateg.db", kFields);
        for (int i = 0; i < 80; ++i) t.Append(Sample(i));
        for (int i = 0; i < 22; ++i) t.Remove(20);          // leaves blocks out of the chain
        for (int i = 80; i < 90; ++i) t.Append(Sample(i));  // one of them taken again
        t.Update(3, Sample(200));
        expect = Rows(t);
    }
    pxhead_t head;
    std::vector<Row> got = ReadWithPxlib(dir.File("Сateg.db"), &head);
    EXPECT_EQ(got, expect);
    EXPECT_EQ(head.px_doscodepage, 1251);
    EXPECT_EQ(static_cast<uint8_t>(head.px_sortorder), 0x8F);
    EXPECT_EQ(head.px_fileversion, 70);
    EXPECT_EQ(head.px_autoinc, 90);
    EXPECT_EQ(head.px_numrecords, 68);
    EXPECT_GE(head.px_fileblocks, 4u);
}

TEST(EnginePxlib, PxlibTablesReadAndChangedByEngine) {
    TempDir dir;
    std::vector<Row> rows;
    for (int i = 0; i < 300; ++i) {  // several of pxlib's blocks
        Row r = Sample(i);
        r[0] = i + 1;
        rows.push_back(r);
    }
    WriteWithPxlib(dir.File("Food.DB"), rows, "Food.DB");
    // The file itself, as pxlib reads it back.
    EXPECT_EQ(ReadWithPxlib(dir.File("Food.DB")), rows);
    {
        Database db(dir.path.string());
        Table& t = db.OpenTable("Food");
        ASSERT_EQ(Rows(t), rows);
        EXPECT_GT(static_cast<ParadoxTable&>(t).BlockSize(), 2048u);  // pxlib's block size, not ours
        // pxlib leaves the counter at 0: a fresh id must still be above every present one.
        t.Append(Sample(500));
        EXPECT_EQ(std::get<int32_t>((*t.RowAt(300))[0]), 301);
        t.Remove(0);
        t.Remove(150);
        rows = Rows(t);
    }
    EXPECT_EQ(ReadWithPxlib(dir.File("Food.DB")), rows);
}

}  // namespace

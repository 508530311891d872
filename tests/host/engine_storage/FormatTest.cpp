// Byte layout of values and headers, and engine::Decimal.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "engine/ParadoxFormat.h"
#include "engine/Value.h"
#include "TestTables.h"

using namespace engine;
using enginetest::Dec;

namespace {

std::string Hex(const std::vector<uint8_t>& b) {
    static const char* d = "0123456789abcdef";
    std::string s;
    for (uint8_t x : b) {
        s += d[x >> 4];
        s += d[x & 15];
    }
    return s;
}

// The bytes of one value in a one-field record.
std::string Encoded(FieldDef f, Value v) {
    px::CheckValue(f, v);
    px::Layout l = px::MakeLayout({f});
    std::vector<uint8_t> rec(l.recordSize);
    px::EncodeRecord({v}, l, rec.data());
    Row back;
    EXPECT_TRUE(px::DecodeRecord(rec.data(), l, back, nullptr));
    EXPECT_EQ(back[0], v) << "round trip of " << Hex(rec);
    return Hex(rec);
}

TEST(EngineStorageDecimal, ParsesRoundsAndPrints) {
    EXPECT_EQ(Decimal::FromString("12.5", 3).ToString(), "12.500");
    EXPECT_EQ(Decimal::FromString("12.5", 3).digits, "12500");
    EXPECT_EQ(Decimal::FromString("-0.0005", 3).ToString(), "-0.001");  // half away from zero
    EXPECT_EQ(Decimal::FromString("0.0004", 3).ToString(), "0.000");
    EXPECT_EQ(Decimal::FromString("9.9995", 3).ToString(), "10.000");
    EXPECT_EQ(Decimal::FromString(".5", 0).ToString(), "1");
    EXPECT_EQ(Decimal::FromString("7.", 2).ToString(), "7.00");
    Decimal negZero = Decimal::FromString("-0.0001", 3);
    EXPECT_FALSE(negZero.negative);
    EXPECT_EQ(negZero, Decimal::FromString("0", 3));
    for (const char* bad : {"", "-", ".", "1,5", "1e3", " 1", "1.2.3", "abc"})
        EXPECT_THROW(Decimal::FromString(bad, 3), EngineError) << bad;
    EXPECT_THROW(Decimal::FromString("1", 33), EngineError);
}

TEST(EngineStorageDecimal, FromDoubleRoundsAsTyped) {
    EXPECT_EQ(Decimal::FromDouble(6.6, 3).ToString(), "6.600");
    EXPECT_EQ(Decimal::FromDouble(2.0005, 3).ToString(), "2.001");
    EXPECT_EQ(Decimal::FromDouble(-1.5, 3).ToString(), "-1.500");
    EXPECT_EQ(Decimal::FromDouble(-0.0, 3), Decimal::FromString("0", 3));
    EXPECT_EQ(Decimal::FromDouble(1e20, 0).ToString(), "100000000000000000000");
    EXPECT_THROW(Decimal::FromDouble(std::numeric_limits<double>::quiet_NaN(), 3), EngineError);
    // Every value with three decimals survives double -> Decimal -> double -> Decimal.
    for (int i = -200000; i <= 200000; i += 7) {
        char text[32];
        std::snprintf(text, sizeof text, "%s%d.%03d", i < 0 ? "-" : "", std::abs(i) / 1000, std::abs(i) % 1000);
        Decimal d = Decimal::FromString(text, 3);
        ASSERT_EQ(Decimal::FromDouble(d.ToDouble(), 3), d) << text;
        ASSERT_EQ(d.ToString(), i == 0 ? "0.000" : text);
    }
}

TEST(EngineStorageFormat, IntegerDateLogicalBytes) {
    FieldDef s{"S", FieldType::Short, 0}, l{"L", FieldType::Long, 0}, d{"D", FieldType::Date, 0};
    EXPECT_EQ(Encoded(s, 1), "8001");
    EXPECT_EQ(Encoded(s, 0), "8000");
    EXPECT_EQ(Encoded(s, -1), "7fff");
    EXPECT_EQ(Encoded(s, 32767), "ffff");
    EXPECT_EQ(Encoded(s, -32767), "0001");
    EXPECT_EQ(Encoded(l, 1), "80000001");
    EXPECT_EQ(Encoded(l, -1), "7fffffff");
    EXPECT_EQ(Encoded(l, -2147483647), "00000001");
    EXPECT_EQ(Encoded(d, Date{693594}), "800a955a");   // 1899-12-30
    EXPECT_EQ(Encoded(d, Date{3652059}), "8037b9db");  // 9999-12-31
    EXPECT_EQ(Encoded({"B", FieldType::Logical, 0}, false), "80");
    EXPECT_EQ(Encoded({"B", FieldType::Logical, 0}, true), "81");
    EXPECT_EQ(Encoded({"N", FieldType::Number, 0}, 1.0), "bff0000000000000");
    EXPECT_EQ(Encoded({"N", FieldType::Number, 0}, -1.5), "4007ffffffffffff");
    EXPECT_EQ(Encoded({"N", FieldType::Number, 0}, -0.0), "8000000000000000");
    EXPECT_EQ(Encoded(s, std::monostate{}), "0000");
}

TEST(EngineStorageFormat, BcdBytes) {
    FieldDef b3{"P", FieldType::Bcd, 3};
    EXPECT_EQ(Encoded(b3, Dec("1")),
              "c3"
              "00000000000000000000000000001000");
    EXPECT_EQ(Encoded(b3, Dec("0")),
              "c3"
              "00000000000000000000000000000000");
    EXPECT_EQ(Encoded(b3, Dec("0.001")),
              "c3"
              "00000000000000000000000000000001");
    EXPECT_EQ(Encoded(b3, Dec("-1.5")),
              "43"
              "ffffffffffffffffffffffffffffeaff");
    EXPECT_EQ(Encoded(b3, Dec("-0")),
              "c3"
              "00000000000000000000000000000000");
    EXPECT_EQ(Encoded(b3, Dec("99999999999999999999999999999.999")), "c3" + std::string(32, '9'));
    EXPECT_EQ(Encoded(b3, Dec("-99999999999999999999999999999.999")), "43" + std::string(32, '6'));
    EXPECT_EQ(Encoded({"Q", FieldType::Bcd, 0}, Decimal::FromString("1", 0)), "c0" + std::string(31, '0') + "1");
    EXPECT_EQ(Encoded({"Q", FieldType::Bcd, 32}, Decimal::FromString("0.1", 32)), "e010" + std::string(30, '0'));
    EXPECT_EQ(Encoded({"Q", FieldType::Bcd, 32}, Decimal::FromString("-0." + std::string(31, '0') + "1", 32)),
              "60" + std::string(31, 'f') + "e");
    // A Decimal of another scale is rounded to the field's.
    Value v = Decimal::FromString("2.34567", 5);
    px::CheckValue(b3, v);
    EXPECT_EQ(std::get<Decimal>(v).ToString(), "2.346");
    // Bad nibbles are reported, not decoded.
    px::Layout l = px::MakeLayout({b3});
    std::vector<uint8_t> rec(17, 0);
    rec[0] = 0xC3;
    rec[5] = 0xA0;
    Row row;
    std::size_t bad = 99;
    EXPECT_FALSE(px::DecodeRecord(rec.data(), l, row, &bad));
    EXPECT_EQ(bad, 0u);
}

// Every nibble of a BCD value, each of its 16 values, both signs: decoded exactly when
// every digit is 0..9 (after the complement of a negative number), to the digits a plain
// nibble-by-nibble reading gives.
TEST(EngineStorageFormat, BcdDecodesOrRejectsEveryNibble) {
    px::Layout l = px::MakeLayout({{"P", FieldType::Bcd, 3}});
    const std::string base = "00000000000000001234567890123450";
    for (bool negative : {false, true}) {
        for (int pos = 0; pos < 32; ++pos) {
            for (int value = 0; value < 16; ++value) {
                std::string digits = base;  // as stored, before any complement
                std::vector<uint8_t> rec(17, 0);
                rec[0] = negative ? 0x43 : 0xC3;
                bool valid = true;
                for (int i = 0; i < 32; ++i) {
                    int d = i == pos ? value : digits[i] - '0';
                    if (d > 9) valid = false;
                    int nib = negative ? 15 - d : d;
                    rec[1 + i / 2] |= static_cast<uint8_t>(i % 2 == 0 ? nib << 4 : nib);
                    digits[i] = static_cast<char>('0' + (d > 9 ? 0 : d));
                }
                SCOPED_TRACE(Hex(rec));
                Row row;
                std::size_t bad = 99;
                ASSERT_EQ(px::DecodeRecord(rec.data(), l, row, &bad), valid);
                EXPECT_EQ(px::BcdMalformed(rec.data()), !valid);
                if (!valid) {
                    EXPECT_EQ(bad, 0u);
                    continue;
                }
                std::string magnitude = digits.substr(std::min(digits.find_first_not_of('0'), digits.size()));
                const Decimal& d = std::get<Decimal>(row[0]);
                EXPECT_EQ(d.digits, magnitude.empty() ? "0" : magnitude);
                EXPECT_EQ(d.negative, negative && !magnitude.empty());
                EXPECT_EQ(d.scale, 3);
            }
        }
    }
    // NULL (all zero) is neither malformed nor a number; 0 is a number.
    std::vector<uint8_t> rec(17, 0);
    EXPECT_FALSE(px::BcdMalformed(rec.data()));
    Row row;
    ASSERT_TRUE(px::DecodeRecord(rec.data(), l, row, nullptr));
    EXPECT_TRUE(IsNull(row[0]));
    rec[0] = 0xC3;
    ASSERT_TRUE(px::DecodeRecord(rec.data(), l, row, nullptr));
    EXPECT_EQ(std::get<Decimal>(row[0]), Dec("0"));
    // A zero byte with a bad one after it: the leading-zero skip must not pass over it.
    rec[16] = 0x0F;
    EXPECT_TRUE(px::BcdMalformed(rec.data()));
}

TEST(EngineStorageFormat, AlphaBytesAndChecks) {
    FieldDef a{"A", FieldType::Alpha, 6};
    EXPECT_EQ(Encoded(a, std::string("Ёё№«—»")), "a8b8b9ab97bb");  // full: no terminator
    EXPECT_EQ(Encoded(a, std::string("Хлеб")), "d5ebe5e10000");
    Value empty = std::string();
    px::CheckValue(a, empty);
    EXPECT_TRUE(IsNull(empty));
    auto rejects = [](FieldDef f, Value v) { EXPECT_THROW(px::CheckValue(f, v), EngineError); };
    rejects(a, std::string("Семь букв"));  // 9 letters > 6
    rejects(a, std::string("日本"));       // not in code page 1251
    rejects(a, std::string("a\xff"));      // not UTF-8
    rejects(a, std::string("a\0b", 3));
    rejects(a, 5);  // wrong alternative
    rejects({"S", FieldType::Short, 0}, 32768);
    rejects({"S", FieldType::Short, 0}, -32768);
    rejects({"L", FieldType::Long, 0}, INT32_MIN);
    rejects({"D", FieldType::Date, 0}, Date{0});
    rejects({"N", FieldType::Number, 0}, std::numeric_limits<double>::infinity());
    rejects({"P", FieldType::Bcd, 3}, Dec("100000000000000000000000000000"));  // 30 integer digits
    rejects({"P", FieldType::Bcd, 3}, 1.5);
    Decimal junk;
    junk.digits = "12x";
    rejects({"P", FieldType::Bcd, 3}, junk);
}

TEST(EngineStorageFormat, HeaderOfNewFoodTable) {
    px::Layout l = px::MakeLayout(enginetest::FoodFields());
    EXPECT_EQ(l.recordSize, 174u);
    std::vector<uint8_t> h = px::BuildHeader("Сateg.db", l, px::ChooseBlockSize(l.recordSize));
    ASSERT_EQ(h.size(), 0x800u);
    EXPECT_EQ(Hex({h.begin(), h.begin() + 6}), "ae0000080202");
    EXPECT_EQ(h[0x21], 7);
    EXPECT_EQ(Hex({h.begin() + 0x25, h.begin() + 0x2A}), "00ff00ff8f");
    EXPECT_EQ(h[0x39], 0x0C);
    EXPECT_EQ(Hex({h.begin() + 0x6A, h.begin() + 0x6C}), "e304");
    EXPECT_EQ(Hex({h.begin() + 0x78, h.begin() + 0x86}), "1604016417031703170317030302");
    EXPECT_EQ(std::memcmp(&h[0xA6],
                          "\xD1"
                          "ateg.db",
                          8),
              0);
    EXPECT_EQ(std::memcmp(&h[0x1AB], "Id_food\0Nazv_food\0", 18), 0);
    std::size_t real = GetLE16(&h[0x51]);
    EXPECT_EQ(std::memcmp(&h[real - 7], "ancyrr\0", 7), 0);
    px::Header parsed = px::ParseHeader(h.data(), h.size(), h.size(), "Сateg.db");
    EXPECT_EQ(parsed.tableName, "Сateg.db");
    ASSERT_EQ(parsed.layout.fields.size(), 7u);
    EXPECT_EQ(parsed.layout.fields[1].name, "Nazv_food");
    EXPECT_EQ(parsed.layout.fields[2].size, 3);
    EXPECT_EQ(parsed.blockSize, 2048u);
}

}  // namespace

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/RussianCollation.h"
#include "engine/SqlSum.h"
#include "tests/host/engine_sql/FoodTables.h"

namespace {

using namespace engine_sql_test;
using engine::FieldType;
using engine::Value;

// A table with a column of each sortable kind and a row number to tell rows apart.
class EngineSqlOrder : public ::testing::Test {
protected:
    EngineSqlOrder()
        : table_("T.DB", {{"N", FieldType::Long, 0},
                          {"Name", FieldType::Alpha, 40},
                          {"Amount", FieldType::Bcd, 2},
                          {"Ratio", FieldType::Number, 0},
                          {"Day", FieldType::Date, 0},
                          {"Flag", FieldType::Logical, 0},
                          {"Grp", FieldType::Short, 0}}) {
        tables_.byName = {{"T", &table_}};
    }

    void Add(const Value& name, const Value& amount, const Value& ratio, const Value& day, const Value& flag, int grp) {
        int n = static_cast<int>(table_.RowCount());
        table_.Append({Value(int32_t(n)), name, amount, ratio, day, flag, Value(int32_t(grp))});
    }
    std::vector<int> Order(const std::string& orderBy) {
        std::vector<int> out;
        for (const auto& row : tables_.Run("select * from T order by " + orderBy).rows)
            out.push_back(std::get<int32_t>((*row)[0]));
        return out;
    }

    MemoryTable table_;
    Tables tables_;
};

TEST_F(EngineSqlOrder, NullsFirstEqualKeysKeepStorageOrderDescendingReverses) {
    Add(Value(std::string("б")), Value(Dec("2", 2)), Value(2.0), Value(engine::Date{20}), Value(true), 1);     // 0
    Add(Value(), Value(), Value(), Value(), Value(), 1);                                                       // 1
    Add(Value(std::string("А")), Value(Dec("-1", 2)), Value(-1.0), Value(engine::Date{10}), Value(false), 2);  // 2
    Add(Value(std::string("б")), Value(Dec("2", 2)), Value(2.0), Value(engine::Date{20}), Value(true), 2);     // 3
    Add(Value(), Value(), Value(), Value(), Value(), 2);                                                       // 4
    Add(Value(std::string("Б")), Value(Dec("10", 2)), Value(10.0), Value(engine::Date{30}), Value(true), 1);   // 5

    for (const char* column : {"Name", "Amount", "Ratio", "Day"}) {
        SCOPED_TRACE(column);
        EXPECT_EQ(Order(column), (std::vector<int>{1, 4, 2, 0, 3, 5}));
        EXPECT_EQ(Order(std::string(column) + " asc"), (std::vector<int>{1, 4, 2, 0, 3, 5}));
        EXPECT_EQ(Order(std::string(column) + " desc"), (std::vector<int>{5, 0, 3, 2, 1, 4}));
    }
    EXPECT_EQ(Order("flag"), (std::vector<int>{1, 4, 2, 0, 3, 5}));
    EXPECT_EQ(Order("grp, name desc"), (std::vector<int>{5, 0, 1, 3, 2, 4}));
    EXPECT_EQ(Order("grp desc, n desc"), (std::vector<int>{4, 3, 2, 5, 1, 0}));
}

TEST_F(EngineSqlOrder, BcdSortsExactlyAndNotANumberDoesNotBreakTheSort) {
    // 10^17 and 10^17 + 1 are the same double; BCD keeps them apart.
    Add(Value(), Value(Dec("100000000000000001", 2)), Value(std::nan("")), Value(), Value(), 0);             // 0
    Add(Value(), Value(Dec("100000000000000000", 2)), Value(1.0), Value(), Value(), 0);                      // 1
    Add(Value(), Value(Dec("-0.01", 2)), Value(std::nan("")), Value(), Value(), 0);                          // 2
    Add(Value(), Value(Dec("0", 2)), Value(-std::numeric_limits<double>::infinity()), Value(), Value(), 0);  // 3
    Add(Value(), Value(Dec("0.5", 2)), Value(0.0), Value(), Value(), 0);                                     // 4
    Add(Value(), Value(Dec("-3", 2)), Value(-0.0), Value(), Value(), 0);                                     // 5
    EXPECT_EQ(Order("amount"), (std::vector<int>{5, 2, 3, 4, 1, 0}));
    EXPECT_EQ(Order("amount desc"), (std::vector<int>{0, 1, 4, 3, 2, 5}));
    EXPECT_EQ(Order("ratio"), (std::vector<int>{3, 4, 5, 1, 0, 2}));  // 0 and -0 tie; NaN last
}

TEST_F(EngineSqlOrder, ManyRowsComeOutSortedAndStable) {
    const char* names[] = {"Щи",   "щи",    "Борщ",   "борщ", "Ёрш", "ерш", "Каша", "каша гречневая",
                           "Каша", "Суп 2", "Суп 10", "суп"};
    for (int i = 0; i < 3000; ++i) Add(Value(std::string(names[(i * 7) % 12])), Value(), Value(), Value(), Value(), 0);
    auto r = tables_.Run("select * from T order by name");
    ASSERT_EQ(r.rows.size(), 3000u);
    for (std::size_t i = 0; i + 1 < r.rows.size(); ++i) {
        const auto& a = *r.rows[i];
        const auto& b = *r.rows[i + 1];
        int c = CompareRussian(std::get<std::string>(a[1]), std::get<std::string>(b[1]));
        ASSERT_LE(c, 0) << i;
        if (c == 0) {
            ASSERT_LT(std::get<int32_t>(a[0]), std::get<int32_t>(b[0])) << i;
        }
    }
    EXPECT_EQ(std::get<std::string>((*r.rows.front())[1]), "борщ");
}

TEST(EngineSqlSum, SumsEachKindExactly) {
    engine::ColumnSum none;
    EXPECT_FALSE(none.Result().has_value());
    none.Add(Value());
    EXPECT_FALSE(none.Result().has_value());

    engine::ColumnSum ints;
    for (int i = 0; i < 1000; ++i) ints.Add(Value(int32_t(std::numeric_limits<int32_t>::max())));
    EXPECT_EQ(*ints.Result(), 1000.0 * std::numeric_limits<int32_t>::max());

    engine::ColumnSum tenths;  // 0.1 a thousand times is 100 exactly in decimal
    for (int i = 0; i < 1000; ++i) tenths.Add(Value(Dec("0.1")));
    EXPECT_EQ(*tenths.Result(), 100.0);

    engine::ColumnSum mixedScales;
    mixedScales.Add(Value(Dec("1.5", 1)));
    mixedScales.Add(Value(Dec("0.25", 2)));
    mixedScales.Add(Value(Dec("-2.125", 3)));
    EXPECT_EQ(*mixedScales.Result(), -0.375);

    engine::ColumnSum big;  // 32-digit magnitudes do not overflow
    big.Add(Value(Dec("99999999999999999999999999999", 3)));
    big.Add(Value(Dec("99999999999999999999999999999", 3)));
    EXPECT_DOUBLE_EQ(*big.Result(), 2e29);

    engine::ColumnSum cancel;
    cancel.Add(Value(Dec("5.5")));
    cancel.Add(Value(Dec("-5.5")));
    EXPECT_EQ(*cancel.Result(), 0.0);

    engine::ColumnSum floats;  // compensated: small values are not lost beside a big one
    floats.Add(Value(1e16));
    for (int i = 0; i < 100; ++i) floats.Add(Value(1.0));
    floats.Add(Value(-1e16));
    EXPECT_EQ(*floats.Result(), 100.0);
}

}  // namespace

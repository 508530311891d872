#pragma once
// Values and field definitions of the table engine. Text is UTF-8 here; it becomes code
// page 1251 only inside table files.
#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace engine {

// Field types of a Paradox table (the byte values are the file's type codes), plus
// Float for computed query columns (sums), which is stored as Number.
enum class FieldType : uint8_t {
    Alpha = 0x01,
    Date = 0x02,
    Short = 0x03,
    Long = 0x04,
    Number = 0x06,
    Logical = 0x09,
    AutoInc = 0x16,
    Bcd = 0x17,
};

struct FieldDef {
    std::string name;  // as stored (UTF-8)
    FieldType type = FieldType::Alpha;
    int size = 0;  // Alpha: length in bytes of code page 1251; Bcd: decimal count
                   // (0..32); other types: 0
};

// A calendar date as a day number, 0001-01-01 = 1 (proleptic Gregorian).
struct Date {
    int32_t day = 0;
    bool operator==(const Date&) const = default;
};

// An exact decimal number as stored in a BCD field: up to 32 digits, `scale` of them
// after the point. `digits` holds the magnitude without leading zeros ("0" for zero);
// zero is never negative.
struct Decimal {
    bool negative = false;
    std::string digits = "0";
    int scale = 0;

    static Decimal FromString(const std::string& text,
                              int scale);            // "12.5", "-0.001"; rounds half away from zero to `scale`
    static Decimal FromDouble(double v, int scale);  // rounds half away from zero to `scale`
    std::string ToString() const;                    // "12.500" with exactly `scale` decimals, '.' as the point
    double ToDouble() const;
    bool operator==(const Decimal&) const = default;
};

// One field value. The alternative follows the field type:
//   null -> monostate; Alpha -> std::string; Short, Long, AutoInc -> int32_t;
//   Number -> double; Bcd -> Decimal; Date -> Date; Logical -> bool.
using Value = std::variant<std::monostate, int32_t, double, std::string, Decimal, Date, bool>;

inline bool IsNull(const Value& v) { return std::holds_alternative<std::monostate>(v); }

using Row = std::vector<Value>;
// Rows are shared between a table and the query results taken from it, so a result
// stays valid while the table changes.
using RowPtr = std::shared_ptr<const Row>;

}  // namespace engine

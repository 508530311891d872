#pragma once
// Conversions between the engine's stored values and what fields read and write:
// exact decimals to fixed-point currency and back, and calendar dates.
#include <cstdint>
#include <string>

#include "engine/Value.h"

namespace data {

// A fixed-point amount with 4 decimals, held as ten-thousandths (the classic currency).
struct TCurrency {
    int64_t units = 0;  // value * 10000
    double ToDouble() const { return static_cast<double>(units) / 10000.0; }
    bool operator==(const TCurrency&) const = default;
};

// The decimal rounded half away from zero to 4 decimals.
TCurrency DecimalToCurrency(const engine::Decimal& d);
double DecimalToDouble(const engine::Decimal& d);
// `value` rounded half away from zero to `scale` decimals. Binary noise beyond 15
// significant digits is dropped first, so 1.0005 stays 1.0005 before it is rounded.
engine::Decimal DoubleToDecimal(double value, int scale);
// `d` rounded half away from zero to `scale` decimals (or padded to them).
engine::Decimal RoundDecimal(const engine::Decimal& d, int scale);

// Day numbers (0001-01-01 = 1) and the classic date (days since 1899-12-30).
constexpr int32_t kClassicDateOrigin = 693594;
std::string FormatDate(const engine::Date& date);  // dd.mm.yyyy
bool ParseDate(const std::string& text, engine::Date& out);
engine::Date DateFromYmd(int year, int month, int day);

}  // namespace data

#pragma once
// Sums of one column for SUM(...). Integers are summed exactly in 64 bits and BCD
// values exactly in decimal, so that the total of a ration is the total of its rows to
// the last digit before it is turned into a double; doubles are summed with
// compensation. Null values are skipped; with no value at all the sum is null.
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/Value.h"

namespace engine {

class ColumnSum {
public:
    void Add(const Value& value);
    std::optional<double> Result() const;

private:
    // A magnitude in base 10^9, least significant limb first, with `scale_` decimals.
    using Limbs = std::vector<uint32_t>;
    void AddDecimal(const Decimal& d);
    void Rescale(int scale);
    void AddToLimbs(bool negative, const std::string& digits);
    void FlushSmall();

    bool any_ = false;
    int64_t integers_ = 0;
    long double floats_ = 0;
    long double floatsCompensation_ = 0;
    bool anyDecimal_ = false;
    int scale_ = 0;
    // Most values have few digits: they are added in 64 bits first (signed, at scale_),
    // and moved into the limbs before that could overflow.
    int64_t small_ = 0;
    Limbs positive_, negative_;
};

}  // namespace engine

#include "engine/SqlSum.h"

#include <charconv>
#include <cmath>
#include <string>

namespace engine {
namespace {

constexpr uint32_t kBase = 1000000000;

void AddLimbs(std::vector<uint32_t>& acc, const std::vector<uint32_t>& v) {
    if (acc.size() < v.size()) acc.resize(v.size(), 0);
    uint64_t carry = 0;
    for (std::size_t i = 0; i < acc.size(); ++i) {
        uint64_t s = uint64_t{acc[i]} + (i < v.size() ? v[i] : 0) + carry;
        acc[i] = static_cast<uint32_t>(s % kBase);
        carry = s / kBase;
        if (carry == 0 && i >= v.size()) break;
    }
    if (carry) acc.push_back(static_cast<uint32_t>(carry));
}

void MultiplyPow10(std::vector<uint32_t>& acc, int power) {
    while (power > 0) {
        int step = power > 9 ? 9 : power;
        uint32_t factor = 1;
        for (int i = 0; i < step; ++i) factor *= 10;
        uint64_t carry = 0;
        for (auto& limb : acc) {
            uint64_t p = uint64_t{limb} * factor + carry;
            limb = static_cast<uint32_t>(p % kBase);
            carry = p / kBase;
        }
        if (carry) acc.push_back(static_cast<uint32_t>(carry));
        power -= step;
    }
}

int CompareLimbs(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
    std::size_t n = std::max(a.size(), b.size());
    for (std::size_t i = n; i-- > 0;) {
        uint32_t x = i < a.size() ? a[i] : 0, y = i < b.size() ? b[i] : 0;
        if (x != y) return x < y ? -1 : 1;
    }
    return 0;
}

// a - b, given a >= b.
std::vector<uint32_t> SubtractLimbs(std::vector<uint32_t> a, const std::vector<uint32_t>& b) {
    int64_t borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        int64_t d = int64_t{a[i]} - (i < b.size() ? b[i] : 0) - borrow;
        borrow = d < 0;
        if (d < 0) d += kBase;
        a[i] = static_cast<uint32_t>(d);
    }
    return a;
}

std::string LimbsToDigits(const std::vector<uint32_t>& limbs) {
    std::string out;
    for (std::size_t i = limbs.size(); i-- > 0;) {
        std::string part = std::to_string(limbs[i]);
        if (!out.empty()) out.append(9 - part.size(), '0');
        if (!out.empty() || limbs[i] != 0) out += part;
    }
    return out.empty() ? "0" : out;
}

}  // namespace

void ColumnSum::Add(const Value& value) {
    switch (value.index()) {
    case 1: integers_ += std::get<int32_t>(value); break;
    case 2: {  // Neumaier's compensated sum
        long double v = std::get<double>(value);
        long double t = floats_ + v;
        if (std::fabs(floats_) >= std::fabs(v)) {
            floatsCompensation_ += (floats_ - t) + v;
        } else {
            floatsCompensation_ += (v - t) + floats_;
        }
        floats_ = t;
        break;
    }
    case 4: AddDecimal(std::get<Decimal>(value)); break;
    case 5: integers_ += std::get<Date>(value).day; break;
    case 6: integers_ += std::get<bool>(value) ? 1 : 0; break;
    default: return;  // null (text is refused before summing)
    }
    any_ = true;
}

void ColumnSum::Rescale(int scale) {
    FlushSmall();
    MultiplyPow10(positive_, scale - scale_);
    MultiplyPow10(negative_, scale - scale_);
    scale_ = scale;
}

void ColumnSum::AddToLimbs(bool negative, const std::string& digits) {
    std::vector<uint32_t> limbs;
    for (std::size_t end = digits.size(); end > 0;) {
        std::size_t start = end >= 9 ? end - 9 : 0;
        uint32_t limb = 0;
        for (std::size_t i = start; i < end; ++i) limb = limb * 10 + static_cast<uint32_t>(digits[i] - '0');
        limbs.push_back(limb);
        end = start;
    }
    AddLimbs(negative ? negative_ : positive_, limbs);
}

void ColumnSum::FlushSmall() {
    if (small_ == 0) return;
    bool negative = small_ < 0;
    uint64_t magnitude = negative ? ~static_cast<uint64_t>(small_) + 1 : static_cast<uint64_t>(small_);
    AddToLimbs(negative, std::to_string(magnitude));
    small_ = 0;
}

void ColumnSum::AddDecimal(const Decimal& d) {
    int scale = d.scale < 0 ? 0 : (d.scale > 64 ? 64 : d.scale);
    if (scale > scale_) Rescale(scale);
    anyDecimal_ = true;
    std::size_t pad = static_cast<std::size_t>(scale_ - scale);
    if (d.digits.size() + pad <= 17) {
        // Below 10^17: adding it to |small_| < 9 * 10^17 cannot overflow.
        int64_t v = 0;
        for (char c : d.digits) v = v * 10 + (c >= '0' && c <= '9' ? c - '0' : 0);
        for (std::size_t i = 0; i < pad; ++i) v *= 10;
        small_ += d.negative ? -v : v;
        if (small_ > 800000000000000000LL || small_ < -800000000000000000LL) FlushSmall();
        return;
    }
    // Digits padded with zeros to the running scale.
    std::string digits;
    digits.reserve(d.digits.size() + pad);
    for (char c : d.digits) digits.push_back(c >= '0' && c <= '9' ? c : '0');
    digits.append(pad, '0');
    AddToLimbs(d.negative, digits);
}

std::optional<double> ColumnSum::Result() const {
    if (!any_) return std::nullopt;
    long double total = static_cast<long double>(integers_) + floats_ + floatsCompensation_;
    if (!anyDecimal_) return static_cast<double>(total);

    ColumnSum all = *this;
    all.FlushSmall();
    bool negative = CompareLimbs(all.positive_, all.negative_) < 0;
    std::string digits = LimbsToDigits(negative ? SubtractLimbs(all.negative_, all.positive_)
                                                : SubtractLimbs(all.positive_, all.negative_));
    if (scale_ > 0) {
        std::size_t scale = static_cast<std::size_t>(scale_);
        if (digits.size() <= scale) digits = std::string(scale - digits.size() + 1, '0') + digits;
        std::string whole = digits.substr(0, digits.size() - scale);
        digits = whole + "." + digits.substr(digits.size() - scale);
    }
    double decimalSum = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), decimalSum);
    if (negative) decimalSum = -decimalSum;
    if (total == 0) return decimalSum;
    return static_cast<double>(total + decimalSum);
}

}  // namespace engine

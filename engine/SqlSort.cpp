#include "engine/SqlSort.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "core/RussianCollation.h"

namespace engine {
namespace {

// One column's sort values, computed once per row before sorting: collation keys for
// text, exact parts for BCD, a number for everything else.
class ColumnKeys {
public:
    // Keys of rows[0..n) indexed by position in `rows`.
    ColumnKeys(const Table& table, const SortColumn& column, const std::vector<uint32_t>& rows)
        : descending_(column.descending) {
        const FieldDef& def = table.Fields()[static_cast<std::size_t>(column.field)];
        std::size_t n = rows.size();
        null_.assign(n, 1);
        kind_ = def.type == FieldType::Alpha    ? Kind::Text
                : def.type == FieldType::Bcd    ? Kind::Exact
                : def.type == FieldType::Number ? Kind::Float
                                                : Kind::Integer;
        switch (kind_) {
        case Kind::Text:
            starts_.assign(n, 0);
            lengths_.assign(n, 0);
            keys_.reserve(n * 24);
            break;
        case Kind::Exact: decimals_.resize(n); break;
        case Kind::Float: floats_.assign(n, 0); break;
        case Kind::Integer: integers_.assign(n, 0); break;
        }
        const auto field = static_cast<std::size_t>(column.field);
        for (std::size_t p = 0; p < n; ++p) {
            const Row& row = *table.RowAt(rows[p]);
            if (field < row.size()) Fill(p, row[field]);  // a short row sorts as null
        }
    }

    // <0, 0, >0 for the rows at positions a and b, in this column's order.
    int Compare(std::size_t a, std::size_t b) const {
        int c;
        if (null_[a] || null_[b]) {
            c = int{null_[b]} - int{null_[a]};  // null first
        } else {
            switch (kind_) {
            case Kind::Text: c = CompareText(a, b); break;
            case Kind::Exact: c = CompareExact(decimals_[a], decimals_[b]); break;
            case Kind::Float: c = CompareFloat(floats_[a], floats_[b]); break;
            default: c = integers_[a] < integers_[b] ? -1 : (integers_[a] > integers_[b] ? 1 : 0); break;
            }
        }
        return descending_ ? -c : c;
    }

private:
    enum class Kind { Text, Exact, Float, Integer };

    // A BCD value as sign, integer digits without leading zeros and fraction digits
    // without trailing zeros; zero has no digits and sign 0.
    struct ExactValue {
        int sign = 0;
        std::string whole, fraction;
    };

    void Fill(std::size_t r, const Value& v) {
        if (IsNull(v)) return;
        switch (kind_) {
        case Kind::Text:
            if (auto* s = std::get_if<std::string>(&v)) {
                starts_[r] = keys_.size();
                AppendCollationKey(keys_, *s);
                lengths_[r] = keys_.size() - starts_[r];
                null_[r] = 0;
            }
            return;
        case Kind::Exact:
            if (auto* d = std::get_if<Decimal>(&v)) {
                decimals_[r] = ToExact(*d);
                null_[r] = 0;
            }
            return;
        case Kind::Float:
            if (auto* f = std::get_if<double>(&v)) {
                floats_[r] = *f;
                null_[r] = 0;
            }
            return;
        case Kind::Integer:
            if (auto* i = std::get_if<int32_t>(&v)) {
                integers_[r] = *i;
            } else if (auto* d = std::get_if<Date>(&v)) {
                integers_[r] = d->day;
            } else if (auto* b = std::get_if<bool>(&v)) {
                integers_[r] = *b ? 1 : 0;
            } else {
                return;
            }
            null_[r] = 0;
            return;
        }
    }

    int CompareText(std::size_t a, std::size_t b) const {
        const char* ka = keys_.data() + starts_[a];
        const char* kb = keys_.data() + starts_[b];
        std::size_t la = lengths_[a], lb = lengths_[b];
        int c = std::memcmp(ka, kb, std::min(la, lb));
        if (c != 0) return c < 0 ? -1 : 1;  // any int from memcmp; negated for DESC
        return la < lb ? -1 : (la > lb ? 1 : 0);
    }

    static int CompareFloat(double a, double b) {
        // Not-a-number after every number, equal to itself, so the order stays strict.
        bool na = std::isnan(a), nb = std::isnan(b);
        if (na || nb) return int{na} - int{nb};
        return a < b ? -1 : (a > b ? 1 : 0);
    }

    static ExactValue ToExact(const Decimal& d) {
        ExactValue e;
        std::string digits;
        for (char c : d.digits) digits.push_back(c >= '0' && c <= '9' ? c : '0');
        int scale = std::max(d.scale, 0);
        if (digits.size() < static_cast<std::size_t>(scale))
            digits.insert(0, static_cast<std::size_t>(scale) - digits.size(), '0');
        std::size_t split = digits.size() - static_cast<std::size_t>(scale);
        e.whole = digits.substr(0, split);
        e.fraction = digits.substr(split);
        e.whole.erase(0, std::min(e.whole.find_first_not_of('0'), e.whole.size()));
        while (!e.fraction.empty() && e.fraction.back() == '0') e.fraction.pop_back();
        if (!e.whole.empty() || !e.fraction.empty()) e.sign = d.negative ? -1 : 1;
        return e;
    }

    static int CompareMagnitude(const ExactValue& a, const ExactValue& b) {
        if (a.whole.size() != b.whole.size()) return a.whole.size() < b.whole.size() ? -1 : 1;
        int c = a.whole.compare(b.whole);
        if (c == 0) c = a.fraction.compare(b.fraction);
        return c < 0 ? -1 : (c > 0 ? 1 : 0);
    }

    static int CompareExact(const ExactValue& a, const ExactValue& b) {
        if (a.sign != b.sign) return a.sign < b.sign ? -1 : 1;
        int c = CompareMagnitude(a, b);
        return a.sign < 0 ? -c : c;
    }

    bool descending_;
    Kind kind_;
    std::vector<uint8_t> null_;
    std::string keys_;
    std::vector<std::size_t> starts_, lengths_;  // Text: where each key is in keys_
    std::vector<ExactValue> decimals_;
    std::vector<double> floats_;
    std::vector<int64_t> integers_;
};

}  // namespace

void SortRows(const Table& table, const std::vector<SortColumn>& columns, std::vector<uint32_t>& rows) {
    if (columns.empty() || rows.size() < 2) return;
    std::vector<ColumnKeys> keys;
    keys.reserve(columns.size());
    for (const SortColumn& c : columns) keys.emplace_back(table, c, rows);
    // Sort positions; ties fall back to the position, which is storage order.
    std::vector<uint32_t> order(rows.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<uint32_t>(i);
    std::sort(order.begin(), order.end(), [&keys](uint32_t a, uint32_t b) {
        for (const ColumnKeys& k : keys) {
            int c = k.Compare(a, b);
            if (c != 0) return c < 0;
        }
        return a < b;
    });
    std::vector<uint32_t> sorted(rows.size());
    for (std::size_t i = 0; i < order.size(); ++i) sorted[i] = rows[order[i]];
    rows = std::move(sorted);
}

}  // namespace engine

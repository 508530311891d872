#include "engine/SqlExecutor.h"

#include <limits>

#include "engine/SqlError.h"
#include "engine/SqlSort.h"
#include "engine/SqlSum.h"

namespace engine {
namespace {

std::string TypeName(FieldType t) {
    switch (t) {
    case FieldType::Alpha: return "текстовый";
    case FieldType::Date: return "с датой";
    case FieldType::Logical: return "логический";
    default: return "числовой";
    }
}

bool IsNumeric(FieldType t) {
    return t == FieldType::Short || t == FieldType::Long || t == FieldType::AutoInc || t == FieldType::Number ||
           t == FieldType::Bcd;
}

int ResolveColumn(const Table& table, const std::string& name) {
    int index = table.FieldIndex(name);
    if (index < 0 || static_cast<std::size_t>(index) >= table.Fields().size()) {
        throw SqlError("в таблице «" + table.Name() + "» нет столбца «" + name + "»");
    }
    return index;
}

// Exact equality of a BCD value and an integer.
bool DecimalEquals(const Decimal& d, int64_t n) {
    std::size_t scale = d.scale > 0 ? static_cast<std::size_t>(d.scale) : 0;
    std::string digits = d.digits;
    if (digits.size() < scale) digits.insert(0, scale - digits.size(), '0');
    std::string whole = digits.substr(0, digits.size() - scale);
    if (digits.find_first_not_of('0', whole.size()) != std::string::npos) return false;  // has a fraction
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
    bool isZero = whole.empty();
    if (isZero) return n == 0;
    if ((n < 0) != d.negative) return false;
    uint64_t magnitude = n < 0 ? ~static_cast<uint64_t>(n) + 1 : static_cast<uint64_t>(n);
    return whole == std::to_string(magnitude);
}

// A test of one row against the WHERE condition, checked against the field type first.
class Condition {
public:
    Condition(const Table& table, const WhereEquals& where) : field_(ResolveColumn(table, where.column)) {
        const FieldDef& def = table.Fields()[static_cast<std::size_t>(field_)];
        type_ = def.type;
        if (auto* n = std::get_if<int64_t>(&where.literal)) {
            integer_ = *n;
            isText_ = false;
            if (!IsNumeric(type_)) {
                throw SqlError("столбец «" + where.column + "» " + TypeName(type_) +
                               ", его нельзя сравнивать с числом " + std::to_string(*n));
            }
        } else {
            text_ = std::get<std::string>(where.literal);
            isText_ = true;
            if (type_ != FieldType::Alpha) {
                throw SqlError("столбец «" + where.column + "» " + TypeName(type_) +
                               ", его нельзя сравнивать со строкой '" + text_ + "'");
            }
        }
    }

    // Whether row `index` passes; only the tested field is read.
    bool Matches(const Table& table, std::size_t index) const {
        return Matches(table.FieldAt(index, static_cast<std::size_t>(field_)));
    }

    bool Matches(const Value& v) const {
        if (isText_) {
            auto* s = std::get_if<std::string>(&v);
            return s && *s == text_;  // exact, letter case included
        }
        if (auto* i = std::get_if<int32_t>(&v)) return *i == integer_;
        if (auto* d = std::get_if<double>(&v)) {
            // Equal only when the integer is exactly that double.
            constexpr double kLimit = 9007199254740992.0;  // 2^53
            return *d >= -kLimit && *d <= kLimit && *d == static_cast<double>(static_cast<int64_t>(*d)) &&
                   static_cast<int64_t>(*d) == integer_;
        }
        if (auto* dec = std::get_if<Decimal>(&v)) return DecimalEquals(*dec, integer_);
        return false;  // null
    }

private:
    int field_;
    FieldType type_;
    bool isText_ = false;
    int64_t integer_ = 0;
    std::string text_;
};

}  // namespace

QueryResult ExecuteSelect(const Table& table, const SelectStatement& st) {
    // Resolve every name before touching a row, so that a bad query fails the same way
    // on an empty table.
    std::vector<int> columns;
    for (const std::string& name : st.columns) columns.push_back(ResolveColumn(table, name));
    if (st.kind == SelectKind::Sums) {
        for (std::size_t i = 0; i < columns.size(); ++i) {
            FieldType t = table.Fields()[static_cast<std::size_t>(columns[i])].type;
            if (!IsNumeric(t)) {
                throw SqlError("SUM(" + st.columns[i] + "): столбец " + TypeName(t) +
                               ", суммировать можно только числа");
            }
        }
    }
    std::optional<Condition> condition;
    if (st.where) condition.emplace(table, *st.where);
    std::vector<SortColumn> order;
    for (const OrderItem& item : st.orderBy) order.push_back({ResolveColumn(table, item.column), item.descending});

    std::size_t count = table.RowCount();
    if (count > std::numeric_limits<uint32_t>::max())
        throw EngineError("Таблица «" + table.Name() + "» слишком велика для запроса.");
    std::vector<uint32_t> rows;
    rows.reserve(condition ? count / 8 : count);
    for (std::size_t i = 0; i < count; ++i) {
        if (!condition || condition->Matches(table, i)) rows.push_back(static_cast<uint32_t>(i));
    }

    QueryResult result;
    if (st.kind == SelectKind::Sums) {
        std::vector<ColumnSum> sums(columns.size());
        for (uint32_t r : rows) {
            const Row& row = *table.RowAt(r);
            for (std::size_t c = 0; c < columns.size(); ++c) {
                if (static_cast<std::size_t>(columns[c]) < row.size())
                    sums[c].Add(row[static_cast<std::size_t>(columns[c])]);
            }
        }
        Row total;
        for (std::size_t c = 0; c < columns.size(); ++c) {
            result.fields.push_back({"SUM OF " + st.columns[c], FieldType::Number, 0});
            if (auto v = sums[c].Result()) {
                total.emplace_back(*v);
            } else {
                total.emplace_back(std::monostate{});
            }
        }
        result.rows.push_back(std::make_shared<const Row>(std::move(total)));
        return result;  // one row: ordering it changes nothing
    }

    SortRows(table, order, rows);
    result.rows.reserve(rows.size());
    if (st.kind == SelectKind::AllColumns) {
        result.fields = table.Fields();
        for (uint32_t r : rows) result.rows.push_back(table.RowAt(r));
        return result;
    }
    for (int c : columns) result.fields.push_back(table.Fields()[static_cast<std::size_t>(c)]);
    for (uint32_t r : rows) {
        const Row& row = *table.RowAt(r);
        Row projected;
        projected.reserve(columns.size());
        for (int c : columns) {
            projected.push_back(static_cast<std::size_t>(c) < row.size() ? row[static_cast<std::size_t>(c)] : Value{});
        }
        result.rows.push_back(std::make_shared<const Row>(std::move(projected)));
    }
    return result;
}

}  // namespace engine

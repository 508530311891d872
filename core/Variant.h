#pragma once
// The framework's variant: what a published property or a field is read and written as.
#include <cstdint>
#include <string>
#include <variant>

// Kinds in the order of the classic variant type codes that matter here.
enum class VarType { Empty, Null, Integer, Single, Double, Currency, Date, String, Boolean };

class Variant {
public:
    Variant() = default;  // Empty
    Variant(int32_t v) : type_(VarType::Integer), value_(int64_t{v}) {}
    Variant(float v) : type_(VarType::Single), value_(double{v}) {}
    Variant(double v) : type_(VarType::Double), value_(v) {}
    Variant(bool v) : type_(VarType::Boolean), value_(v) {}
    Variant(std::string v) : type_(VarType::String), value_(std::move(v)) {}
    Variant(const char* v) : type_(VarType::String), value_(std::string(v)) {}

    static Variant Null() {
        Variant v;
        v.type_ = VarType::Null;
        return v;
    }
    // A fixed-point amount with 4 decimals held as ten-thousandths.
    static Variant Currency(int64_t tenThousandths) {
        Variant v;
        v.type_ = VarType::Currency;
        v.value_ = tenThousandths;
        return v;
    }
    // A date as days since 1899-12-30 (the classic date origin), fractional part = time.
    static Variant Date(double days) {
        Variant v;
        v.type_ = VarType::Date;
        v.value_ = days;
        return v;
    }

    VarType Type() const { return type_; }
    bool IsEmpty() const { return type_ == VarType::Empty; }
    bool IsNull() const { return type_ == VarType::Null; }

    // Raw access; callers check Type() first.
    int64_t IntValue() const { return std::get<int64_t>(value_); }  // Integer, Currency
    double FloatValue() const { return std::get<double>(value_); }  // Single, Double, Date
    bool BoolValue() const { return std::get<bool>(value_); }
    const std::string& StringValue() const { return std::get<std::string>(value_); }

    bool operator==(const Variant& o) const { return type_ == o.type_ && value_ == o.value_; }

private:
    VarType type_ = VarType::Empty;
    std::variant<std::monostate, int64_t, double, bool, std::string> value_;
};

#include "data/Field.h"

#include <cmath>

#include "data/DataSet.h"
#include "data/TextSupport.h"

namespace {

const char* kTypeNames[] = {"Unknown", "String", "SmallInt", "Integer", "Boolean", "Float", "BCD", "Date", "AutoInc"};

[[noreturn]] void NotInteger(const std::string& text) {
    throw Exception("'" + text + "' is not a valid integer value");
}
[[noreturn]] void NotFloat(const std::string& text) {
    throw Exception("'" + text + "' is not a valid floating point value");
}

double ParseFloatOrThrow(const std::string& text) {
    auto v = data::ParseFloat(text);
    if (!v) NotFloat(text);
    return *v;
}

}  // namespace

const char* FieldTypeName(TFieldType type) { return kTypeNames[static_cast<int>(type)]; }

TFieldType FieldTypeOf(engine::FieldType t) {
    switch (t) {
    case engine::FieldType::Alpha: return TFieldType::ftString;
    case engine::FieldType::Date: return TFieldType::ftDate;
    case engine::FieldType::Short: return TFieldType::ftSmallint;
    case engine::FieldType::Long: return TFieldType::ftInteger;
    case engine::FieldType::Number: return TFieldType::ftFloat;
    case engine::FieldType::Logical: return TFieldType::ftBoolean;
    case engine::FieldType::AutoInc: return TFieldType::ftAutoInc;
    case engine::FieldType::Bcd: return TFieldType::ftBCD;
    }
    return TFieldType::ftUnknown;
}

// --- TField --------------------------------------------------------------------------

TField::TField(TComponent* owner, TFieldType type, int size) : TComponent(owner), dataType_(type), size_(size) {}

TField::~TField() {
    if (dataSet_) dataSet_->RemoveField(this);
}

void TField::SetDataSet(TDataSet* dataSet) {
    if (dataSet == dataSet_) return;
    if (dataSet) dataSet->CheckInactive();
    if (dataSet_) {
        dataSet_->CheckInactive();
        dataSet_->RemoveField(this);
    }
    dataSet_ = nullptr;
    if (dataSet) {
        dataSet->AddDeclaredField(this);
        dataSet_ = dataSet;
    }
}

void TField::SetFieldName(const std::string& name) {
    if (dataSet_) dataSet_->CheckInactive();
    fieldName_ = name;
}

void TField::SetSize(int size) {
    if (dataSet_) dataSet_->CheckInactive();
    size_ = size;
}

const engine::Value& TField::Current() const {
    static const engine::Value null{};
    return dataSet_ ? dataSet_->CurrentValue(fieldNo_) : null;
}

void TField::Store(engine::Value value) { dataSet_->SetFieldValue(this, std::move(value)); }

void TField::AccessError(const char* typeName) const {
    throw Exception("Cannot access field '" + DisplayName() + "' as type " + typeName);
}

bool TField::AcceptsColumn(engine::FieldType) const { return false; }

bool TField::IsNull() const { return engine::IsNull(Current()); }

std::string TField::AsString() const {
    const auto& v = Current();
    return engine::IsNull(v) ? std::string() : TextOf(v);
}

std::string TField::DisplayText() const {
    const auto& v = Current();
    return engine::IsNull(v) ? std::string() : DisplayOf(v);
}

int32_t TField::AsInteger() const {
    const auto& v = Current();
    return engine::IsNull(v) ? 0 : IntegerOf(v);
}

double TField::AsFloat() const {
    const auto& v = Current();
    return engine::IsNull(v) ? 0.0 : FloatOf(v);
}

data::TCurrency TField::AsCurrency() const {
    const auto& v = Current();
    return engine::IsNull(v) ? data::TCurrency{} : CurrencyOf(v);
}

bool TField::AsBoolean() const {
    const auto& v = Current();
    return engine::IsNull(v) ? false : BooleanOf(v);
}

Variant TField::AsVariant() const {
    const auto& v = Current();
    return engine::IsNull(v) ? Variant::Null() : VariantOf(v);
}

std::string TField::DisplayTextAt(int displayRow) const {
    if (!dataSet_) return "";
    const auto& v = dataSet_->ValueAt(displayRow, fieldNo_);
    return engine::IsNull(v) ? std::string() : DisplayOf(v);
}

Variant TField::ValueAt(int displayRow) const {
    if (!dataSet_) return Variant::Null();
    const auto& v = dataSet_->ValueAt(displayRow, fieldNo_);
    return engine::IsNull(v) ? Variant::Null() : VariantOf(v);
}

int32_t TField::IntegerOf(const engine::Value& v) const {
    double d = std::nearbyint(FloatOf(v));
    if (!(d >= INT32_MIN && d <= INT32_MAX)) AccessError("Integer");
    return static_cast<int32_t>(d);
}

double TField::FloatOf(const engine::Value&) const { AccessError("Float"); }

data::TCurrency TField::CurrencyOf(const engine::Value& v) const {
    double d = FloatOf(v);
    return {static_cast<int64_t>(std::llround(d * 10000.0))};
}

bool TField::BooleanOf(const engine::Value&) const { AccessError("Boolean"); }

engine::Value TField::FromInteger(int64_t value) const { return FromFloat(static_cast<double>(value)); }

engine::Value TField::FromBoolean(bool) const { AccessError("Boolean"); }

// Writers check the dataset first, so that a closed or browsing dataset reports that
// rather than a conversion detail.
void TField::SetAsString(const std::string& text) {
    if (!dataSet_) throw Exception("Field '" + DisplayName() + "' has no dataset");
    dataSet_->CheckCanWrite();
    Store(FromString(text));
}

void TField::SetAsInteger(int32_t value) {
    if (!dataSet_) throw Exception("Field '" + DisplayName() + "' has no dataset");
    dataSet_->CheckCanWrite();
    Store(FromInteger(value));
}

void TField::SetAsFloat(double value) {
    if (!dataSet_) throw Exception("Field '" + DisplayName() + "' has no dataset");
    dataSet_->CheckCanWrite();
    Store(FromFloat(value));
}

void TField::SetAsCurrency(data::TCurrency value) {
    if (!dataSet_) throw Exception("Field '" + DisplayName() + "' has no dataset");
    dataSet_->CheckCanWrite();
    Store(FromCurrency(value));
}

void TField::SetAsBoolean(bool value) {
    if (!dataSet_) throw Exception("Field '" + DisplayName() + "' has no dataset");
    dataSet_->CheckCanWrite();
    Store(FromBoolean(value));
}

void TField::Clear() {
    if (!dataSet_) throw Exception("Field '" + DisplayName() + "' has no dataset");
    dataSet_->CheckCanWrite();
    Store(engine::Value{});
}

void TField::SetAsVariant(const Variant& value) {
    switch (value.Type()) {
    case VarType::Empty:
    case VarType::Null: Clear(); break;
    case VarType::Integer: SetAsInteger(static_cast<int32_t>(value.IntValue())); break;
    case VarType::Single:
    case VarType::Double: SetAsFloat(value.FloatValue()); break;
    case VarType::Currency: SetAsCurrency({value.IntValue()}); break;
    case VarType::Date: SetAsFloat(value.FloatValue()); break;
    case VarType::String: SetAsString(value.StringValue()); break;
    case VarType::Boolean: SetAsBoolean(value.BoolValue()); break;
    }
}

// --- TStringField --------------------------------------------------------------------

std::string TStringField::TextOf(const engine::Value& v) const { return std::get<std::string>(v); }
Variant TStringField::VariantOf(const engine::Value& v) const { return Variant(std::get<std::string>(v)); }

int32_t TStringField::IntegerOf(const engine::Value& v) const {
    const auto& s = std::get<std::string>(v);
    auto n = data::ParseInteger(s);
    if (!n) NotInteger(s);
    return *n;
}

double TStringField::FloatOf(const engine::Value& v) const { return ParseFloatOrThrow(std::get<std::string>(v)); }

data::TCurrency TStringField::CurrencyOf(const engine::Value& v) const {
    return data::DecimalToCurrency(data::DoubleToDecimal(FloatOf(v), 4));
}

// Text longer than the column is cut to its width, as the table would keep it.
engine::Value TStringField::FromString(const std::string& text) const {
    if (text.empty()) return engine::Value{};
    return data::CutToChars(text, Size());
}

engine::Value TStringField::FromInteger(int64_t value) const { return FromString(std::to_string(value)); }
engine::Value TStringField::FromFloat(double value) const { return FromString(data::FormatGeneral(value)); }

// --- TIntegerField and its kinds -----------------------------------------------------

std::string TIntegerField::TextOf(const engine::Value& v) const { return std::to_string(std::get<int32_t>(v)); }
Variant TIntegerField::VariantOf(const engine::Value& v) const { return Variant(std::get<int32_t>(v)); }
int32_t TIntegerField::IntegerOf(const engine::Value& v) const { return std::get<int32_t>(v); }
double TIntegerField::FloatOf(const engine::Value& v) const { return std::get<int32_t>(v); }

engine::Value TIntegerField::FromString(const std::string& text) const {
    if (text.empty()) return engine::Value{};
    auto n = data::ParseInteger(text);
    if (!n) NotInteger(text);
    return FromInteger(*n);
}

engine::Value TIntegerField::FromInteger(int64_t value) const {
    if (value < min_ || value > max_)
        throw Exception(data::FormatG(static_cast<double>(value)) + " is not a valid value for field '" +
                        DisplayName() + "'. The allowed range is " + data::FormatG(static_cast<double>(min_)) + " to " +
                        data::FormatG(static_cast<double>(max_)));
    return static_cast<int32_t>(value);
}

engine::Value TIntegerField::FromFloat(double value) const {
    double r = std::nearbyint(value);  // half to even, as the classic variant conversion
    if (!std::isfinite(r) || r < static_cast<double>(min_) || r > static_cast<double>(max_))
        throw Exception(data::FormatG(value) + " is not a valid value for field '" + DisplayName() +
                        "'. The allowed range is " + data::FormatG(static_cast<double>(min_)) + " to " +
                        data::FormatG(static_cast<double>(max_)));
    return static_cast<int32_t>(r);
}

// --- TFloatField ---------------------------------------------------------------------

std::string TFloatField::TextOf(const engine::Value& v) const { return data::FormatGeneral(std::get<double>(v)); }
Variant TFloatField::VariantOf(const engine::Value& v) const { return Variant(std::get<double>(v)); }
double TFloatField::FloatOf(const engine::Value& v) const { return std::get<double>(v); }

engine::Value TFloatField::FromString(const std::string& text) const {
    if (text.empty()) return engine::Value{};
    return ParseFloatOrThrow(text);
}

engine::Value TFloatField::FromFloat(double value) const {
    if (!std::isfinite(value)) NotFloat(data::FormatGeneral(value));
    return value;
}

// --- TBCDField -----------------------------------------------------------------------

std::string TBCDField::TextOf(const engine::Value& v) const {
    return data::FormatGeneral(data::DecimalToCurrency(std::get<engine::Decimal>(v)).ToDouble());
}

Variant TBCDField::VariantOf(const engine::Value& v) const {
    return Variant::Currency(data::DecimalToCurrency(std::get<engine::Decimal>(v)).units);
}

double TBCDField::FloatOf(const engine::Value& v) const {
    return data::DecimalToCurrency(std::get<engine::Decimal>(v)).ToDouble();
}

data::TCurrency TBCDField::CurrencyOf(const engine::Value& v) const {
    return data::DecimalToCurrency(std::get<engine::Decimal>(v));
}

engine::Value TBCDField::FromString(const std::string& text) const {
    if (text.empty()) return engine::Value{};
    return FromFloat(ParseFloatOrThrow(text));
}

// A number goes through the fixed-point currency on its way to the column, as the
// classic fields do: a single-precision 0.0445 is 0.0445 there, not 0.04449999.
engine::Value TBCDField::FromFloat(double value) const {
    if (!std::isfinite(value) || std::fabs(value) >= 1e18) NotFloat(data::FormatGeneral(value));
    return data::RoundDecimal(data::DoubleToDecimal(value, 4), Size());
}

engine::Value TBCDField::FromCurrency(data::TCurrency value) const {
    engine::Decimal d;
    uint64_t mag = value.units < 0 ? 0 - static_cast<uint64_t>(value.units) : static_cast<uint64_t>(value.units);
    d.digits = std::to_string(mag);
    d.scale = 4;
    d.negative = value.units < 0;
    return data::RoundDecimal(d, Size());
}

// --- TDateField ----------------------------------------------------------------------

std::string TDateField::TextOf(const engine::Value& v) const { return data::FormatDate(std::get<engine::Date>(v)); }

Variant TDateField::VariantOf(const engine::Value& v) const {
    return Variant::Date(std::get<engine::Date>(v).day - data::kClassicDateOrigin);
}

int32_t TDateField::IntegerOf(const engine::Value&) const { AccessError("Integer"); }

double TDateField::FloatOf(const engine::Value& v) const {
    return static_cast<double>(std::get<engine::Date>(v).day - data::kClassicDateOrigin);
}

engine::Value TDateField::FromString(const std::string& text) const {
    if (text.empty()) return engine::Value{};
    engine::Date d;
    if (!data::ParseDate(text, d)) throw Exception("'" + text + "' is not a valid date");
    return d;
}

engine::Value TDateField::FromInteger(int64_t) const { AccessError("Integer"); }

engine::Value TDateField::FromFloat(double value) const {
    double day = std::floor(value) + data::kClassicDateOrigin;
    if (!(day >= 1 && day <= 3652059)) throw Exception(data::FormatGeneral(value) + " is not a valid date");
    return engine::Date{static_cast<int32_t>(day)};
}

// --- TBooleanField -------------------------------------------------------------------

std::string TBooleanField::TextOf(const engine::Value& v) const { return std::get<bool>(v) ? "True" : "False"; }
Variant TBooleanField::VariantOf(const engine::Value& v) const { return Variant(std::get<bool>(v)); }
int32_t TBooleanField::IntegerOf(const engine::Value&) const { AccessError("Integer"); }
bool TBooleanField::BooleanOf(const engine::Value& v) const { return std::get<bool>(v); }

engine::Value TBooleanField::FromString(const std::string& text) const {
    if (text.empty()) return engine::Value{};
    if (data::SameText(text, "true")) return true;
    if (data::SameText(text, "false")) return false;
    throw Exception("'" + text + "' is not a valid boolean value");
}

engine::Value TBooleanField::FromFloat(double) const { AccessError("Float"); }
engine::Value TBooleanField::FromBoolean(bool value) const { return value; }

#pragma once
// Fields: one column of a dataset, read and written in the current row (or, for grids,
// in any row) as text, numbers, currency or variants. A field is either declared
// (created by its owner, usually a data module, and given a dataset) or created by the
// dataset from the columns of its result when it has no declared fields.
#include <cstdint>
#include <string>

#include "core/Component.h"
#include "data/FieldValues.h"
#include "engine/Value.h"

class TDataSet;

enum class TFieldType { ftUnknown, ftString, ftSmallint, ftInteger, ftBoolean, ftFloat, ftBCD, ftDate, ftAutoInc };

// "String", "SmallInt", "Integer", ... as the type-mismatch message writes them.
const char* FieldTypeName(TFieldType type);
TFieldType FieldTypeOf(engine::FieldType columnType);

class TField : public TComponent {
public:
    ~TField() override;
    std::string ClassName() const override { return "TField"; }

    TDataSet* DataSet() const { return dataSet_; }
    // Declares this field on `dataSet` (nullptr detaches it). Only while the dataset is closed.
    void SetDataSet(TDataSet* dataSet);
    const std::string& FieldName() const { return fieldName_; }
    void SetFieldName(const std::string& name);
    const std::string& DisplayName() const { return fieldName_; }
    TFieldType DataType() const { return dataType_; }
    int Size() const { return size_; }
    void SetSize(int size);
    // Column of the open result this field reads; -1 while the dataset is closed.
    int FieldNo() const { return fieldNo_; }

    // --- reading the current row; a closed or empty dataset and an empty value read as
    // "", 0 or a Null variant.
    bool IsNull() const;
    std::string AsString() const;
    // Edit text: what an edit box or a grid cell shows (numbers in the general format).
    std::string DisplayText() const;
    std::string Text() const { return DisplayText(); }
    int32_t AsInteger() const;
    double AsFloat() const;
    data::TCurrency AsCurrency() const;
    bool AsBoolean() const;
    Variant AsVariant() const;
    Variant Value() const { return AsVariant(); }

    // --- reading any row of the dataset without moving it (rows as
    // TDataSet::DisplayRowCount counts them).
    std::string DisplayTextAt(int displayRow) const;
    Variant ValueAt(int displayRow) const;

    // --- writing the current row (the dataset must be in insert or edit state).
    void SetAsString(const std::string& text);
    void SetText(const std::string& text) { SetAsString(text); }
    void SetAsInteger(int32_t value);
    void SetAsFloat(double value);
    void SetAsCurrency(data::TCurrency value);
    void SetAsBoolean(bool value);
    void SetAsVariant(const Variant& value);
    void SetValue(const Variant& value) { SetAsVariant(value); }
    void Clear();

    // Whether this field can read a column of that type; the size is checked separately.
    virtual bool AcceptsColumn(engine::FieldType columnType) const;
    // Whether the size must equal the column's (text length, BCD decimals).
    virtual bool ChecksSize() const { return false; }

protected:
    TField(TComponent* owner, TFieldType type, int size);

    // Conversions of one stored value (never null here).
    virtual std::string TextOf(const engine::Value& v) const = 0;
    virtual std::string DisplayOf(const engine::Value& v) const { return TextOf(v); }
    virtual Variant VariantOf(const engine::Value& v) const = 0;
    virtual int32_t IntegerOf(const engine::Value& v) const;
    virtual double FloatOf(const engine::Value& v) const;
    virtual data::TCurrency CurrencyOf(const engine::Value& v) const;
    virtual bool BooleanOf(const engine::Value& v) const;

    // Conversions to a stored value; they throw Exception for values the field refuses.
    virtual engine::Value FromString(const std::string& text) const = 0;
    virtual engine::Value FromInteger(int64_t value) const;
    virtual engine::Value FromFloat(double value) const = 0;
    virtual engine::Value FromCurrency(data::TCurrency value) const { return FromFloat(value.ToDouble()); }
    virtual engine::Value FromBoolean(bool value) const;

    [[noreturn]] void AccessError(const char* typeName) const;

private:
    friend class TDataSet;
    const engine::Value& Current() const;
    void Store(engine::Value value);

    TDataSet* dataSet_ = nullptr;
    std::string fieldName_;
    TFieldType dataType_;
    int size_;
    int fieldNo_ = -1;
};

class TStringField : public TField {
public:
    explicit TStringField(TComponent* owner = nullptr) : TField(owner, TFieldType::ftString, 20) {}
    std::string ClassName() const override { return "TStringField"; }
    bool AcceptsColumn(engine::FieldType t) const override { return t == engine::FieldType::Alpha; }
    bool ChecksSize() const override { return true; }

protected:
    std::string TextOf(const engine::Value& v) const override;
    Variant VariantOf(const engine::Value& v) const override;
    int32_t IntegerOf(const engine::Value& v) const override;
    double FloatOf(const engine::Value& v) const override;
    data::TCurrency CurrencyOf(const engine::Value& v) const override;
    engine::Value FromString(const std::string& text) const override;
    engine::Value FromInteger(int64_t value) const override;
    engine::Value FromFloat(double value) const override;
};

// Whole numbers in a range; the integer kinds differ only by range and column types.
class TIntegerField : public TField {
public:
    explicit TIntegerField(TComponent* owner = nullptr)
        : TIntegerField(owner, TFieldType::ftInteger, INT32_MIN + 1, INT32_MAX) {}
    std::string ClassName() const override { return "TIntegerField"; }
    // A declared integer field also reads an autoincrement column.
    bool AcceptsColumn(engine::FieldType t) const override {
        return t == engine::FieldType::Long || t == engine::FieldType::AutoInc;
    }
    int64_t MinValue() const { return min_; }
    int64_t MaxValue() const { return max_; }

protected:
    TIntegerField(TComponent* owner, TFieldType type, int64_t min, int64_t max)
        : TField(owner, type, 0), min_(min), max_(max) {}
    std::string TextOf(const engine::Value& v) const override;
    Variant VariantOf(const engine::Value& v) const override;
    int32_t IntegerOf(const engine::Value& v) const override;
    double FloatOf(const engine::Value& v) const override;
    engine::Value FromString(const std::string& text) const override;
    engine::Value FromInteger(int64_t value) const override;
    engine::Value FromFloat(double value) const override;

private:
    int64_t min_, max_;
};

// The lowest value of each width is the table file's mark for an empty field, so it can
// never be stored: the ranges stop one above it, and the range messages say so.
class TSmallintField : public TIntegerField {
public:
    explicit TSmallintField(TComponent* owner = nullptr)
        : TIntegerField(owner, TFieldType::ftSmallint, -32767, 32767) {}
    std::string ClassName() const override { return "TSmallintField"; }
    bool AcceptsColumn(engine::FieldType t) const override { return t == engine::FieldType::Short; }
};

class TAutoIncField : public TIntegerField {
public:
    explicit TAutoIncField(TComponent* owner = nullptr)
        : TIntegerField(owner, TFieldType::ftAutoInc, INT32_MIN + 1, INT32_MAX) {}
    std::string ClassName() const override { return "TAutoIncField"; }
    bool AcceptsColumn(engine::FieldType t) const override { return t == engine::FieldType::AutoInc; }
};

class TFloatField : public TField {
public:
    explicit TFloatField(TComponent* owner = nullptr) : TField(owner, TFieldType::ftFloat, 0) {}
    std::string ClassName() const override { return "TFloatField"; }
    bool AcceptsColumn(engine::FieldType t) const override { return t == engine::FieldType::Number; }

protected:
    std::string TextOf(const engine::Value& v) const override;
    Variant VariantOf(const engine::Value& v) const override;
    double FloatOf(const engine::Value& v) const override;
    engine::Value FromString(const std::string& text) const override;
    engine::Value FromFloat(double value) const override;
};

// An exact decimal with Size decimals, read as fixed-point currency (4 decimals).
class TBCDField : public TField {
public:
    explicit TBCDField(TComponent* owner = nullptr) : TField(owner, TFieldType::ftBCD, 4) {}
    std::string ClassName() const override { return "TBCDField"; }
    bool AcceptsColumn(engine::FieldType t) const override { return t == engine::FieldType::Bcd; }
    bool ChecksSize() const override { return true; }

protected:
    std::string TextOf(const engine::Value& v) const override;
    Variant VariantOf(const engine::Value& v) const override;
    double FloatOf(const engine::Value& v) const override;
    data::TCurrency CurrencyOf(const engine::Value& v) const override;
    engine::Value FromString(const std::string& text) const override;
    engine::Value FromFloat(double value) const override;
    engine::Value FromCurrency(data::TCurrency value) const override;
};

class TDateField : public TField {
public:
    explicit TDateField(TComponent* owner = nullptr) : TField(owner, TFieldType::ftDate, 0) {}
    std::string ClassName() const override { return "TDateField"; }
    bool AcceptsColumn(engine::FieldType t) const override { return t == engine::FieldType::Date; }

protected:
    std::string TextOf(const engine::Value& v) const override;
    Variant VariantOf(const engine::Value& v) const override;
    int32_t IntegerOf(const engine::Value& v) const override;
    double FloatOf(const engine::Value& v) const override;
    engine::Value FromString(const std::string& text) const override;
    engine::Value FromInteger(int64_t value) const override;
    engine::Value FromFloat(double value) const override;
};

class TBooleanField : public TField {
public:
    explicit TBooleanField(TComponent* owner = nullptr) : TField(owner, TFieldType::ftBoolean, 0) {}
    std::string ClassName() const override { return "TBooleanField"; }
    bool AcceptsColumn(engine::FieldType t) const override { return t == engine::FieldType::Logical; }

protected:
    std::string TextOf(const engine::Value& v) const override;
    Variant VariantOf(const engine::Value& v) const override;
    int32_t IntegerOf(const engine::Value& v) const override;
    bool BooleanOf(const engine::Value& v) const override;
    engine::Value FromString(const std::string& text) const override;
    engine::Value FromFloat(double value) const override;
    engine::Value FromBoolean(bool value) const override;
};

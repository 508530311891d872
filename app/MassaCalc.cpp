#include "app/MassaCalc.h"

#include <limits>

#include "core/NumberFormat.h"

namespace {

using Ext = long double;
// The results shown depend on the roundings of the 80-bit format (64-bit mantissa): a
// toolchain whose long double is a plain double must not build this silently.
static_assert(std::numeric_limits<Ext>::digits == 64, "the calculator needs the x87 extended format");

// The women's factor: the single-precision number nearest 0.9.
constexpr float kWomanFactor = 0.9f;
// Correction factors: the double-precision numbers nearest these decimals.
constexpr double kOldAgeFactor = 0.06;
constexpr double kYoungAgeFactor = 0.11;
constexpr double kBodyTypeFactor = 0.1;

// Rounds to single precision now. The store through a volatile forces it even where the
// compiler would keep the value in an 80-bit register (i686 with excess precision).
float ToSingle(Ext value) {
    volatile float stored = static_cast<float>(value);
    return stored;
}

}  // namespace

TSex SexFromText(std::string_view text) { return text == kSexMale ? TSex::Male : TSex::Female; }

float PetrovskyWeight(double height, double age, TSex sex) {
    const Ext k = sex == TSex::Male ? Ext{1} : static_cast<Ext>(kWomanFactor);
    const Ext sum = (static_cast<Ext>(height) - 150) * Ext{0.75L} + 50 + (static_cast<Ext>(age) - 20) * Ext{0.25L};
    return ToSingle(sum * k);
}

float BrocaBase(double height) {
    const Ext h = height;
    if (h < 165) return ToSingle(h - 100);
    if (h <= 175) return ToSingle(h - 105);
    return ToSingle(h - 110);
}

TBodyType BodyTypeByWrist(TSex sex, double wrist) {
    const double lower = sex == TSex::Male ? 18 : 15;
    const double upper = sex == TSex::Male ? 20 : 17;
    if (wrist < lower) return TBodyType::Asthenic;
    if (wrist > upper) return TBodyType::Hypersthenic;
    return TBodyType::Normosthenic;
}

TMassaResults CalculateOptimalWeight(const TMassaInputs& in) {
    TMassaResults r{};
    r.petrovsky = PetrovskyWeight(in.height, in.age, in.sex);

    // Each correction forms the product first, then the sum or difference, then rounds.
    float b = BrocaBase(in.height);
    if (in.age > 50)
        b = ToSingle(Ext{b} * static_cast<Ext>(kOldAgeFactor) + Ext{b});
    else if (in.age < 30)
        b = ToSingle(Ext{b} - Ext{b} * static_cast<Ext>(kYoungAgeFactor));

    r.bodyType = BodyTypeByWrist(in.sex, in.wrist);
    if (r.bodyType == TBodyType::Asthenic)
        b = ToSingle(Ext{b} - Ext{b} * static_cast<Ext>(kBodyTypeFactor));
    else if (r.bodyType == TBodyType::Hypersthenic)
        b = ToSingle(Ext{b} * static_cast<Ext>(kBodyTypeFactor) + Ext{b});
    r.broca = b;
    return r;
}

const char* BodyTypeText(TBodyType type) {
    switch (type) {
    case TBodyType::Asthenic: return "Астенический (тонкокостный)";
    case TBodyType::Normosthenic: return "Нормостенический (нормокостный)";
    case TBodyType::Hypersthenic: return "Гиперстенический (ширококостный)";
    }
    return "";
}

std::string WeightText(float value, std::string_view decimalSeparator) {
    std::string text = FormatGeneral(static_cast<double>(value), decimalSeparator);
    if (decimalSeparator.empty()) return text;
    const size_t at = text.find(decimalSeparator);
    if (at == std::string::npos) return text;
    const size_t keep = at + decimalSeparator.size() + 2;
    if (text.size() > keep) text.resize(keep);
    return text;
}

#pragma once
// The weight calculator's arithmetic, apart from its window: the optimal weight by
// Petrovsky's and Broca's formulas and the body type by the girth of the wrist.
//
// Intermediate values are 80-bit extended (long double: x87 on i686 and x86-64); each
// value given to a result is rounded to single precision at that moment, and the texts
// the window shows depend on those roundings (57,84 rather than 57,85).
#include <string>
#include <string_view>

// The entries of the sex list.
inline constexpr const char* kSexMale = "М";
inline constexpr const char* kSexFemale = "Ж";

enum class TSex { Male, Female };
enum class TBodyType { Asthenic, Normosthenic, Hypersthenic };

struct TMassaInputs {
    double height;  // cm, whole
    double age;     // years, whole
    TSex sex;
    double wrist;  // cm, one decimal
};

struct TMassaResults {
    float petrovsky;
    float broca;
    TBodyType bodyType;
};

// "М" is a man; anything else counts as a woman, the list's default entry.
TSex SexFromText(std::string_view text);

// ((H - 150) * 0.75 + 50 + (A - 20) * 0.25) * k, k being 1 for a man and the
// single-precision 0.9 for a woman; rounded once, at the end.
float PetrovskyWeight(double height, double age, TSex sex);

// Broca's base: H - 100 below 165 cm, H - 105 from 165 to 175 cm, H - 110 above 175 cm.
float BrocaBase(double height);

// The body type: below the lower threshold thin-boned, from the lower to the upper one
// (both included) normal, above it broad-boned; 18 and 20 cm for a man, 15 and 17 cm
// for a woman.
TBodyType BodyTypeByWrist(TSex sex, double wrist);

// The whole calculation in order: Petrovsky; Broca's base, its age correction (+6 %
// above 50 years, -11 % below 30) and its body-type correction (-10 % thin-boned, +10 %
// broad-boned).
TMassaResults CalculateOptimalWeight(const TMassaInputs& in);

// "Астенический (тонкокостный)", "Нормостенический (нормокостный)" or
// "Гиперстенический (ширококостный)".
const char* BodyTypeText(TBodyType type);

// A result as the window shows it: the value widened exactly, in the general format with
// the given decimal separator, then cut (not rounded) two characters after the
// separator: 59.625 gives "59,62", 44.5 gives "44,5", 64 gives "64".
std::string WeightText(float value, std::string_view decimalSeparator);

// The weight calculator's arithmetic: the worked examples, Broca's base at every height
// the height box can hold, the thresholds of age and wrist, and the cut of the texts.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/MassaCalc.h"

namespace {

struct Example {
    double height, age;
    const char* sex;
    double wrist;
    const char* petrovsky;
    const char* broca;
    const char* bodyType;
};

constexpr const char* kThin = "Астенический (тонкокостный)";
constexpr const char* kNormal = "Нормостенический (нормокостный)";
constexpr const char* kBroad = "Гиперстенический (ширококостный)";

const Example kExamples[] = {
    {150, 20, "Ж", 15, "45", "44,5", kNormal},      {150, 20, "М", 15, "50", "40,04", kThin},
    {170, 25, "Ж", 16, "59,62", "57,84", kNormal},  {164, 30, "Ж", 17, "56,69", "64", kNormal},
    {167, 50, "М", 18, "70,25", "62", kNormal},     {180, 55, "М", 21, "81,25", "81,61", kBroad},
    {174, 51, "Ж", 17.1, "68,17", "80,45", kBroad}, {177, 29, "М", 20, "72,5", "59,63", kNormal},
    {100, 15, "Ж", 10, "10,12", "0", kThin},        {220, 100, "М", 70, "122,5", "128,25", kBroad},
};

TMassaResults Calc(double height, double age, const char* sex, double wrist) {
    return CalculateOptimalWeight({height, age, SexFromText(sex), wrist});
}

TEST(MassaCalc, WorkedExamplesGiveTheirTexts) {
    for (const auto& e : kExamples) {
        SCOPED_TRACE(std::to_string(e.height) + " " + std::to_string(e.age) + " " + e.sex + " " +
                     std::to_string(e.wrist));
        TMassaResults r = Calc(e.height, e.age, e.sex, e.wrist);
        EXPECT_EQ(WeightText(r.petrovsky, ","), e.petrovsky);
        EXPECT_EQ(WeightText(r.broca, ","), e.broca);
        EXPECT_STREQ(BodyTypeText(r.bodyType), e.bodyType);
    }
}

TEST(MassaCalc, ResultsAreRoundedToSinglePrecisionAtEachStep) {
    // The values behind the texts: single-precision numbers, widened exactly.
    EXPECT_EQ(static_cast<double>(Calc(150, 20, "М", 15).broca), 40.04999923706054688);
    EXPECT_EQ(static_cast<double>(Calc(170, 25, "Ж", 16).broca), 57.84999847412109375);
    EXPECT_EQ(static_cast<double>(Calc(164, 30, "Ж", 17).petrovsky), 56.69999694824218750);
    EXPECT_EQ(static_cast<double>(Calc(174, 51, "Ж", 17.1).petrovsky), 68.17499542236328125);
    EXPECT_EQ(static_cast<double>(Calc(174, 51, "Ж", 17.1).broca), 80.45400238037109375);
    EXPECT_EQ(static_cast<double>(Calc(220, 100, "М", 70).broca), 128.25999450683593750);
    // Rounded in double instead, 57.85 would show as "57,85".
    EXPECT_EQ(WeightText(Calc(170, 25, "Ж", 16).broca, ","), "57,84");
}

TEST(MassaCalc, BrocaBaseCoversEveryWholeHeightWithoutGaps) {
    EXPECT_EQ(BrocaBase(164), 64.0f);
    EXPECT_EQ(BrocaBase(165), 60.0f);
    EXPECT_EQ(BrocaBase(166), 61.0f);
    EXPECT_EQ(BrocaBase(170), 65.0f);
    EXPECT_EQ(BrocaBase(175), 70.0f);
    EXPECT_EQ(BrocaBase(176), 66.0f);
    EXPECT_EQ(BrocaBase(177), 67.0f);
    // From 101 cm on, the base is positive everywhere: no height falls between ranges.
    // Every height from 101 to 220, ten to a row: below 165 the height less 100, from 165
    // to 175 less 105, above 175 less 110.
    const int expected[] = {
        /* 101 */ 1,   2,   3,   4,   5,   6,   7,   8,   9,   10,
        /* 111 */ 11,  12,  13,  14,  15,  16,  17,  18,  19,  20,
        /* 121 */ 21,  22,  23,  24,  25,  26,  27,  28,  29,  30,
        /* 131 */ 31,  32,  33,  34,  35,  36,  37,  38,  39,  40,
        /* 141 */ 41,  42,  43,  44,  45,  46,  47,  48,  49,  50,
        /* 151 */ 51,  52,  53,  54,  55,  56,  57,  58,  59,  60,
        /* 161 */ 61,  62,  63,  64,  60,  61,  62,  63,  64,  65,
        /* 171 */ 66,  67,  68,  69,  70,  66,  67,  68,  69,  70,
        /* 181 */ 71,  72,  73,  74,  75,  76,  77,  78,  79,  80,
        /* 191 */ 81,  82,  83,  84,  85,  86,  87,  88,  89,  90,
        /* 201 */ 91,  92,  93,  94,  95,  96,  97,  98,  99,  100,
        /* 211 */ 101, 102, 103, 104, 105, 106, 107, 108, 109, 110,
    };
    for (int h = 101; h <= 220; ++h) {
        SCOPED_TRACE(h);
        EXPECT_GT(BrocaBase(h), 0.0f);
        EXPECT_EQ(BrocaBase(h), static_cast<float>(expected[h - 101]));
    }
    // The four heights between the formula's ranges, with no correction applying.
    EXPECT_EQ(WeightText(Calc(165, 40, "М", 19).broca, ","), "60");
    EXPECT_EQ(WeightText(Calc(166, 40, "М", 19).broca, ","), "61");
    EXPECT_EQ(WeightText(Calc(175, 40, "Ж", 16).broca, ","), "70");
    EXPECT_EQ(WeightText(Calc(176, 40, "Ж", 16).broca, ","), "66");
}

TEST(MassaCalc, AgeCorrectsOnlyBelowThirtyAndAboveFifty) {
    // Base 65 (170 cm), normal wrist: 30 and 50 keep it.
    EXPECT_EQ(Calc(170, 30, "М", 19).broca, 65.0f);
    EXPECT_EQ(Calc(170, 50, "М", 19).broca, 65.0f);
    EXPECT_EQ(WeightText(Calc(170, 29, "М", 19).broca, ","), "57,84");
    // 68.9 in single precision is 68.9000015...: the cut keeps the zero.
    EXPECT_EQ(WeightText(Calc(170, 51, "М", 19).broca, ","), "68,90");
    // Petrovsky does not depend on the wrist; Broca does not on the Petrovsky sex factor.
    EXPECT_EQ(Calc(170, 40, "Ж", 10).petrovsky, Calc(170, 40, "Ж", 70).petrovsky);
    EXPECT_EQ(Calc(170, 40, "Ж", 16).broca, Calc(170, 40, "М", 19).broca);
}

TEST(MassaCalc, WristThresholdsBelongToTheNormalType) {
    struct Case {
        const char* sex;
        double wrist;
        TBodyType type;
    } cases[] = {
        {"М", 17.9, TBodyType::Asthenic},     {"М", 18, TBodyType::Normosthenic},   {"М", 20, TBodyType::Normosthenic},
        {"М", 20.1, TBodyType::Hypersthenic}, {"Ж", 14.9, TBodyType::Asthenic},     {"Ж", 15, TBodyType::Normosthenic},
        {"Ж", 17, TBodyType::Normosthenic},   {"Ж", 17.1, TBodyType::Hypersthenic}, {"М", 10, TBodyType::Asthenic},
        {"Ж", 70, TBodyType::Hypersthenic},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.sex) + " " + std::to_string(c.wrist));
        EXPECT_EQ(BodyTypeByWrist(SexFromText(c.sex), c.wrist), c.type);
    }
    // The type's correction of Broca: -10 %, none, +10 % (base 65, age 40).
    EXPECT_EQ(WeightText(Calc(170, 40, "М", 17.9).broca, ","), "58,5");
    EXPECT_EQ(WeightText(Calc(170, 40, "М", 18).broca, ","), "65");
    EXPECT_EQ(WeightText(Calc(170, 40, "М", 20.1).broca, ","), "71,5");
}

TEST(MassaCalc, SexTextsAndFactor) {
    EXPECT_EQ(SexFromText(kSexMale), TSex::Male);
    EXPECT_EQ(SexFromText(kSexFemale), TSex::Female);
    EXPECT_STREQ(kSexMale, "\xD0\x9C");    // Cyrillic capital EM
    EXPECT_STREQ(kSexFemale, "\xD0\x96");  // Cyrillic capital ZHE
    // A Latin "M" is not the list's entry.
    EXPECT_EQ(SexFromText("M"), TSex::Female);
    EXPECT_EQ(PetrovskyWeight(170, 25, TSex::Male), 66.25f);
    EXPECT_EQ(PetrovskyWeight(170, 25, TSex::Female), 59.625f);
}

TEST(MassaCalc, TextIsCutNotRoundedTwoPlacesAfterTheSeparator) {
    EXPECT_EQ(WeightText(59.625f, ","), "59,62");
    EXPECT_EQ(WeightText(56.6999969482421875f, ","), "56,69");
    EXPECT_EQ(WeightText(44.5f, ","), "44,5");
    EXPECT_EQ(WeightText(64.0f, ","), "64");
    EXPECT_EQ(WeightText(0.0f, ","), "0");
    EXPECT_EQ(WeightText(-0.0f, ","), "0");
    EXPECT_EQ(WeightText(0.999f, ","), "0,99");
    EXPECT_EQ(WeightText(122.5f, ","), "122,5");
    // The user's separator, whatever it is.
    EXPECT_EQ(WeightText(59.625f, "."), "59.62");
    EXPECT_EQ(WeightText(59.625f, "<>"), "59<>62");
}

}  // namespace

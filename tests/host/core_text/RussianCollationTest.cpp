#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "core/RussianCollation.h"

namespace {

// Every adjacent pair must be strictly ordered, by both the comparison and the keys.
void ExpectStrictOrder(const std::vector<std::string>& sorted) {
    for (std::size_t i = 0; i + 1 < sorted.size(); ++i) {
        SCOPED_TRACE(sorted[i] + " < " + sorted[i + 1]);
        EXPECT_LT(CompareRussian(sorted[i], sorted[i + 1]), 0);
        EXPECT_GT(CompareRussian(sorted[i + 1], sorted[i]), 0);
        EXPECT_LT(CollationKey(sorted[i]), CollationKey(sorted[i + 1]));
    }
}

TEST(CoreTextCollation, RussianAlphabetIgnoringCase) {
    ExpectStrictOrder({"а", "Б", "в", "Г", "д", "е", "Ж", "з", "и", "й", "К", "л", "м", "Н", "о", "п",
                       "р", "С", "т", "у", "Ф", "х", "ц", "ч", "Ш", "щ", "ъ", "ы", "ь", "Э", "ю", "Я"});
    ExpectStrictOrder(
        {"Абрикос", "апельсин", "Баклажан", "банан", "Ватрушка", "Щи", "щука", "Эклер", "юшка", "Яблоко", "ячмень"});
    EXPECT_EQ(CompareRussian("Яблоко", "Яблоко"), 0);
}

TEST(CoreTextCollation, YoSortsWithYeAsAVariant) {
    ExpectStrictOrder({"еж", "ёж", "ежа", "ежевика"});  // ё weighs as е first
    ExpectStrictOrder({"елка", "ёлка", "Ёлка", "ель"});
    ExpectStrictOrder({"Е", "ё", "Ё", "Ж"});
}

TEST(CoreTextCollation, ClassesComeInAFixedOrder) {
    ExpectStrictOrder({"",  "\t", " ", "!", "(", "-", ".", "«", "№", "0", "1", "10",
                       "9", "a",  "B", "z", "а", "г", "ґ", "д", "я", "Ω", "日"});
    ExpectStrictOrder({"Суп", "Суп гороховый", "Суп-пюре", "Суп1", "СупA", "Супы"});
}

TEST(CoreTextCollation, CaseAndSpacesBreakTiesDeterministically) {
    ExpectStrictOrder({"хлеб", "Хлеб", "ХЛЕБ"});
    ExpectStrictOrder({"мёд", "Мёд", "МЁД"});
    // Space and no-break space weigh the same; the bytes decide, and only equal texts tie.
    EXPECT_NE(CompareRussian("a b",
                             "a\xC2\xA0"
                             "b"),
              0);
    EXPECT_LT(CompareRussian("a b",
                             "a\xC2\xA0"
                             "c"),
              0);
    EXPECT_LT(CompareRussian("a\xC2\xA0"
                             "b",
                             "a c"),
              0);
    EXPECT_NE(CompareRussian("x\xFF", "x\xFE"), 0);  // invalid bytes, still total
    EXPECT_GT(CompareRussian("x\xFF", "xя"), 0);
}

TEST(CoreTextCollation, KeysAgreeWithComparisonOnRandomTexts) {
    const std::vector<std::string> pieces = {"а", "А",        "е", "ё", "Ё", "Е", "ж",    "z",    "Z", "1",
                                             " ", "\xC2\xA0", "-", "я", "Я", "ї", "\x01", "\xFF", "🍏"};
    std::mt19937 rng(12345);
    std::vector<std::string> texts;
    for (int i = 0; i < 600; ++i) {
        std::string t;
        int len = static_cast<int>(rng() % 5);
        for (int j = 0; j < len; ++j) t += pieces[rng() % pieces.size()];
        texts.push_back(t);
    }
    // Keys define a total order consistent with CompareRussian, and equal keys only for
    // equal texts.
    for (std::size_t i = 0; i < texts.size(); ++i) {
        for (std::size_t j = i; j < std::min(texts.size(), i + 40); ++j) {
            const std::string &a = texts[i], &b = texts[j];
            int byKey = CollationKey(a).compare(CollationKey(b));
            int cmp = CompareRussian(a, b);
            EXPECT_EQ((byKey > 0) - (byKey < 0), cmp);
            EXPECT_EQ(cmp == 0, a == b);
        }
    }
    std::sort(texts.begin(), texts.end(),
              [](const std::string& a, const std::string& b) { return CompareRussian(a, b) < 0; });
    for (std::size_t i = 0; i + 1 < texts.size(); ++i) EXPECT_LE(CompareRussian(texts[i], texts[i + 1]), 0);
}

}  // namespace

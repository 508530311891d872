#include <gtest/gtest.h>

#include "core/TextCase.h"

namespace {

TEST(CoreTextCase, FoldsLatinAndCyrillicLettersOnly) {
    EXPECT_EQ(FoldCase("NAZV_Food ЁЖИК Ёлка ҐЄЇІЎЂЉ"), "nazv_food ёжик ёлка ґєїіўђљ");
    EXPECT_EQ(FoldCase("Ωμέγα 123 ÄÖ"), "Ωμέγα 123 ÄÖ");  // other scripts untouched
    EXPECT_EQ(FoldCase(U'Я'), U'я');
    EXPECT_EQ(FoldCase(U'Ё'), U'ё');
    EXPECT_EQ(FoldCase(U'ё'), U'ё');
    EXPECT_EQ(FoldCase("a\xFF"
                       "B"),
              "a\xFF"
              "b");  // invalid byte kept
}

TEST(CoreTextCase, EqualityIgnoresCaseButNotLetters) {
    EXPECT_TRUE(EqualsIgnoreCase("Nazv_food", "NAZV_FOOD"));
    EXPECT_TRUE(EqualsIgnoreCase("Сateg", "сATEG"));
    EXPECT_FALSE(EqualsIgnoreCase("Сateg", "Categ"));  // Cyrillic Es is not Latin C
    EXPECT_FALSE(EqualsIgnoreCase("ёлка", "елка"));
    EXPECT_TRUE(EqualsIgnoreCase("ЁЛКА", "ёлка"));
    EXPECT_FALSE(EqualsIgnoreCase("abc", "ab"));
    EXPECT_FALSE(EqualsIgnoreCase("a\xFF", "a\xFE"));
    EXPECT_TRUE(EqualsIgnoreCase("", ""));
}

TEST(CoreTextCase, StartsWithForLocate) {
    EXPECT_TRUE(StartsWithIgnoreCase("Яблоко печёное", "ЯБЛ"));
    EXPECT_TRUE(StartsWithIgnoreCase("Яблоко", ""));
    EXPECT_TRUE(StartsWithIgnoreCase("Яблоко", "яблоко"));
    EXPECT_FALSE(StartsWithIgnoreCase("Яблоко", "яблоко зелёное"));
    EXPECT_FALSE(StartsWithIgnoreCase("Ябл", "Яблоко"));
    EXPECT_FALSE(StartsWithIgnoreCase("Я", "\xD0"));  // half a letter matches nothing
}

}  // namespace

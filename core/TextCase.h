#pragma once
// Letter case of Latin and Cyrillic letters over UTF-8 text, for the comparisons that
// ignore case (field names, Locate). Other characters are left as they are: Ё folds to
// ё, not to е. Bytes that are not valid UTF-8 are compared as they are.
#include <string>
#include <string_view>

// The lower-case form of a Latin or Cyrillic capital letter (A-Z, А-Я, Ё and the other
// letters of U+0400..U+042F, Ґ); any other code point unchanged.
char32_t FoldCase(char32_t cp);
// True for the capital letters that FoldCase changes.
inline bool IsFoldableUpper(char32_t cp) { return FoldCase(cp) != cp; }

// The text with every Latin and Cyrillic capital letter in lower case.
std::string FoldCase(std::string_view utf8);

bool EqualsIgnoreCase(std::string_view a, std::string_view b);
bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix);

#pragma once
// Alphabetical order of names for "order by": Russian alphabetical order, ignoring
// letter case.
//
// The order, from first to last:
//   1. control characters, then spaces (space and no-break space weigh the same),
//   2. punctuation and symbols (ASCII first, then the other symbols of code page 1251),
//   3. digits 0..9 (character by character: "10" comes before "9"),
//   4. Latin letters a..z,
//   5. Cyrillic letters in Russian alphabetical order, with the Ukrainian, Belarusian
//      and Serbian letters of code page 1251 placed after their nearest Russian letter
//      (ґ after г, є after е, і and ї after и, ў after у, ...),
//   6. any other character, by code point; bytes that are not valid UTF-8 last.
// Ё is a variant of Е as Russian dictionaries treat it: words that differ only there are
// ordered е before ё ("елка" < "ёлка" < "ель"). Case matters only between texts that
// are otherwise equal: lower case first ("яблоко" < "Яблоко"). Texts still equal after
// that (a space against a no-break space) are ordered by their bytes, so only equal
// texts compare equal and every sort is deterministic.
//
// Sorting many names: build each name's key once (CollationKey) and compare the keys
// bytewise; comparing keys gives exactly the order of CompareRussian.
#include <string>
#include <string_view>

// Appends the sort key of `utf8` to `key`. Keys compare with memcmp over the shorter
// length, the shorter key first when one is a prefix of the other (std::string's <).
void AppendCollationKey(std::string& key, std::string_view utf8);
std::string CollationKey(std::string_view utf8);

// <0, 0 or >0 as `a` sorts before, with or after `b`.
int CompareRussian(std::string_view a, std::string_view b);

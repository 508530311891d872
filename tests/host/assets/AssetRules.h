#pragma once
// The rules every row of the default data must keep so that the table builder can store
// it (code page 1251 text of limited length, BCD numbers with at most three decimals)
// and so that a user sees believable food values.
#include <cstddef>
#include <optional>
#include <string>

// Why the text cannot be a name of at most `maxBytes` bytes in code page 1251, or
// nullopt when it can. Only letters, digits, ordinary punctuation, "№", "«»" and "—"
// are accepted: other characters of the code page (curly quotes, en dashes, control
// bytes) are easy to paste by mistake and look wrong in the program's lists.
std::optional<std::string> NameProblem(const std::string& utf8, std::size_t maxBytes);

// A non-negative decimal written with '.' and at most three decimals ("12", "0.5",
// "7.125"); nullopt for anything else.
std::optional<double> ParseAmount(const std::string& text);

// The stated energy agrees with 4 kcal/g of protein and carbohydrate and 9 kcal/g of
// fat within 15 % (fibre and organic acids explain differences of that size), or
// within 5 kcal for nearly energy-free foods such as tea or water.
bool EnergyConsistent(double protein, double fat, double carbohyd, double kkal);

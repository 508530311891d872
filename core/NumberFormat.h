#pragma once
// Numbers as the user sees and types them, with the decimal separator of the regional
// settings (see core/Locale.h).
//
// General format: the shortest text that reads back as the same double, but never more
// than 15 significant digits (so 0.1 + 0.2 shows as "0,3" and 1/3 as
// "0,333333333333333"); no trailing zeros, no exponent, no thousands separator. Only
// when the value rounded to those digits is 1E15 or more in magnitude, or below 1E-4,
// the exponent form is used: the digits with the separator after the first one, then
// "E" and the exponent without plus sign or leading zeros ("1E15", "-2,5E-5",
// "1,23456789012346E20"). The few largest doubles, which rounded to 15 digits would lie
// beyond the range of double, keep the digits they need to read back
// ("1,7976931348623157E308"). Zero is "0" (also minus zero); not-a-number is "NAN",
// infinities are "INF" and "-INF".
#include <optional>
#include <string>
#include <string_view>

std::string FormatGeneral(double value, std::string_view decimalSeparator);

// Reads a number typed with the given decimal separator: optional spaces around it, an
// optional sign, digits with at most one separator (digits on at least one side of
// it), and an optional exponent ("E" or "e", optional sign, digits). Anything else, and
// a value beyond the range of double, gives std::nullopt.
std::optional<double> ParseNumber(std::string_view text, std::string_view decimalSeparator);

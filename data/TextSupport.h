#pragma once
// Text and number helpers the dataset layer needs: case folding for field names and
// Locate, the general number format with the locale's decimal separator, and the
// strict text-to-number conversions of the number fields.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace data {

// Latin and Cyrillic letters folded to lower case (UTF-8 in, UTF-8 out).
std::string FoldCase(std::string_view text);
bool SameText(std::string_view a, std::string_view b);

// The user's decimal separator (',' under Russian settings).
char DecimalSep();

// General format: shortest form with up to 15 significant digits, no trailing zeros,
// the locale's decimal separator.
std::string FormatGeneral(double value);
// C's %g, used by the range message.
std::string FormatG(double value);

// Decimal digits with an optional sign; nullopt when the text is not such a number or
// does not fit 32 bits.
std::optional<int32_t> ParseInteger(std::string_view text);
// A decimal number written with the locale's separator (a full stop is accepted too);
// optional sign, digits on either side of one separator, an optional exponent; a lone
// separator is 0. Surrounding blanks are ignored. nullopt when the text is not a number.
std::optional<double> ParseFloat(std::string_view text);

// The first `chars` characters of a UTF-8 text.
std::string CutToChars(std::string_view text, int chars);

}  // namespace data

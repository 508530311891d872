#pragma once
// The user's regional settings that the program follows.
#include <string>

// The decimal separator of the user's regional settings ("," under the Russian
// settings). Outside Windows, and when the settings cannot be read, ",".
std::string DecimalSeparator();

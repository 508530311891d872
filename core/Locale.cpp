#include "core/Locale.h"

// The Windows tree reads the regional settings (Locale_win.cpp).
#ifndef _WIN32
std::string DecimalSeparator() { return ","; }
#endif

#pragma once
// The choice of painter for a plain window (no framework object behind it): by its
// lower-cased window class name and its style bits.
#include <cstdint>
#include <string>

#include "skin/controls/PaintPlan.h"
#include "skin/data/SkinOptions.h"

namespace skin {

struct TPlainWindowFacts {
    std::string ClassName;  // lower case
    std::uint32_t Style = 0;
    std::uint32_t ExStyle = 0;
    bool HasChild = false;
};

// Handled false: the window gets nothing.
TPaintPlan PlanPlainWindow(const TPlainWindowFacts& facts, const TSkinControlSet& on);

}  // namespace skin

#pragma once
// The class map of other libraries' controls: lines "ClassName=kind". The first line
// that starts with the lower-cased class name followed by "=" gives the kind.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/controls/ControlFacts.h"
#include "skin/controls/PaintPlan.h"
#include "skin/data/SkinOptions.h"

namespace skin {

// The lower-cased kind (at most 50 characters), or empty when no line names the class.
std::string Find3rdKind(std::string_view className, const std::vector<std::string>& lines);

// The plan for a control the map names. Always handled, even for an unknown kind or a
// switch that is off: such a control stays unskinned.
TPaintPlan Plan3rd(std::string_view kind, const IControlFacts& facts, const TSkinControlSet& on, bool hasTabs);

// The painter of one child of a control mapped as "embedscrollbar" (None for the rest).
TPaintItem PlanEmbeddedChild(const IControlFacts& child);

struct T3rdKindRow {
    std::string_view Kind;
    int Needs;  // a SkinControls member, or -1
    TPaintPlan Plan;
};
std::span<const T3rdKindRow> Skin3rdKinds();

}  // namespace skin

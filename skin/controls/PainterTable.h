#pragma once
// The choice of painter for a framework control: the class map of other libraries'
// classes first, then the built-in rules in their fixed order, the first match winning.
// A rule whose class matches but whose switch is off lets the next rules try, unless the
// rule stops anyway.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/controls/ControlFacts.h"
#include "skin/controls/PaintPlan.h"
#include "skin/data/SkinOptions.h"

namespace skin {

struct TDispatchSwitches {
    TSkinControlSet Controls = DefaultSkinControls;
    bool HasTabs = false;  // the skin has a Tabs element
    std::int32_t DisableTag = 99;
    std::vector<std::string> Skin3rd;
};

enum class TMatchBy : std::uint8_t { Family, Names, ScrollControl };

struct TDispatchRule {
    int Number = 0;
    TMatchBy By = TMatchBy::Family;
    TControlFamily Family{};
    std::array<std::string_view, 3> Names{};
    int Needs = -1;  // the SkinControls member the rule needs, or -1
    bool NeedsTabs = false;
    TPaintPlan Plan{};
    // Rules whose outcome depends on more than the class: they adjust the plan.
    void (*Refine)(TPaintPlan& plan, const IControlFacts& facts, const TSkinControlSet& on) = nullptr;
};

std::span<const TDispatchRule> DispatchRules();

// A windowed control with scroll-bar styles, or a list box, memo, tree view, scroll box.
bool IsScrollControl(const IControlFacts& facts);

// The class map, then the classes left alone, then the built-in rules. An unhandled plan
// (Handled false) means no rule took the control.
TPaintPlan PlanControl(const IControlFacts& facts, const TDispatchSwitches& switches);
// The built-in rules alone.
TPaintPlan PlanBuiltIn(const IControlFacts& facts, const TDispatchSwitches& switches);

// A control with the disabling tag passes it on to its items when it is a radio or
// check group (by its class name).
bool DisableReachesItems(std::string_view className);

}  // namespace skin

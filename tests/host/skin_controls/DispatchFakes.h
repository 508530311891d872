#pragma once
// Control facts made up for the dispatch tests.
#include <map>
#include <set>
#include <string>

#include "skin/controls/ControlFacts.h"

namespace skin::test {

struct FakeFacts : IControlFacts {
    FakeFacts(std::string name, std::set<TControlFamily> families = {}, std::map<std::string, std::string> props = {},
              std::uint32_t style = 0, bool windowed = true)
        : name(std::move(name)),
          families(std::move(families)),
          props(std::move(props)),
          style(style),
          windowed(windowed) {}
    std::string ClassName() const override { return name; }
    bool Is(TControlFamily f) const override { return families.count(f) != 0; }
    bool Windowed() const override { return windowed; }
    std::uint32_t Style() const override { return style; }
    std::string Property(std::string_view n) const override {
        auto it = props.find(std::string(n));
        return it == props.end() ? std::string() : it->second;
    }
    std::string name;
    std::set<TControlFamily> families;
    std::map<std::string, std::string> props;
    std::uint32_t style = 0;
    bool windowed = true;
};

}  // namespace skin::test

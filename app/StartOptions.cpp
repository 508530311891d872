#include "app/StartOptions.h"

#include "core/AsciiCase.h"

namespace {

// The switch's name after its "/" or "-", and what follows its ":" (empty without one).
bool SplitSwitch(const std::string& arg, std::string& name, std::string& value) {
    if (arg.size() < 2 || (arg[0] != '/' && arg[0] != '-')) return false;
    const auto colon = arg.find(':');
    name = arg.substr(1, colon == std::string::npos ? std::string::npos : colon - 1);
    value = colon == std::string::npos ? std::string() : arg.substr(colon + 1);
    return true;
}

}  // namespace

TStartOptions ParseStartOptions(const std::vector<std::string>& args) {
    TStartOptions options;
    for (const std::string& arg : args) {
        std::string name, value;
        if (!SplitSwitch(arg, name, value)) continue;
        if (EqualsIgnoreAsciiCase(name, "noskin") && value.empty()) {
            options.skinned = false;
        } else if (EqualsIgnoreAsciiCase(name, "skin") && !value.empty()) {
            // "/skin:" with nothing after it names no file: the default stays.
            options.skinFile = value;
            options.skinned = true;
        }
    }
    return options;
}

TStartOptions& StartOptions() {
    static TStartOptions options;
    return options;
}

#pragma once
// The dispatch's view of real controls: a framework control by its classes, a plain
// window by its class name and style bits. Families without a framework class answer no.
#include <windows.h>

#include "skin/controls/ControlFacts.h"
#include "skin/controls/PlainWindowTable.h"

class TControl;

namespace skin {

class TFrameworkFacts : public IControlFacts {
public:
    explicit TFrameworkFacts(TControl& control) : control_(control) {}
    std::string ClassName() const override;
    bool Is(TControlFamily family) const override;
    bool Windowed() const override;
    std::uint32_t Style() const override;
    std::string Property(std::string_view name) const override;

private:
    TControl& control_;
};

TPlainWindowFacts ReadPlainWindow(HWND window);

}  // namespace skin

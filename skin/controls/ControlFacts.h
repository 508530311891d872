#pragma once
// What the painter dispatch needs to know of one framework control, so the choice can be
// made (and tested) without windows. The Windows half answers over the framework's
// classes; tests answer with a fake.
#include <cstdint>
#include <string>
#include <string_view>

namespace skin {

// The class families the dispatch rules test by inheritance.
enum class TControlFamily : std::uint8_t {
    TabControl,  // any tab control, page controls included
    PageControl,
    ToolButton,
    CoolBar,
    TabSheet,
    HeaderControl,
    CheckBox,
    TrackBar,
    RadioGroup,
    GroupBox,
    RadioButton,
    ToolBar,
    StatusBar,
    ProgressBar,
    ScrollBarControl,
    ComboBox,
    DateTimePicker,
    BitButton,
    SpeedButton,
    Panel,
    ListView,
    Memo,
    Grid,
    PushButton,
    Edit,
    Frame,
    Form,
    ListBox,
    TreeView,
    ScrollBox,
};

class IControlFacts {
public:
    virtual ~IControlFacts() = default;
    // The class name in upper case ("TRZBUTTON").
    virtual std::string ClassName() const = 0;
    virtual bool Is(TControlFamily family) const = 0;
    virtual bool Windowed() const = 0;
    // The window style bits (0 for a control without a window).
    virtual std::uint32_t Style() const = 0;
    // A published property as text (enumerations by value name, ordinals in decimal);
    // empty when the control has no such property.
    virtual std::string Property(std::string_view name) const = 0;
};

}  // namespace skin

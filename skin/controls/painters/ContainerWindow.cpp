#include "skin/controls/painters/ContainerWindow.h"

#include "skin/controls/SkinControl.h"

namespace skin {

IContainerWindow* TContainerFacts::Get(const TSkinControl& painter) {
    if (!facts_ && painter.Window()) facts_ = MakeContainerWindow(painter.Window()->Handle(), painter.FControl);
    return facts_.get();
}

}  // namespace skin

#include "skin/controls/painters/ContainerWindow.h"

namespace skin {

// No window system: the painters draw only what needs no window facts.
std::unique_ptr<IContainerWindow> MakeContainerWindow(std::uintptr_t, TComponent*) { return nullptr; }

}  // namespace skin

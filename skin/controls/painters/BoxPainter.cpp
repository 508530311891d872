#include "skin/controls/painters/BoxPainter.h"

namespace skin {

void TSkinBox::Unsubclass() {
    TSkinControl::Unsubclass();
    FState = psDetachedByBox;
}

}  // namespace skin

#include "skin/controls/painters/BoxHPainter.h"

#include "skin/data/SkinData.h"

namespace skin {

bool TSkinBoxH::BeforeProc(TPainterMessage& message) {
    switch (message.Msg) {
    case msg::EraseBkgnd:
        if (Window()) Window()->EraseBackground(message.WParam, ButtonFaceColor());
        message.Result = 1;
        return false;
    case kWmCtlColorStatic:
        // The window sets up the text colours first; only the brush is ours. Without a
        // face brush (no window system) the window's own answer stands.
        if (!Default(message)) return false;
        if (FSkinData && FSkinData->FaceBrush) message.Result = static_cast<std::intptr_t>(FSkinData->FaceBrush);
        return false;
    default: return TSkinControl::BeforeProc(message);
    }
}

}  // namespace skin

#include "skin/controls/painters/PainterFactory.h"

#include <array>

namespace skin {

namespace {

// Kind -> maker. Each painter adds its row here when it joins, e.g.
//   {TPainterKind::Button, [](TComponent* o) -> TSkinControl* { return new TSkinButton(o); }},
const std::array<TPainterMaker, 0> kMakers = {};

}  // namespace

std::span<const TPainterMaker> TPainterFactory::Makers() { return kMakers; }

TSkinControl* TPainterFactory::Make(TPainterKind kind, int variant, TComponent* owner) {
    for (const TPainterMaker& m : kMakers) {
        if (m.Kind != kind) continue;
        TSkinControl* painter = m.Make(owner);
        if (painter) painter->FKind = variant;
        return painter;
    }
    return nullptr;
}

IPainterFactory& DefaultPainterFactory() {
    static TPainterFactory factory;
    return factory;
}

}  // namespace skin

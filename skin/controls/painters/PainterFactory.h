#pragma once
// Makes the painter of a painter kind. One row per painter: joining a painter to the
// dispatch is adding its row. A kind without a row makes nothing and the control keeps
// its own look.
#include <memory>
#include <span>

#include "skin/controls/PainterKind.h"
#include "skin/controls/SkinControl.h"

namespace skin {

class IPainterFactory {
public:
    virtual ~IPainterFactory() = default;
    // A new, unattached painter owned by `owner` (nil: the caller owns it), or nullptr.
    // variant: the painter's FKind as the dispatch chose it.
    virtual TSkinControl* Make(TPainterKind kind, int variant, TComponent* owner) = 0;
};

struct TPainterMaker {
    TPainterKind Kind;
    TSkinControl* (*Make)(TComponent* owner);
};

class TPainterFactory : public IPainterFactory {
public:
    TSkinControl* Make(TPainterKind kind, int variant, TComponent* owner) override;
    // The rows, for the check that every row makes a painter of its kind.
    static std::span<const TPainterMaker> Makers();
};

// The factory the form skin objects use unless told otherwise.
IPainterFactory& DefaultPainterFactory();

}  // namespace skin

#include "skin/controls/painters/ObjImagePainter.h"

#include <string>
#include <utility>
#include <vector>

#include "skin/controls/PropertyAccess.h"
#include "skin/data/SkinData.h"

namespace skin {

namespace {

// (source frame, target slot) pairs of each variant; the pairs marked five only when the
// skin strip has exactly five frames.
struct SlotMap {
    int slots;
    std::vector<std::pair<int, int>> always;
    std::vector<std::pair<int, int>> five;
};

const SlotMap& MapOf(int variant) {
    static const SlotMap rzCheck{9, {{1, 0}, {1, 3}, {2, 1}, {2, 4}, {3, 6}, {4, 7}}, {{5, 2}, {5, 5}, {5, 8}}};
    static const SlotMap rzRadio{6, {{1, 0}, {1, 2}, {2, 1}, {2, 3}, {3, 4}, {4, 5}}, {}};
    static const SlotMap devCheck{6, {{1, 0}, {1, 3}, {2, 1}, {2, 4}}, {{5, 2}, {5, 5}}};
    return variant == oiRzRadio ? rzRadio : variant == oiDevCheck ? devCheck : rzCheck;
}

void SetCustomGlyphs(TComponent* widget, const Surface& strip) {
    Surface* glyphs = GetObjProp<Surface>(widget, "CustomGlyphs");
    if (!glyphs) return;
    *glyphs = strip;
    SetProperty(widget, "transparentcolor", std::to_string(0xFF00FF));
    SetProperty(widget, "UseCustomGlyphs", "false");  // off and on: the widget reloads
    SetProperty(widget, "UseCustomGlyphs", "true");
}

}  // namespace

Surface BuildObjImageStrip(const Surface& skinStrip, int frames, int variant) {
    if (skinStrip.Empty() || frames < 1) return {};
    int w = skinStrip.Width() / frames, h = skinStrip.Height();
    if (w < 1) return {};
    const SlotMap& map = MapOf(variant);
    Surface out(w * map.slots, h, kMagenta);
    auto put = [&](const std::vector<std::pair<int, int>>& pairs) {
        for (auto [source, slot] : pairs)
            if (source <= frames) Copy(out, slot * w, 0, skinStrip, Rect::FromSize((source - 1) * w, 0, w, h));
    };
    put(map.always);
    if (frames == 5) put(map.five);
    return out;
}

bool TSkinObjImage::Init(TPainterList* form, TSkinData* skinData, TComponent* control, std::unique_ptr<IPaintedWindow>,
                         bool) {
    if (FInitialized) return false;
    if (FKind >= oiRzCheck && FKind <= oiRzCheck + 2) FVariant = FKind;  // as the dispatch chose
    FForm = form;
    FSkinData = skinData;
    FControl = control;
    if (FForm) FForm->Add(this);
    FInitialized = true;
    FState = psAttached;
    ChangeImage();
    return true;
}

void TSkinObjImage::ChangeImage() {
    const TDataSkinButton* b = FSkinData ? FSkinData->Buttons.get() : nullptr;
    if (!b || !FControl) return;
    bool radio = FVariant == oiRzRadio;
    const Surface& source = radio ? b->RadioMap : b->CheckMap;
    if (source.Empty()) return;
    Surface strip = BuildObjImageStrip(source, radio ? b->RadioButtonFrame : b->CheckButtonFrame, FVariant);
    if (strip.Empty()) return;
    if (FVariant == oiDevCheck) {
        TComponent* props = GetObjProp<TComponent>(FControl, "Properties");
        if (Surface* glyph = GetObjProp<Surface>(props, "Glyph")) *glyph = strip;
        skin::SetProperty(props, "GlyphTransparentColor", std::to_string(0xFF00FF));
        skin::SetProperty(props, "Transparent", "false");
        return;
    }
    SetCustomGlyphs(FControl, strip);
}

void TSkinObjImage::SkinChange() { ChangeImage(); }

void TSkinObjImage::Unsubclass() {
    if (!FControl) return;
    if (FVariant == oiDevCheck) {
        if (Surface* glyph = GetObjProp<Surface>(GetObjProp<TComponent>(FControl, "Properties"), "Glyph"))
            *glyph = Surface();
        return;
    }
    skin::SetProperty(FControl, "UseCustomGlyphs", "false");
}

}  // namespace skin

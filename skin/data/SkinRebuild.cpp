// Images the model makes from the skin's own after parsing: the whole-control combo-box
// image, the date-time picker's arrow cells and the tool-bar gradient.
#include <algorithm>

#include "skin/data/DrawPrimitives.h"
#include "skin/data/GradFill.h"
#include "skin/data/ImgUtil.h"
#include "skin/data/SkinModel.h"
#include "skin/data/SkinSystem.h"

namespace skin {

namespace {

Rect Margins(const TDataSkinObject& e) { return {e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight}; }

}  // namespace

// Combo box: each state of the edit frame with the drop-down button drawn into its right
// end, the text area left transparent. ComboButton takes the result (Style 2), SunkEdge
// its mirror for right-to-left combo boxes.
void TSkinModel::ReBuildCombobox() {
    const int b = SystemHScrollArrowWidth() + 2;
    const int n = std::max(SunkEdge->Frame, int32_t{1});
    const int cw = 50, ch = 21;
    Surface result(cw * n, ch, kMagenta);
    for (int k = 1; k <= n; ++k) {
        Surface canvas(cw, ch, kMagenta);
        DrawRect2(canvas, Rect{0, 0, cw, ch}, SunkEdge->Map, false, false, SunkEdge->Trans != 0, n, k,
                  Margins(*SunkEdge));
        const Rect button{cw - b, 0, cw, ch};
        DrawRect2(canvas, button, ComboButton->Map, false, false, true, std::max(ComboButton->Frame, int32_t{1}), k,
                  Margins(*ComboButton));
        if (ExtraImages) DrawRect3(canvas, button, ExtraImages->Map, true, std::max(ExtraImages->Frame, int32_t{1}), k);
        Fill(canvas, Rect{2, 2, 49 - b, 18}, kMagenta);
        Copy(result, cw * (k - 1), 0, canvas, canvas.Bounds());
    }
    ComboButton->Map = result;
    ComboButton->LeftWidth = 2;
    ComboButton->TopHeight = SunkEdge->TopHeight;
    ComboButton->RightWidth = b + 2;
    ComboButton->BottomHeight = SunkEdge->BottomHeight;
    ComboButton->Style = 2;
    SunkEdge->Map = std::move(result);
    SpiegelnHorizontal(SunkEdge->Map);
    SunkEdge->LeftWidth = b + 2;
    SunkEdge->RightWidth = 2;
}

void TSkinModel::ReBuildComboxArrow() {
    if (!ComboxArrow) ComboxArrow = std::make_unique<TDataSkinObject>("ComboxArrow");
    ComboxArrow->Map = Surface();
    ComboxArrow->Frame = 1;
    if (SunkEdge && ComboButton && ComboButton->Style == 2) {
        const int n = std::max(ComboButton->Frame, int32_t{1});
        const int cellWidth = ComboButton->Map.Width() / n;
        Surface arrows(17 * n, 17);
        for (int k = 1; k <= n; ++k)
            Copy(arrows, 17 * (k - 1), 0, ComboButton->Map, Rect{k * cellWidth - 19, 2, k * cellWidth - 2, 19});
        ComboxArrow->Map = std::move(arrows);
        ComboxArrow->Frame = n;
    } else if (!SunkEdge && ComboButton) {
        ComboxArrow->Map = ComboButton->Map;
        ChangeTrans(ComboxArrow->Map, Colors[csButtonFace]);
        ComboxArrow->Frame = std::max(ComboButton->Frame, int32_t{1});
    }
}

// A soft vertical gradient from a light face colour to a tint of the caption colour.
void TSkinModel::RebuildToolbar() {
    if (!Toolbar) Toolbar = std::make_unique<TDataSkinObject>("Toolbar");
    // The caption colour of this skin (csCaption is set only at the end of the load).
    const SkinColor caption = GetCaptionColor();
    const SkinColor from = Blend(Colors[csButtonFace], SkinClWhite, 150);
    SkinColor to = Blend(SkinClGray, caption, 150);
    const int s = GetHSV(caption);
    if (s > 110) to = Blend(caption, SkinClWhite, (5625 - 25 * s) / 140 + 50);
    Surface image(10, 40);
    GradFill(image, Rect{0, 0, 10, 40}, from, true, to);
    Toolbar->Map = std::move(image);
    Toolbar->Frame = 1;
}

}  // namespace skin

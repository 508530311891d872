#include "skin/controls/painters/TabSetPainter_win.h"

#include "skin/controls/PainterText_win.h"
#include "skin/controls/PropertyAccess.h"
#include "skin/controls/painters/ButtonText_win.h"
#include "skin/controls/painters/TabSetStrip.h"
#include "skin/controls/painters/UpDownPainter_win.h"
#include "skin/data/SkinData.h"
#include "skin/platform/Surface_win.h"
#include "skin/platform/SystemColors.h"
#include "ui/WinControl.h"

namespace skin {

namespace {

std::vector<std::u16string> Lines(const std::u16string& text) {
    std::vector<std::u16string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(u"\r\n", start);
        if (end == std::u16string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

}  // namespace

bool TSkinTab31::Init(TPainterList* form, TSkinData* skinData, TComponent* control,
                      std::unique_ptr<IPaintedWindow> window, bool parentBK) {
    if (!TSkinControl::Init(form, skinData, control, std::move(window), parentBK)) return false;
    inittab();
    // The scroller is the tab set's first owned component.
    const auto owned = control ? control->Components() : std::vector<TComponent*>{};
    FScroller = owned.empty() ? nullptr : dynamic_cast<TWinControl*>(owned.front());
    if (FScroller && FScroller->ClassName() == "TUpDown" && FScroller->HandleAllocated()) {
        FUpDown = new TSkinUpDown(Owner());
        FUpDown->FForceHorizontal = true;
        if (!FUpDown->AttachControl(*FScroller, form, skinData)) {
            FUpDown->Release();
            FUpDown = nullptr;
        }
    }
    return true;
}

void TSkinTab31::inittab() { FTabImage = FSkinData ? TabSetImage(*FSkinData) : Surface(); }

void TSkinTab31::SkinChange() {
    TSkinControl::SkinChange();
    inittab();
}

// The control paints first (its own arrows and state stay right), then the skin's strip.
bool TSkinTab31::BeforeProc(TPainterMessage& m) {
    switch (m.Msg) {
    case WM_PAINT: WMPaint(m); return true;
    case WM_ERASEBKGND: m.Result = 1; return false;
    default: return TSkinControl::BeforeProc(m);
    }
}

void TSkinTab31::DrawControl(Surface& canvas, const Rect& rect) {
    HWND h = PaintedHandle(*this);
    if (!h || !FSkinData || FTabImage.Empty()) return;
    const std::vector<std::u16string> texts = Lines(GetStringProp(FControl, "Tabs"));
    HDC dc = SurfaceDC(canvas);
    HFONT font = PainterFont(*this);
    HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    TTabSetFacts f;
    TDCTextMeasure measure(dc);
    for (const auto& t : texts) f.TextWidths.push_back(measure.Measure(t, DT_SINGLELINE_).Width);
    f.Current = GetIntProperty(FControl, "TabIndex");
    f.StartX = GetIntProperty(FControl, "StartMargin");
    f.RightMargin = GetIntProperty(FControl, "EndMargin");
    f.FirstVisible = GetIntProperty(FControl, "FirstIndex");
    f.ScrollerVisible = FScroller && FScroller->HandleAllocated() && IsWindowVisible(FScroller->Handle());
    if (f.ScrollerVisible) f.ScrollerLeft = FScroller->Left();
    f.Width = rect.Width();
    f.Height = rect.Height();
    const auto tabs = LayoutTabSet(f);
    Surface strip =
        ComposeTabSet(*FSkinData, FTabImage, f, tabs, ColorToPixel(ResolveColor(FSkinData->Colors[csButtonFace])));
    if (strip.Empty()) {
        SelectObject(dc, old);
        return;
    }
    Copy(canvas, rect.Left, rect.Top, strip, strip.Bounds());
    const TDataSkinObject& e = *FSkinData->Tabs;
    for (const TTabSetTab& t : tabs) {
        const SkinColor colour = t.Current ? e.MouseOverColour2 : e.NormalColour2;
        SetTextColor(dc, ResolveColor(colour));
        DrawCaption(dc, t.Bounds.Offset(rect.Left, rect.Top), TAlignment::taCenter, true,
                    texts[static_cast<std::size_t>(t.Index)], false);
    }
    SelectObject(dc, old);
    GdiFlush();
}

}  // namespace skin

#include "skin/controls/painters/TabPainters_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include "skin/controls/painters/TabStripDraw_win.h"
#include "skin/data/DrawPrimitives.h"
#include "skin/data/ImgUtil.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinMessages.h"
#include "skin/platform/SystemColors.h"
#include "ui/PageControl.h"

namespace skin {

namespace {

constexpr UINT kWmPrint = 0x0317;

Rect Margins(const TDataSkinObject& e) { return {e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight}; }

}  // namespace

bool TSkinTab::Init(TPainterList* form, TSkinData* skinData, TComponent* control,
                    std::unique_ptr<IPaintedWindow> window, bool parentBK) {
    if (!TSkinControl::Init(form, skinData, control, std::move(window), parentBK)) return false;
    auto* pages = dynamic_cast<TPageControl*>(control);
    FCloseButtons = pages && pages->Tag() == 7777 && pages->TabPosition() == TTabPosition::tpTop;
    inittab();
    return true;
}

bool TSkinTab::Inithwnd(TPainterList* form, TSkinData* skinData, std::unique_ptr<IPaintedWindow> window,
                        std::u16string text) {
    if (!TSkinControl::Inithwnd(form, skinData, std::move(window), std::move(text))) return false;
    inittab();
    return true;
}

// A skin without an image leaves none behind: the old skin's picture would show otherwise.
void TSkinTab::inittab() {
    HWND h = Handle();
    FTabPosition = TabSide(h ? static_cast<std::uint32_t>(GetWindowLongW(h, GWL_STYLE)) : 0);
    FTabImage = Surface();
    FBorderImage = Surface();
    const TDataSkinBorder* tabs = FSkinData ? FSkinData->Tabs.get() : nullptr;
    if (!tabs) return;
    FTabImage = tabs->Map;
    const TDataSkinObject* pane = FSkinData->TabPane.get();
    FBorderImage = tabs->Style == 1 ? (pane ? pane->Map : Surface()) : tabs->Map1;
    switch (FTabPosition) {
    case tsBottom:
        if (!FTabImage.Empty()) SpiegelnVertikal(FTabImage);
        if (!FBorderImage.Empty()) SpiegelnVertikal(FBorderImage);
        break;
    case tsLeft:
        if (!FBorderImage.Empty()) Drehen270Grad(FBorderImage);
        break;
    case tsRight:
        if (!FBorderImage.Empty()) Drehen90Grad(FBorderImage);
        break;
    case tsTop: break;
    }
}

void TSkinTab::SkinChange() {
    inittab();
    TSkinControl::SkinChange();
}

bool TSkinTab::BeforeProc(TPainterMessage& m) {
    switch (m.Msg) {
    case WM_PAINT: WMPaint(m); return false;
    case WM_LBUTTONDOWN:
        if (FCloseButtons && ClickClose({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)})) {
            m.Result = 0;
            return false;
        }
        break;
    default: break;
    }
    return TSkinControl::BeforeProc(m);
}

bool TSkinTab::ClickClose(Point at) {
    HWND h = Handle();
    for (int i = 0; i < static_cast<int>(FCloseRects.size()); ++i) {
        const Rect& box = FCloseRects[static_cast<size_t>(i)];
        if (!box.Contains(at.X, at.Y)) continue;
        const LRESULT keep = h ? SendMessageW(GetAncestor(h, GA_ROOT), SKM_CLOSETAB, WPARAM(h), i) : 1;
        auto* pages = dynamic_cast<TPageControl*>(FControl);
        // One page at most: the indices after it move once it is gone.
        if (!keep && pages && i < pages->PageCount()) delete pages->Pages(i);
        return true;
    }
    return false;
}

void TSkinTab::DrawControl(Surface& canvas, const Rect& rect) {
    HWND h = Handle();
    if (!h || !FSkinData) return;
    const Rect pane = DisplayPane(h, FTabPosition);
    if (!FTabImage.Empty()) DrawStrip(canvas, rect, pane);
    if (FBorderImage.Empty()) return;
    const TDataSkinBorder& tabs = *FSkinData->Tabs;
    const Rect margins = tabs.Style == 1 && FSkinData->TabPane ? Margins(*FSkinData->TabPane) : Rect{4, 5, 4, 4};
    try {
        DrawRect2(canvas, pane, FBorderImage, false, false, false, 1, 1, margins);
    } catch (const std::exception&) {
    }
}

void TSkinTab::DrawStrip(Surface& canvas, const Rect& rect, const Rect& pane) {
    const TDataSkinBorder& tabs = *FSkinData->Tabs;
    TTabStripLook look;
    look.Image = &FTabImage;
    look.Element = &tabs;
    look.Side = FTabPosition;
    look.NormalText = tabs.NormalColour2;
    look.CurrentText = tabs.MouseOverColour2;
    look.Background = ColorToPixel(ResolveColor(GetParentColor(FSkinData->Colors[csButtonFace])));
    look.CloseBoxes = FCloseButtons;
    FCloseRects = DrawTabStrip(Handle(), canvas, rect, pane, look);
}

bool TSkinTabBtn::BeforeProc(TPainterMessage& m) {
    if (m.Msg != WM_PAINT) return TSkinControl::BeforeProc(m);
    WMPaint(m);
    return false;
}

// Buttons over the page instead of tabs; the page itself is left to the control.
void TSkinTabBtn::DrawControl(Surface& canvas, const Rect& rect) {
    HWND h = PaintedHandle(*this);
    const TDataSkinButton* buttons = FSkinData ? FSkinData->Buttons.get() : nullptr;
    if (!h || !buttons || buttons->Map.Empty()) return;
    FEnabled = IsWindowEnabled(h) != FALSE;
    TTabStripLook look;
    look.Image = &buttons->Map;
    look.Element = buttons;
    look.Side = tsTop;
    look.NormalText = buttons->NormalColour2;
    look.CurrentText = buttons->PressedColour2;
    look.Background = ColorToPixel(ResolveColor(FSkinData->Colors[csButtonFace]));
    DrawTabStrip(h, canvas, rect, DisplayPane(h, tsTop), look);
}

bool TSkinTabSheet::BeforeProc(TPainterMessage& m) {
    if (!TSkinControl::BeforeProc(m)) return false;
    if (FKind != 0) return true;
    switch (m.Msg) {
    case WM_PAINT:
    case kWmPrint: WMPaint(m); return false;
    case WM_ERASEBKGND: m.Result = 1; return false;
    default: return true;
    }
}

void TSkinTabSheet::DrawControl(Surface& canvas, const Rect& rect) {
    FillBG(canvas, rect);
    if (IContainerWindow* facts = Facts.Get(*this)) facts->PaintChildren(canvas);
}

}  // namespace skin

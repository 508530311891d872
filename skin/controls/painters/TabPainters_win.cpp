#include "skin/controls/painters/TabPainters_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include "skin/controls/PainterText_win.h"
#include "skin/controls/PropertyAccess.h"
#include "skin/data/DrawPrimitives.h"
#include "skin/data/ImgUtil.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinMessages.h"
#include "skin/platform/Surface_win.h"
#include "skin/platform/SystemColors.h"
#include "ui/PageControl.h"

namespace skin {

namespace {

constexpr UINT kWmPrint = 0x0317;
constexpr std::uint32_t kCentred = 1;  // the caption placement's centred alignment

Rect Margins(const TDataSkinObject& e) { return {e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight}; }

// The close box: an outline with both diagonals.
void DrawCloseBox(HDC dc, const Rect& box) {
    MoveToEx(dc, box.Left, box.Top, nullptr);
    LineTo(dc, box.Right, box.Top);
    LineTo(dc, box.Right, box.Bottom);
    LineTo(dc, box.Left, box.Bottom);
    LineTo(dc, box.Left, box.Top);
    LineTo(dc, box.Right, box.Bottom);
    MoveToEx(dc, box.Right, box.Top, nullptr);
    LineTo(dc, box.Left, box.Bottom);
}

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
    const POINT o = ClientOffset(h);
    RECT d{};
    GetClientRect(h, &d);
    SendMessageW(h, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&d));
    const Rect pane = TabPane({d.left + o.x, d.top + o.y, d.right + o.x, d.bottom + o.y}, FTabPosition);
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
    HWND h = Handle();
    const Rect strip = TabStripRect(rect, pane, FTabPosition);
    const Point size = TabStripPictureSize(strip, FTabPosition);
    if (size.X <= 0 || size.Y <= 0) return;
    Surface buffer(size.X, size.Y);
    Fill(buffer, buffer.Bounds(), ColorToPixel(ResolveColor(GetParentColor(FSkinData->Colors[csButtonFace]))));
    HDC dc = SurfaceDC(buffer);
    HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0)));
    SetBkMode(dc, TRANSPARENT);
    const TDataSkinBorder& tabs = *FSkinData->Tabs;
    const POINT o = ClientOffset(h);
    const int count = static_cast<int>(SendMessageW(h, TCM_GETITEMCOUNT, 0, 0));
    const int focus = static_cast<int>(SendMessageW(h, TCM_GETCURFOCUS, 0, 0));
    FCloseRects.assign(static_cast<size_t>(std::max(count, 0)), Rect{});
    for (int i = 0; i < count; ++i) {
        wchar_t text[81] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = 80;
        SendMessageW(h, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        RECT ir{};
        if (!SendMessageW(h, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&ir))) continue;
        const Rect r = TabInStrip({ir.left + o.x, ir.top + o.y, ir.right + o.x, ir.bottom + o.y}, FTabPosition, pane,
                                  rect, buffer.Width());
        const int cell = i == focus ? 2 : 1;
        GdiFlush();
        try {
            DrawRect2(buffer, r, FTabImage, false, tabs.Tile != 0, tabs.Trans != 0, tabs.Frame, cell, Margins(tabs));
        } catch (const std::exception&) {
        }
        if (FCloseButtons) {
            FCloseRects[static_cast<size_t>(i)] = TabCloseBox(r);
            DrawCloseBox(dc, TabCloseBox(r));
        }
        SetTextColor(dc, ResolveColor(cell == 2 ? tabs.MouseOverColour2 : tabs.NormalColour2));
        const std::u16string caption(reinterpret_cast<const char16_t*>(text));
        DrawImgCaption(dc, r, kCentred, caption, 0, nullptr, IsWindowEnabled(h) != FALSE, false);
    }
    SelectObject(dc, oldFont);
    GdiFlush();
    if (FTabPosition == tsRight) Drehen90Grad(buffer);
    if (FTabPosition == tsLeft) Drehen270Grad(buffer);
    // The strip's scroll arrows keep their own picture.
    HWND arrows = FindWindowExW(h, nullptr, UPDOWN_CLASSW, nullptr);
    Surface under;
    Rect arrowsRect;
    if (arrows && IsWindowVisible(arrows)) {
        RECT a, w;
        GetWindowRect(arrows, &a);
        GetWindowRect(h, &w);
        arrowsRect = {a.left - w.left, a.top - w.top, a.right - w.left, a.bottom - w.top};
        under = Surface(arrowsRect.Width(), arrowsRect.Height());
        Copy(under, 0, 0, canvas, arrowsRect);
    }
    Copy(canvas, strip.Left, strip.Top, buffer, buffer.Bounds());
    if (!under.Empty()) Copy(canvas, arrowsRect.Left, arrowsRect.Top, under, under.Bounds());
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

#include "skin/controls/painters/ScrollbarPainter_win.h"

#include <algorithm>

#include "skin/controls/PaintedWindow_win.h"
#include "skin/controls/PropertyAccess.h"
#include "skin/data/SkinData.h"
#include "skin/platform/SystemColors.h"
#include "ui/Messages.h"
#include "ui/WinControl.h"

namespace skin {

namespace {

bool HasFixedColor(const TComponent* control) { return control && control->FindProperty("FixedColor"); }

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

void Ring(HDC dc, RECT r, Color colour) {
    HBRUSH brush = CreateSolidBrush(ResolveColor(colour));
    FrameRect(dc, &r, brush);
    DeleteObject(brush);
}

}  // namespace

TSkinScrollbar::TSkinScrollbar(TComponent* owner) : TSkinControl(owner) {}

TSkinScrollbar::~TSkinScrollbar() = default;

bool TSkinScrollbar::InitScrollbar(TWinControl& control, TSkinData* skinData, TPainterList* form) {
    return AttachToControl(*this, control, form, skinData, false);
}

bool TSkinScrollbar::Init(TPainterList* form, TSkinData* skinData, TComponent* component,
                          std::unique_ptr<IPaintedWindow> window, bool) {
    auto* control = dynamic_cast<TWinControl*>(component);
    if (FInitialized || !control || !control->HandleAllocated()) return false;
    if (!TSkinControl::Init(form, skinData, component, std::move(window), false)) return false;
    control_ = control;
    const std::string border = Lower(GetEnumProperty(control, "BorderStyle"));
    FBorder = border != "bsnone" && control->ClassName() != "TImageScrollBox" && FKind != 1;
    if (HasFixedColor(control)) {
        FSavedColor = static_cast<Color>(GetIntProperty(control, "FixedColor"));
        FParentBK = true;
        skin::SetProperty(control, "FixedColor", std::to_string(static_cast<int32_t>(ButtonFaceColor())));
    }
    FHorzBar = std::make_unique<TWScrollbar>();
    FVertBar = std::make_unique<TWScrollbar>();
    FHorzBar->AttachHwnd(this, control->Handle(), bkHorizontal);
    FVertBar->AttachHwnd(this, control->Handle(), bkVertical);
    for (TWScrollbar* bar : {FHorzBar.get(), FVertBar.get()}) {
        bar->SetEnabled(control->Enabled());
        if (!control->Visible()) bar->HideScrollbar();
    }
    return true;
}

void TSkinScrollbar::Unsubclass() {
    if (FParentBK && control_) {
        skin::SetProperty(control_, "FixedColor", std::to_string(static_cast<int32_t>(FSavedColor)));
        FParentBK = false;
    }
    TSkinControl::Unsubclass();
    if (FState != psDeleted) {
        FHorzBar.reset();
        FVertBar.reset();
    }
}

void TSkinScrollbar::SetScrollbarPos() {
    HWND h = Handle();
    if (!h) return;
    for (TWScrollbar* bar : {FHorzBar.get(), FVertBar.get()})
        if (bar) bar->SetPosition(h);
}

void TSkinScrollbar::BENCPAINT(HDC dc) {
    HWND h = Handle();
    RECT w;
    if (!h || !dc || !GetWindowRect(h, &w)) return;
    // Two rings, shadow then face, but only over the control's own border: a 1-px border
    // gets one ring, so the client's first row and column are never painted over.
    const POINT inset = ClientOffset(h);
    const int rings = std::min<int>({2, inset.x, inset.y});
    RECT r{0, 0, w.right - w.left, w.bottom - w.top};
    const Color colours[] = {FSkinData ? FSkinData->Colors[csButtonShadow] : Color(0x80000010), ButtonFaceColor()};
    for (int i = 0; i < rings; ++i) {
        Ring(dc, r, colours[i]);
        InflateRect(&r, -1, -1);
    }
}

bool TSkinScrollbar::BeforeProc(TPainterMessage& message) {
    if (message.Msg == WM_NCPAINT && FBorder) {
        if (!Default(message)) return false;  // the control paints its own frame first
        if (HWND h = Handle()) {
            HDC dc = GetWindowDC(h);
            BENCPAINT(dc);
            ReleaseDC(h, dc);
        }
        return false;
    }
    return TSkinControl::BeforeProc(message);
}

void TSkinScrollbar::AfterProc(TPainterMessage& message) {
    switch (message.Msg) {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED: SetScrollbarPos(); break;
    case WM_HSCROLL:
        if (FHorzBar) FHorzBar->SetPart(LOWORD(message.WParam));
        break;
    case WM_VSCROLL:
        if (FVertBar) FVertBar->SetPart(LOWORD(message.WParam));
        break;
    case WM_MOUSEWHEEL:
        for (TWScrollbar* bar : {FHorzBar.get(), FVertBar.get()})
            if (bar && bar->Shown()) bar->Repaint();
        break;
    case CM_VISIBLECHANGED:
        if (message.WParam) {
            SetScrollbarPos();
        } else {
            for (TWScrollbar* bar : {FHorzBar.get(), FVertBar.get()})
                if (bar) bar->HideScrollbar();
        }
        break;
    case CM_ENABLEDCHANGED:
        for (TWScrollbar* bar : {FHorzBar.get(), FVertBar.get()})
            if (bar && control_) bar->SetEnabled(control_->Enabled());
        break;
    case SKM_PAINTNC:
        if (message.LParam != kSkinMarker) break;
        if (message.WParam) BENCPAINT(reinterpret_cast<HDC>(message.WParam));
        message.Result = kSkinMarker;
        break;
    default: TSkinControl::AfterProc(message);
    }
}

void TSkinScrollbar::DrawControl(Surface& canvas, const Rect&) {
    HWND h = Handle();
    if (!h || !FHorzBar || !FVertBar) return;
    const LONG style = GetWindowLongW(h, GWL_STYLE);
    const std::pair<TWScrollbar*, LONG> bars[] = {{FVertBar.get(), WS_VSCROLL}, {FHorzBar.get(), WS_HSCROLL}};
    for (auto [bar, bit] : bars) {
        if (bar->Shown())
            bar->Repaint();
        else if (style & bit)
            bar->SetPosition(h);
    }
    if (FVertBar->Shown() && FHorzBar->Shown()) {
        // The square between the bars, at the control's real client origin.
        const POINT o = ClientOffset(h);
        const Rect& v = FVertBar->BarRect();
        const Rect& hz = FHorzBar->BarRect();
        FillBG(canvas, {v.Left + o.x, hz.Top + o.y, v.Right + o.x, hz.Bottom + o.y});
    }
}

// Switched off, the control's own bars show; on again, ours cover them.
void TSkinScrollbar::SkinActiveChanged() {
    if (FSkinActive) {
        SetScrollbarPos();
        return;
    }
    for (TWScrollbar* bar : {FHorzBar.get(), FVertBar.get()})
        if (bar) bar->HideScrollbar();
}

void TSkinScrollbar::SkinChange() {
    if (HasFixedColor(control_))
        skin::SetProperty(control_, "FixedColor", std::to_string(static_cast<int32_t>(ButtonFaceColor())));
    TSkinControl::SkinChange();  // the control's repaint repaints its bars too
}

}  // namespace skin

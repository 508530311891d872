#include "skin/controls/PropertyAccess.h"
#include "skin/controls/painters/ButtonText_win.h"
#include "skin/controls/painters/CheckRadioPainters_win.h"
#include "skin/data/SkinData.h"
#include "ui/Messages.h"

namespace skin {

namespace {

constexpr UINT kDataCheckChanged = 0xB0D0;  // a data-aware check box's value changed

bool HasProp(const TComponent* c, const char* name) { return c && c->FindProperty(name); }

bool WindowEnabled(HWND h) { return !h || !(GetWindowLongW(h, GWL_STYLE) & WS_DISABLED); }

}  // namespace

const Surface* TSkinCheckRadio::Strip(int& frames) const {
    const TDataSkinButton* b = FSkinData ? FSkinData->Buttons.get() : nullptr;
    if (!b) return nullptr;
    const Surface& s = radio_ ? b->RadioMap : b->CheckMap;
    frames = radio_ ? b->RadioButtonFrame : b->CheckButtonFrame;
    return s.Empty() || frames < 1 ? nullptr : &s;
}

bool TSkinCheckRadio::Init(TPainterList* form, TSkinData* skinData, TComponent* control,
                           std::unique_ptr<IPaintedWindow> window, bool parentBK) {
    if (!TSkinControl::Init(form, skinData, control, std::move(window), parentBK)) return false;
    int frames = 0;
    FKind = Strip(frames) ? 1 : 0;
    FTransparent = GetIntProperty(control, "Tag") == 5555 || (skinData && skinData->Options.Contains(xoTransparent));
    Invalidate();
    return true;
}

bool TSkinCheckRadio::BeforeProc(TPainterMessage& m) {
    if (!TSkinControl::BeforeProc(m)) return false;
    switch (m.Msg) {
    case WM_PAINT:
    case WM_PRINT:
        if (FKind != 1) return true;
        WMPaint(m);
        return false;
    case WM_ERASEBKGND:
        if (!FTransparent) return true;
        WMEraseBkgnd(m);
        return false;
    default: return true;
    }
}

void TSkinCheckRadio::AfterProc(TPainterMessage& m) {
    switch (m.Msg) {
    case BM_SETCHECK:
        if (!radio_) FCheckState = static_cast<int>(m.WParam) + 1;
        Invalidate();
        return;
    case BM_SETSTATE:  // the system draws its pushed look at once, outside its painting
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case CM_EXIT:
    case kDataCheckChanged: Invalidate(); return;
    default: TSkinControl::AfterProc(m);
    }
}

int TSkinCheckBox::GlyphNumber(HWND h, int frames) const {
    LRESULT state = h ? SendMessageW(h, BM_GETSTATE, 0, 0) : 0;
    CheckGlyphInput in;
    in.checked = (state & BST_CHECKED) != 0;
    in.indeterminate = (state & BST_INDETERMINATE) != 0;
    in.hasState = HasProp(FControl, "State");
    in.state = skin::GetProperty(FControl, "State");
    in.hasChecked = HasProp(FControl, "Checked");
    in.checkedProp = skin::GetProperty(FControl, "Checked") == "True";
    in.hasDataField = HasProp(FControl, "DataField");
    in.checkState = FCheckState;
    in.hasDataBinding = HasProp(FControl, "DataBinding");
    in.enabled = WindowEnabled(h);
    in.frames = frames;
    return CheckGlyphNumber(in);
}

int TSkinRadioButton::GlyphNumber(HWND h, int frames) const {
    RadioGlyphInput in;
    in.checked = h && SendMessageW(h, BM_GETCHECK, 0, 0) == BST_CHECKED;
    in.hasChecked = HasProp(FControl, "Checked");
    in.checkedProp = skin::GetProperty(FControl, "Checked") == "True";
    in.enabled = WindowEnabled(h);
    in.frames = frames;
    return RadioGlyphNumber(in);
}

void TSkinCheckRadio::DrawControl(Surface& canvas, const Rect& rect) {
    int frames = 0;
    const Surface* strip = Strip(frames);
    if (!strip || strip->Width() / frames < 1) {
        FKind = 0;
        return;
    }
    HWND h = PainterWindow(*this);
    LONG style = h ? GetWindowLongW(h, GWL_STYLE) : 0;
    FEnabled = WindowEnabled(h);
    FFocused = h && GetFocus() == h;
    CheckFaceInput in;
    in.strip = strip;
    in.frames = frames;
    in.number = GlyphNumber(h, frames);
    in.layout = LayoutCheckGlyph(rect, strip->Width() / frames, strip->Height(), (style & kBsRightButton) != 0, radio_,
                                 PainterRightToLeft(*this));
    in.wholeControl = FKind == 1;
    in.fillFace = FKind == 1 && !FTransparent;
    in.face = ButtonFaceColor();
    if (in.wholeControl) {
        in.caption = PainterCaption(*this);
        in.textColour = FEnabled ? PainterFontColour(*this, SkinClBtnText) : SkinClBtnShadow;
        in.focused = FFocused;
        TGdiTextSink text(canvas, PainterFont(*this));
        DrawCheckFace(canvas, rect, in, &text);
    } else {
        DrawCheckFace(canvas, rect, in, nullptr);
    }
}

}  // namespace skin

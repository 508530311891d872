#include "ui/CoolBar.h"

#include <commctrl.h>

#include <algorithm>

#include "core/Utf16.h"

namespace {

// The band's settings as the window takes them (its width only when asked: the user may
// have dragged it); `text` holds the characters they point to.
REBARBANDINFOW BandInfo(const TCoolBand& band, std::wstring& text, int width) {
    text = Utf8ToWide(band.Text());
    REBARBANDINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_TEXT;
    info.fStyle = RBBS_CHILDEDGE | (band.Break() ? RBBS_BREAK : 0);
    info.lpText = text.data();
    TWinControl* c = band.Control();
    info.hwndChild = c->Handle();
    info.cyMinChild = static_cast<UINT>(band.MinHeight() > 0 ? band.MinHeight() : c->Height());
    if (width >= 0) {
        info.fMask |= RBBIM_SIZE;
        info.cx = static_cast<UINT>(width);
    }
    return info;
}

}  // namespace

// ---- TCoolBand ----

int TCoolBand::Index() const {
    for (int i = 0; i < bar_->BandCount(); ++i)
        if (bar_->Bands(i) == this) return i;
    return -1;
}

void TCoolBand::SetText(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    bar_->BandChanged(this);
}

void TCoolBand::SetMinHeight(int height) {
    if (height == minHeight_) return;
    minHeight_ = std::max(height, 0);
    bar_->BandChanged(this);
}

int TCoolBand::Width() const {
    if (!bar_->HandleAllocated()) return width_;
    REBARBANDINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = RBBIM_SIZE;
    if (!SendMessageW(bar_->Handle(), RB_GETBANDINFOW, static_cast<WPARAM>(Index()), reinterpret_cast<LPARAM>(&info)))
        return width_;
    return static_cast<int>(info.cx);
}

void TCoolBand::SetWidth(int width) {
    width_ = std::max(width, 0);
    bar_->BandChanged(this, true);
}

void TCoolBand::SetBreak(bool v) {
    if (v == break_) return;
    break_ = v;
    bar_->BandMoved(this);
}

// ---- TCoolBar ----

TCoolBar::TCoolBar(TComponent* owner) : TWinControl(owner) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_COOL_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    SetBounds(0, 0, 150, 75);
}

TCoolBand* TCoolBar::FindBand(const TControl* control) const {
    for (const auto& b : bands_)
        if (static_cast<const TControl*>(b->control_) == control) return b.get();
    return nullptr;
}

void TCoolBar::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = REBARCLASSNAMEW;
    // Placed by the code, not stuck to the top of the parent; the bands' controls are
    // windows of their own, which the bar must not paint over.
    p.Style |= WS_CLIPCHILDREN | CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN | RBS_VARHEIGHT | RBS_BANDBORDERS;
}

void TCoolBar::CreateWnd() {
    TWinControl::CreateWnd();  // the controls' windows too
    for (size_t i = 0; i < bands_.size(); ++i) AddToWindow(bands_[i].get(), static_cast<int>(i));
}

void TCoolBar::AddToWindow(TCoolBand* band, int index) {
    std::wstring text;
    REBARBANDINFOW info = BandInfo(*band, text, band->width_);
    if (!SendMessageW(Handle(), RB_INSERTBANDW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info)))
        throw Exception("Не удалось поставить полосу с " + band->control_->Name() + " на панель");
}

void TCoolBar::BandChanged(TCoolBand* band, bool width) {
    if (!HandleAllocated()) return;
    std::wstring text;
    REBARBANDINFOW info = BandInfo(*band, text, width ? band->width_ : -1);
    SendMessageW(Handle(), RB_SETBANDINFOW, static_cast<WPARAM>(band->Index()), reinterpret_cast<LPARAM>(&info));
}

void TCoolBar::BandMoved(TCoolBand* band) {
    if (!HandleAllocated()) return;
    // Wine's rebar keeps a band's row break once set, whatever RB_SETBANDINFO says; the
    // band goes into the window again instead.
    const int index = band->Index();
    band->width_ = band->Width();
    SendMessageW(Handle(), RB_DELETEBAND, static_cast<WPARAM>(index), 0);
    AddToWindow(band, index);
}

bool TCoolBar::Dispatch(TMessage& m) {
    static const TMessageHandler<TCoolBar> table[] = {
        {WM_ERASEBKGND, &TCoolBar::WMEraseBkgnd},
        {CM_CONTROLLISTCHANGE, &TCoolBar::CMControlListChange},
        {CM_RECREATEWND, &TCoolBar::CMRecreateWnd},
    };
    return DispatchTo(this, table, m) || TWinControl::Dispatch(m);
}

void TCoolBar::WMEraseBkgnd(TMessage& m) {
    // The window paints its bands only; below the last row the bar shows its colour.
    RECT r;
    GetClientRect(Handle(), &r);
    FillRect(reinterpret_cast<HDC>(m.WParam), &r, Brush());
    DefaultHandler(m);
}

void TCoolBar::CMControlListChange(TMessage& m) {
    m.Result = 0;
    auto* control = reinterpret_cast<TControl*>(m.WParam);
    if (m.LParam) {
        auto* w = dynamic_cast<TWinControl*>(control);
        if (!w || FindBand(w)) return;
        bands_.push_back(std::unique_ptr<TCoolBand>(new TCoolBand(this, w)));
        if (HandleAllocated()) AddToWindow(bands_.back().get(), BandCount() - 1);
        return;
    }
    // The control may be half freed: only its address is compared.
    auto it = std::find_if(bands_.begin(), bands_.end(),
                           [control](const auto& b) { return static_cast<TControl*>(b->control_) == control; });
    if (it == bands_.end()) return;
    const auto index = static_cast<WPARAM>(it - bands_.begin());
    bands_.erase(it);
    if (HandleAllocated()) SendMessageW(Handle(), RB_DELETEBAND, index, 0);
}

void TCoolBar::CMRecreateWnd(TMessage& m) {
    for (auto& b : bands_) b->width_ = b->Width();  // as the user dragged it
    m.Result = 0;
}

#include "ui/db/DBNavigator.h"

#include <windowsx.h>

#include "ui/Application.h"

namespace {

const char* const kDefaultHints[kNavigateButtonCount] = {
    "First record",  "Prior record", "Next record", "Last record", "Insert record",
    "Delete record", "Edit record",  "Post edit",   "Cancel edit",
};

COLORREF Blend(COLORREF a, COLORREF b, int percentOfB) {
    auto mix = [percentOfB](int x, int y) { return (x * (100 - percentOfB) + y * percentOfB) / 100; };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

void Fill(HDC dc, int l, int t, int r, int b, HBRUSH brush) {
    RECT rc{l, t, r, b};
    FillRect(dc, &rc, brush);
}

void Triangle(HDC dc, POINT a, POINT b, POINT c) {
    POINT p[3] = {a, b, c};
    Polygon(dc, p, 3);
}

// The button's picture, drawn with the selected brush around the centre (cx, cy).
void DrawGlyph(HDC dc, TNavigateBtn kind, int cx, int cy, HBRUSH brush) {
    switch (kind) {
    case nbFirst:
        Fill(dc, cx - 4, cy - 4, cx - 2, cy + 5, brush);
        Triangle(dc, {cx + 3, cy - 4}, {cx - 1, cy}, {cx + 3, cy + 4});
        break;
    case nbPrior: Triangle(dc, {cx + 2, cy - 4}, {cx - 2, cy}, {cx + 2, cy + 4}); break;
    case nbNext: Triangle(dc, {cx - 2, cy - 4}, {cx + 2, cy}, {cx - 2, cy + 4}); break;
    case nbLast:
        Triangle(dc, {cx - 3, cy - 4}, {cx + 1, cy}, {cx - 3, cy + 4});
        Fill(dc, cx + 2, cy - 4, cx + 4, cy + 5, brush);
        break;
    case nbInsert:
        Fill(dc, cx - 4, cy - 1, cx + 5, cy + 1, brush);
        Fill(dc, cx - 1, cy - 4, cx + 1, cy + 5, brush);
        break;
    case nbDelete: Fill(dc, cx - 4, cy - 1, cx + 5, cy + 1, brush); break;
    case nbEdit: Triangle(dc, {cx - 4, cy + 2}, {cx, cy - 2}, {cx + 4, cy + 2}); break;
    case nbPost:
        for (int i = 0; i < 3; ++i) Fill(dc, cx - 4 + i, cy + i - 1, cx - 3 + i, cy + i + 1, brush);
        for (int i = 0; i < 6; ++i) Fill(dc, cx - 1 + i, cy + 1 - i, cx + i, cy + 3 - i, brush);
        break;
    case nbCancel:
        for (int i = 0; i < 8; ++i) {
            Fill(dc, cx - 4 + i, cy - 4 + i, cx - 2 + i, cy - 3 + i, brush);
            Fill(dc, cx + 2 - i, cy - 4 + i, cx + 4 - i, cy - 3 + i, brush);
        }
        break;
    }
}

// The button's picture as a glyph on magenta (the bottom-left pixel), for painters that
// draw the glyph themselves.
TGlyph NavGlyph(TNavigateBtn kind) {
    constexpr int kSize = 16;
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), kSize, -kSize, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bmp = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dc || !bmp || !bits) {
        if (bmp) DeleteObject(bmp);
        if (dc) DeleteDC(dc);
        return {};
    }
    HGDIOBJ oldBmp = SelectObject(dc, bmp);
    HBRUSH magenta = CreateSolidBrush(RGB(255, 0, 255));
    Fill(dc, 0, 0, kSize, kSize, magenta);
    DeleteObject(magenta);
    HBRUSH ink = CreateSolidBrush(RGB(0x30, 0x30, 0x30));
    HGDIOBJ oldB = SelectObject(dc, ink);
    HGDIOBJ oldP = SelectObject(dc, GetStockObject(NULL_PEN));
    DrawGlyph(dc, kind, kSize / 2, kSize / 2, ink);
    GdiFlush();
    auto* px = static_cast<const uint32_t*>(bits);
    std::vector<uint32_t> pixels(px, px + kSize * kSize);
    for (uint32_t& p : pixels) p &= 0xFFFFFF;
    SelectObject(dc, oldP);
    SelectObject(dc, oldB);
    DeleteObject(ink);
    SelectObject(dc, oldBmp);
    DeleteObject(bmp);
    DeleteDC(dc);
    return TGlyph(kSize, kSize, std::move(pixels), 1);
}

}  // namespace

// --- the navigator's observer of its data source --------------------------------------

class TDBNavigator::TNavDataLink : public TDataLink {
public:
    explicit TNavDataLink(TDBNavigator& nav) : nav_(nav) {}

protected:
    void ActiveChanged() override { nav_.UpdateButtons(); }
    void DataSetChanged() override { nav_.UpdateButtons(); }
    void EditingChanged() override { nav_.UpdateButtons(); }

private:
    TDBNavigator& nav_;
};

// --- a button ----------------------------------------------------------------------

TNavButton::TNavButton(TDBNavigator* navigator, TNavigateBtn kind)
    : TSpeedButton(navigator), navigator_(navigator), kind_(kind) {
    SetName(std::string("NavButton") + std::to_string(static_cast<int>(kind)));
    SetGlyph(NavGlyph(kind));
}

bool TNavButton::Dispatch(TMessage& m) {
    static const TMessageHandler<TNavButton> table[] = {
        {WM_LBUTTONDOWN, &TNavButton::WMLButtonDown},  {WM_LBUTTONDBLCLK, &TNavButton::WMLButtonDown},
        {WM_LBUTTONUP, &TNavButton::WMLButtonUp},      {WM_MOUSEMOVE, &TNavButton::WMMouseMoveBtn},
        {CM_MOUSEENTER, &TNavButton::CMMouseLeaveBtn}, {CM_MOUSELEAVE, &TNavButton::CMMouseLeaveBtn},
    };
    return DispatchTo(this, table, m) || TSpeedButton::Dispatch(m);
}

void TNavButton::WMLButtonDown(TMessage& m) {
    tracking_ = true;
    down_ = true;
    Invalidate();
    m.Result = 0;
}

void TNavButton::WMMouseMoveBtn(TMessage& m) {
    if (tracking_) {
        POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
        RECT r = ClientRect();
        bool inside = PtInRect(&r, p) != 0;
        if (inside != down_) {
            down_ = inside;
            Invalidate();
        }
    }
    m.Result = 0;
}

void TNavButton::WMLButtonUp(TMessage& m) {
    bool click = tracking_ && down_;
    tracking_ = false;
    down_ = false;
    Invalidate();
    m.Result = 0;
    if (click) navigator_->BtnClick(kind_);
}

// Hot tracking: the button is drawn lighter while the mouse is over it.
void TNavButton::CMMouseLeaveBtn(TMessage& m) {
    if (m.Msg == CM_MOUSEENTER)
        CMMouseEnter(m);
    else
        CMMouseLeave(m);
    Invalidate();
}

void TNavButton::Paint(HDC dc) {
    RECT r = ClientRect();
    COLORREF face = ColorToRGB(navigator_->Color());
    COLORREF fill = down_ ? Blend(face, RGB(0, 0, 0), 12)
                          : (MouseInControl() && Enabled() ? Blend(face, RGB(255, 255, 255), 55)
                                                           : Blend(face, RGB(255, 255, 255), 30));
    HBRUSH back = CreateSolidBrush(fill);
    FillRect(dc, &r, back);
    DeleteObject(back);
    HBRUSH frame = CreateSolidBrush(Blend(face, RGB(0, 0, 0), down_ ? 45 : 30));
    FrameRect(dc, &r, frame);
    DeleteObject(frame);
    COLORREF ink = Enabled() && navigator_->Enabled() ? RGB(0x30, 0x30, 0x30) : GetSysColor(COLOR_GRAYTEXT);
    HBRUSH glyph = CreateSolidBrush(ink);
    HGDIOBJ oldB = SelectObject(dc, glyph);
    HGDIOBJ oldP = SelectObject(dc, GetStockObject(NULL_PEN));
    int shift = down_ ? 1 : 0;
    DrawGlyph(dc, kind_, (r.right - r.left) / 2 + shift, (r.bottom - r.top) / 2 + shift, glyph);
    SelectObject(dc, oldP);
    SelectObject(dc, oldB);
    DeleteObject(glyph);
}

// --- the navigator -------------------------------------------------------------------

TDBNavigator::TDBNavigator(TComponent* owner) : TWinControl(owner), link_(std::make_unique<TNavDataLink>(*this)) {
    for (int i = 0; i < kNavigateButtonCount; ++i) {
        auto* b = new TNavButton(this, static_cast<TNavigateBtn>(i));
        b->SetParent(this);
        buttons_[static_cast<size_t>(i)] = b;
    }
    SetBounds(0, 0, 240, 25);
    ApplyHints();
    LayoutButtons();
    UpdateButtons();
}

TDBNavigator::~TDBNavigator() { link_->SetDataSource(nullptr); }

TDataSource* TDBNavigator::DataSource() const { return link_->DataSource(); }
void TDBNavigator::SetDataSource(TDataSource* source) {
    link_->SetDataSource(source);
    UpdateButtons();
}

void TDBNavigator::SetVisibleButtons(TNavButtonSet buttons) {
    visible_ = buttons & kAllNavButtons;
    for (int i = 0; i < kNavigateButtonCount; ++i) buttons_[static_cast<size_t>(i)]->SetVisible((visible_ >> i) & 1u);
    LayoutButtons();
}

void TDBNavigator::SetHints(const std::vector<std::string>& hints) {
    hints_ = hints;
    ApplyHints();
}

void TDBNavigator::SetButtonHint(TNavigateBtn button, const std::string& hint) {
    if (hints_.size() < kNavigateButtonCount) hints_.resize(kNavigateButtonCount);
    hints_[static_cast<size_t>(button)] = hint;
    ApplyHints();
}

void TDBNavigator::ApplyHints() {
    for (int i = 0; i < kNavigateButtonCount; ++i) {
        TNavButton* b = buttons_[static_cast<size_t>(i)];
        const std::string* line = i < static_cast<int>(hints_.size()) ? &hints_[static_cast<size_t>(i)] : nullptr;
        b->SetHint(line && !line->empty() ? *line : kDefaultHints[i]);
        b->SetShowHint(ShowHint());
    }
}

// The visible buttons share the width equally; the last one takes what is left over.
void TDBNavigator::LayoutButtons() {
    int count = 0;
    for (int i = 0; i < kNavigateButtonCount; ++i) count += (visible_ >> i) & 1u;
    if (!count) return;
    int w = Width() / count, x = 0, placed = 0;
    for (int i = 0; i < kNavigateButtonCount; ++i) {
        if (!((visible_ >> i) & 1u)) continue;
        ++placed;
        int width = placed == count ? Width() - x : w;
        buttons_[static_cast<size_t>(i)]->SetBounds(x, 0, width, Height());
        x += width;
    }
}

void TDBNavigator::BoundsChanged() {
    TWinControl::BoundsChanged();
    LayoutButtons();
}

bool TDBNavigator::ButtonEnabled(TNavigateBtn button) const {
    if (!link_->Active() || !Enabled()) return false;
    TDataSet* ds = link_->DataSet();
    bool browse = ds->State() == TDataSetState::dsBrowse;
    bool editing = ds->State() == TDataSetState::dsEdit || ds->State() == TDataSetState::dsInsert;
    int row = ds->RecNo();  // 0 while a new row is pending
    int count = ds->RecordCount();
    switch (button) {
    case nbFirst:
    case nbPrior: return count > 0 && (row > 1 || editing);
    case nbNext:
    case nbLast: return count > 0 && (row < count || editing);
    case nbInsert: return ds->CanModify();
    case nbDelete: return ds->CanModify() && !ds->IsEmpty();
    case nbEdit: return ds->CanModify() && browse && !ds->IsEmpty();
    case nbPost:
    case nbCancel: return editing;
    }
    return false;
}

void TDBNavigator::UpdateButtons() {
    if (Destroying()) return;
    for (int i = 0; i < kNavigateButtonCount; ++i)
        buttons_[static_cast<size_t>(i)]->SetEnabled(ButtonEnabled(static_cast<TNavigateBtn>(i)));
    Invalidate();
}

void TDBNavigator::BtnClick(TNavigateBtn button) {
    if (!ButtonEnabled(button)) return;
    if (BeforeAction) BeforeAction(this, button);
    TDataSet* ds = link_->DataSet();
    if (!ds || !ds->Active()) return;
    switch (button) {
    case nbFirst: ds->First(); break;
    case nbPrior: ds->Prior(); break;
    case nbNext: ds->Next(); break;
    case nbLast: ds->Last(); break;
    case nbInsert: ds->Insert(); break;
    case nbEdit: ds->Edit(); break;
    case nbPost: ds->Post(); break;
    case nbCancel: ds->Cancel(); break;
    case nbDelete: {
        if (confirmDelete_) {
            int answer = Application
                             ? Application->MessageBox("Delete record?", "Confirm", MB_OKCANCEL | MB_ICONQUESTION)
                             : ::MessageBoxW(Handle(), L"Delete record?", L"Confirm", MB_OKCANCEL | MB_ICONQUESTION);
            if (answer != IDOK) return;
            // The box ran messages: check again that there is still a row to delete.
            if (!ButtonEnabled(nbDelete)) return;
            ds = link_->DataSet();
        }
        ds->Delete();
        break;
    }
    }
    if (OnNavClick) OnNavClick(this, button);
    Click();
}

void TDBNavigator::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.Style |= WS_CLIPCHILDREN;
}

bool TDBNavigator::Dispatch(TMessage& m) {
    static const TMessageHandler<TDBNavigator> table[] = {
        {CM_SHOWHINTCHANGED, &TDBNavigator::CMShowHintChanged},
        {CM_ENABLEDCHANGED, &TDBNavigator::CMEnabledChangedNav},
    };
    return DispatchTo(this, table, m) || TWinControl::Dispatch(m);
}

void TDBNavigator::CMShowHintChanged(TMessage&) { ApplyHints(); }

void TDBNavigator::CMEnabledChangedNav(TMessage& m) {
    TWinControl::CMEnabledChanged(m);
    UpdateButtons();
}

#include "ui/ToolBar.h"

#include <algorithm>
#include <string>

#include "core/Utf16.h"

TToolBar::TToolBar(TComponent* owner) : TWinControl(owner) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    SetBounds(0, 0, 150, 29);
}

TToolBar::~TToolBar() {
    // The buttons are freed after this part of the bar (as its children): none may reach
    // back here.
    for (TToolButton* b : buttons_) b->toolBar_ = nullptr;
    buttons_.clear();
}

TToolButton* TToolBar::FindButton(int command) const {
    for (TToolButton* b : buttons_)
        if (b->command_ == command) return b;
    return nullptr;
}

void TToolBar::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SysClassName = TOOLBARCLASSNAMEW;
    // Placed by the code (or a cool bar's band), not stuck to the top of the parent.
    p.Style |= CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN | TBSTYLE_FLAT | TBSTYLE_LIST | TBSTYLE_CUSTOMERASE;
}

void TToolBar::CreateWnd() {
    TWinControl::CreateWnd();
    const HWND w = Handle();
    SendMessageW(w, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(w, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    SendMessageW(w, TB_SETBITMAPSIZE, 0, MAKELPARAM(0, 0));  // captions only
    for (size_t i = 0; i < buttons_.size(); ++i) AddToWindow(buttons_[i], static_cast<int>(i));
    PlaceButtons();
}

void TToolBar::AddToWindow(TToolButton* b, int index) {
    using enum TToolButtonStyle;
    static const BYTE styles[] = {BTNS_BUTTON, BTNS_CHECK, BTNS_DROPDOWN, BTNS_SEP};
    const bool separator = b->style_ == tbsSeparator;
    const std::wstring text = Utf8ToWide(b->Caption());
    TBBUTTON tb{};
    tb.iBitmap = separator ? b->separatorWidth_ : I_IMAGENONE;
    tb.idCommand = b->command_;
    tb.fsState = static_cast<BYTE>((b->Enabled() ? TBSTATE_ENABLED : 0) | (b->Visible() ? 0 : TBSTATE_HIDDEN));
    if (b->down_) tb.fsState |= b->style_ == tbsCheck ? TBSTATE_CHECKED : TBSTATE_PRESSED;
    tb.fsStyle = static_cast<BYTE>(styles[static_cast<int>(b->style_)] | (separator ? 0 : BTNS_AUTOSIZE));
    tb.iString = separator ? 0 : reinterpret_cast<INT_PTR>(text.c_str());
    if (!SendMessageW(Handle(), TB_INSERTBUTTONW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&tb)))
        throw Exception("Не удалось поставить кнопку " + b->Name() + " на панель инструментов");
}

void TToolBar::PlaceButtons() {
    if (!HandleAllocated()) return;
    SendMessageW(Handle(), TB_AUTOSIZE, 0, 0);
    for (size_t i = 0; i < buttons_.size(); ++i) {
        TToolButton* b = buttons_[i];
        RECT r{};
        if (!SendMessageW(Handle(), TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r))) r = RECT{};
        b->TControl::SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
    }
}

void TToolBar::InsertButton(TToolButton* b) {
    buttons_.push_back(b);
    b->toolBar_ = this;
    if (!HandleAllocated()) return;
    AddToWindow(b, ButtonCount() - 1);
    PlaceButtons();
}

void TToolBar::RemoveButton(TToolButton* b) {
    auto it = std::find(buttons_.begin(), buttons_.end(), b);
    if (it == buttons_.end()) return;
    const auto index = static_cast<WPARAM>(it - buttons_.begin());
    buttons_.erase(it);
    b->toolBar_ = nullptr;
    if (!HandleAllocated()) return;
    SendMessageW(Handle(), TB_DELETEBUTTON, index, 0);
    PlaceButtons();
}

void TToolBar::ButtonChanged(TToolButton* b) {
    if (!HandleAllocated()) return;
    const int index = b->Index();
    if (index < 0) return;
    b->down_ = b->Down();
    SendMessageW(Handle(), TB_DELETEBUTTON, static_cast<WPARAM>(index), 0);
    AddToWindow(b, index);
    PlaceButtons();
}

bool TToolBar::Dispatch(TMessage& m) {
    // The window itself tracks the mouse over its buttons and paints them; the framework's
    // routing to windowless children stays out of it.
    static const TMessageHandler<TToolBar> table[] = {
        {WM_PAINT, &TToolBar::WMByTheBar},          {WM_LBUTTONDOWN, &TToolBar::WMByTheBar},
        {WM_LBUTTONUP, &TToolBar::WMByTheBar},      {WM_LBUTTONDBLCLK, &TToolBar::WMByTheBar},
        {WM_RBUTTONDOWN, &TToolBar::WMByTheBar},    {WM_RBUTTONUP, &TToolBar::WMByTheBar},
        {WM_RBUTTONDBLCLK, &TToolBar::WMByTheBar},  {WM_MBUTTONDOWN, &TToolBar::WMByTheBar},
        {WM_MBUTTONUP, &TToolBar::WMByTheBar},      {CN_COMMAND, &TToolBar::CNCommand},
        {CN_NOTIFY, &TToolBar::CNNotify},           {CM_RECREATEWND, &TToolBar::CMRecreateWnd},
        {CM_FONTCHANGED, &TToolBar::CMFontChanged},
    };
    return DispatchTo(this, table, m) || TWinControl::Dispatch(m);
}

void TToolBar::WMByTheBar(TMessage& m) { DefaultHandler(m); }

void TToolBar::CNCommand(TMessage& m) {
    m.Result = 0;
    if (TToolButton* b = FindButton(LOWORD(m.WParam))) b->Click();
}

void TToolBar::CNNotify(TMessage& m) {
    m.Result = 0;
    const auto* hdr = reinterpret_cast<const NMHDR*>(m.LParam);
    switch (hdr->code) {
    case TBN_DROPDOWN:
        if (TToolButton* b = FindButton(reinterpret_cast<const NMTOOLBARW*>(m.LParam)->iItem)) b->DropDown();
        m.Result = TBDDRET_DEFAULT;
        break;
    case NM_CUSTOMDRAW: m.Result = CustomDraw(*reinterpret_cast<NMTBCUSTOMDRAW*>(m.LParam)); break;
    default: break;
    }
}

void TToolBar::CMRecreateWnd(TMessage& m) {
    for (TToolButton* b : buttons_) b->down_ = b->Down();  // what the user checked
    m.Result = 0;
}

void TToolBar::CMFontChanged(TMessage& m) {
    TWinControl::CMFontChanged(m);
    PlaceButtons();
}

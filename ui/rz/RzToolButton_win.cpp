#include "ui/rz/RzToolButton.h"

#include "core/PublishedProperty.h"
#include "ui/Application.h"
#include "ui/WinControl.h"

TRzToolbarButton::TRzToolbarButton(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 25, 26);
    SetParentColor(true);
}

void TRzToolbarButton::SetGlyph(const TGlyph& glyph) {
    glyph_ = glyph;
    Invalidate();
}

int TRzToolbarButton::State() const {
    if (down_) return 2;
    if (Enabled() && MouseInControl()) return 1;
    return 0;
}

void TRzToolbarButton::SetDown(bool v) {
    if (down_ == v) return;
    down_ = v;
    Invalidate();
    Update();
}

void TRzToolbarButton::Paint(HDC dc) {
    RECT r = ClientRect();
    HBRUSH face = CreateSolidBrush(ColorToRGB(Color()));
    FillRect(dc, &r, face);
    DeleteObject(face);
    const int state = State();
    // Flat until hot: a thin raised frame under the mouse, a sunken one when pressed.
    if (state == 1) DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    if (state == 2) DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    if (glyph_.Empty()) return;
    int x = (Width() - glyph_.GlyphWidth()) / 2;
    int y = (Height() - glyph_.Height()) / 2;
    if (state == 2) {
        ++x;
        ++y;
    }
    glyph_.DrawState(dc, x, y, Enabled());
}

bool TRzToolbarButton::Dispatch(TMessage& m) {
    static const TMessageHandler<TRzToolbarButton> table[] = {
        {CM_MOUSEENTER, &TRzToolbarButton::CMMouseChange},      {CM_MOUSELEAVE, &TRzToolbarButton::CMMouseChange},
        {CM_ENABLEDCHANGED, &TRzToolbarButton::CMMouseChange},  {WM_LBUTTONDOWN, &TRzToolbarButton::WMLButtonDownTb},
        {WM_LBUTTONDBLCLK, &TRzToolbarButton::WMLButtonDownTb}, {WM_LBUTTONUP, &TRzToolbarButton::WMLButtonUpTb},
    };
    return DispatchTo(this, table, m) || TGraphicControl::Dispatch(m);
}

void TRzToolbarButton::CMMouseChange(TMessage& m) {
    TGraphicControl::Dispatch(m);
    Invalidate();
}

void TRzToolbarButton::WMLButtonDownTb(TMessage& m) {
    TGraphicControl::Dispatch(m);
    if (Enabled()) SetDown(true);
}

void TRzToolbarButton::WMLButtonUpTb(TMessage& m) {
    SetDown(false);
    TGraphicControl::Dispatch(m);
}

void TRzToolbarButton::DefineProperties(std::vector<TPublishedProperty>& props) const {
    TGraphicControl::DefineProperties(props);
    props.push_back(Property("Flat", &TRzToolbarButton::Flat));
}

// ---- TRzMenuToolbarButton ----

TRzMenuToolbarButton::TRzMenuToolbarButton(TComponent* owner) : TRzToolbarButton(owner) {}

TRzMenuToolbarButton::~TRzMenuToolbarButton() {
    if (dropDownMenu_) dropDownMenu_->RemoveFreeNotification(this);
}

void TRzMenuToolbarButton::SetDropDownMenu(TPopupMenu* menu) {
    if (dropDownMenu_ == menu) return;
    if (dropDownMenu_) dropDownMenu_->RemoveFreeNotification(this);
    dropDownMenu_ = menu;
    if (menu) menu->FreeNotification(this);
}

void TRzMenuToolbarButton::Notification(TComponent* component, TOperation operation) {
    TRzToolbarButton::Notification(component, operation);
    if (operation == TOperation::opRemove && component == dropDownMenu_) dropDownMenu_ = nullptr;
}

void TRzMenuToolbarButton::DropDown() {
    if (!dropDownMenu_ || dropping_ || !Parent()) return;
    dropping_ = true;
    SetDown(true);
    POINT below = ClientToScreen(POINT{0, Height()});
    dropDownMenu_->SetPopupComponent(this);
    try {
        dropDownMenu_->Popup(below.x, below.y);
    } catch (...) {
        dropping_ = false;
        SetDown(false);
        throw;
    }
    dropping_ = false;
    SetDown(false);
}

void TRzMenuToolbarButton::Click() {
    TRzToolbarButton::Click();
    DropDown();
}

bool TRzMenuToolbarButton::Dispatch(TMessage& m) {
    static const TMessageHandler<TRzMenuToolbarButton> table[] = {
        {WM_LBUTTONDOWN, &TRzMenuToolbarButton::WMLButtonDownMenu},
        {WM_LBUTTONDBLCLK, &TRzMenuToolbarButton::WMLButtonDownMenu},
    };
    if (dropping_ && m.Msg == WM_LBUTTONUP) {
        m.Result = 0;  // the release that the menu's own loop took; nothing to click
        return true;
    }
    return DispatchTo(this, table, m) || TRzToolbarButton::Dispatch(m);
}

void TRzMenuToolbarButton::WMLButtonDownMenu(TMessage& m) {
    m.Result = 0;
    if (!Enabled()) return;
    if (OnClick) OnClick(this);
    DropDown();
    // The menu's loop took the release of the button: the parent still routes the mouse
    // to this button until it sees one, so it gets one now (and this button ignores it).
    if (TWinControl* p = Parent(); p && p->HandleAllocated()) {
        dropping_ = true;
        p->Perform(WM_LBUTTONUP, 0, MAKELPARAM(Left(), Top()));
        dropping_ = false;
    }
}

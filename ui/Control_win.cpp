#include "ui/Control.h"

#include <algorithm>

#include "core/PublishedProperty.h"
#include "ui/Form.h"
#include "ui/HintWindow.h"
#include "ui/WinControl.h"

TControl::TControl(TComponent* owner) : TComponent(owner) {
    WindowProc = [this](TMessage& m) { RunHooks(m); };
    font_.OnChange = [this] {
        parentFont_ = false;
        Perform(CM_FONTCHANGED);
    };
}

TControl::~TControl() {
    font_.OnChange = nullptr;
    if (parent_) parent_->RemoveControl(this);
}

// The hooks run newest first; the innermost step is the control's own procedure.
void TControl::RunHooks(TMessage& m) {
    if (hooks_.empty()) {
        WndProc(m);
        return;
    }
    // A copy, so that a hook may add or remove hooks while the message is on its way.
    std::vector<std::shared_ptr<TWndHook>> chain;
    chain.reserve(hooks_.size());
    for (auto it = hooks_.rbegin(); it != hooks_.rend(); ++it) chain.push_back(it->fn);
    std::function<void(size_t, TMessage&)> step = [&](size_t i, TMessage& msg) {
        if (i == chain.size()) {
            WndProc(msg);
            return;
        }
        (*chain[i])(msg, [&step, i](TMessage& inner) { step(i + 1, inner); });
    };
    step(0, m);
}

void TControl::DropWrappers() {
    hooks_.clear();  // a chain running now keeps its own copies
    WindowProc = [this](TMessage& m) { WndProc(m); };
}

int TControl::AddWindowProcHook(TWndHook hook) {
    int id = nextHookId_++;
    hooks_.push_back({id, std::make_shared<TWndHook>(std::move(hook))});
    return id;
}

void TControl::RemoveWindowProcHook(int id) {
    std::erase_if(hooks_, [id](const Hook& h) { return h.id == id; });
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage m{msg, wParam, lParam, 0};
    WindowProc(m);
    return m.Result;
}

void TControl::WndProc(TMessage& m) {
    if (!Dispatch(m)) DefaultHandler(m);
    // The application's hints follow the mouse from control to control.
    if (m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE) HintMouseTracked(*this, m.Msg == CM_MOUSEENTER);
}

void TControl::DefaultHandler(TMessage& m) { m.Result = 0; }

bool TControl::Dispatch(TMessage& m) {
    static const TMessageHandler<TControl> table[] = {
        {CM_ENABLEDCHANGED, &TControl::CMEnabledChanged},
        {CM_VISIBLECHANGED, &TControl::CMVisibleChanged},
        {CM_TEXTCHANGED, &TControl::CMTextChanged},
        {CM_FONTCHANGED, &TControl::CMFontChanged},
        {CM_COLORCHANGED, &TControl::CMColorChanged},
        {CM_PARENTFONTCHANGED, &TControl::CMParentFontChanged},
        {CM_PARENTCOLORCHANGED, &TControl::CMParentColorChanged},
        {CM_MOUSEENTER, &TControl::CMMouseEnter},
        {CM_MOUSELEAVE, &TControl::CMMouseLeave},
    };
    return DispatchTo(this, table, m);
}

void TControl::CMEnabledChanged(TMessage&) { Invalidate(); }
void TControl::CMVisibleChanged(TMessage&) { Invalidate(); }
void TControl::CMTextChanged(TMessage&) { Invalidate(); }
void TControl::CMFontChanged(TMessage&) { Invalidate(); }
void TControl::CMColorChanged(TMessage&) { Invalidate(); }
void TControl::CMMouseEnter(TMessage&) { mouseInside_ = true; }
void TControl::CMMouseLeave(TMessage&) { mouseInside_ = false; }

void TControl::CMParentFontChanged(TMessage&) {
    if (parentFont_ && parent_) {
        font_ = parent_->Font();  // fires OnChange, which clears parentFont_
        parentFont_ = true;
    }
}

void TControl::CMParentColorChanged(TMessage&) {
    if (parentColor_ && parent_) {
        color_ = parent_->Color();
        Perform(CM_COLORCHANGED);
    }
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    RECT old = BoundsRect();
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (parent_ && parent_->HandleAllocated() && dynamic_cast<TWinControl*>(this) == nullptr) {
        InvalidateRect(parent_->Handle(), &old, TRUE);
    }
    BoundsChanged();
    Invalidate();
}

POINT TControl::ClientOrigin() const {
    if (!parent_) return {left_, top_};
    POINT p = parent_->ClientOrigin();
    return {p.x + left_, p.y + top_};
}

POINT TControl::ClientToScreen(POINT p) const {
    POINT o = ClientOrigin();
    return {p.x + o.x, p.y + o.y};
}

POINT TControl::ScreenToClient(POINT p) const {
    POINT o = ClientOrigin();
    return {p.x - o.x, p.y - o.y};
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent == this) throw Exception("Элемент не может быть родителем самому себе");
    if (parent_) parent_->RemoveControl(this);
    if (parent) {
        parent->InsertControl(this);
        if (parentFont_) {
            font_ = parent->Font();
            parentFont_ = true;
        }
        if (parentColor_) color_ = parent->Color();
    }
}

TCustomForm* TControl::ParentForm() const {
    const TControl* c = this;
    while (c->parent_) c = c->parent_;
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(c));
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_) return;
    VisibleChanging();
    visible_ = visible;
    Perform(CM_VISIBLECHANGED, visible ? 1 : 0);
    if (!dynamic_cast<TWinControl*>(this) && parent_ && parent_->HandleAllocated()) {
        RECT r = BoundsRect();
        InvalidateRect(parent_->Handle(), &r, TRUE);
    }
}

bool TControl::Showing() const {
    if (!visible_) return false;
    return parent_ ? parent_->Showing() : true;
}

void TControl::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Perform(CM_ENABLEDCHANGED);
}

void TControl::SetText(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    Perform(CM_TEXTCHANGED);
}

void TControl::SetParentFont(bool v) {
    parentFont_ = v;
    if (v && parent_) Perform(CM_PARENTFONTCHANGED);
}

void TControl::SetColor(TColor color) {
    if (color == color_) return;
    color_ = color;
    parentColor_ = false;
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool v) {
    parentColor_ = v;
    if (v && parent_) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetShowHint(bool v) {
    if (v == showHint_) return;
    showHint_ = v;
    Perform(CM_SHOWHINTCHANGED);
}

void TControl::Click() {
    if (OnClick) OnClick(this);
}

void TControl::Invalidate() {
    if (parent_ && parent_->HandleAllocated()) {
        RECT r = BoundsRect();
        InvalidateRect(parent_->Handle(), &r, TRUE);
    }
}

void TControl::Update() {
    if (parent_) parent_->Update();
}

void TControl::DefineProperties(std::vector<TPublishedProperty>& props) const {
    TComponent::DefineProperties(props);
    props.push_back(Property("Left", &TControl::Left, &TControl::SetLeft));
    props.push_back(Property("Top", &TControl::Top, &TControl::SetTop));
    props.push_back(Property("Width", &TControl::Width, &TControl::SetWidth));
    props.push_back(Property("Height", &TControl::Height, &TControl::SetHeight));
    props.push_back(Property("Visible", &TControl::Visible, &TControl::SetVisible));
    props.push_back(Property("Enabled", &TControl::Enabled, &TControl::SetEnabled));
    props.push_back(Property("ShowHint", &TControl::ShowHint, &TControl::SetShowHint));
    props.push_back(Property("ParentFont", &TControl::ParentFont, &TControl::SetParentFont));
    props.push_back(Property("ParentColor", &TControl::ParentColor, &TControl::SetParentColor));
    props.push_back(Property("Color", &TControl::Color, &TControl::SetColor));
    props.push_back(Property("Caption", &TControl::Text, &TControl::SetText));
    props.push_back(Property("Text", &TControl::Text, &TControl::SetText));
    props.push_back(Property("Hint", &TControl::Hint, &TControl::SetHint));
}

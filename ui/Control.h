#pragma once
// TControl: the base of every visible control, windowed or not. It keeps the bounds,
// the parent, visibility, enabling, caption, font, colour and hint, and routes every
// message through a replaceable WindowProc closure, so that a painter can see (and
// change) what the control receives.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/Component.h"
#include "ui/Events.h"
#include "ui/Graphics.h"
#include "ui/Messages.h"

class TWinControl;
class TCustomForm;

// Horizontal placement of a control's text (labels, edits, static texts, panels).
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

using TWndMethod = std::function<void(TMessage&)>;
// A hook sees a message before the procedure inside it and passes it on by calling
// `inner` (or not). Hooks can be removed in any order.
using TWndHook = std::function<void(TMessage&, const TWndMethod& inner)>;

// One row of a class's message table: the message and the method that handles it.
template <class C>
struct TMessageHandler {
    UINT msg;
    void (C::*method)(TMessage&);
};

// Runs the method of `table` for m.Msg; false when the table has none.
template <class C, size_t N>
bool DispatchTo(C* self, const TMessageHandler<C> (&table)[N], TMessage& m) {
    for (const auto& e : table)
        if (e.msg == m.Msg) {
            (self->*e.method)(m);
            return true;
        }
    return false;
}

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;
    std::string ClassName() const override { return "TControl"; }

    // Position relative to the parent's client area.
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int left, int top, int width, int height);
    RECT BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
    virtual RECT ClientRect() const { return {0, 0, width_, height_}; }
    int ClientWidth() const {
        RECT r = ClientRect();
        return r.right - r.left;
    }
    int ClientHeight() const {
        RECT r = ClientRect();
        return r.bottom - r.top;
    }
    // Screen coordinates of a point of the client area and back.
    virtual POINT ClientOrigin() const;
    POINT ClientToScreen(POINT p) const;
    POINT ScreenToClient(POINT p) const;

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    // The form the control sits on (the control itself when it is a form), or null.
    TCustomForm* ParentForm() const;

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and so are all its parents.
    virtual bool Showing() const;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    std::string Caption() const { return Text(); }
    void SetCaption(const std::string& text) { SetText(text); }
    virtual std::string Text() const { return text_; }
    virtual void SetText(const std::string& text);

    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font) { font_ = font; }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool v);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool v);

    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool v);

    TNotifyEvent OnClick;
    virtual void Click();

    // The message entry of the control: replace it to see every message first (keep
    // the old one and call it to pass messages on; put it back to stop).
    TWndMethod WindowProc;
    // Wrapping that does not depend on the order of unwrapping: each hook is inserted
    // before the control's own procedure, the newest outermost.
    int AddWindowProcHook(TWndHook hook);
    void RemoveWindowProcHook(int id);

    // Sends a message through WindowProc and returns its result.
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    // The control's own procedure: its message tables, then DefaultHandler.
    virtual void WndProc(TMessage& m);
    // What happens to a message no table handles.
    virtual void DefaultHandler(TMessage& m);
    virtual void Invalidate();
    // Paints now what is invalid.
    virtual void Update();

    bool MouseInControl() const { return mouseInside_; }

protected:
    // Runs the handler of this class's message table, or the ancestor's; false when none.
    virtual bool Dispatch(TMessage& m);
    void DefineProperties(std::vector<TPublishedProperty>& props) const override;
    // The control's bounds changed (the windowed control moves its window).
    virtual void BoundsChanged() {}
    virtual void VisibleChanging() {}

    void CMEnabledChanged(TMessage& m);
    void CMVisibleChanged(TMessage& m);
    void CMTextChanged(TMessage& m);
    void CMFontChanged(TMessage& m);
    void CMColorChanged(TMessage& m);
    void CMParentFontChanged(TMessage& m);
    void CMParentColorChanged(TMessage& m);
    void CMMouseEnter(TMessage& m);
    void CMMouseLeave(TMessage& m);

    std::string text_;
    TWinControl* parent_ = nullptr;
    bool mouseInside_ = false;

private:
    friend class TWinControl;
    void RunHooks(TMessage& m);
    // Sends every later message straight to WndProc: once the control is being freed,
    // the state behind its hooks and a replaced WindowProc (a painter, a derived
    // class's members, a caller's locals) may already be gone.
    void DropWrappers();

    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    TFont font_;
    bool parentFont_ = true;
    TColor color_ = clBtnFace;
    bool parentColor_ = false;
    std::string hint_;
    bool showHint_ = false;

    struct Hook {
        int id;
        std::shared_ptr<TWndHook> fn;
    };
    std::vector<Hook> hooks_;
    int nextHookId_ = 1;
};

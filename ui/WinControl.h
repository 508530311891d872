#pragma once
// TWinControl: a control with its own window. The window is made when it is first
// needed (Handle(), or when the parent's window is made) from CreateParams, under a
// window class named after the framework class. It keeps the child controls, paints
// the windowless ones, reflects notifications to the children they concern, and keeps
// the tab order and the focus.
#include <windows.h>

#include <string>
#include <vector>

#include "ui/Control.h"

enum class TScrollBarKind { sbHorizontal, sbVertical };

struct TCreateParams {
    std::wstring Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0, Y = 0, Width = 0, Height = 0;
    HWND WndParent = nullptr;
    std::wstring WinClassName;              // the framework class name ("TButton")
    const wchar_t* SysClassName = nullptr;  // the system class it extends ("BUTTON"), or none
    UINT ClassStyle = CS_DBLCLKS;
};

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;
    std::string ClassName() const override { return "TWinControl"; }

    // The window, made now if it does not exist yet.
    HWND Handle();
    HWND Handle() const { return handle_; }
    bool HandleAllocated() const { return handle_ != nullptr; }
    void HandleNeeded() { Handle(); }
    void DestroyHandle();
    // Destroys the window and makes it again with the current settings.
    void RecreateWnd();
    // Takes over a window made elsewhere (its procedure is kept behind ours) and gives
    // it back.
    void AttachWindow(HWND window);
    void DetachWindow();

    // Child controls in the order they were inserted (also the painting order).
    const std::vector<TControl*>& Controls() const { return controls_; }
    int ControlCount() const { return static_cast<int>(controls_.size()); }
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    // Sends a message to every child control (not grandchildren).
    void Broadcast(TMessage& m);

    // Tab order among the windowed children of the same parent.
    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool v);
    // The windowed children in tab order.
    const std::vector<TWinControl*>& TabList() const { return tabList_; }
    // Every windowed descendant in tab order (depth first).
    std::vector<TWinControl*> TabOrderList() const;

    bool Focused() const;
    virtual bool CanFocus() const;
    virtual void SetFocus();

    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

    std::string Text() const override;
    void SetText(const std::string& text) override;
    RECT ClientRect() const override;
    POINT ClientOrigin() const override;
    void Invalidate() override;
    void Update() override;
    void DefaultHandler(TMessage& m) override;

    // Shows or hides one of the window's own scroll bars (not a scroll bar control).
    void ShowScrollBar(TScrollBarKind kind, bool show);

    // The graphic child under a client point, or null.
    TControl* ControlAtPos(POINT p) const;

protected:
    bool Dispatch(TMessage& m) override;
    void DefineProperties(std::vector<TPublishedProperty>& props) const override;
    virtual void CreateParams(TCreateParams& params);
    // Makes the window; derived classes that need work right after creation override
    // CreateWnd and call it first.
    virtual void CreateWnd();
    // Paints the control itself into dc (the windowless children are painted after).
    virtual void PaintWindow(HDC dc);
    void PaintControls(HDC dc);
    void BoundsChanged() override;
    // Background brush of the control's colour.
    HBRUSH Brush();
    // A border of `width` pixels kept outside the client area (so children sit inside
    // it) and painted in the control's colour: WM_NCCALCSIZE and WM_NCPAINT halves.
    void ShrinkClientByBorder(TMessage& m, int width);
    void PaintBorderArea(TMessage& m, int width);
    bool Superclassed() const { return superclassed_; }
    virtual void KeyPress(wchar_t& key);

    void WMPaint(TMessage& m);
    void WMEraseBkgnd(TMessage& m);
    void WMReflect(TMessage& m);
    void WMMouseRouted(TMessage& m);
    void WMMouseMove(TMessage& m);
    void WMMouseLeave(TMessage& m);
    void WMSetFocus(TMessage& m);
    void WMKillFocus(TMessage& m);
    void WMChar(TMessage& m);
    void WMWindowPosChanged(TMessage& m);
    void CNCtlColor(TMessage& m);
    void CNKeyDown(TMessage& m);
    void CNSysChar(TMessage& m);
    void CMEnabledChanged(TMessage& m);
    void CMVisibleChanged(TMessage& m);
    void CMFontChanged(TMessage& m);
    void CMColorChanged(TMessage& m);
    void CMEnter(TMessage& m);
    void CMExit(TMessage& m);

private:
    friend struct TWindowBinding;

    HWND handle_ = nullptr;
    WNDPROC defWndProc_ = nullptr;  // the window procedure behind ours
    bool subclassed_ = false;       // bound to a window made elsewhere
    bool superclassed_ = false;     // our class extends a system class
    std::vector<TControl*> controls_;
    std::vector<TWinControl*> tabList_;
    bool tabStop_ = false;
    HBRUSH brush_ = nullptr;
    COLORREF brushColor_ = 0;
    TControl* mouseControl_ = nullptr;    // graphic child under the mouse
    TControl* captureControl_ = nullptr;  // graphic child that got the button down
    bool trackingLeave_ = false;
    bool creating_ = false;
};

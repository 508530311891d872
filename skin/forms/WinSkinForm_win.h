#pragma once
// TWinSkinForm: the form skin object of one top-level window. It takes over the window's
// non-client area: the skinned borders and title strip with its caption buttons, the
// window region, hit tests, the system menu, and maximise, minimise, restore and close.
//
// Attaching is explicit: InitTform (a framework form; wrapped with a removable hook) or
// InitDlg (a plain window; its window procedure is subclassed), then SKM_INITFORM sent to
// the window completes it. UnSubclass detaches and gives the window back its styles,
// size and procedure exactly as they were. The object is never freed inside its own
// message handling: Release frees it at once or when the outermost handler returns.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/Component.h"
#include "skin/data/SkinData.h"
#include "skin/forms/CaptionActions.h"
#include "skin/forms/CaptionButtons.h"
#include "skin/forms/FrameLayout.h"
#include "skin/forms/FrameState.h"
#include "skin/forms/MenuItemPainter_win.h"
#include "skin/forms/WinSkinMenu_win.h"
#include "skin/forms/SkinFormLinks.h"
#include "ui/Messages.h"

class TCustomForm;
class TMenuItem;

namespace skin {

struct SubclassThunk;

// The version of the running system, for the version-dependent rules.
PlatformVersion CurrentPlatformVersion();

class TWinSkinForm;
// The form skin object attached to a window, or null.
TWinSkinForm* AttachedSkinForm(HWND window);

class TWinSkinForm : public TComponent, public NcObjectHost {
public:
    explicit TWinSkinForm(SkinFormLinks links = {}, PlatformVersion version = CurrentPlatformVersion());
    ~TWinSkinForm() override;
    std::string ClassName() const override { return "TWinSkinForm"; }

    // Attaching. Nothing happens for a null skin, window or a second call.
    void InitTform(TSkinData* data, TCustomForm* form);
    void InitDlg(TSkinData* data, HWND window);
    // Metrics and caption buttons from the skin (again after a skin change).
    void InitSkinData();
    void SkinChange();
    // Detaching: styles, size, region and window procedure as they were.
    void UnSubclass();
    // Frees the object now, or after the message being handled when inside one.
    void Release();

    HWND Window() const { return window_; }
    TCustomForm* OwnerForm() const { return form_; }
    TSkinData* SkinData() const { return data_; }
    FrameStatus Status() const { return state_ ? state_->Status() : FrameStatus::Attaching; }
    TSkinWindowState WindowState() const { return state_ ? state_->State() : swsNormal; }
    bool NcActive() const { return state_ && state_->NcActive(); }
    bool SkinFrame() const { return skinFrame_; }
    const FrameMetrics& Metrics() const { return metrics_; }
    const FrameClass& Frame() const { return class_; }
    const std::vector<std::unique_ptr<TWinSysButton>>& SysButtons() const { return buttons_; }
    // The skinned menu bar, or null when the window has no menu.
    TWinSkinMenu* SkinMenu() const { return menuBar_.get(); }

    // Painting the frame; dc null: the window's own device context.
    void UpdateNc(HDC dc = nullptr);
    void Cropwindow(bool force = false);
    void Uncropwindow();
    void Maximize();
    void Minimize();
    void Restore();
    // Opens the skinned system menu at a point in screen coordinates.
    void PopSysmenu(POINT screen);
    // The popup menus owned by the container (and its frames and embedded forms) get
    // items drawn by the skin (on), or their own drawing back (off).
    void InitPopMenu(TComponent* container, bool on);
    // A tool button's menu: the item and its sub-items measured as drop-down items.
    void InitToolbarMenu(TMenuItem* item, bool on);
    // The painter of this window's skinned menu items.
    std::shared_ptr<TMenuItemPainter> MenuItems();

    void DrawObject(TNCObject& object) override;

    // MDI: the frame's active child (and whether it is maximised), the restore of a
    // maximised child, a system command for the active child.
    HWND ActiveMdiChild(bool* maximized) const;
    bool MdiChildMaximized() const;
    void RestoreMDI();
    void MDIChildAction(UINT command);
    HWND MdiClient() const { return mdiClient_; }
    LRESULT MdiClientMessage(UINT msg, WPARAM wParam, LPARAM lParam);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend LRESULT CALLBACK SkinFormWndProc(HWND, UINT, WPARAM, LPARAM);
    friend struct SubclassThunk;
    using Inner = std::function<void(TMessage&)>;

    void InitSkin(TSkinData* data);
    void Subclass();
    void Unsubclass();
    void RestoreVisible();
    void CompleteAttach();
    void ResizeForm(bool keepClient);
    bool KeepsCentre() const;
    void EnableSysbtn(bool flag);
    void UpdateStyle(bool flag);
    void AfterSkin();
    void ReadState();
    void SetTimerOn(bool on);
    void OnTimer();
    ButtonContext Context() const;
    void LayoutSysButtons();
    Point WindowPoint(LPARAM screen) const;
    void Act(const FrameCommand& c, POINT screen);

    // The message handling; returns false when the message goes on unhandled.
    void Handle(TMessage& m, const Inner& inner);
    bool HandleNc(TMessage& m, const Inner& inner);
    bool HandleNcMouse(TMessage& m, const Inner& inner);
    bool HandleState(TMessage& m, const Inner& inner);
    bool HandlePrivate(TMessage& m, const Inner& inner);
    void OnSetText(TMessage& m, const Inner& inner);
    void OnNcCalcSize(TMessage& m, const Inner& inner);
    bool HandleMenuItem(TMessage& m);
    bool HandleMenuBar(TMessage& m, const Inner& inner);
    void CreateMenuBar();
    void SubclassMDI();
    void UnSubclassMDI();
    void DrawMdiButtons(Surface& window);
    void MdiChildSized(int sizeType);
    void FreeMenuBar(bool giveBack);
    const TMenuItemView* SystemMenuItem(UINT type, ULONG_PTR data) const;

    SkinFormLinks links_;
    PlatformVersion version_;
    HWND window_ = nullptr;
    TCustomForm* form_ = nullptr;
    TSkinData* data_ = nullptr;
    int hookId_ = 0;
    SubclassThunk* thunk_ = nullptr;
    std::optional<FrameStateMachine> state_;
    FrameClass class_;
    std::string className_;  // the window's class, for the skin data's events
    FrameMetrics metrics_;
    bool skinFrame_ = false;
    bool initialised_ = false;
    // What the window was before the skinning touched it.
    LONG origStyle_ = 0;
    int32_t oldColor_ = 0;  // the framework form's colour
    Point systemBorder_;    // window size minus client size
    Point attachClient_;
    bool visibleCleared_ = false;
    bool timerOn_ = false;
    bool regionSet_ = false;
    Point regionSize_{-1, -1};
    HMENU sysMenu_ = nullptr;
    SystemMenuClock menuClock_;
    std::shared_ptr<TMenuItemPainter> menuItems_;
    HMENU sysPopup_ = nullptr;  // the skinned system menu while it is open
    std::vector<TMenuItemView> sysItems_;
    std::unique_ptr<TWinSkinMenu> menuBar_;
    int menuHeight_ = 0;
    HWND mdiClient_ = nullptr;
    WNDPROC mdiClientProc_ = nullptr;
    std::vector<std::unique_ptr<TWinSysButton>> buttons_;
    // Deferred freeing.
    int depth_ = 0;
    bool releasePending_ = false;
};

}  // namespace skin

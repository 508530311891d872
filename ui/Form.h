#pragma once
// TCustomForm / TForm: a top-level window with a caption, a border of one of the
// classic styles, a client size, a placement rule, modal showing with a nested message
// loop and a modal result, the create/show/close/destroy events and a menu bar.
#include "ui/WinControl.h"

class TMainMenu;

enum class TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};
enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };

class TCustomForm : public TWinControl {
public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;
    std::string ClassName() const override { return "TCustomForm"; }

    // Runs OnCreate (an exception from it is shown, not passed on) and makes the window.
    virtual void AfterConstruction();
    // Runs OnDestroy; the owner calls it just before freeing the form.
    virtual void BeforeDestruction();

    void SetClientWidth(int width);
    void SetClientHeight(int height);
    RECT ClientRect() const override;
    TPosition Position() const { return position_; }
    void SetPosition(TPosition p) { position_ = p; }
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle s);
    unsigned BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(unsigned icons);

    // Shows the form and brings it to the front.
    void Show();
    void Hide() { SetVisible(false); }
    // Asks OnCloseQuery, then OnClose decides: hide (the default), free, minimise or
    // nothing. Closing the main form ends the application's loop; closing a modal form
    // sets its modal result to mrCancel.
    void Close();
    virtual bool CloseQuery();
    // Shows the form, disables the thread's other windows and runs messages until the
    // modal result is set (by a button, Close or the code); then hides the form.
    TModalResult ShowModal();
    bool Modal() const { return modal_; }
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult r) { modalResult_ = r; }
    // Frees the form once the messages now queued for it have been handled.
    void Release();

    // The menu bar (none by default). The window shows it and gets it again when it is
    // made anew; the asked-for client size is kept. The form hears CM_MENUCHANGED whenever
    // the bar changes (another menu, none, rebuilt items); a command from the bar runs
    // its item's OnClick.
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* menu);

    TWinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TWinControl* control);
    // Moves the focus to the next (or previous) focusable tab stop after `current`.
    bool SelectNext(TWinControl* current, bool forward);

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;

    // Called by the controls: the focus moved to `control`; `control` is going away.
    void FocusChanged(TWinControl* control);
    void ControlRemoved(TControl* control);

protected:
    bool Dispatch(TMessage& m) override;
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Notification(TComponent* component, TOperation operation) override;
    void DefineProperties(std::vector<TPublishedProperty>& props) const override;
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& action);

    void WMClose(TMessage& m);
    void WMActivate(TMessage& m);
    void CMVisibleChanged(TMessage& m);
    void CMDialogKey(TMessage& m);
    void CMDialogChar(TMessage& m);
    void CMRelease(TMessage& m);
    void WMCommand(TMessage& m);
    void WMMeasureItem(TMessage& m);
    void WMDrawItem(TMessage& m);
    void WMDestroy(TMessage& m);

private:
    void StyleBits(DWORD& style, DWORD& exStyle) const;
    void FitWindowToClient();
    void PlaceOnShow();
    void FocusFirstControl();
    bool CloseModal();

    int clientWidth_ = -1;
    int clientHeight_ = -1;
    TPosition position_ = TPosition::poDesigned;
    TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
    unsigned borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    bool modal_ = false;
    TModalResult modalResult_ = mrNone;
    TWinControl* activeControl_ = nullptr;
    bool released_ = false;
    TMainMenu* menu_ = nullptr;
};

class TForm : public TCustomForm {
public:
    explicit TForm(TComponent* owner) : TCustomForm(owner) {}
    std::string ClassName() const override { return "TForm"; }
};

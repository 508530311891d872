#include "skin/manager/WinSkinFormFactory_win.h"

#include "skin/controls/painters/PainterFactory.h"
#include "skin/forms/WinSkinForm_win.h"
#include "skin/manager/ControlWalk_win.h"
#include "skin/manager/PopupMenuWindow_win.h"
#include "skin/manager/SkinManager_win.h"
#include "ui/Form.h"

namespace skin {

namespace {

// The form skin object as the manager drives it. The object frees itself through Release,
// which waits while the object is inside its own message handling; the walk (and with it
// the painter list) lives as long as either of them needs it.
class TWinSkinFormAdapter : public IFormSkin {
public:
    TWinSkinFormAdapter(TWinSkinForm* form, std::shared_ptr<TControlWalk> walk) : form_(form), walk_(std::move(walk)) {}
    ~TWinSkinFormAdapter() override { form_->Release(); }

    std::uintptr_t Window() const override { return reinterpret_cast<std::uintptr_t>(form_->Window()); }
    TComponent* Form() const override { return form_->OwnerForm(); }
    TSkinData* SkinData() const override { return form_->SkinData(); }
    // The window gone (or given back) counts as deleted whatever the manager last set.
    int State() const override {
        if (form_->Status() == FrameStatus::Detached || !IsWindow(form_->Window())) return fsDeleted;
        return state_;
    }
    void SetState(int state) override { state_ = state; }
    void UnSubclass() override { form_->UnSubclass(); }
    // At shut-down the windows are mostly gone already; one still there gets its own frame
    // back all the same, which costs nothing and leaves nothing half-skinned.
    void UnSubclass3() override { form_->UnSubclass(); }
    // The caption buttons are rebuilt from the new skin by InitSkinData.
    void DeleteSysbtn() override {}
    void ReadSkinData() override { form_->InitSkinData(); }
    void SkinChange() override { form_->SkinChange(); }
    void AddControlh(std::uintptr_t child) override { walk_->AddControlh(reinterpret_cast<HWND>(child)); }
    void UpdateSkinControl(TComponent* control) override {
        TCustomForm* form = form_->OwnerForm();
        if (!control) {
            if (form) walk_->InitControls(form);
            return;
        }
        walk_->DeleteSkinDeleted();
        if (auto* c = dynamic_cast<TControl*>(control)) walk_->AddComp(c, form);
        walk_->InitControlA(control);
        walk_->InitChildCtrl(dynamic_cast<TWinControl*>(control));
    }
    void InitNestform(TComponent* nestedForm) override { walk_->InitNestform(dynamic_cast<TCustomForm*>(nestedForm)); }
    // Popup menus made after the form was skinned get the skin's items now.
    void UpdateMenu() override {
        if (TCustomForm* form = form_->OwnerForm()) form_->InitPopMenu(form, true);
    }
    // The window's menu changed: the bar is built again from it.
    void UpdateMainMenu() override {
        if (IsWindow(form_->Window())) SendMessageW(form_->Window(), CM_MENUCHANGED, 0, 0);
    }
    void DeleteGraphicControl(TComponent* control) override { walk_->DeleteGraphicControl(control); }

private:
    TWinSkinForm* form_;
    std::shared_ptr<TControlWalk> walk_;
    int state_ = fsNormal;
};

SkinFormLinks WalkLinks(const std::shared_ptr<TControlWalk>& walk) {
    SkinFormLinks links;
    links.InitControls = [walk](TWinSkinForm& f) {
        if (f.OwnerForm()) walk->InitControls(f.OwnerForm());
    };
    links.InitHwndControls = [walk](TWinSkinForm& f) { walk->InitHwndControls(f.Window()); };
    links.FreeControls = [walk](TWinSkinForm&) { walk->DeleteControls(); };
    links.ControlsSkinChanged = [walk](TWinSkinForm&) { walk->SkinChanged(); };
    links.HotControlLeave = [walk](TWinSkinForm&) { walk->HotControlLeave(); };
    links.RecreateControl = [walk](TWinSkinForm&, std::uintptr_t old) { walk->Recreate(reinterpret_cast<HWND>(old)); };
    links.HotControlCheck = [walk](TWinSkinForm&, int x, int y) { walk->HotControlCheck(POINT{x, y}); };
    // The menus reach the running manager's popup-window list.
    links.SetMenuKind = [](int kind) {
        if (TSkinManage* m = SkinManager()) m->PopupMenus().FMenuKind = kind;
    };
    links.MenuItemDrawn = [](std::uintptr_t menu) {
        if (TSkinManage* m = SkinManager()) {
            m->PopupMenus().SetPopMenu();
            m->PopupMenus().SetHMenu(menu);
        }
    };
    links.MenuBackground = [](std::uintptr_t menu) -> const Surface* {
        TSkinManage* m = SkinManager();
        return m ? m->PopupMenus().GetMenuBg(menu) : nullptr;
    };
    return links;
}

}  // namespace

std::unique_ptr<IFormSkin> TWinSkinFormFactory::Create(const TFormSkinRequest& request) {
    HWND window = reinterpret_cast<HWND>(request.Window);
    if (!request.SkinData || !IsWindow(window)) return nullptr;
    auto walk = std::make_shared<TControlWalk>(request.SkinData, painters_ ? *painters_ : DefaultPainterFactory());
    auto* formSkin = new TWinSkinForm(WalkLinks(walk));
    walk->SetSender(formSkin);
    if (auto* form = dynamic_cast<TCustomForm*>(request.Form))
        formSkin->InitTform(request.SkinData, form);
    else
        formSkin->InitDlg(request.SkinData, window);
    if (formSkin->Window() != window) {
        formSkin->Release();
        return nullptr;
    }
    return std::make_unique<TWinSkinFormAdapter>(formSkin, walk);
}

std::unique_ptr<IPopupMenuSkin> TWinSkinFormFactory::CreatePopupMenu(std::uintptr_t window, TSkinData* skinData) {
    auto popup = std::make_unique<TWinSkinPopMenu>();
    popup->InitSkin(reinterpret_cast<HWND>(window), skinData, nullptr);
    if (!popup->Handle()) return nullptr;
    return popup;
}

}  // namespace skin

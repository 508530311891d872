#include "skin/manager/WinSkinFormFactory_win.h"

#include "skin/forms/WinSkinForm_win.h"
#include "ui/Form.h"

namespace skin {

namespace {

// The form skin object as the manager drives it. The object frees itself through Release,
// which waits while the object is inside its own message handling.
class TWinSkinFormAdapter : public IFormSkin {
public:
    explicit TWinSkinFormAdapter(TWinSkinForm* form) : form_(form) {}
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
    // Control painters, the menu bar and nested forms arrive with the control skinning;
    // until then these requests have nothing to act on.
    void AddControlh(std::uintptr_t) override {}
    void UpdateSkinControl(TComponent*) override {}
    void InitNestform(TComponent*) override {}
    void UpdateMenu() override {}
    void UpdateMainMenu() override {}
    void DeleteGraphicControl(TComponent*) override {}

private:
    TWinSkinForm* form_;
    int state_ = fsNormal;
};

}  // namespace

std::unique_ptr<IFormSkin> TWinSkinFormFactory::Create(const TFormSkinRequest& request) {
    HWND window = reinterpret_cast<HWND>(request.Window);
    if (!request.SkinData || !IsWindow(window)) return nullptr;
    auto* formSkin = new TWinSkinForm();
    if (auto* form = dynamic_cast<TCustomForm*>(request.Form))
        formSkin->InitTform(request.SkinData, form);
    else
        formSkin->InitDlg(request.SkinData, window);
    if (formSkin->Window() != window) {
        formSkin->Release();
        return nullptr;
    }
    return std::make_unique<TWinSkinFormAdapter>(formSkin);
}

}  // namespace skin

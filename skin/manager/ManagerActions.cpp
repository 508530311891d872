// The manager's deferred actions and the requests of the skin data components.
#include "skin/data/SkinData.h"
#include "skin/manager/SkinManage.h"

namespace skin {

// Only one action waits at a time: a later request replaces an earlier one and restarts
// the delay, so a burst ends in a single pass. Before any window was activated there is
// nothing to pass over yet, and switching on or off is all that can happen.
void TSkinManage::SetAction(std::int32_t code, int intervalMs) {
    if (FState == msShuttingDown) return;
    FAction = code;
    if (FState != msIdle) {
        platform_.StartTimer(intervalMs);
    } else if (code == maInstall || code == maRemove) {
        FSkinning = code == maInstall;
        running_ = FSkinning;
    }
}

void TSkinManage::OnTimer() {
    platform_.StopTimer();
    TSkinData* skinData = FActionSkinData;
    if (!skinData || FState == msShuttingDown) return;
    std::int32_t action = FAction;
    FAction = maNone;
    if (action == maReskinWindow) {
        ReskinWindow();
        return;
    }
    if (skinData->SkinFormtype == sfOnlyThisForm)
        RunOnlyThisFormAction(skinData, action);
    else
        RunAction(skinData, action);
    FActionSkinData = nullptr;
    skinData->DoSkinChanged();
}

void TSkinManage::RunAction(TSkinData* skinData, std::int32_t action) {
    switch (action) {
    case maInstall: {
        FSkinning = true;
        running_ = true;
        DeleteDeleted();
        FForceSkin = true;
        std::vector<TComponent*> open = platform_.OpenForms();
        for (auto it = open.rbegin(); it != open.rend(); ++it) ActiveForm(*it);
        FForceSkin = false;
        break;
    }
    case maRemove:
        FSkinning = false;
        running_ = false;
        DeleteDeleted();
        while (!forms_.empty()) Detach(0, true);
        break;
    case maSkinChanged: RefreshSkin(skinData, false); break;
    case maPurge: DeleteDeleted(); break;
    default: break;
    }
}

// A skin data component of one form acts on that form only.
void TSkinManage::RunOnlyThisFormAction(TSkinData* skinData, std::int32_t action) {
    switch (action) {
    case maInstall:
        FSkinning = true;
        running_ = true;
        FForceSkin = true;
        for (TComponent* form : platform_.OpenForms())
            if (form == skinData->Owner()) ActiveForm(form);
        FForceSkin = false;
        break;
    case maRemove:
        FSkinning = false;
        running_ = false;
        DeleteDeleted();
        for (std::size_t i = forms_.size(); i-- > 0;)
            if (forms_[i]->SkinData() == skinData) {
                Detach(i, true);
                break;
            }
        break;
    case maSkinChanged: RefreshSkin(skinData, true); break;
    case maPurge: DeleteDeleted(); break;
    default: break;
    }
}

// Every form skin object of the skin data first drops its caption buttons and re-reads
// the skin, and only then do they repaint, so none paints from a half-read skin.
void TSkinManage::RefreshSkin(TSkinData* skinData, bool firstOnly) {
    DeleteDeleted();
    std::vector<IFormSkin*> targets;
    for (const auto& f : forms_)
        if (f->SkinData() == skinData && f->State() != fsDeleted) {
            targets.push_back(f.get());
            if (firstOnly) break;
        }
    for (IFormSkin* f : targets) {
        f->SetState(fsSkinChanging);
        f->DeleteSysbtn();
        f->ReadSkinData();
    }
    for (IFormSkin* f : targets) {
        f->SkinChange();
        if (f->State() == fsSkinChanging) f->SetState(fsNormal);
    }
}

// The window is unskinned and skinned afresh; no skin-changed notification.
void TSkinManage::ReskinWindow() {
    if (IFormSkin* f = FindSkinForm(FActionWnd)) {
        f->UnSubclass();
        f->SetState(fsDeleted);
    }
    DeleteDeleted();
    AddForm(FActionWnd);
}

namespace {

std::int32_t ActionCode(TSkinAction action) {
    switch (action) {
    case TSkinAction::Install: return maInstall;
    case TSkinAction::Remove: return maRemove;
    case TSkinAction::SkinChanged: return maSkinChanged;
    case TSkinAction::ReskinWindow: return maReskinWindow;
    }
    return maNone;
}

}  // namespace

void TSkinManage::Request(const TSkinRequest& r) {
    if (FState == msShuttingDown) return;
    IFormSkin* target = nullptr;
    switch (r.Kind) {
    case TSkinRequestKind::UpdateSkinControl:
    case TSkinRequestKind::AddNestForm:
    case TSkinRequestKind::UpdateMenu:
    case TSkinRequestKind::DeleteGraphicControl: target = FindSkinForm(WindowOf(r.Form)); break;
    default: break;
    }
    switch (r.Kind) {
    // This manager exists. A separately loaded module joining it with its own copy of the
    // engine (SkinDll) never asks: this program loads no such module, so joined managers
    // are not built.
    case TSkinRequestKind::CreateManager: break;
    case TSkinRequestKind::Register: AddSkinData(r.Sender); break;
    case TSkinRequestKind::Unregister: RemoveSkinData(r.Sender); break;
    case TSkinRequestKind::SetCurrent: FActionSkinData = r.Sender; break;
    case TSkinRequestKind::DropCaptionButtons: DeleteSysbtn(); break;
    case TSkinRequestKind::Action:
        // The action concerns the component that asked for it, even when it did not
        // name itself current first (Install and Uninstall do not).
        if (r.Sender) FActionSkinData = r.Sender;
        if (r.Action == TSkinAction::ReskinWindow) FActionWnd = WindowOf(r.Form);
        SetAction(ActionCode(r.Action), r.DelayMs);
        break;
    case TSkinRequestKind::SetRunning: running_ = r.Flag; break;
    case TSkinRequestKind::InstallHook: InstallHook(); break;
    case TSkinRequestKind::EnableSkin:
        FSkinning = r.Flag;
        if (r.Flag && r.Sender && r.Sender->SkinFormtype != sfMainform && FState == msIdle) FState = msRunning;
        break;
    case TSkinRequestKind::AddUser: ++UserCount; break;
    case TSkinRequestKind::SkinWindowNow: AddForm(r.Window ? r.Window : WindowOf(r.Form)); break;
    case TSkinRequestKind::InstallThread: InstallThread(r.ThreadId); break;
    case TSkinRequestKind::UninstallThread: UnInstallThread(r.ThreadId); break;
    case TSkinRequestKind::UpdateSkinControl:
        if (target) target->UpdateSkinControl(r.Control);
        break;
    case TSkinRequestKind::AddNestForm:
        if (target && r.Control) target->InitNestform(r.Control);
        break;
    case TSkinRequestKind::UpdateMenu:
        if (target) target->UpdateMenu();
        break;
    case TSkinRequestKind::UpdateMainMenu:
        if (r.Flag)
            for (const auto& f : forms_)
                if (f->State() != fsDeleted) f->UpdateMainMenu();
        break;
    case TSkinRequestKind::DeleteGraphicControl:
        if (target) target->DeleteGraphicControl(r.Control);
        break;
    }
}

}  // namespace skin

#include "skin/manager/SkinManage.h"

#include <algorithm>

#include "skin/data/SkinData.h"
#include "skin/manager/WindowClassifier.h"

namespace skin {

TSkinManage::TSkinManage(IManagerPlatform& platform, IFormSkinFactory& factory)
    : platform_(platform), factory_(factory) {}

// Shutting down in an order where nothing can call back into a half-destroyed manager:
// no more actions, no more hook events, then the form skin objects let go of their
// windows without restoring them.
TSkinManage::~TSkinManage() {
    FState = msShuttingDown;
    FSkinning = false;
    running_ = false;
    platform_.StopTimer();
    DeleteAllThreads();
    if (hooked_) platform_.RemoveHook(0);
    hooked_ = false;
    popupMenus_.Clear();
    std::vector<std::unique_ptr<IFormSkin>> forms = std::move(forms_);
    forms_.clear();
    for (auto& f : forms)
        if (f->State() != fsDeleted) f->UnSubclass3();
    forms.clear();
    skinDatas_.clear();
    if (&SkinManagerRequests() == this) SetSkinManagerRequests(nullptr);
}

void TSkinManage::HookEvent(TCbtEvent event, const TWindowFacts& created, bool mainThread) {
    if (FState == msShuttingDown) return;
    if (!mainThread) {
        platform_.RunOnManagerThread([this, event, created] { ThreadEvent(event, created); });
        return;
    }
    CbtEvent(event, created, true);
}

// Events of other threads' hooks, on the manager's thread.
void TSkinManage::ThreadEvent(TCbtEvent event, const TWindowFacts& created) {
    if (FState == msShuttingDown) return;
    CbtEvent(event, created, false);
}

// A scroll bar made under a skinned parent is never refused, on any thread: a size grip
// gets its painter. Only the manager's own thread makes MDI children and skinned popup
// menus (a window procedure is replaced on the thread that runs it); only other threads'
// windows are dropped by the manager when destroyed (a form skin object of the manager's
// thread sees its window's last message itself and marks itself deleted).
void TSkinManage::CbtEvent(TCbtEvent event, const TWindowFacts& created, bool ownThread) {
    switch (event) {
    case TCbtEvent::Activate:
        if (FState == msIdle) FState = msRunning;
        AddForm(created.Handle);
        break;
    case TCbtEvent::Create:
        if (created.ClassName == "ScrollBar" && (created.Style & kSbsSizeGrip))
            if (IFormSkin* parent = FindSkinForm(created.Parent)) parent->AddControlh(created.Handle);
        if (ownThread && (created.ExStyle & kWsExMdiChild)) AddForm(created.Handle);
        // A window being made cannot answer yet: what the creation says is enough.
        if (ownThread && created.ClassName == kPopupMenuClass) AddMenuWindow(created);
        break;
    case TCbtEvent::Destroy:
        DeleteMenu(created.Handle);
        if (!ownThread) DeleteForm(created.Handle);
        break;
    }
}

void TSkinManage::InstallHook() {
    if (!hooked_) hooked_ = platform_.InstallHook(0);
}

void TSkinManage::InstallThread(std::uint32_t threadId) {
    if (std::find(threadHooks_.begin(), threadHooks_.end(), threadId) != threadHooks_.end()) return;
    if (platform_.InstallHook(threadId)) threadHooks_.push_back(threadId);
}

void TSkinManage::UnInstallThread(std::uint32_t threadId) {
    auto it = std::find(threadHooks_.begin(), threadHooks_.end(), threadId);
    if (it == threadHooks_.end()) return;
    threadHooks_.erase(it);
    platform_.RemoveHook(threadId);
}

void TSkinManage::DeleteAllThreads() {
    std::vector<std::uint32_t> threads = std::move(threadHooks_);
    threadHooks_.clear();
    for (std::uint32_t id : threads) platform_.RemoveHook(id);
}

void TSkinManage::AddSkinData(TSkinData* skinData) {
    if (!skinData || std::find(skinDatas_.begin(), skinDatas_.end(), skinData) != skinDatas_.end()) return;
    skinDatas_.push_back(skinData);
    if (!FMainSkinData && skinData->SkinFormtype == sfMainform) FMainSkinData = skinData;
}

// A skin data component going away takes its form skin objects with it: they would
// otherwise paint from a freed skin.
void TSkinManage::RemoveSkinData(TSkinData* skinData) {
    auto it = std::find(skinDatas_.begin(), skinDatas_.end(), skinData);
    if (it == skinDatas_.end()) return;
    skinDatas_.erase(it);
    if (FActionSkinData == skinData) FActionSkinData = nullptr;
    if (FMainSkinData == skinData) {
        FMainSkinData = nullptr;
        for (TSkinData* d : skinDatas_)
            if (d->SkinFormtype == sfMainform) {
                FMainSkinData = d;
                break;
            }
    }
    for (std::size_t i = 0; i < forms_.size();)
        if (forms_[i]->SkinData() == skinData)
            Detach(i, true);
        else
            ++i;
}

std::uintptr_t TSkinManage::WindowOf(TComponent* form) const { return form ? platform_.ExistingWindow(form) : 0; }

IFormSkin* TSkinManage::FindSkinForm(std::uintptr_t window) const {
    if (!window) return nullptr;
    for (const auto& f : forms_)
        if (f->Window() == window && f->State() != fsDeleted) return f.get();
    return nullptr;
}

TSkinData* TSkinManage::FindSkindata(const TWindowFacts& window) const {
    return skin::FindSkindata(skinDatas_, window, [this](TComponent* form) { return WindowOf(form); });
}

bool TSkinManage::AddForm(std::uintptr_t window) {
    if (!FSkinning || FState == msShuttingDown || !window) return false;
    DeleteDeleted();
    if (FindSkinForm(window)) return false;
    TWindowFacts facts = platform_.Facts(window);
    if (CheckWindow(facts, FForceSkin) != TSkinRefusal::None) return false;
    if (!OnBeforeSkin(FMainSkinData, facts)) return false;
    TSkinData* skinData = FindSkindata(facts);
    if (!skinData || skinData->SkinEmpty) return false;
    std::unique_ptr<IFormSkin> formSkin;
    try {
        formSkin = factory_.Create({window, facts.Form, skinData, facts.ClassName});
    } catch (const std::exception&) {
        return false;  // the window keeps its own look
    }
    if (!formSkin) return false;
    forms_.push_back(std::move(formSkin));
    platform_.PostInitForm(window);
    return true;
}

void TSkinManage::ActiveForm(TComponent* form) {
    if (std::uintptr_t window = form ? platform_.ShownFormWindow(form) : 0) AddForm(window);
}

void TSkinManage::Detach(std::size_t index, bool repaint) {
    std::unique_ptr<IFormSkin> formSkin = std::move(forms_[index]);
    forms_.erase(forms_.begin() + static_cast<std::ptrdiff_t>(index));
    if (formSkin->State() == fsDeleted) return;
    formSkin->SetState(fsDestroying);
    formSkin->UnSubclass();
    if (repaint) platform_.Repaint(formSkin->Window());
}

bool TSkinManage::DeleteForm(std::uintptr_t window) {
    if (FState == msShuttingDown) return false;
    for (std::size_t i = 0; i < forms_.size(); ++i)
        if (forms_[i]->Window() == window && forms_[i]->State() != fsDeleted) {
            if (!forms_[i]->Form()) return false;
            Detach(i, false);
            return true;
        }
    return false;
}

void TSkinManage::DeleteDeleted() {
    if (FState == msShuttingDown) return;
    std::vector<std::unique_ptr<IFormSkin>> deleted;
    for (auto& f : forms_)
        if (f->State() == fsDeleted) deleted.push_back(std::move(f));
    std::erase(forms_, nullptr);
}

bool TSkinManage::AddMenu(std::uintptr_t window) {
    if (!FSkinning || !window) return false;
    return AddMenuWindow(platform_.Facts(window));
}

bool TSkinManage::AddMenuWindow(const TWindowFacts& facts) {
    const std::uintptr_t window = facts.Handle;
    if (!FSkinning || FState == msShuttingDown || !window || facts.AnswersSkinned || popupMenus_.Contains(window))
        return false;
    TSkinData* skinData = FindSkindata(facts);
    if (!skinData || skinData->SkinEmpty || skinData->Reading()) return false;
    if (!MenuKindAllowed(popupMenus_.FMenuKind, skinData->SkinControls)) return false;
    std::unique_ptr<IPopupMenuSkin> skin;
    try {
        skin = factory_.CreatePopupMenu(window, skinData);
    } catch (const std::exception&) {
        return false;  // the menu keeps the system's look
    }
    if (!skin) return false;
    popupMenus_.Add(window, std::move(skin));
    return true;
}

bool TSkinManage::DeleteMenu(std::uintptr_t window) { return popupMenus_.Delete(window); }

void TSkinManage::DeleteAllForms() {
    FSkinning = false;
    popupMenus_.Clear();
    std::vector<std::unique_ptr<IFormSkin>> forms = std::move(forms_);
    forms_.clear();
    for (auto& f : forms)
        if (f->State() != fsDeleted) f->UnSubclass3();
}

void TSkinManage::DeleteSysbtn() {
    for (const auto& f : forms_)
        if (f->SkinData() == FActionSkinData && f->State() != fsDeleted) f->DeleteSysbtn();
}

}  // namespace skin

#pragma once
// TSkinManage: the process's skin manager. It decides, window by window, which windows
// get a form skin object (through the CBT hook's activations and creations), owns those
// objects, and runs the engine-wide actions that skin data components ask for, deferred
// on a timer so that a burst of requests ends in one pass over the forms.
//
// All lists are touched on the manager's own thread only: hooks of other threads hand
// their events over (IManagerPlatform::RunOnManagerThread), and no window creation is
// ever refused.
//
// Joining the managers of separately loaded modules that carry their own copy of the
// engine is not built: this program loads no such module.
#include <cstdint>
#include <memory>
#include <vector>

#include "skin/data/SkinManagerRequests.h"
#include "skin/manager/FormSkinFactory.h"
#include "skin/manager/ManagerPlatform.h"

namespace skin {

class TSkinData;

// The queued action codes.
enum TManagerAction : std::int32_t {
    maNone = 0,
    maInstall = 1,  // skinning on; skin every shown form
    maRemove = 2,   // skinning off; every form skin object detached and freed
    maSkinChanged = 3,
    maPurge = 6,  // free the form skin objects marked deleted
    maReskinWindow = 7,
};

enum TManagerState : std::int32_t { msIdle = 0, msRunning = 1, msShuttingDown = 4 };

// The CBT events the hooks pass on.
enum class TCbtEvent { Create, Destroy, Activate };

class TSkinManage : public ISkinManagerRequests {
public:
    TSkinManage(IManagerPlatform& platform, IFormSkinFactory& factory);
    ~TSkinManage() override;
    TSkinManage(const TSkinManage&) = delete;
    TSkinManage& operator=(const TSkinManage&) = delete;

    // The hook of the manager's thread (mainThread) or of a thread added with
    // InstallThread. `created` holds the creation data for Create (style bits and parent
    // from the creation parameters), else just the handle.
    void HookEvent(TCbtEvent event, const TWindowFacts& created, bool mainThread);

    void InstallHook();
    void InstallThread(std::uint32_t threadId);
    void UnInstallThread(std::uint32_t threadId);
    void DeleteAllThreads();

    void AddSkinData(TSkinData* skinData);
    void RemoveSkinData(TSkinData* skinData);

    bool AddForm(std::uintptr_t window);
    void ActiveForm(TComponent* form);
    IFormSkin* FindSkinForm(std::uintptr_t window) const;
    TSkinData* FindSkindata(const TWindowFacts& window) const;
    bool DeleteForm(std::uintptr_t window);
    void DeleteDeleted();
    void DeleteAllForms();
    void DeleteSysbtn();

    // Popup-menu windows: skinned when created (if the switches allow the kind of menu
    // about to open), let go when destroyed.
    bool AddMenu(std::uintptr_t window);
    bool DeleteMenu(std::uintptr_t window);
    bool FindSkinMenu(std::uintptr_t window) const { return popupMenus_.Contains(window); }
    TPopupMenuList& PopupMenus() { return popupMenus_; }

    void SetAction(std::int32_t code, int intervalMs);
    void OnTimer();

    // ISkinManagerRequests: the manager is the sink of every skin data component.
    bool ManagerExists() const override { return true; }
    bool SkinningRunning() const override { return running_; }
    void Request(const TSkinRequest& request) override;

    bool FSkinning = false;
    bool FForceSkin = false;
    std::int32_t FState = msIdle;
    std::int32_t FAction = maNone;
    TSkinData* FActionSkinData = nullptr;
    TSkinData* FMainSkinData = nullptr;
    std::uintptr_t FActionWnd = 0;
    int UserCount = 0;

    const std::vector<std::unique_ptr<IFormSkin>>& Forms() const { return forms_; }
    const std::vector<TSkinData*>& SkinDatas() const { return skinDatas_; }
    const std::vector<std::uint32_t>& ThreadHooks() const { return threadHooks_; }

private:
    void ThreadEvent(TCbtEvent event, const TWindowFacts& created);
    void CbtEvent(TCbtEvent event, const TWindowFacts& created, bool ownThread);
    void Detach(std::size_t index, bool repaint);
    void RunAction(TSkinData* skinData, std::int32_t action);
    void RunOnlyThisFormAction(TSkinData* skinData, std::int32_t action);
    void ReskinWindow();
    bool AddMenuWindow(const TWindowFacts& facts);
    void RefreshSkin(TSkinData* skinData, bool firstOnly);
    std::uintptr_t WindowOf(TComponent* form) const;

    IManagerPlatform& platform_;
    IFormSkinFactory& factory_;
    std::vector<std::unique_ptr<IFormSkin>> forms_;
    std::vector<TSkinData*> skinDatas_;
    std::vector<std::uint32_t> threadHooks_;
    TPopupMenuList popupMenus_;
    bool hooked_ = false;
    bool running_ = false;
};

}  // namespace skin

#pragma once
// A window system made of tables, a clock that moves only when told, and form skin
// objects that write what is done to them into one shared log ("unsubclass 3").
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "skin/data/SkinData.h"
#include "skin/manager/SkinManage.h"

namespace skin::test {

using Log = std::vector<std::string>;

class FakeFormSkin : public IFormSkin {
public:
    FakeFormSkin(const TFormSkinRequest& r, Log& log) : r_(r), log_(log) {}
    ~FakeFormSkin() override { Note("free"); }
    std::uintptr_t Window() const override { return r_.Window; }
    TComponent* Form() const override { return r_.Form; }
    TSkinData* SkinData() const override { return r_.SkinData; }
    int State() const override { return state_; }
    void SetState(int s) override { state_ = s; }
    void UnSubclass() override { Note("unsubclass"); }
    void UnSubclass3() override { Note("unsubclass3"); }
    void DeleteSysbtn() override { Note("sysbtn"); }
    void ReadSkinData() override { Note("read"); }
    void SkinChange() override { Note("skinchange"); }
    void AddControlh(std::uintptr_t child) override { Note("grip " + std::to_string(child)); }
    void UpdateSkinControl(TComponent*) override { Note("updatecontrol"); }
    void InitNestform(TComponent*) override { Note("nest"); }
    void UpdateMenu() override { Note("menu"); }
    void UpdateMainMenu() override { Note("mainmenu"); }
    void DeleteGraphicControl(TComponent*) override { Note("graphic"); }

private:
    void Note(const std::string& what) { log_.push_back(what + " " + std::to_string(r_.Window)); }
    TFormSkinRequest r_;
    Log& log_;
    int state_ = fsNormal;
};

// A popup-menu window's skin: its background is one pixel per window handle.
class FakePopupSkin : public IPopupMenuSkin {
public:
    FakePopupSkin(std::uintptr_t w, Log& log) : w_(w), log_(log), bg_(1, 1, static_cast<Pixel>(w)) {}
    void UnSubClass() override { log_.push_back("unskin menu " + std::to_string(w_)); }
    const Surface* Background() override { return &bg_; }

private:
    std::uintptr_t w_;
    Log& log_;
    Surface bg_;
};

class FakeFactory : public IFormSkinFactory {
public:
    explicit FakeFactory(Log& log) : log_(log) {}
    std::unique_ptr<IPopupMenuSkin> CreatePopupMenu(std::uintptr_t w, TSkinData*) override {
        log_.push_back("skin menu " + std::to_string(w));
        return std::make_unique<FakePopupSkin>(w, log_);
    }
    std::unique_ptr<IFormSkin> Create(const TFormSkinRequest& r) override {
        log_.push_back("create " + std::to_string(r.Window));
        requests.push_back(r);
        return std::make_unique<FakeFormSkin>(r, log_);
    }
    std::vector<TFormSkinRequest> requests;

private:
    Log& log_;
};

class FakePlatform : public IManagerPlatform {
public:
    explicit FakePlatform(Log& log) : log_(log) {}
    TWindowFacts Facts(std::uintptr_t w) override { return windows.count(w) ? windows[w] : TWindowFacts{}; }
    std::vector<TComponent*> OpenForms() override { return forms; }
    std::uintptr_t ShownFormWindow(TComponent* f) override { return shown.count(f) ? shown[f] : 0; }
    std::uintptr_t ExistingWindow(TComponent* f) override {
        for (auto& [h, facts] : windows)
            if (facts.Form == f) return h;
        return 0;
    }
    void PostInitForm(std::uintptr_t w) override { log_.push_back("initform " + std::to_string(w)); }
    void Repaint(std::uintptr_t w) override { log_.push_back("repaint " + std::to_string(w)); }
    void StartTimer(int ms) override { due = now + ms; }
    void StopTimer() override {
        if (due >= 0) log_.push_back("timer off");
        due = -1;
    }
    bool InstallHook(std::uint32_t thread) override { return log_.push_back("hook " + std::to_string(thread)), true; }
    void RemoveHook(std::uint32_t thread) override { log_.push_back("unhook " + std::to_string(thread)); }
    void RunOnManagerThread(std::function<void()> work) override { queued.push_back(std::move(work)); }

    // Moves the clock; the timer fires when it comes due.
    void Advance(TSkinManage& m, int ms) {
        now += ms;
        if (due >= 0 && now >= due) m.OnTimer();
    }
    void RunQueued() {
        for (auto& w : std::exchange(queued, {})) w();
    }

    std::map<std::uintptr_t, TWindowFacts> windows;
    std::vector<TComponent*> forms;
    std::map<TComponent*, std::uintptr_t> shown;
    std::vector<std::function<void()>> queued;
    int now = 0, due = -1;

private:
    Log& log_;
};

// The window of a framework form of our module.
inline TWindowFacts FormWindow(std::uintptr_t h, TComponent* form, const char* cls = "TForm1") {
    return {.Handle = h, .ClassName = cls, .Style = 0x10CF0000, .OwnModule = true, .HasArea = true, .Form = form};
}

// A skin data component with a parsed skin.
inline std::unique_ptr<TSkinData> SkinDataOf(TSkinFormType type, TComponent* owner = nullptr) {
    auto d = std::make_unique<TSkinData>(owner);
    d->SkinFormtype = type;
    d->SkinEmpty = false;
    return d;
}

struct ManagerRig {
    Log log;
    FakePlatform platform{log};
    FakeFactory factory{log};
    std::unique_ptr<TSkinManage> manager = std::make_unique<TSkinManage>(platform, factory);
    std::unique_ptr<TSkinData> main = SkinDataOf(sfMainform);

    ManagerRig() { manager->AddSkinData(main.get()); }
    void Activate(std::uintptr_t h) { manager->HookEvent(TCbtEvent::Activate, platform.Facts(h), true); }
};

}  // namespace skin::test

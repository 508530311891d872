#include "skin/manager/SkinManager_win.h"

#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "skin/controls/PainterMessages.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/WindowBinding.h"

namespace skin {

namespace {

constexpr UINT WM_RUNQUEUED = WM_APP + 0x51;
constexpr UINT_PTR kActionTimer = 1;

std::string ClassNameOf(HWND window) {
    char name[101] = {};
    int n = GetClassNameA(window, name, 100);
    return std::string(name, n > 0 ? static_cast<size_t>(n) : 0);
}

class TWinManagerPlatform : public IManagerPlatform {
public:
    TWinManagerPlatform() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &TWinManagerPlatform::MessageProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TSkinManagerWindow";
        RegisterClassW(&wc);
        window_ =
            CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
        threadId_ = GetCurrentThreadId();
    }
    ~TWinManagerPlatform() override {
        for (auto& [thread, hook] : hooks_) UnhookWindowsHookEx(hook);
        if (window_) DestroyWindow(window_);
    }

    TWindowFacts Facts(std::uintptr_t handle) override {
        HWND w = reinterpret_cast<HWND>(handle);
        TWindowFacts f;
        if (!IsWindow(w)) return f;
        f.Handle = handle;
        f.ClassName = ClassNameOf(w);
        f.Style = static_cast<std::uint32_t>(GetWindowLongPtrW(w, GWL_STYLE));
        f.ExStyle = static_cast<std::uint32_t>(GetWindowLongPtrW(w, GWL_EXSTYLE));
        HWND parent = GetParent(w);
        f.Parent = reinterpret_cast<std::uintptr_t>(parent);
        if (parent) f.ParentClassName = ClassNameOf(parent);
        f.OwnModule = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(w, GWLP_HINSTANCE)) == GetModuleHandleW(nullptr);
        RECT r{};
        GetWindowRect(w, &r);
        f.HasArea = (r.right - r.left) * (r.bottom - r.top) != 0;
        DWORD_PTR answer = 0;
        f.AnswersSkinned =
            SendMessageTimeoutW(w, SKM_ISSKINNED, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, 500, &answer) && answer == 1;
        f.Form = FindTForm(w);
        return f;
    }
    std::vector<TComponent*> OpenForms() override {
        std::vector<TComponent*> forms;
        if (Application)
            for (TComponent* c : Application->Components())
                if (dynamic_cast<TCustomForm*>(c)) forms.push_back(c);
        return forms;
    }
    std::uintptr_t ShownFormWindow(TComponent* form) override {
        auto* f = dynamic_cast<TCustomForm*>(form);
        if (!f || !f->Visible() || !f->HandleAllocated()) return 0;
        HWND w = f->Handle();
        if (!IsWindowVisible(w) || (GetWindowLongPtrW(w, GWL_STYLE) & WS_CHILD)) return 0;
        return reinterpret_cast<std::uintptr_t>(w);
    }
    std::uintptr_t ExistingWindow(TComponent* form) override {
        auto* c = dynamic_cast<TWinControl*>(form);
        return c && c->HandleAllocated() ? reinterpret_cast<std::uintptr_t>(c->Handle()) : 0;
    }
    void PostInitForm(std::uintptr_t w) override { PostMessageW(reinterpret_cast<HWND>(w), SKM_INITFORM, 0, 1000); }
    void Repaint(std::uintptr_t w) override {
        RedrawWindow(reinterpret_cast<HWND>(w), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    void StartTimer(int ms) override { SetTimer(window_, kActionTimer, static_cast<UINT>(ms), nullptr); }
    void StopTimer() override { KillTimer(window_, kActionTimer); }
    bool InstallHook(std::uint32_t threadId) override {
        std::uint32_t thread = threadId ? threadId : threadId_;
        if (hooks_.count(thread)) return true;
        HHOOK hook = SetWindowsHookExW(WH_CBT, threadId ? &SkinHookCBT2 : &SkinHookCBT, nullptr, thread);
        if (!hook) return false;
        hooks_[thread] = hook;
        return true;
    }
    void RemoveHook(std::uint32_t threadId) override {
        auto it = hooks_.find(threadId ? threadId : threadId_);
        if (it == hooks_.end()) return;
        UnhookWindowsHookEx(it->second);
        hooks_.erase(it);
    }
    void RunOnManagerThread(std::function<void()> work) override {
        {
            std::lock_guard<std::mutex> lock(queueLock_);
            queue_.push_back(std::move(work));
        }
        PostMessageW(window_, WM_RUNQUEUED, 0, 0);
    }

    void RunQueued() {
        std::vector<std::function<void()>> work;
        {
            std::lock_guard<std::mutex> lock(queueLock_);
            work.swap(queue_);
        }
        for (auto& w : work) w();
    }

private:
    // The framework form among the application's forms whose window it is, else the
    // framework control that owns the window, else nil.
    static TComponent* FindTForm(HWND w) {
        if (Application)
            for (TComponent* c : Application->Components())
                if (auto* f = dynamic_cast<TCustomForm*>(c); f && f->HandleAllocated() && f->Handle() == w) return f;
        return TWindowBinding::FromHandle(w);
    }
    static LRESULT CALLBACK MessageProc(HWND w, UINT msg, WPARAM wp, LPARAM lp);

    HWND window_ = nullptr;
    DWORD threadId_ = 0;
    std::map<std::uint32_t, HHOOK> hooks_;
    std::mutex queueLock_;
    std::vector<std::function<void()>> queue_;
};

struct Running {
    std::unique_ptr<TWinManagerPlatform> platform;
    std::unique_ptr<TSkinManage> manager;
};

Running& Current() {
    static Running running;
    return running;
}

LRESULT CALLBACK TWinManagerPlatform::MessageProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    Running& r = Current();
    try {
        if (msg == WM_TIMER && wp == kActionTimer && r.manager) {
            r.manager->OnTimer();
            return 0;
        }
        if (msg == WM_RUNQUEUED && r.platform) {
            r.platform->RunQueued();
            return 0;
        }
    } catch (const std::exception&) {
        // The skin engine fails quietly: the windows keep their look.
        return 0;
    }
    return DefWindowProcW(w, msg, wp, lp);
}

// What a CBT notification says about its window.
bool EventOf(int code, WPARAM wParam, LPARAM lParam, TCbtEvent& event, TWindowFacts& facts) {
    HWND w = reinterpret_cast<HWND>(wParam);
    facts.Handle = reinterpret_cast<std::uintptr_t>(w);
    switch (code) {
    case HCBT_ACTIVATE: event = TCbtEvent::Activate; return true;
    case HCBT_DESTROYWND: event = TCbtEvent::Destroy; return true;
    case HCBT_CREATEWND: {
        event = TCbtEvent::Create;
        auto* cw = reinterpret_cast<CBT_CREATEWNDW*>(lParam);
        facts.ClassName = ClassNameOf(w);
        if (cw && cw->lpcs) {
            facts.Style = static_cast<std::uint32_t>(cw->lpcs->style);
            facts.ExStyle = cw->lpcs->dwExStyle;
            facts.Parent = reinterpret_cast<std::uintptr_t>(cw->lpcs->hwndParent);
        }
        return true;
    }
    default: return false;
    }
}

LRESULT Hook(int code, WPARAM wParam, LPARAM lParam, bool mainThread) {
    TCbtEvent event;
    TWindowFacts facts;
    TSkinManage* manager = Current().manager.get();
    if (code >= 0 && manager && EventOf(code, wParam, lParam, event, facts)) {
        try {
            manager->HookEvent(event, facts, mainThread);
        } catch (const std::exception&) {
        }
    }
    // Creation is never refused: the next hook always runs with the same arguments.
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK SkinHookCBT(int code, WPARAM wParam, LPARAM lParam) { return Hook(code, wParam, lParam, true); }
LRESULT CALLBACK SkinHookCBT2(int code, WPARAM wParam, LPARAM lParam) { return Hook(code, wParam, lParam, false); }

TSkinManage* StartSkinManager(IFormSkinFactory& factory) {
    Running& r = Current();
    if (r.manager) return r.manager.get();
    r.platform = std::make_unique<TWinManagerPlatform>();
    r.manager = std::make_unique<TSkinManage>(*r.platform, factory);
    SetSkinManagerRequests(r.manager.get());
    return r.manager.get();
}

void StopSkinManager() {
    Running& r = Current();
    r.manager.reset();  // removes its hooks and lets go of every window first
    r.platform.reset();
}

TSkinManage* SkinManager() { return Current().manager.get(); }

}  // namespace skin

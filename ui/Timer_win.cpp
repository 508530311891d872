#include "ui/Timer.h"

#include <map>

#include "ui/Application.h"

namespace {

std::map<UINT_PTR, TTimer*>& Timers() {
    static std::map<UINT_PTR, TTimer*> timers;
    return timers;
}

}  // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner) {}

TTimer::~TTimer() {
    enabled_ = false;
    Update();
}

void TTimer::SetEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    Update();
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
    onTimer_ = std::move(handler);
    Update();
}

void TTimer::SetInterval(unsigned ms) {
    if (ms == interval_) return;
    interval_ = ms;
    Update();
}

// Only a timer with a handler ticks, as in the classic component.
void TTimer::Update() {
    if (id_) {
        KillTimer(nullptr, id_);
        Timers().erase(id_);
        id_ = 0;
    }
    if (enabled_ && interval_ > 0 && onTimer_) {
        id_ = SetTimer(nullptr, 0, interval_, &TimerProc);
        if (id_) Timers()[id_] = this;
    }
}

void CALLBACK TTimer::TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
    auto& timers = Timers();
    auto it = timers.find(id);
    if (it == timers.end()) return;
    try {
        TNotifyEvent handler = it->second->onTimer_;  // the handler may free the timer
        if (handler) handler(it->second);
    } catch (...) {
        TApplication::HandleCurrentException();
    }
}

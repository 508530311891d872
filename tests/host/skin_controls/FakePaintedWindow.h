#pragma once
// A window that records what a painter asks of it; the previous handler answers 42 and
// may run an action (to free things in the middle of a message).
#include <functional>
#include <vector>

#include "skin/controls/PaintedWindow.h"

namespace skin::test {

struct WindowLog {
    std::vector<std::uint32_t> passedOn;  // messages that reached the previous handler
    int invalidates = 0, detaches = 0, draws = 0;
};

class FakePaintedWindow : public IPaintedWindow {
public:
    explicit FakePaintedWindow(WindowLog& log) : log_(log) {}
    void CallPrevious(TPainterMessage& m) override {
        log_.passedOn.push_back(m.Msg);
        m.Result = 42;
        if (onPrevious) onPrevious(m);
    }
    std::intptr_t Send(std::uint32_t, std::uintptr_t, std::intptr_t) override { return 0; }
    void Invalidate() override { ++log_.invalidates; }
    bool WindowRect(Rect& r) const override { return r = rect, rectReadable; }
    void DrawOver(std::uintptr_t, bool, const Rect& local, const std::function<void(Surface&)>& draw) override {
        ++log_.draws;
        lastDrawn = Surface(local.Width(), local.Height());
        draw(lastDrawn);
    }
    void EraseBackground(std::uintptr_t, Color) override {}
    TComponent* ParentComponent() const override { return nullptr; }
    void Detach() override { ++log_.detaches; }

    std::function<void(TPainterMessage&)> onPrevious;
    Rect rect{100, 50, 160, 80};
    bool rectReadable = true;
    Surface lastDrawn;

private:
    WindowLog& log_;
};

}  // namespace skin::test

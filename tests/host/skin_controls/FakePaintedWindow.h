#pragma once
// A window that records what a painter asks of it; the previous handler answers with a
// fixed result and may run an action (to free things in the middle of a message).
#include <functional>
#include <string>
#include <vector>

#include "skin/controls/PaintedWindow.h"

namespace skin::test {

struct WindowLog {
    std::vector<std::uint32_t> passedOn;  // messages that reached the previous handler
    int invalidates = 0;
    int detaches = 0;
    int draws = 0;
    std::vector<std::uint32_t> sent;
};

class FakePaintedWindow : public IPaintedWindow {
public:
    explicit FakePaintedWindow(WindowLog& log) : log_(log) {}
    void CallPrevious(TPainterMessage& m) override {
        log_.passedOn.push_back(m.Msg);
        m.Result = 42;
        if (onPrevious) onPrevious(m);
    }
    std::intptr_t Send(std::uint32_t msg, std::uintptr_t, std::intptr_t) override {
        log_.sent.push_back(msg);
        return 0;
    }
    void Invalidate() override { ++log_.invalidates; }
    bool WindowRect(Rect& r) const override {
        r = rect;
        return rectReadable;
    }
    void DrawOver(std::uintptr_t, bool, const Rect& local, const std::function<void(Surface&)>& draw) override {
        ++log_.draws;
        Surface s(local.Width(), local.Height());
        draw(s);
        lastDrawn = s;
    }
    void EraseBackground(std::uintptr_t, Color fill) override { erasedWith = fill; }
    TComponent* ParentComponent() const override { return parent; }
    void Detach() override { ++log_.detaches; }

    std::function<void(TPainterMessage&)> onPrevious;
    Rect rect{100, 50, 160, 80};
    bool rectReadable = true;
    TComponent* parent = nullptr;
    Color erasedWith = 0;
    Surface lastDrawn;

private:
    WindowLog& log_;
};

}  // namespace skin::test

// How a painter routes messages and how it lives and dies.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "core/PublishedProperty.h"
#include "skin/controls/SkinControl.h"
#include "tests/host/skin_controls/FakePaintedWindow.h"

namespace skin {
namespace {

using test::FakePaintedWindow;
using test::WindowLog;

constexpr std::uint32_t kConsumed = 0x0200;  // the test painter finishes this one itself

class TestPainter : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    bool BeforeProc(TPainterMessage& m) override {
        if (m.Msg != kConsumed) return TSkinControl::BeforeProc(m);
        m.Result = 7;
        return false;
    }
    void AfterProc(TPainterMessage& m) override {
        ++afters;
        TSkinControl::AfterProc(m);
    }
    void DrawControl(Surface& canvas, const Rect& rect) override {
        drawnRect = rect;
        if (throwOnDraw) throw std::runtime_error("broken element");
        FillColor(canvas, rect, 0x0000FF);
    }
    int afters = 0;
    Rect drawnRect;
    bool throwOnDraw = false;
};

// A control with a colour, as the framework publishes it.
class TColoured : public TComponent {
public:
    using TComponent::TComponent;
    int32_t Color = 0x00112233;

protected:
    void DefineProperties(std::vector<TPublishedProperty>& props) const override {
        TComponent::DefineProperties(props);
        props.push_back(Property("Color", &TColoured::Color, &TColoured::Color));
    }
};

struct Attached {
    WindowLog log;
    TPainterList list;
    TColoured control;
    TestPainter* painter = new TestPainter(&control);
    FakePaintedWindow* window = nullptr;

    explicit Attached(bool parentBK = false) {
        auto w = std::make_unique<FakePaintedWindow>(log);
        window = w.get();
        painter->Init(&list, nullptr, &control, std::move(w), parentBK);
        log = {};
    }
    TPainterMessage Send(std::uint32_t msg, std::uintptr_t wParam = 0) {
        TPainterMessage m{msg, wParam, 0, 0};
        painter->NewWndProc(m);
        return m;
    }
};

TEST(PainterRouting, MessagesWhilePaintingIsOn) {
    struct Case {
        std::uint32_t msg;
        bool passedOn;  // reached the control's own handler (then AfterProc saw it)
        std::intptr_t result;
        int invalidates;
    } cases[] = {
        {0x0100, true, 42, 0},         {kConsumed, false, 7, 0},
        {SKM_ISSKINNED, false, 1, 0},  {msg::SetFocus, true, 42, 1},
        {msg::KillFocus, true, 42, 1}, {msg::Enable, true, 42, 1},
        {msg::SetText, true, 42, 1},   {msg::CmEnabledChanged, true, 42, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.msg);
        Attached a;
        EXPECT_EQ(a.Send(c.msg).Result, c.result);
        EXPECT_EQ(a.log.passedOn.size(), c.passedOn ? 1u : 0u);
        EXPECT_EQ(a.painter->afters, c.passedOn ? 1 : 0);
        EXPECT_EQ(a.log.invalidates, c.invalidates);
    }
}

TEST(PainterRouting, EnableSwitchesPaintingWithoutPassingOn) {
    Attached a;
    a.Send(SKM_ENABLE, 0);
    // Off: everything goes straight to the control; the painter neither filters nor draws.
    for (std::uint32_t m : {kConsumed, SKM_ISSKINNED, msg::Paint}) a.Send(m);
    EXPECT_EQ(a.log.passedOn, (std::vector<std::uint32_t>{kConsumed, SKM_ISSKINNED, msg::Paint}));
    EXPECT_EQ(a.log.draws + a.log.invalidates, 0);
    a.Send(SKM_ENABLE, static_cast<std::uintptr_t>(-1));  // a negative wParam is "off" too
    EXPECT_FALSE(a.painter->FSkinActive);
    a.Send(SKM_ENABLE, 1);
    EXPECT_EQ(a.log.invalidates, 1);
    EXPECT_EQ(a.Send(SKM_ISSKINNED).Result, 1);
    EXPECT_EQ(a.log.passedOn.size(), 3u);  // the switch itself never reaches the control
}

TEST(PainterRouting, PaintDrawsOverTheWholeWindowAtTheOrigin) {
    Attached a;
    a.Send(msg::Paint);
    EXPECT_EQ(a.log.passedOn, std::vector<std::uint32_t>{msg::Paint});  // the control paints first
    EXPECT_EQ(a.painter->FWindowRect, (Rect{100, 50, 160, 80}));
    EXPECT_EQ(a.painter->drawnRect, (Rect{0, 0, 60, 30}));
    EXPECT_EQ(a.window->lastDrawn.At(59, 29), ColorToPixel(0x0000FF));
    a.window->rectReadable = false;  // no rectangle, no drawing
    a.Send(msg::Paint);
    EXPECT_EQ(a.log.draws, 1);
    a.window->rectReadable = true;
    a.painter->throwOnDraw = true;  // a failing painter never breaks the control
    EXPECT_NO_THROW(a.Send(msg::Paint));
}

TEST(PainterLifecycle, LastMessageOfTheWindowEndsPaintingAndGivesBackTheColour) {
    Attached a(true);
    EXPECT_EQ(a.control.Color, static_cast<int32_t>(a.painter->ButtonFaceColor()));
    WindowLog other;
    EXPECT_FALSE(a.painter->Init(&a.list, nullptr, &a.control, std::make_unique<FakePaintedWindow>(other), true));
    a.Send(msg::NcDestroy);
    EXPECT_EQ(a.log.passedOn, std::vector<std::uint32_t>{msg::NcDestroy});
    EXPECT_EQ(a.painter->FState, psDeleted);
    EXPECT_EQ(a.control.Color, 0x00112233);
    EXPECT_EQ(a.painter->afters, 0);
    a.control.Color = 5;
    DeleteControls(a.list);  // freed later without a second restore
    EXPECT_EQ(a.control.Color, 5);
    EXPECT_EQ(a.list.Count(), 0);
    EXPECT_EQ(a.log.detaches, 1);
}

TEST(PainterLifecycle, NeverFreedInsideItsOwnMessage) {
    // A click handler that closes the form frees the painters while the click is handled.
    for (std::uint32_t msg : {std::uint32_t{0x0100}, msg::NcDestroy}) {
        Attached a(true);
        a.window->onPrevious = [&](TPainterMessage&) { DeleteControls(a.list); };
        a.Send(msg);
        EXPECT_EQ(a.list.Count(), 0);
        EXPECT_EQ(a.log.detaches, 1);
        EXPECT_EQ(a.control.ComponentCount(), 0);
        EXPECT_EQ(a.control.Color, 0x00112233);
    }
}

TEST(PainterLifecycle, OwnerFreedInsideTheMessageStopsTheRouting) {
    WindowLog log;
    TPainterList list;
    auto* control = new TColoured(nullptr);
    auto* p = new TestPainter(control);
    auto w = std::make_unique<FakePaintedWindow>(log);
    w->onPrevious = [&](TPainterMessage&) { delete control; };
    p->Init(&list, nullptr, control, std::move(w), false);
    TPainterMessage m{msg::Paint, 0, 0, 0};
    p->NewWndProc(m);  // AfterProc would paint with a freed painter
    EXPECT_EQ(log.draws, 0);
    EXPECT_EQ(list.Count(), 0);
}

}  // namespace
}  // namespace skin

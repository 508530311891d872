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
constexpr std::uint32_t kPlain = 0x0100;

class TestPainter : public TSkinControl {
public:
    using TSkinControl::TSkinControl;
    bool BeforeProc(TPainterMessage& m) override {
        before.push_back(m.Msg);
        if (m.Msg == kConsumed) {
            m.Result = 7;
            return false;
        }
        return TSkinControl::BeforeProc(m);
    }
    void AfterProc(TPainterMessage& m) override {
        after.push_back(m.Msg);
        TSkinControl::AfterProc(m);
    }
    void DrawControl(Surface& canvas, const Rect& rect) override {
        drawnRect = rect;
        if (throwOnDraw) throw std::runtime_error("broken element");
        FillColor(canvas, rect, 0x0000FF);
    }
    std::vector<std::uint32_t> before, after;
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

struct RouteCase {
    const char* name;
    std::uint32_t msg;
    bool passedOn;  // reached the control's own handler
    bool afterRan;  // AfterProc saw it
    std::intptr_t result;
    int invalidates;
};

TEST(PainterRouting, MessagesWhilePaintingIsOn) {
    const RouteCase cases[] = {
        {"ordinary message", kPlain, true, true, 42, 0},
        {"consumed by the painter", kConsumed, false, false, 7, 0},
        {"is-skinned question", SKM_ISSKINNED, false, false, 1, 0},
        {"focus gained", msg::SetFocus, true, true, 42, 1},
        {"focus lost", msg::KillFocus, true, true, 42, 1},
        {"enabled", msg::Enable, true, true, 42, 1},
        {"text set", msg::SetText, true, true, 42, 1},
        {"framework enabled-changed", msg::CmEnabledChanged, true, true, 42, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Attached a;
        TPainterMessage m = a.Send(c.msg);
        EXPECT_EQ(!a.log.passedOn.empty(), c.passedOn);
        EXPECT_EQ(!a.painter->after.empty(), c.afterRan);
        EXPECT_EQ(m.Result, c.result);
        EXPECT_EQ(a.log.invalidates, c.invalidates);
    }
}

TEST(PainterRouting, EnableSwitchesPaintingWithoutPassingOn) {
    Attached a;
    a.Send(SKM_ENABLE, 0);
    EXPECT_FALSE(a.painter->FSkinActive);
    EXPECT_EQ(a.log.invalidates, 0);
    // Switched off: everything, the is-skinned question and paints included, goes straight
    // to the control and the painter neither filters nor draws.
    for (std::uint32_t m : {kConsumed, SKM_ISSKINNED, msg::Paint}) a.Send(m);
    EXPECT_EQ(a.log.passedOn, (std::vector<std::uint32_t>{kConsumed, SKM_ISSKINNED, msg::Paint}));
    EXPECT_TRUE(a.painter->before.empty());
    EXPECT_EQ(a.log.draws, 0);

    a.Send(SKM_ENABLE, static_cast<std::uintptr_t>(-1));  // a negative wParam is "off" too
    EXPECT_FALSE(a.painter->FSkinActive);
    a.Send(SKM_ENABLE, 1);
    EXPECT_TRUE(a.painter->FSkinActive);
    EXPECT_EQ(a.log.invalidates, 1);
    EXPECT_EQ(a.Send(SKM_ISSKINNED).Result, 1);
    // The switch itself never reaches the control.
    EXPECT_EQ(std::count(a.log.passedOn.begin(), a.log.passedOn.end(), SKM_ENABLE), 0);
}

TEST(PainterRouting, PaintDrawsOverTheWholeWindowAtTheOrigin) {
    Attached a;
    a.Send(msg::Paint);
    EXPECT_EQ(a.log.passedOn, std::vector<std::uint32_t>{msg::Paint});  // the control paints first
    EXPECT_EQ(a.painter->FWindowRect, (Rect{100, 50, 160, 80}));
    EXPECT_EQ(a.painter->drawnRect, (Rect{0, 0, 60, 30}));
    EXPECT_EQ(a.window->lastDrawn.At(59, 29), ColorToPixel(0x0000FF));

    a.window->rectReadable = false;  // a window whose rectangle cannot be read is not drawn
    a.Send(msg::Paint);
    EXPECT_EQ(a.log.draws, 1);

    a.window->rectReadable = true;
    a.painter->throwOnDraw = true;  // a failing painter never breaks the control
    EXPECT_NO_THROW(a.Send(msg::Paint));
    EXPECT_EQ(a.painter->after.size(), 3u);
}

TEST(PainterRouting, EraseUsesTheParentColourElseButtonFace) {
    Attached a;
    TPainterMessage m{msg::EraseBkgnd, 0, 0, 0};
    a.painter->WMEraseBkgnd(m);
    EXPECT_EQ(m.Result, 1);
    EXPECT_EQ(a.window->erasedWith, a.painter->ButtonFaceColor());
    TColoured parent;
    parent.Color = 0x00ABCDEF;
    a.window->parent = &parent;
    a.painter->WMEraseBkgnd(m);
    EXPECT_EQ(a.window->erasedWith, 0x00ABCDEFu);
}

TEST(PainterLifecycle, LastMessageOfTheWindowEndsPaintingAndGivesBackTheColour) {
    Attached a(true);
    EXPECT_EQ(a.control.Color, static_cast<int32_t>(a.painter->ButtonFaceColor()));
    a.Send(msg::NcDestroy);
    EXPECT_EQ(a.log.passedOn, std::vector<std::uint32_t>{msg::NcDestroy});
    EXPECT_EQ(a.painter->FState, psDeleted);
    EXPECT_FALSE(a.painter->FSkinActive);
    EXPECT_EQ(a.control.Color, 0x00112233);
    EXPECT_TRUE(a.painter->after.empty());
    // Freed later without a second restore: DeleteControls skips deleted painters.
    a.control.Color = 5;
    DeleteControls(a.list);
    EXPECT_EQ(a.control.Color, 5);
    EXPECT_EQ(a.list.Count(), 0);
    EXPECT_EQ(a.log.detaches, 1);
}

TEST(PainterLifecycle, AttachesOnceAndLeavesTheListWhenFreed) {
    Attached a(true);
    EXPECT_EQ(a.painter->FState, psAttached);
    WindowLog other;
    EXPECT_FALSE(a.painter->Init(&a.list, nullptr, &a.control, std::make_unique<FakePaintedWindow>(other), true));
    EXPECT_EQ(a.list.Count(), 1);
    a.list.Add(a.painter);
    EXPECT_EQ(a.list.Count(), 1);
    DeleteControls(a.list);  // switching the form off: restore, free, empty
    EXPECT_EQ(a.control.Color, 0x00112233);
    EXPECT_EQ(a.list.Count(), 0);
    EXPECT_EQ(a.log.detaches, 1);
    EXPECT_EQ(a.control.ComponentCount(), 0);
}

TEST(PainterLifecycle, FreedByItsOwnerTheControl) {
    WindowLog log;
    TPainterList list;
    auto* control = new TColoured(nullptr);
    auto* p = new TestPainter(control);
    p->Init(&list, nullptr, control, std::make_unique<FakePaintedWindow>(log), false);
    delete control;
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(log.detaches, 1);
}

TEST(PainterLifecycle, NeverFreedInsideItsOwnMessage) {
    struct Case {
        const char* name;
        std::uint32_t msg;
    };
    // A click handler that closes the form frees the painters while the click is handled.
    for (const Case& c : {Case{"ordinary", kPlain}, Case{"last message", msg::NcDestroy}}) {
        SCOPED_TRACE(c.name);
        Attached a;
        a.window->onPrevious = [&](TPainterMessage&) { DeleteControls(a.list); };
        a.Send(c.msg);
        EXPECT_EQ(a.list.Count(), 0);
        EXPECT_EQ(a.log.detaches, 1);
        EXPECT_EQ(a.control.ComponentCount(), 0);
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

TEST(PainterLifecycle, PlainWindowAttachKeepsItsText) {
    WindowLog log;
    TPainterList list;
    auto* p = new TestPainter(nullptr);
    p->FEnabled = false;
    p->FKind = 3;
    EXPECT_TRUE(p->Inithwnd(&list, nullptr, std::make_unique<FakePaintedWindow>(log), u"ОК"));
    EXPECT_TRUE(p->FEnabled);
    EXPECT_EQ(p->FKind, 0);
    EXPECT_EQ(p->FText, u"ОК");
    EXPECT_EQ(log.invalidates, 1);
    EXPECT_TRUE(list.Contains(p));
    p->Release();
    EXPECT_EQ(list.Count(), 0);
}

}  // namespace
}  // namespace skin

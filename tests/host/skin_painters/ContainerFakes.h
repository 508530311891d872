#pragma once
// Fakes for the container painters: window facts with a fixed-width font whose text is a
// solid block of its colour, a control with a published colour and caption, a painted
// window with a parent that records its erases, and a painter attached to them.
#include <optional>
#include <vector>

#include "core/PublishedProperty.h"
#include "skin/controls/painters/ContainerWindow.h"
#include "skin/data/SkinData.h"
#include "skin/platform/SystemColors.h"
#include "tests/host/skin_controls/FakePaintedWindow.h"

namespace skin::test {

inline constexpr int kGlyph = 6, kLine = 12;

class FakeFacts : public IContainerWindow {
public:
    std::uint32_t Style() const override { return style; }
    std::uint32_t ExStyle() const override { return exStyle; }
    bool RightToLeft() const override { return false; }
    std::u16string WindowText() const override { return text; }
    Point ClientSize() const override { return client; }
    void SetFont(TTextFont f) override { font = f; }
    Color FontColor() const override { return 0; }
    TextExtent Measure(Surface&, std::u16string_view t, std::uint32_t) override {
        return {static_cast<int>(t.size()) * kGlyph, kLine};
    }
    void DrawText(Surface& s, const Rect& r, std::u16string_view t, std::uint32_t flags, Color c) override {
        texts.push_back(std::u16string(t));
        int w = static_cast<int>(t.size()) * kGlyph, left = (flags & DT_RIGHT_) ? r.Right - w : r.Left;
        Fill(s, Intersect({left, r.Top, left + w, r.Top + kLine}, r), ColorToPixel(ResolveColor(c)));
    }
    void PaintChildren(Surface&) override { ++childPaints; }
    bool StatusBar(TStatusBarInfo& info) const override { return info = bar, true; }
    bool PanelRect(int i, Rect& r) const override { return Reported(panelRects, i, r); }
    void DrawPanel(int i, Surface&, const Rect& r) override { drawnPanels.push_back({i, r}); }
    int ItemCount() const override { return static_cast<int>(items.size()); }
    bool ItemRect(int i, Rect& r) const override { return Reported(itemRects, i, r); }
    THeaderItemInfo Item(int i) const override { return items[i]; }
    int ImageWidth() const override { return imageWidth; }
    void DrawImage(Surface&, int index, Point) override { images.push_back(index); }
    void TrackMouseLeave() override {}
    void Repaint() override { ++repaints; }

    std::uint32_t style = 0, exStyle = 0;
    std::u16string text;
    Point client;
    TTextFont font = TTextFont::Window;
    TStatusBarInfo bar;
    std::vector<std::optional<Rect>> panelRects, itemRects;
    std::vector<THeaderItemInfo> items;
    int imageWidth = 0, childPaints = 0, repaints = 0;
    std::vector<std::u16string> texts;
    std::vector<std::pair<int, Rect>> drawnPanels;
    std::vector<int> images;

private:
    static bool Reported(const std::vector<std::optional<Rect>>& v, int i, Rect& r) {
        if (i >= static_cast<int>(v.size()) || !v[i]) return false;
        return r = *v[i], true;
    }
};

class TColouredControl : public TComponent {
public:
    using TComponent::TComponent;
    int32_t Color = 0x00112233;
    std::string Caption;

protected:
    void DefineProperties(std::vector<TPublishedProperty>& props) const override {
        TComponent::DefineProperties(props);
        props.push_back(Property("Color", &TColouredControl::Color, &TColouredControl::Color));
        props.push_back(Property("Caption", &TColouredControl::Caption, &TColouredControl::Caption));
    }
};

class FakeChildWindow : public FakePaintedWindow {
public:
    FakeChildWindow(WindowLog& log, TComponent* parent) : FakePaintedWindow(log), parent_(parent) {}
    TComponent* ParentComponent() const override { return parent_; }
    void EraseBackground(std::uintptr_t, Color fill) override { erased.push_back(fill); }
    std::vector<Color> erased;

private:
    TComponent* parent_;
};

// A painter of class P on a fake window of `size` with fake facts; a framework control
// (Init) or a plain window (Inithwnd).
template <class P>
struct Attached {
    explicit Attached(Point size, bool framework = true, bool parentBK = false, TComponent* parent = nullptr) {
        auto w = std::make_unique<FakeChildWindow>(log, parent);
        w->rect = {0, 0, size.X, size.Y};
        window = w.get();
        painter = new P(&control);
        if (framework)
            painter->Init(&list, &skin, &control, std::move(w), parentBK);
        else
            painter->Inithwnd(&list, &skin, std::move(w), u"");
        if constexpr (requires { painter->Facts; }) {
            auto f = std::make_unique<FakeFacts>();
            facts = f.get();
            painter->Facts.Set(std::move(f));
        }
    }
    ~Attached() { DeleteControls(list); }
    // The message through the painter; what it answered.
    std::intptr_t Send(std::uint32_t msg, std::uintptr_t w = 0, std::intptr_t l = 0) {
        TPainterMessage m{msg, w, l, 0};
        painter->NewWndProc(m);
        return m.Result;
    }
    Surface Draw(Pixel background) {
        Surface s(window->rect.Width(), window->rect.Height(), background);
        painter->DrawControl(s, s.Bounds());
        return s;
    }
    TSkinData skin;
    WindowLog log;
    TPainterList list;
    TColouredControl control;
    FakeChildWindow* window = nullptr;
    P* painter = nullptr;
    FakeFacts* facts = nullptr;
};

}  // namespace skin::test

// Check boxes and radio buttons: the frame of the skin's strip for each state, where the
// glyph goes, and the strips handed to widgets that draw their own glyphs.
#include <gtest/gtest.h>

#include "ButtonFakeText.h"
#include "core/PublishedProperty.h"
#include "skin/controls/painters/CheckGlyph.h"
#include "skin/controls/painters/ObjImagePainter.h"
#include "skin/data/SkinData.h"

namespace skin {
namespace {

CheckGlyphInput Check(bool checked, bool indeterminate, bool enabled, int frames) {
    CheckGlyphInput in;
    in.checked = checked, in.indeterminate = indeterminate, in.enabled = enabled, in.frames = frames;
    return in;
}

TEST(ButtonCheckGlyph, FrameForEachStateAndStrip) {
    struct Case {
        const char* what;
        CheckGlyphInput in;
        int frame;
    } cases[] = {
        {"4: unchecked", Check(false, false, true, 4), 1},
        {"4: checked", Check(true, false, true, 4), 2},
        {"4: unchecked disabled", Check(false, false, false, 4), 3},
        {"4: checked disabled", Check(true, false, false, 4), 4},
        {"4: indeterminate", Check(false, true, true, 4), 4},
        {"12: checked", Check(true, false, true, 12), 5},
        {"12: unchecked disabled", Check(false, false, false, 12), 4},
        {"12: checked disabled", Check(true, false, false, 12), 8},
        {"12: indeterminate", Check(false, true, true, 12), 9},
        {"12: indeterminate disabled", Check(false, true, false, 12), 12},
        {"none", Check(true, false, true, 0), 0},
    };
    for (const auto& c : cases) EXPECT_EQ(CheckGlyphNumber(c.in), c.frame) << c.what;
}

TEST(ButtonCheckGlyph, PropertiesOverTheButtonAndTheClamp) {
    CheckGlyphInput in = Check(true, false, true, 4);
    in.hasChecked = true;  // only Checked: unchecked wins over the button
    EXPECT_EQ(CheckGlyphNumber(in), 1);
    in.enabled = false;
    EXPECT_EQ(CheckGlyphNumber(in), 3);
    struct Case {
        const char* state;
        int frame;
    } states[] = {{"cbUnchecked", 1}, {"cbChecked", 2}, {"cbGrayed", 4}, {"whatever", 2}};
    for (const auto& c : states) {
        CheckGlyphInput s = Check(true, false, true, 4);
        s.hasState = true, s.state = c.state, s.hasChecked = true;
        EXPECT_EQ(CheckGlyphNumber(s), c.frame) << c.state;
    }
    // Grayed and disabled is 6: past a 4-frame strip the last frame stands in.
    CheckGlyphInput grey = Check(false, false, false, 4);
    grey.hasState = true, grey.state = "cbGrayed";
    EXPECT_EQ(CheckGlyphNumber(grey), 4);
    CheckGlyphInput data = Check(false, false, false, 4);
    data.hasDataField = true, data.checkState = 3;
    EXPECT_EQ(CheckGlyphNumber(data), 4);
    data.hasDataBinding = true;
    EXPECT_EQ(CheckGlyphNumber(data), 3);
}

TEST(ButtonCheckGlyph, RadioFrames) {
    struct Case {
        bool checked, hasChecked, checkedProp, enabled;
        int frames, frame;
    } cases[] = {
        {false, false, false, true, 4, 1},  {true, false, false, true, 4, 2},  {true, false, false, false, 4, 4},
        {true, true, false, true, 4, 1},    {false, true, true, false, 4, 4},  {true, false, false, true, 8, 5},
        {false, false, false, false, 8, 4}, {true, false, false, false, 8, 8}, {true, false, false, false, 3, 3},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RadioGlyphNumber({c.checked, c.hasChecked, c.checkedProp, c.enabled, c.frames}), c.frame);
}

TEST(ButtonCheckGlyph, GlyphAtTheLeftOrAtTheRight) {
    const Rect r{0, 0, 100, 21};
    struct Case {
        bool right, radio, rtl;
        Rect glyph, caption;
        std::uint32_t align;
    } cases[] = {
        {false, false, false, {0, 4, 13, 17}, {15, 0, 100, 21}, DT_LEFT_},
        {false, false, true, {0, 4, 13, 17}, {15, 0, 100, 21}, DT_LEFT_ | DT_RTLREADING_},
        {true, false, false, {87, 4, 100, 17}, {0, 0, 85, 21}, DT_LEFT_},
        {true, true, false, {86, 4, 99, 17}, {0, 0, 84, 21}, DT_LEFT_},
        {true, false, true, {87, 4, 100, 17}, {0, 0, 85, 21}, DT_RIGHT_ | DT_RTLREADING_},
    };
    for (const auto& c : cases) {
        CheckLayout l = LayoutCheckGlyph(r, 13, 13, c.right, c.radio, c.rtl);
        EXPECT_EQ(l.glyph, c.glyph);
        EXPECT_EQ(l.caption, c.caption);
        EXPECT_EQ(l.flags, c.align | DT_WORDBREAK_ | DT_EXPANDTABS_);
    }
}

// A strip of `frames` 8 x 8 frames, frame n filled with colour n * 0x10.
Surface Strip(int frames) {
    Surface s(8 * frames, 8);
    for (int n = 1; n <= frames; ++n) Fill(s, Rect::FromSize((n - 1) * 8, 0, 8, 8), Pixel(n * 0x10));
    return s;
}

TEST(ButtonCheckPixels, GlyphFrameAndCaptionOnTheFace) {
    Surface strip = Strip(4);
    for (int number = 1; number <= 4; ++number) {
        SCOPED_TRACE(number);
        Surface canvas(80, 20, 0xEEEEEE);
        CheckFaceInput in;
        in.strip = &strip, in.frames = 4, in.number = number;
        in.layout = LayoutCheckGlyph(canvas.Bounds(), 8, 8, false, false, false);
        in.wholeControl = true, in.fillFace = true, in.face = 0x00FF00;  // a TColor: green
        in.caption = u"Жир", in.textColour = 0x0000FF, in.focused = number == 2;
        test::FakeTextSink text;
        ASSERT_TRUE(DrawCheckFace(canvas, canvas.Bounds(), in, &text));
        EXPECT_EQ(canvas.At(4, 10), Pixel(number * 0x10));
        EXPECT_EQ(canvas.At(79, 0), 0x00FF00u);
        ASSERT_EQ(text.drawn.size(), 1u);
        EXPECT_EQ(text.drawn[0].rect, (Rect{10, 5, 80, 15}));
        EXPECT_EQ(text.focus.size(), number == 2 ? 1u : 0u);
    }
    // Only the glyph over the system's drawing; nothing at all for an empty strip.
    Surface canvas(80, 20, 0xEEEEEE);
    CheckFaceInput in;
    in.strip = &strip, in.frames = 4, in.number = 2;
    in.layout = LayoutCheckGlyph(canvas.Bounds(), 8, 8, true, false, false);
    ASSERT_TRUE(DrawCheckFace(canvas, canvas.Bounds(), in, nullptr));
    EXPECT_EQ(canvas.At(75, 10), 0x20u);
    EXPECT_EQ(canvas.At(4, 10), 0xEEEEEEu);
    Surface empty;
    in.strip = &empty;
    EXPECT_FALSE(DrawCheckFace(canvas, canvas.Bounds(), in, nullptr));
    in.strip = &strip, in.frames = 0;
    EXPECT_FALSE(DrawCheckFace(canvas, canvas.Bounds(), in, nullptr));
}

TEST(ButtonObjImage, SlotsOfEachVariant) {
    struct Case {
        int variant, frames;
        std::vector<int> slots;  // the source frame in each slot, 0 for none (magenta)
    } cases[] = {
        {oiRzCheck, 4, {1, 2, 0, 1, 2, 0, 3, 4, 0}},
        {oiRzCheck, 5, {1, 2, 5, 1, 2, 5, 3, 4, 5}},
        {oiRzRadio, 4, {1, 2, 1, 2, 3, 4}},
        {oiDevCheck, 4, {1, 2, 0, 1, 2, 0}},
        {oiDevCheck, 5, {1, 2, 5, 1, 2, 5}},
        {oiRzCheck, 2, {1, 2, 0, 1, 2, 0, 0, 0, 0}},  // a short strip leaves the rest empty
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.variant << "/" << c.frames);
        Surface out = BuildObjImageStrip(Strip(c.frames), c.frames, c.variant);
        ASSERT_EQ(out.Width(), 8 * static_cast<int>(c.slots.size()));
        for (size_t i = 0; i < c.slots.size(); ++i)
            EXPECT_EQ(out.At(static_cast<int>(i) * 8 + 4, 4), c.slots[i] ? Pixel(c.slots[i] * 0x10) : kMagenta) << i;
    }
    EXPECT_TRUE(BuildObjImageStrip(Surface(), 4, oiRzCheck).Empty());
    EXPECT_TRUE(BuildObjImageStrip(Strip(4), 0, oiRzCheck).Empty());
    EXPECT_TRUE(BuildObjImageStrip(Strip(1), 40, oiRzCheck).Empty());
}

// A widget of the framed library that draws its own glyphs.
class TFakeRzCheck : public TComponent {
public:
    using TComponent::TComponent;
    Surface glyphs;
    bool use = false;
    int reloads = 0;
    int32_t transparent = 0;
    Surface* Glyphs() const { return const_cast<Surface*>(&glyphs); }
    bool Use() const { return use; }
    void SetUse(bool v) {
        reloads += v && !use;
        use = v;
    }

protected:
    void DefineProperties(std::vector<TPublishedProperty>& props) const override {
        TComponent::DefineProperties(props);
        props.push_back(ObjectProperty("CustomGlyphs", &TFakeRzCheck::Glyphs));
        props.push_back(Property("UseCustomGlyphs", &TFakeRzCheck::Use, &TFakeRzCheck::SetUse));
        props.push_back(Property("transparentcolor", &TFakeRzCheck::transparent, &TFakeRzCheck::transparent));
    }
};

TEST(ButtonObjImage, WidgetTakesTheStripAndGivesItBack) {
    TSkinData skin;
    skin.Buttons = std::make_unique<TDataSkinButton>("Buttons");
    skin.Buttons->CheckMap = Strip(4);
    skin.Buttons->CheckButtonFrame = 4;
    TFakeRzCheck widget;
    TPainterList list;
    auto* painter = new TSkinObjImage(&widget, oiRzCheck);
    ASSERT_TRUE(painter->Init(&list, &skin, &widget, nullptr, true));
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(widget.glyphs.Width(), 72);
    EXPECT_TRUE(widget.use);
    EXPECT_EQ(widget.reloads, 1);
    EXPECT_EQ(widget.transparent, 0xFF00FF);
    skin.Buttons->CheckMap = Strip(5);  // a new skin
    skin.Buttons->CheckButtonFrame = 5;
    painter->SkinChange();
    EXPECT_EQ(widget.glyphs.At(2 * 8 + 4, 4), 0x50u);
    EXPECT_EQ(widget.reloads, 2);
    DeleteControls(list);
    EXPECT_FALSE(widget.use);
    // A skin without the strip leaves the widget alone.
    TSkinData bare;
    TFakeRzCheck other;
    auto* p2 = new TSkinObjImage(&other, oiRzRadio);
    p2->Init(nullptr, &bare, &other, nullptr, true);
    EXPECT_TRUE(other.glyphs.Empty());
    EXPECT_FALSE(other.use);
}

}  // namespace
}  // namespace skin

// The painters' shared helpers: properties by name, caption placement, element drawing.
#include <gtest/gtest.h>

#include "core/PublishedProperty.h"
#include "skin/controls/CaptionLayout.h"
#include "skin/controls/PainterDrawing.h"
#include "skin/controls/PropertyAccess.h"

namespace skin {
namespace {

struct TFontStub {};
enum class TLayout { blGlyphLeft, blGlyphRight };
const char* const kLayouts[] = {"blGlyphLeft", "blGlyphRight"};

class TWidget : public TComponent {
public:
    using TComponent::TComponent;
    int32_t Width = 75;
    bool Flat = false;
    std::string Caption = "Выход";
    TLayout Layout = TLayout::blGlyphRight;
    TFontStub font;
    TFontStub* Font() const { return const_cast<TFontStub*>(&font); }
    double Ratio = 1.5;
    int32_t Stubborn() const { return 1; }
    void SetStubborn(int32_t) { throw Exception("refused"); }

protected:
    void DefineProperties(std::vector<TPublishedProperty>& props) const override {
        TComponent::DefineProperties(props);
        props.push_back(Property("Width", &TWidget::Width, &TWidget::Width));
        props.push_back(Property("Flat", &TWidget::Flat, &TWidget::Flat));
        props.push_back(Property("Caption", &TWidget::Caption, &TWidget::Caption));
        props.push_back(EnumNameProperty("Layout", &TWidget::Layout, kLayouts));
        props.push_back(ObjectProperty("Font", &TWidget::Font));
        props.push_back(Property("Ratio", &TWidget::Ratio, &TWidget::Ratio));
        props.push_back(Property("Stubborn", &TWidget::Stubborn, &TWidget::SetStubborn));
    }
};

TEST(PainterProperties, ReadByNameQuietly) {
    TWidget w;
    struct Case {
        const char* name;
        std::string text;  // GetProperty; GetEnumProperty gives it only for enumerations
        int ordinal;
        bool isEnum;
    } cases[] = {
        {"Width", "75", 75, false}, {"width", "75", 75, false},
        {"Flat", "False", 0, true}, {"Layout", "blGlyphRight", 1, true},
        {"Caption", "", -1, false}, {"Ratio", "", -1, false},
        {"Font", "", -1, false},    {"Missing", "", -1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(GetProperty(&w, c.name), c.text);
        EXPECT_EQ(GetIntProperty(&w, c.name), c.ordinal);
        EXPECT_EQ(GetEnumProperty(&w, c.name), c.isEnum ? c.text : "");
        EXPECT_EQ(GetIntProperty(nullptr, c.name), -1);
    }
    EXPECT_EQ(GetStringProp(&w, "Caption"), u"Выход");
    EXPECT_EQ(GetObjProp<TFontStub>(&w, "Font"), &w.font);
    EXPECT_EQ(GetObjProp<int>(&w, "Font"), nullptr);  // not of the class asked for
    EXPECT_EQ(GetObjProp<TFontStub>(&w, "Glyph"), nullptr);
    EXPECT_EQ(GetObjProp<TFontStub>(nullptr, "Font"), nullptr);
}

TEST(PainterProperties, SetQuietly) {
    struct Case {
        const char* name;
        const char* value;
        const char* after;
    } cases[] = {
        {"Width", "120", "120"},
        {"Width", "-3", "-3"},
        {"Width", "12px", "75"},
        {"Width", "", "75"},
        {"Flat", "true", "True"},
        {"Flat", "yes", "False"},
        {"Layout", "blGlyphLeft", "blGlyphRight"},
        {"Stubborn", "2", "1"},
        {"Missing", "1", ""},
        {"Font", "x", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + "=" + c.value);
        TWidget w;
        EXPECT_NO_THROW(SetProperty(&w, c.name, c.value));
        EXPECT_EQ(GetProperty(&w, c.name), c.after);
    }
    TWidget w;
    SetProperty(&w, "Caption", "Добавить");
    EXPECT_EQ(w.Caption, "Добавить");
    EXPECT_THROW(w.SetProperty("Missing", Variant(1)), Exception);  // the framework's own path stays loud
}

// Every character 6 pixels wide, lines 13 pixels high.
class FixedMeasure : public ITextMeasure {
public:
    TextExtent Measure(std::u16string_view text, std::uint32_t) const override {
        return {static_cast<int>(text.size()) * 6, 13};
    }
};

TEST(PainterCaptions, CaptionsAndFocus) {
    FixedMeasure m;
    const Rect button{0, 0, 75, 25};
    EXPECT_EQ(PlaceCaption(m, button, TAlignment::taCenter, u"Выход", false).TextRect, (Rect{22, 5, 52, 18}));
    EXPECT_EQ(PlaceCaption(m, {10, 4, 85, 29}, TAlignment::taLeftJustify, u"ab", false).TextRect,
              (Rect{10, 9, 85, 22}));
    EXPECT_EQ(PlaceCaption(m, {0, 0, 20, 10}, TAlignment::taCenter, u"abcdef", false).TextRect,
              (Rect{-8, -2, 28, 11}));  // wider than the rectangle: truncation toward zero
    EXPECT_TRUE(PlaceCaption(m, button, TAlignment::taCenter, u"a", true).Flags & DT_RTLREADING_);
    for (std::uint32_t align : {0u, 1u, 2u})
        EXPECT_EQ(PlaceCentredCaption(m, {10, 0, 60, 20}, u"Файл", align).TextRect, (Rect{23, 3, 47, 16}));
    EXPECT_EQ(FocusRect(m, button, u"Выход", DT_CENTER_), (Rect{20, 4, 54, 19}));
    EXPECT_EQ(FocusRect(m, button, u"Выход", DT_RIGHT_), (Rect{43, 0, 75, 14}));
    EXPECT_EQ(FocusRect(m, {0, 0, 4, 4}, u"Выход", DT_LEFT_), (Rect{0, 0, 4, 4}));
}

TEST(PainterCaptions, ImageAndTextAsOneBlock) {
    FixedMeasure m;
    struct Case {
        std::uint32_t align;
        const char16_t* text;
        int imageWidth;
        int imageX;  // -1: no image
        Rect text_;
    } cases[] = {
        {0, u"abc", 16, 3, {19, 5, 37, 18}},
        {1, u"abc", 16, 33, {49, 5, 67, 18}},
        {2, u"abc", 16, 64, {80, 5, 98, 18}},
        {1, u"abc", 0, -1, {41, 5, 59, 18}},
        {0, u"abc", 100, -1, {3, 5, 21, 18}},                         // as wide as the rectangle: left out
        {1, u"abcdefghijklmnopqrstuvwxyz", 16, 1, {17, 5, 100, 18}},  // offsets below 2 become 1
        {1, u"", 16, 42, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.imageX);
        ImgCaptionPlacement p = PlaceImgCaption(m, {0, 0, 100, 24}, c.align, c.text, c.imageWidth, false);
        EXPECT_EQ((p.DrawImage ? p.ImagePos : Point{-1, 4}), (Point{c.imageX, 4}));
        EXPECT_EQ(p.DrawText, *c.text != 0);
        EXPECT_EQ(p.Text.TextRect, c.text_);
    }
}

// Two 4 x 4 cells: red, and green with a magenta centre.
void TwoCells(TDataSkinObject& e, int trans) {
    e.Map = Surface(8, 4, MakePixel(255, 0, 0));
    Fill(e.Map, {4, 0, 8, 4}, MakePixel(0, 255, 0));
    Fill(e.Map, {5, 1, 7, 3}, kMagenta);
    e.LeftWidth = e.TopHeight = e.RightWidth = e.BottomHeight = 1;
    e.Trans = trans;
}

TEST(PainterElements, CellsTransparencyAndBadSkins) {
    const Pixel bg = MakePixel(1, 2, 3), red = MakePixel(255, 0, 0), green = MakePixel(0, 255, 0);
    TDataSkinObject opaque, clear, empty;
    TwoCells(opaque, 0);
    TwoCells(clear, 1);
    struct Case {
        const char* name;
        const TDataSkinObject* element;
        int frames, frame;
        Rect target;
        Pixel corner, centre;
    } cases[] = {
        {"cell 1", &opaque, 2, 1, {2, 2, 18, 18}, red, red},
        {"cell 2 opaque", &opaque, 2, 2, {2, 2, 18, 18}, green, kMagenta},
        {"cell 2 transparent", &clear, 2, 2, {2, 2, 18, 18}, green, bg},
        {"cell past the last", &opaque, 2, 3, {2, 2, 18, 18}, bg, bg},
        {"cell 0", &opaque, 2, 0, {2, 2, 18, 18}, bg, bg},
        {"no element", nullptr, 2, 1, {2, 2, 18, 18}, bg, bg},
        {"an empty image", &empty, 3, 1, {2, 2, 18, 18}, bg, bg},
        {"zero cells: one whole image", &opaque, 0, 1, {2, 2, 18, 18}, red, green},
        {"an absurd size", &opaque, 2, 1, {2, 2, 1 << 30, 1 << 30}, bg, bg},
        {"an inverted target", &opaque, 2, 1, {18, 18, 2, 2}, bg, bg},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Surface dc(20, 20, bg);
        EXPECT_NO_THROW(DrawSkinMap(dc, c.target, c.frames, c.frame, c.element));
        EXPECT_EQ(dc.At(2, 2), c.corner);
        EXPECT_EQ(dc.At(10, 10), c.centre);
        EXPECT_EQ(dc.At(1, 1), bg);
    }
    Surface dc(16, 16, 9);
    DrawSkinMap1(dc, {0, 0, 16, 16}, 2, 2, opaque.Map);
    EXPECT_EQ(dc.At(0, 0), green);
    EXPECT_EQ(dc.At(8, 8), 9u);  // magenta left out
    EXPECT_NO_THROW(DrawSkinMap1(dc, {0, 0, 1 << 30, 1 << 30}, 2, 1, opaque.Map));
    EXPECT_NO_THROW(DrawSkinMap1(dc, {0, 0, 10, 10}, -4, 9, opaque.Map));
}

TEST(PainterElements, SharedBufferGrowsOnlyAndCopiesOut) {
    ASSERT_TRUE(EnsureSharedBG(30, 20));
    ASSERT_TRUE(EnsureSharedBG(10, 40));
    EXPECT_EQ(SharedBG().Bounds(), (Rect{0, 0, 30, 40}));
    EXPECT_FALSE(EnsureSharedBG(1 << 30, 1 << 30));
    Fill(SharedBG(), {0, 0, 5, 5}, 0x123456);
    Surface dc(10, 10, 0);
    DrawBuf(dc, {3, 3, 8, 8});
    EXPECT_EQ(dc.At(7, 7), 0x123456u);
    EXPECT_EQ(dc.At(2, 2), 0u);
}

}  // namespace
}  // namespace skin

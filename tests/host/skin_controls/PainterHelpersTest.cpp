// The painters' shared helpers: properties by name, caption placement, element drawing.
#include <gtest/gtest.h>

#include "core/PublishedProperty.h"
#include "skin/controls/CaptionLayout.h"
#include "skin/controls/PainterDrawing.h"
#include "skin/controls/PropertyAccess.h"

namespace skin {
namespace {

struct TFontStub {
    int size = 8;
};

enum class TLayout { blGlyphLeft, blGlyphRight, blGlyphTop };
const char* const kLayouts[] = {"blGlyphLeft", "blGlyphRight", "blGlyphTop"};

class TWidget : public TComponent {
public:
    using TComponent::TComponent;
    int32_t Width = 75;
    bool Flat = false;
    std::string Caption = "Выход";
    TLayout Layout = TLayout::blGlyphRight;
    TFontStub font;
    TFontStub* Font() const { return const_cast<TFontStub*>(&font); }
    TFontStub* Glyph() const { return nullptr; }
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
        props.push_back(ObjectProperty("Glyph", &TWidget::Glyph));
        props.push_back(Property("Ratio", &TWidget::Ratio, &TWidget::Ratio));
        props.push_back(Property("Stubborn", &TWidget::Stubborn, &TWidget::SetStubborn));
    }
};

TEST(PainterProperties, ReadByName) {
    TWidget w;
    struct Case {
        const char* name;
        std::string text;  // GetProperty
        int ordinal;       // GetIntProperty
        std::string enumName;
    } cases[] = {
        {"Width", "75", 75, ""},       {"width", "75", 75, ""},
        {"Flat", "False", 0, "False"}, {"Layout", "blGlyphRight", 1, "blGlyphRight"},
        {"Caption", "", -1, ""},       {"Ratio", "", -1, ""},
        {"Font", "", -1, ""},          {"Missing", "", -1, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(GetProperty(&w, c.name), c.text);
        EXPECT_EQ(GetIntProperty(&w, c.name), c.ordinal);
        EXPECT_EQ(GetEnumProperty(&w, c.name), c.enumName);
        EXPECT_EQ(GetProperty(nullptr, c.name), "");
        EXPECT_EQ(GetIntProperty(nullptr, c.name), -1);
    }
    EXPECT_EQ(GetStringProp(&w, "Caption"), u"Выход");
    EXPECT_EQ(GetStringProp(&w, "Layout"), u"");
}

TEST(PainterProperties, ObjectValuedProperties) {
    TWidget w;
    EXPECT_EQ(GetObjProp<TFontStub>(&w, "Font"), &w.font);
    EXPECT_EQ(GetObjProp<TFontStub>(&w, "Glyph"), nullptr);
    EXPECT_EQ(GetObjProp<int>(&w, "Font"), nullptr);  // not of the class asked for
    EXPECT_EQ(GetObjProp<TFontStub>(&w, "Width"), nullptr);
    EXPECT_EQ(GetObjProp<TFontStub>(&w, "Images"), nullptr);
    EXPECT_EQ(GetObjProp<TFontStub>(nullptr, "Font"), nullptr);
}

TEST(PainterProperties, SetQuietly) {
    struct Case {
        const char* name;
        const char* value;
        const char* after;  // GetProperty afterwards ("" for strings)
    } cases[] = {
        {"Width", "120", "120"},
        {"Width", "-3", "-3"},
        {"Width", "12px", "75"},
        {"Width", "", "75"},
        {"Flat", "true", "True"},
        {"Flat", "yes", "False"},
        {"Layout", "blGlyphTop", "blGlyphRight"},  // read-only enumeration
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
    EXPECT_NO_THROW(SetProperty(nullptr, "Width", "1"));
    // The framework's own setter still refuses unknown names loudly.
    EXPECT_THROW(w.SetProperty("Missing", Variant(1)), Exception);
}

// Every character 6 pixels wide, lines 13 pixels high; records the flags it was given.
class FixedMeasure : public ITextMeasure {
public:
    TextExtent Measure(std::u16string_view text, std::uint32_t flags) const override {
        lastFlags = flags;
        return {static_cast<int>(text.size()) * 6, 13};
    }
    mutable std::uint32_t lastFlags = 0;
};

TEST(PainterCaptions, CaptionSitsOnePixelAboveCentre) {
    FixedMeasure m;
    struct Case {
        const char* name;
        Rect rect;
        TAlignment align;
        const char16_t* text;
        Rect expected;
    } cases[] = {
        {"centred", {0, 0, 75, 25}, TAlignment::taCenter, u"Выход", {22, 5, 52, 18}},
        {"left spans the width", {10, 4, 85, 29}, TAlignment::taLeftJustify, u"Выход", {10, 9, 85, 22}},
        {"right spans the width", {0, 0, 75, 25}, TAlignment::taRightJustify, u"ab", {0, 5, 75, 18}},
        {"wider than the rectangle", {0, 0, 20, 10}, TAlignment::taCenter, u"abcdef", {-8, -2, 28, 11}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PlaceCaption(m, c.rect, c.align, c.text, false).TextRect, c.expected);
    }
    EXPECT_EQ(m.lastFlags & (DT_CALCRECT_ | DT_NOCLIP_ | DT_EXPANDTABS_), DT_CALCRECT_ | DT_NOCLIP_ | DT_EXPANDTABS_);
    EXPECT_TRUE(PlaceCaption(m, {0, 0, 9, 9}, TAlignment::taCenter, u"a", true).Flags & DT_RTLREADING_);
}

TEST(PainterCaptions, ImageAndTextAsOneBlock) {
    FixedMeasure m;
    const Rect r{0, 0, 100, 24};
    struct Case {
        const char* name;
        std::uint32_t align;
        const char16_t* text;
        int imageWidth;
        bool image;
        int imageX;
        Rect text_;
    } cases[] = {
        {"left", 0, u"abc", 16, true, 3, {19, 5, 37, 18}},
        {"centre", 1, u"abc", 16, true, 33, {49, 5, 67, 18}},
        {"right", 2, u"abc", 16, true, 64, {80, 5, 98, 18}},
        {"no image", 1, u"abc", 0, false, 0, {41, 5, 59, 18}},
        {"image as wide as the rectangle", 0, u"abc", 100, false, 0, {3, 5, 21, 18}},
        {"text too long: offset 1", 1, u"abcdefghijklmnopqrstuvwxyz", 16, true, 1, {17, 5, 100, 18}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ImgCaptionPlacement p = PlaceImgCaption(m, r, c.align, c.text, c.imageWidth, false);
        EXPECT_EQ(p.DrawImage, c.image);
        if (c.image) EXPECT_EQ(p.ImagePos, (Point{c.imageX, 4}));
        EXPECT_TRUE(p.DrawText);
        EXPECT_EQ(p.Text.TextRect, c.text_);
    }
    ImgCaptionPlacement onlyImage = PlaceImgCaption(m, r, 1, u"", 16, false);
    EXPECT_TRUE(onlyImage.DrawImage);
    EXPECT_FALSE(onlyImage.DrawText);
    EXPECT_EQ(onlyImage.ImagePos.X, 42);
}

TEST(PainterCaptions, MenuBarCaptionAlwaysCentred) {
    FixedMeasure m;
    for (std::uint32_t align : {0u, 1u, 2u})
        EXPECT_EQ(PlaceCentredCaption(m, {10, 0, 60, 20}, u"Файл", align).TextRect, (Rect{23, 3, 47, 16}));
}

TEST(PainterCaptions, FocusRectangleAroundTheCaption) {
    FixedMeasure m;
    const Rect r{0, 0, 75, 25};
    EXPECT_EQ(FocusRect(m, r, u"Выход", DT_CENTER_), (Rect{20, 4, 54, 19}));
    EXPECT_EQ(FocusRect(m, r, u"Выход", DT_RIGHT_), (Rect{43, 0, 75, 14}));
    EXPECT_EQ(FocusRect(m, r, u"Выход", DT_LEFT_), (Rect{0, 0, 32, 14}));
    EXPECT_EQ(FocusRect(m, {0, 0, 4, 4}, u"Выход", DT_LEFT_), (Rect{0, 0, 4, 4}));
}

// Two 4 x 4 cells: red, and green with a magenta centre.
void TwoCellElement(TDataSkinObject& e, int trans) {
    e.Map = Surface(8, 4, MakePixel(255, 0, 0));
    Fill(e.Map, {4, 0, 8, 4}, MakePixel(0, 255, 0));
    Fill(e.Map, {5, 1, 7, 3}, kMagenta);
    e.LeftWidth = e.TopHeight = e.RightWidth = e.BottomHeight = 1;
    e.Frame = 2;
    e.Trans = trans;
}

TEST(PainterElements, CellsAndTransparency) {
    const Pixel bg = MakePixel(1, 2, 3);
    TDataSkinObject opaque, clear;
    TwoCellElement(opaque, 0);
    TwoCellElement(clear, 1);
    struct Case {
        const char* name;
        const TDataSkinObject* element;
        int frames, frame;
        Pixel corner, centre;
    } cases[] = {
        {"cell 1", &opaque, 2, 1, MakePixel(255, 0, 0), MakePixel(255, 0, 0)},
        {"cell 2 opaque", &opaque, 2, 2, MakePixel(0, 255, 0), kMagenta},
        {"cell 2 transparent", &clear, 2, 2, MakePixel(0, 255, 0), bg},
        {"cell past the last", &opaque, 2, 3, bg, bg},
        {"cell 0", &opaque, 2, 0, bg, bg},
        {"no element", nullptr, 2, 1, bg, bg},
        {"zero cells: the whole image is one", &opaque, 0, 1, MakePixel(255, 0, 0), MakePixel(0, 255, 0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Surface dc(20, 20, bg);
        DrawSkinMap(dc, {2, 2, 18, 18}, c.frames, c.frame, c.element);
        EXPECT_EQ(dc.At(2, 2), c.corner);
        EXPECT_EQ(dc.At(10, 10), c.centre);
        EXPECT_EQ(dc.At(1, 1), bg);
    }
}

TEST(PainterElements, BadSkinsDrawNothingAndNeverThrow) {
    TDataSkinObject empty;
    empty.Frame = 3;
    TDataSkinObject e;
    TwoCellElement(e, 0);
    e.LeftWidth = 1000;  // margins wider than the cell
    e.RightWidth = -5;
    Surface dc(10, 10, 7);
    EXPECT_NO_THROW(DrawSkinMap(dc, {0, 0, 10, 10}, 3, 1, &empty));
    EXPECT_NO_THROW(DrawSkinMap(dc, {0, 0, 10, 10}, 2, 1, &e));
    EXPECT_NO_THROW(DrawSkinMap(dc, {0, 0, 1 << 30, 1 << 30}, 2, 1, &e));
    EXPECT_NO_THROW(DrawSkinMap(dc, {5, 5, 0, 0}, 2, 1, &e));
    EXPECT_NO_THROW(DrawSkinMap1(dc, {0, 0, 1 << 30, 1 << 30}, 2, 1, e.Map));
    EXPECT_NO_THROW(DrawSkinMap1(dc, {0, 0, 10, 10}, 0, 1, Surface()));
    EXPECT_NO_THROW(DrawSkinMap1(dc, {0, 0, 10, 10}, -4, 9, e.Map));
    EXPECT_FALSE(EnsureSharedBG(1 << 30, 1 << 30));
}

TEST(PainterElements, PlainBitmapCellStretchedWithMagentaClear) {
    TDataSkinObject e;
    TwoCellElement(e, 0);
    Surface dc(16, 16, 9);
    DrawSkinMap1(dc, {0, 0, 16, 16}, 2, 2, e.Map);
    EXPECT_EQ(dc.At(0, 0), MakePixel(0, 255, 0));
    EXPECT_EQ(dc.At(8, 8), 9u);  // magenta centre left out
}

TEST(PainterElements, SharedBufferGrowsOnlyAndCopiesOut) {
    ASSERT_TRUE(EnsureSharedBG(30, 20));
    ASSERT_TRUE(EnsureSharedBG(10, 40));
    EXPECT_EQ(SharedBG().Width(), 30);
    EXPECT_EQ(SharedBG().Height(), 40);
    Fill(SharedBG(), {0, 0, 5, 5}, 0x123456);
    Surface dc(10, 10, 0);
    DrawBuf(dc, {3, 3, 8, 8});
    EXPECT_EQ(dc.At(3, 3), 0x123456u);
    EXPECT_EQ(dc.At(7, 7), 0x123456u);
    EXPECT_EQ(dc.At(2, 2), 0u);
}

}  // namespace
}  // namespace skin

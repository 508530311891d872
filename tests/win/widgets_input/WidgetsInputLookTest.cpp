// How the controls look: glyph buttons with their glyph and its grey twin, labels sized
// to their text, the client areas of group boxes and panels, bevels, static text,
// pictures; and a screenshot of a form with every control to look at.
#include <algorithm>

#include "tests/win/widgets_input/InputTestFixture.h"
#include "ui/Button.h"
#include "ui/GroupBox.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/Panel.h"
#include "ui/StaticText.h"
#include "ui/rz/RzButton.h"
#include "ui/rz/RzComboBox.h"
#include "ui/rz/RzEdit.h"
#include "ui/rz/RzPanel.h"
#include "ui/rz/RzSpinEdit.h"

namespace {

constexpr uint32_t kMagenta = 0xFF00FF;
constexpr uint32_t kBlue = 0x0000FF;
constexpr uint32_t kRed = 0xFF0000;

// A 16 × 16 picture: a blue square of 10 × 10 on magenta; with `twin`, a second cell
// with a red square (the disabled picture).
TGlyph SquareGlyph(bool twin) {
    int cells = twin ? 2 : 1;
    std::vector<uint32_t> px(static_cast<size_t>(16 * 16 * cells), kMagenta);
    for (int c = 0; c < cells; ++c)
        for (int y = 3; y < 13; ++y)
            for (int x = 3; x < 13; ++x) px[static_cast<size_t>(y * 16 * cells + c * 16 + x)] = c == 0 ? kBlue : kRed;
    return TGlyph(16 * cells, 16, px, cells);
}

size_t Count(const TScreenImage& img, uint32_t colour) {
    return static_cast<size_t>(std::count(img.pixels.begin(), img.pixels.end(), colour));
}

bool IsGrey(uint32_t p) {
    int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
    return std::abs(r - g) < 8 && std::abs(g - b) < 8;
}

TScreenImage Shot(HWND window) { return CaptureStable(window); }

}  // namespace

TEST_F(WidgetsInput, GlyphButtonsShowTheGlyphAndItsDisabledTwin) {
    auto* bit = new TBitBtn(form);
    bit->SetParent(form);
    bit->SetBounds(10, 10, 90, 25);
    bit->SetCaption("Выход");
    bit->SetGlyph(SquareGlyph(false));
    auto* rz = new TRzBitBtn(form);
    rz->SetParent(form);
    rz->SetBounds(10, 50, 90, 25);
    rz->SetCaption("Добавить");
    rz->SetGlyph(SquareGlyph(true));
    auto* plus = new TRzBitBtn(form);  // no caption: the glyph alone, centred
    plus->SetParent(form);
    plus->SetBounds(10, 90, 28, 25);
    plus->SetGlyph(SquareGlyph(false));
    ShowForm();
    for (TWinControl* b : std::vector<TWinControl*>{bit, rz, plus}) {
        TScreenImage img = Shot(b->Handle());
        EXPECT_EQ(Count(img, kBlue), 100u) << b->ClassName();
        EXPECT_EQ(Count(img, kMagenta), 0u) << b->ClassName();  // transparent
    }
    // The centred glyph alone: the blue square starts at (28 - 16) / 2 + 3 across.
    TScreenImage alone = Shot(plus->Handle());
    int firstBlueX = -1;
    for (int x = 0; x < alone.width && firstBlueX < 0; ++x)
        if (alone.At(x, alone.height / 2) == kBlue) firstBlueX = x;
    EXPECT_EQ(firstBlueX, 9);

    TScreenImage before = Shot(bit->Handle());
    bit->SetEnabled(false);
    rz->SetEnabled(false);
    TScreenImage greyed = Shot(bit->Handle());
    EXPECT_EQ(Count(greyed, kBlue), 0u);
    // The one-cell glyph's grey copy: where the blue square was, one grey.
    std::vector<uint32_t> square;
    for (size_t i = 0; i < before.pixels.size(); ++i)
        if (before.pixels[i] == kBlue) square.push_back(greyed.pixels[i]);
    ASSERT_EQ(square.size(), 100u);
    EXPECT_TRUE(IsGrey(square[0])) << std::hex << square[0];
    EXPECT_EQ(std::count(square.begin(), square.end(), square[0]), 100);
    // The two-cell glyph shows its own second picture.
    TScreenImage twin = Shot(rz->Handle());
    EXPECT_EQ(Count(twin, kBlue), 0u);
    EXPECT_EQ(Count(twin, kRed), 100u);
    EXPECT_EQ(rz->NumGlyphs(), 2);
    EXPECT_EQ(rz->GetProperty("NumGlyphs").IntValue(), 2);
    EXPECT_EQ(rz->GetProperty("Layout").StringValue(), "blGlyphLeft");
}

TEST_F(WidgetsInput, LabelsSizeThemselvesToTheirText) {
    auto* plain = new TLabel(form);
    plain->SetParent(form);
    plain->SetBounds(8, 8, 200, 40);
    plain->SetCaption("Продукт:");
    auto* bold = new TLabel(form);
    bold->SetParent(form);
    bold->SetLeft(8);
    TFont f = bold->Font();
    f.SetSize(10);
    f.SetStyle(fsBold);
    bold->SetFont(f);
    bold->SetCaption("Продукт:");
    EXPECT_GT(bold->Width(), plain->Width());
    EXPECT_GT(bold->Height(), plain->Height());
    EXPECT_LT(plain->Width(), 200);
    EXPECT_EQ(plain->Left(), 8);
    // A longer text makes the label longer; a right-aligned label keeps its right edge.
    int w = plain->Width();
    plain->SetCaption("Продукт: длинное название");
    EXPECT_GT(plain->Width(), w);
    auto* right = new TLabel(form);
    right->SetParent(form);
    right->SetAlignment(TAlignment::taRightJustify);
    right->SetCaption("1");
    right->SetBounds(100, 60, right->Width(), right->Height());
    int edge = right->Left() + right->Width();
    right->SetCaption("12345");
    EXPECT_EQ(right->Left() + right->Width(), edge);
    // Without AutoSize the size stays as set.
    auto* fixed = new TLabel(form);
    fixed->SetParent(form);
    fixed->SetAutoSize(false);
    fixed->SetBounds(8, 96, 249, 15);
    fixed->SetCaption("Гиперстенический (ширококостный)");
    EXPECT_EQ(fixed->Width(), 249);
    EXPECT_EQ(fixed->Height(), 15);
    // A transparent label leaves its parent's colour under the text.
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetBounds(220, 120, 150, 40);
    panel->SetBevelOuter(TBevelCut::bvNone);
    panel->SetColor(0x00FF00);
    auto* over = new TLabel(form);
    over->SetParent(panel);
    over->SetTransparent(true);
    over->SetBounds(10, 10, 0, 0);
    over->SetCaption("Итого:");
    ShowForm();
    POINT o = panel->ClientToScreen({over->Left() + over->Width() - 1, over->Top()});
    EXPECT_EQ(WaitPixel(o.x, o.y, 0x00FF00), 0x00FF00u);
}

TEST_F(WidgetsInput, GroupBoxesAndPanelsPlaceChildrenInsideTheirBorders) {
    auto* group = new TRzGroupBox(form);
    group->SetParent(form);
    group->SetBounds(8, 8, 300, 169);
    group->SetBorderWidth(4);
    group->SetCaption(" Рацион ");
    auto* child = new TRzPanel(form);
    child->SetParent(group);
    child->SetBounds(8, 16, 100, 50);
    child->SetBevelOuter(TBevelCut::bvLowered);
    auto* plain = new TGroupBox(form);
    plain->SetParent(form);
    plain->SetBounds(320, 8, 90, 100);
    plain->SetBorderWidth(2);
    auto* raised = new TPanel(form);
    raised->SetParent(form);
    raised->SetBounds(320, 120, 90, 60);
    raised->SetBevelInner(TBevelCut::bvRaised);
    raised->SetBevelOuter(TBevelCut::bvLowered);
    ShowForm();
    EXPECT_EQ(group->ClientWidth(), 292);
    EXPECT_EQ(group->ClientHeight(), 161);
    EXPECT_EQ(plain->ClientWidth(), 86);
    RECT cr;
    GetWindowRect(child->Handle(), &cr);
    POINT go{0, 0};
    ClientToScreen(form->Handle(), &go);
    EXPECT_EQ(cr.left, go.x + 8 + 4 + 8);
    EXPECT_EQ(cr.top, go.y + 8 + 4 + 16);
    EXPECT_EQ(raised->FrameWidth(), 2);
    // Lowered outer bevel: shadow at the top left, highlight at the bottom right; the
    // raised inner one the other way round, one pixel in.
    TScreenImage p = Shot(raised->Handle());
    auto rgb = [](int index) {
        COLORREF c = GetSysColor(index);
        return static_cast<uint32_t>((GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c));
    };
    EXPECT_EQ(p.At(0, 0), rgb(COLOR_BTNSHADOW));
    EXPECT_EQ(p.At(p.width - 1, p.height - 1), rgb(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(p.At(1, 1), rgb(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(p.At(p.width - 2, p.height - 2), rgb(COLOR_BTNSHADOW));
    // The group box's border is the group box's colour; its frame line lies inside it.
    TScreenImage g = Shot(group->Handle());
    EXPECT_EQ(g.At(1, 40), rgb(COLOR_BTNFACE));
    EXPECT_EQ(g.At(4, 40), rgb(COLOR_BTNSHADOW));
}

TEST_F(WidgetsInput, StaticTextAndPictures) {
    auto* st = new TStaticText(form);
    st->SetParent(form);
    st->SetAutoSize(false);
    st->SetBorderStyle(TStaticBorderStyle::sbsSunken);
    st->SetBounds(168, 23, 81, 20);
    TFont f = st->Font();
    f.SetStyle(fsBold);
    f.SetSize(10);
    st->SetFont(f);
    st->SetCaption("59,62");
    EXPECT_EQ(st->Width(), 81);
    auto* sized = new TStaticText(form);
    sized->SetParent(form);
    sized->SetBounds(168, 60, 10, 10);
    sized->SetCaption("A & B");
    EXPECT_GT(sized->Width(), 10);
    auto* icon = new TImage(form);
    icon->SetParent(form);
    icon->SetBounds(16, 16, 41, 41);
    icon->SetStretch(true);
    icon->LoadPicture("MAINICON");
    EXPECT_TRUE(icon->HasIcon());
    EXPECT_THROW(icon->LoadPicture("NO_SUCH_PICTURE"), Exception);
    EXPECT_TRUE(icon->HasIcon());  // a failed load keeps the picture
    ShowForm();
    EXPECT_TRUE(GetWindowLongW(st->Handle(), GWL_STYLE) & SS_SUNKEN);
    EXPECT_EQ(WindowText(sized->Handle()), "A & B");
    // The icon is drawn over the whole 41 × 41 square: its corners differ from the
    // form's face somewhere inside.
    POINT o = form->ClientToScreen({16, 16});
    TScreenImage img = CaptureScreen({o.x, o.y, o.x + 41, o.y + 41});
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    uint32_t faceRgb = (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);
    size_t drawn = img.pixels.size() - Count(img, faceRgb);
    EXPECT_GT(drawn, img.pixels.size() / 2);
}

TEST_F(WidgetsInput, ScreenshotOfEveryInputControl) {
    form->SetCaption("Все элементы ввода");
    form->SetClientWidth(560);
    form->SetClientHeight(330);
    auto put = [&](TControl* c, TWinControl* parent, int l, int t, int w, int h, const char* caption) {
        c->SetParent(parent);
        c->SetBounds(l, t, w, h);
        c->SetCaption(caption);
        return c;
    };
    auto* lbl = new TLabel(form);
    TFont bf = lbl->Font();
    bf.SetSize(10);
    bf.SetStyle(fsBold);
    lbl->SetFont(bf);
    put(lbl, form, 8, 8, 0, 0, "Категория:");
    auto* cb = new TRzComboBox(form);
    cb->SetAllowEdit(false);
    cb->SetItems({"Молочные продукты", "Овощи"});
    put(cb, form, 8, 32, 193, 21, "");
    cb->SetItemIndex(0);
    put(new TButton(form), form, 240, 32, 75, 25, "Расчет веса");
    auto* exit = new TRzBitBtn(form);
    exit->SetGlyph(SquareGlyph(true));
    put(exit, form, 340, 32, 90, 25, "Выход");
    auto* off = new TBitBtn(form);
    off->SetGlyph(SquareGlyph(false));
    put(off, form, 440, 32, 90, 25, "Нельзя");
    off->SetEnabled(false);
    put(new TRzButton(form), form, 340, 64, 75, 25, "Изменить");
    auto* e = new TRzEdit(form);
    e->SetAlignment(TAlignment::taRightJustify);
    put(e, form, 240, 64, 73, 21, "12,5");
    put(new TEdit(form), form, 8, 64, 209, 21, "Творог 9%");
    auto* gb = new TGroupBox(form);
    TFont gf = gb->Font();
    gf.SetStyle(fsBold);
    gf.SetSize(10);
    gb->SetFont(gf);
    put(gb, form, 8, 96, 265, 153, " Ваши данные ");
    TFont normal = form->Font();
    auto addLabel = [&](TWinControl* parent, int l, int t, const char* text) {
        auto* x = new TLabel(form);
        put(x, parent, l, t, 0, 0, text);
        x->SetFont(normal);
    };
    addLabel(gb, 8, 24, "Рост (см):");
    addLabel(gb, 8, 56, "Возраст:");
    addLabel(gb, 8, 88, "Обхват запястья (см):");
    auto* h = new TRzSpinEdit(form);
    put(h, gb, 168, 21, 81, 24, "");
    h->SetFont(normal);
    h->SetMin(100);
    h->SetMax(220);
    h->SetValue(150);
    auto* wr = new TRzSpinEdit(form);
    put(wr, gb, 168, 85, 81, 24, "");
    wr->SetFont(normal);
    wr->SetMin(10);
    wr->SetMax(70);
    wr->SetDecimals(1);
    wr->SetValue(15);
    auto* rg = new TRzGroupBox(form);
    rg->SetFont(gf);
    rg->SetBorderWidth(4);
    put(rg, form, 284, 96, 268, 153, " Рацион ");
    auto* totals = new TRzPanel(form);
    totals->SetBevelOuter(TBevelCut::bvLowered);
    put(totals, rg, 100, 16, 150, 120, "");
    auto* itogo = new TLabel(form);
    TFont uf = normal;
    uf.SetStyle(fsBold | fsUnderline);
    uf.SetSize(9);
    itogo->SetFont(uf);
    put(itogo, totals, 8, 8, 0, 0, "Итого:");
    auto* st = new TStaticText(form);
    st->SetAutoSize(false);
    st->SetBorderStyle(TStaticBorderStyle::sbsSunken);
    st->SetAlignment(TAlignment::taCenter);
    put(st, rg, 8, 16, 81, 20, "59,62");
    auto* about = new TPanel(form);
    about->SetBevelInner(TBevelCut::bvRaised);
    about->SetBevelOuter(TBevelCut::bvLowered);
    put(about, form, 8, 256, 300, 66, "");
    auto* icon = new TImage(form);
    icon->SetStretch(true);
    icon->LoadPicture("MAINICON");
    put(icon, about, 8, 8, 41, 41, "");
    put(new TLabel(form), about, 64, 8, 0, 0, "Название продукта:  Лорвена");
    ShowForm();
    h->SetFocus();
    TScreenImage img = Shot(form->Handle());
    std::string path = SaveScreenshot(img, "widgets_input_all");
    EXPECT_FALSE(path.empty());
    // Nothing is clipped: each auto-sized label fits inside its parent.
    for (TControl* c : std::vector<TControl*>{lbl, itogo})
        EXPECT_LE(c->Left() + c->Width(), c->Parent()->ClientWidth());
    EXPECT_GT(Count(img, kBlue), 90u);
}

TEST_F(WidgetsInput, GlyphsComeFromTheProgramsBitmapsWithTheirTwin) {
    auto* exit = new TRzBitBtn(form);
    exit->SetParent(form);
    exit->SetCaption("Выход");
    exit->LoadGlyph(kGlyphExit);
    EXPECT_EQ(exit->NumGlyphs(), 2);  // the picture and its grey twin side by side
    EXPECT_EQ(exit->Glyph().GlyphWidth(), 16);
    auto* bit = new TBitBtn(form);
    EXPECT_THROW(bit->LoadGlyph("GLYPH_NONE"), Exception);
    EXPECT_TRUE(bit->Glyph().Empty());
}

TEST_F(WidgetsInput, PicturesDrawBitmapsWithTheirTransparentColour) {
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetBounds(10, 10, 100, 100);
    panel->SetBevelOuter(TBevelCut::bvNone);
    panel->SetColor(0x00FF00);
    // 8 × 8: magenta with a blue 4 × 4 square in the middle.
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), 8, -8, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    auto* px = static_cast<uint32_t*>(bits);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) px[y * 8 + x] = (x >= 2 && x < 6 && y >= 2 && y < 6) ? kBlue : kMagenta;
    auto* image = new TImage(form);
    image->SetParent(panel);
    image->SetBounds(10, 10, 16, 16);
    image->SetBitmap(bmp);
    DeleteObject(bmp);  // the picture keeps its own copy
    image->SetStretch(true);
    image->SetTransparent(true);
    EXPECT_EQ(image->PictureSize().cx, 8);
    ShowForm();
    POINT o = panel->ClientToScreen({10, 10});
    EXPECT_EQ(WaitPixel(o.x + 8, o.y + 8, kBlue), kBlue);         // stretched twice: 4..11
    EXPECT_EQ(WaitPixel(o.x + 1, o.y + 1, 0x00FF00), 0x00FF00u);  // magenta left out
    image->SetTransparent(false);
    EXPECT_EQ(WaitPixel(o.x + 1, o.y + 1, kMagenta), kMagenta);
}

TEST_F(WidgetsInput, FramedButtonLightsUpUnderTheMouseAndWhenFocused) {
    auto* b = new TRzButton(form);
    b->SetParent(form);
    b->SetBounds(20, 20, 75, 25);
    b->SetCaption("Изменить");
    b->SetFrameColor(0x0000FF);     // red
    b->SetHotFrameColor(0xFF0000);  // blue
    auto* other = new TRzButton(form);
    other->SetParent(form);
    other->SetBounds(20, 60, 75, 25);
    ShowForm();
    other->SetFocus();
    app->ProcessMessages();
    POINT o = form->ClientToScreen({20, 32});
    EXPECT_EQ(WaitPixel(o.x, o.y, kRed), kRed);
    EXPECT_EQ(b->DrawState(false, false), 0);
    SendMessageW(b->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    EXPECT_TRUE(b->MouseInControl());
    EXPECT_EQ(WaitPixel(o.x, o.y, kBlue), kBlue);
    SendMessageW(b->Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(WaitPixel(o.x, o.y, kRed), kRed);
    b->SetFocus();
    EXPECT_EQ(WaitPixel(o.x, o.y, kBlue), kBlue);
    b->SetEnabled(false);
    EXPECT_EQ(b->DrawState(false, false), 3);
}

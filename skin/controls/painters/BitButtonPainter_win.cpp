#include "skin/controls/PropertyAccess.h"
#include "skin/controls/painters/ButtonPainters_win.h"
#include "skin/controls/painters/ButtonText_win.h"
#include "skin/controls/painters/GlyphLayout.h"
#include "skin/data/SkinData.h"
#include "ui/Glyph.h"

namespace skin {

bool TSkinBitButton::Init(TPainterList* form, TSkinData* skinData, TComponent* control,
                          std::unique_ptr<IPaintedWindow> window, bool parentBK) {
    const bool png = FKind == 1;
    if (!TSkinButton::Init(form, skinData, control, std::move(window), parentBK)) return false;
    if (png) FGlyphProperty = "PngImage";
    return true;
}

namespace {

Surface GlyphSurface(const TGlyph& g) {
    Surface s(g.Width(), g.Height());
    const auto& px = g.Pixels();
    for (int y = 0; y < g.Height(); ++y)
        for (int x = 0; x < g.Width(); ++x) s.Set(x, y, px[static_cast<size_t>(y) * g.Width() + x] & 0xFFFFFF);
    return s;
}

int IntProp(const TComponent* c, const char* name) { return GetIntProperty(c, name); }

}  // namespace

Surface TSkinBitButton::ReadGlyph(int& count) const {
    count = 1;
    const char* name = FGlyphProperty.empty() ? "Glyph" : FGlyphProperty.c_str();
    if (const Surface* s = GetObjProp<const Surface>(FControl, name)) return *s;
    if (const TGlyph* g = GetObjProp<const TGlyph>(FControl, name); g && !g->Empty()) {
        if (FGlyphProperty.empty()) count = std::max(IntProp(FControl, "NumGlyphs"), 1);
        return GlyphSurface(*g);
    }
    return {};
}

void TSkinBitButton::DrawGlyphAndCaption(int state, bool speed, int glyphIndex, bool focusRect) {
    int count = 1;
    Surface strip;
    try {
        strip = ReadGlyph(count);
    } catch (const Exception&) {
    }
    bool whole = !FGlyphProperty.empty();  // a graphic of its own: drawn whole, no picture strip
    int gw = strip.Empty() ? 0 : (whole ? strip.Width() : strip.Width() / count),
        gh = strip.Empty() ? 0 : strip.Height();
    TGlyphLayout layout = ParseGlyphLayout(skin::GetProperty(FControl, "Layout"));
    std::u16string caption = ButtonCaptionText(PainterCaption(*this));
    int cw = FBuffer.Width(), ch = FBuffer.Height();
    TGdiTextSink text(FBuffer, PainterFont(*this));
    Rect box = GlyphTextMeasureBox(cw, ch, gw, gh, layout);
    TextExtent e = caption.empty() ? TextExtent{} : text.MeasureIn(caption, DT_WORDBREAK_, box.Width());
    GlyphLayoutInput in;
    in.clientWidth = cw;
    in.clientHeight = ch;
    in.glyphWidth = gw;
    in.glyphHeight = gh;
    in.textWidth = e.Width;
    in.textHeight = e.Height;
    in.hasCaption = !caption.empty();
    in.margin = IntProp(FControl, "Margin");
    in.spacing = IntProp(FControl, "Spacing");
    in.centred = skin::GetProperty(FControl, "Alignment") == "taCenter";
    in.speedButton = speed;
    in.layout = layout;
    GlyphLayoutResult r = LayoutGlyph(in);
    if (speed && !(gw && gh)) {  // a speed button without a picture centres its caption
        TextPlacement p = PlaceButtonText(text, FBuffer.Bounds(), TAlignment::taCenter, caption, false);
        r.text = {p.TextRect.Left, p.TextRect.Top};
        r.flags = DT_WORDBREAK_ | DT_CENTER_;
    }
    if (gw && gh) {
        if (whole)
            CopyTransparent(FBuffer, r.glyph.X, r.glyph.Y, strip, strip.Bounds(), kMagenta);
        else
            DrawGlyph(FBuffer, r.glyph, count, glyphIndex, strip);
    }
    if (caption.empty()) return;
    const TDataSkinButton* el = Element();
    Color start = PainterFontColour(*this, FSkinData ? FSkinData->Colors[csButtonText] : SkinClBtnText);
    Color colour = el ? ButtonCaptionColour(*el, state, FEnabled, start) : start;
    Rect t = Rect::FromSize(r.text.X, r.text.Y, e.Width, e.Height);
    text.Draw(FBuffer, t, caption, CheckBiDi(r.flags, PainterRightToLeft(*this)), colour);
    if (focusRect && FFocused && FocusRectAllowed()) {
        Rect f = Intersect(Rect{t.Left - 2, t.Top - 2, t.Right + 2, t.Bottom + 2}, FBuffer.Bounds());
        if (!f.IsEmpty()) text.DrawFocusRect(FBuffer, f);
    }
}

void TSkinBitButton::DrawControl(Surface& canvas, const Rect& rect) {
    int state = RefreshState(kCellFocused);
    if (!PrepareBuffer(rect)) return;
    DrawButtonCell(FBuffer, Element(), state);
    DrawGlyphAndCaption(state, false, BitButtonGlyphIndex(FPressed, FEnabled), true);
    Copy(canvas, rect.Left, rect.Top, FBuffer, FBuffer.Bounds());
}

}  // namespace skin

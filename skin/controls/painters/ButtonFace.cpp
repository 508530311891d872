#include "skin/controls/painters/ButtonFace.h"

#include "skin/controls/PainterDrawing.h"

namespace skin {

int ButtonFaceState(const ButtonStateInput& in) {
    int state = kCellNormal;
    if (in.focused) state = in.focusCell;
    if (in.pressed)
        state = kCellPressed;
    else if (in.hot)
        state = kCellHot;
    if (!in.enabled) state = kCellDisabled;
    return state;
}

std::u16string StringReplaceW(std::u16string_view text, std::u16string_view from, std::u16string_view to) {
    std::u16string out(text);
    if (from.empty()) return out;
    size_t at = out.find(from);
    if (at != std::u16string::npos) out.replace(at, from.size(), to);
    return out;
}

std::u16string ButtonCaptionText(std::u16string_view caption) { return StringReplaceW(caption, u"||", u"\r\n"); }

Color ButtonCaptionColour(const TDataSkinButton& element, int state, bool enabled, Color start) {
    Color c = start;
    if (state == kCellNormal && element.HasNormalColour2) c = element.NormalColour2;
    if (state == kCellHot && element.HasMouseOverColour2) c = element.MouseOverColour2;
    if (state == kCellPressed && element.HasPressedColour2) c = element.PressedColour2;
    if (!enabled) c = SkinClBtnShadow;
    return c;
}

TextPlacement PlaceButtonText(const ITextSink& measure, const Rect& rect, TAlignment alignment,
                              std::u16string_view text, bool rightToLeft) {
    std::uint32_t flags = AlignmentFlag(alignment) | DT_WORDBREAK_ | DT_EXPANDTABS_;
    TextExtent e = measure.MeasureIn(text, flags | DT_CALCRECT_, rect.Width() - 4);
    if (text.empty()) e.Width = 0;
    int top = rect.Top + (rect.Height() - e.Height) / 2 - 1;
    Rect r{rect.Left, top, rect.Right, top + e.Height};
    if (alignment == TAlignment::taCenter) {
        r.Left = rect.Left + (rect.Width() - e.Width) / 2;
        r.Right = r.Left + e.Width;
    }
    return {r, CheckBiDi(flags, rightToLeft)};
}

bool DrawButtonCell(Surface& face, const TDataSkinButton* element, int state) {
    if (!element || element->Map.Empty()) return false;
    DrawSkinMap(face, face.Bounds(), kButtonCells, state, element);
    return true;
}

bool DrawButtonFace(Surface& face, const TDataSkinButton* element, const ButtonFaceInput& in, ITextSink& text) {
    if (!DrawButtonCell(face, element, in.state)) return false;
    std::u16string caption = ButtonCaptionText(in.caption);
    if (caption.empty()) return true;
    TextPlacement p = PlaceButtonText(text, face.Bounds(), TAlignment::taCenter, caption, in.rightToLeft);
    text.Draw(face, p.TextRect, caption, p.Flags, ButtonCaptionColour(*element, in.state, in.enabled, in.fontColour));
    if (in.focused && in.focusRect) {
        const Rect& t = p.TextRect;
        Rect f = Intersect(Rect{t.Left - 2, t.Top - 2, t.Right + 2, t.Bottom + 2}, face.Bounds());
        if (!f.IsEmpty()) text.DrawFocusRect(face, f);
    }
    return true;
}

}  // namespace skin

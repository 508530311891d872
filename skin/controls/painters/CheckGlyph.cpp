#include "skin/controls/painters/CheckGlyph.h"

#include <algorithm>
#include <cctype>

#include "skin/controls/CaptionLayout.h"
#include "skin/controls/painters/ButtonFace.h"

namespace skin {

namespace {

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// Past the strip's end the glyph would vanish: the last frame stands in.
int Clamp(int n, int frames) { return frames < 1 ? 0 : std::clamp(n, 1, frames); }

// The long strips (12 frames of check glyphs, 8 of radio glyphs) keep the checked, the
// disabled and the disabled checked look in other cells.
int LongStripCell(int n) {
    switch (n) {
    case 2: return 5;
    case 3: return 4;
    case 4: return 8;
    default: return n;
    }
}

}  // namespace

int CheckGlyphNumber(const CheckGlyphInput& in) {
    int n = in.checked ? 2 : 1;
    if (in.hasState) {
        std::string s = Lower(in.state);
        if (s.find("uncheck") != std::string::npos)
            n = 1;
        else if (s.find("check") != std::string::npos)
            n = 2;
        else if (s.find("gray") != std::string::npos)
            n = 4;
    } else if (in.hasChecked) {
        n = in.checkedProp ? 2 : 1;
    }
    if (in.hasDataField && in.checkState != 0) n = in.checkState == 3 ? 4 : in.checkState;
    if (in.hasDataBinding) n = 1;
    if (!in.enabled) n += 2;
    if (in.indeterminate) n = 4;
    if (in.frames == 12) {
        n = LongStripCell(n);
        if (in.indeterminate) n = in.enabled ? 9 : 12;
    }
    return Clamp(n, in.frames);
}

int RadioGlyphNumber(const RadioGlyphInput& in) {
    int n = in.checked ? 2 : 1;
    if (in.hasChecked) n = in.checkedProp ? 2 : 1;
    if (!in.enabled) n += 2;
    if (in.frames == 8) n = LongStripCell(n);
    return Clamp(n, in.frames);
}

CheckLayout LayoutCheckGlyph(const Rect& rect, int frameWidth, int glyphHeight, bool rightButton, bool radio,
                             bool rightToLeft) {
    CheckLayout out;
    int top = rect.Top + (rect.Height() - glyphHeight) / 2;
    if (rightButton) {
        int right = radio ? rect.Right - 1 : rect.Right;
        out.glyph = {right - frameWidth, top, right, top + glyphHeight};
        out.caption = {rect.Left, rect.Top, out.glyph.Left - 2, rect.Bottom};
        out.flags = rightToLeft ? (DT_RIGHT_ | DT_RTLREADING_) : DT_LEFT_;
    } else {
        out.glyph = {rect.Left, top, rect.Left + frameWidth, top + glyphHeight};
        out.caption = {out.glyph.Right + 2, rect.Top, rect.Right, rect.Bottom};
        out.flags = CheckBiDi(DT_LEFT_, rightToLeft);
    }
    out.flags |= DT_WORDBREAK_ | DT_EXPANDTABS_;
    return out;
}

}  // namespace skin

#include "skin/controls/PainterDrawing.h"
#include "skin/platform/SystemColors.h"

namespace skin {

bool DrawCheckFace(Surface& canvas, const Rect& rect, const CheckFaceInput& in, ITextSink* text) {
    if (!in.strip || in.strip->Empty() || in.frames < 1 || in.strip->Width() / in.frames < 1) return false;
    if (in.fillFace) Fill(canvas, rect, ColorToPixel(ResolveColor(in.face)));
    DrawSkinMap1(canvas, in.layout.glyph, in.frames, in.number, *in.strip);
    if (!in.wholeControl || !text || in.caption.empty()) return true;
    const Rect& area = in.layout.caption;
    TextExtent e = text->MeasureIn(in.caption, in.layout.flags | DT_CALCRECT_, area.Width());
    int top = area.Top + (area.Height() - e.Height) / 2;
    Rect box{area.Left, top, area.Right, top + e.Height};
    if (in.focused) {
        int left = (in.layout.flags & DT_RIGHT_) ? area.Right - e.Width : area.Left;
        Rect f = Intersect(Rect{left - 2, top - 1, left + e.Width + 2, top + e.Height + 1}, area);
        if (!f.IsEmpty()) text->DrawFocusRect(canvas, f);
    }
    text->Draw(canvas, box, in.caption, in.layout.flags, in.textColour);
    return true;
}

}  // namespace skin

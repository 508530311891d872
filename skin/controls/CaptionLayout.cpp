#include "skin/controls/CaptionLayout.h"

namespace skin {

std::uint32_t AlignmentFlag(TAlignment alignment) {
    switch (alignment) {
    case TAlignment::taRightJustify: return DT_RIGHT_;
    case TAlignment::taCenter: return DT_CENTER_;
    default: return DT_LEFT_;
    }
}

namespace {

// Empty text takes no room whatever the measurer says.
TextExtent MeasureText(const ITextMeasure& measure, std::u16string_view text, std::uint32_t flags) {
    TextExtent e = measure.Measure(text, flags | DT_CALCRECT_);
    if (text.empty()) e.Width = 0;
    return e;
}

}  // namespace

TextPlacement PlaceCaption(const ITextMeasure& measure, const Rect& rect, TAlignment alignment,
                           std::u16string_view text, bool rightToLeft) {
    std::uint32_t flags = AlignmentFlag(alignment) | DT_EXPANDTABS_;
    TextExtent e = MeasureText(measure, text, flags | DT_NOCLIP_);
    int top = rect.Top + (rect.Height() - e.Height) / 2 - 1;
    Rect r{rect.Left, top, rect.Right, top + e.Height};
    if (alignment == TAlignment::taCenter) {
        r.Left = rect.Left + (rect.Width() - e.Width) / 2;
        r.Right = r.Left + e.Width;
    }
    return {r, CheckBiDi(flags, rightToLeft)};
}

ImgCaptionPlacement PlaceImgCaption(const ITextMeasure& measure, const Rect& rect, std::uint32_t alignFlags,
                                    std::u16string_view text, int imageWidth, bool rightToLeft) {
    ImgCaptionPlacement out;
    // An image as wide as the rectangle (or wider) is left out.
    int iw = imageWidth > 0 && imageWidth < rect.Width() ? imageWidth : 0;
    std::uint32_t flags = (alignFlags & 3) | DT_SINGLELINE_ | DT_EXPANDTABS_ | DT_END_ELLIPSIS_;
    TextExtent e = MeasureText(measure, text, flags);
    int offset;
    if ((alignFlags & 3) == DT_CENTER_)
        offset = (rect.Width() - iw - e.Width) / 2;
    else if ((alignFlags & 3) == DT_RIGHT_)
        offset = rect.Width() - iw - e.Width - 2;
    else
        offset = 3;
    if (offset < 2) offset = 1;
    if (iw > 0) {
        out.DrawImage = true;
        // The image's width stands for its height: image lists hold square images.
        out.ImagePos = {rect.Left + offset, rect.Top + (rect.Height() - iw) / 2};
    }
    if (!text.empty()) {
        int left = rect.Left + offset + iw;
        int top = rect.Top + (rect.Height() - e.Height) / 2;
        out.DrawText = true;
        out.Text = {Intersect(Rect{left, top, left + e.Width, top + e.Height}, rect), CheckBiDi(flags, rightToLeft)};
    }
    return out;
}

TextPlacement PlaceCentredCaption(const ITextMeasure& measure, const Rect& rect, std::u16string_view text,
                                  std::uint32_t alignFlags) {
    std::uint32_t flags = (alignFlags & 3) | DT_SINGLELINE_ | DT_EXPANDTABS_;
    TextExtent e = MeasureText(measure, text, flags);
    int left = rect.Left + (rect.Width() - e.Width) / 2;
    int top = rect.Top + (rect.Height() - e.Height) / 2;
    return {{left, top, left + e.Width, top + e.Height}, flags};
}

Rect FocusRect(const ITextMeasure& measure, const Rect& rect, std::u16string_view text, std::uint32_t flags) {
    TextExtent e = MeasureText(measure, text, flags | DT_EXPANDTABS_ | DT_NOCLIP_);
    int x = 0, y = 0;
    if (flags & DT_CENTER_) {
        x = (rect.Width() - e.Width) / 2;
        y = (rect.Height() - e.Height) / 2 - 1;
    } else if (flags & DT_RIGHT_) {
        x = rect.Width() - e.Width;
    }
    Rect r = Rect::FromSize(rect.Left + x, rect.Top + y, e.Width, e.Height);
    r = {r.Left - 2, r.Top - 1, r.Right + 2, r.Bottom + 1};
    return Intersect(r, rect);
}

}  // namespace skin

#include "skin/controls/painters/ScrollBarGeometry.h"

#include <algorithm>
#include <cstdlib>

#include "skin/controls/PainterDrawing.h"
#include "skin/data/DrawPrimitives.h"

namespace skin {

namespace {

constexpr int kScrollbarCells = 23;
constexpr int kTrackCells = 4;
constexpr int kMinThumb = 8;
constexpr int kEmptyRange = 9999999;

// Cells of the Scrollbar element: normal arrows and grips; pressed is +1, hot +3 for the
// arrows and +1 / +2 for the grips.
constexpr int kLeftArrow = 1, kRightArrow = 5, kUpArrow = 9, kDownArrow = 13;
constexpr int kHorzGrip = 17, kVertGrip = 20;

int ArrowCell(int base, TScrollPart part, const TBarPicture& bar) {
    if (bar.Part != part) return base;
    return base + (bar.Tracking ? 1 : 3);
}

int ThumbVariant(const TBarPicture& bar, int pressed, int hot) {
    if (bar.Part != spThumb) return 0;
    return bar.Tracking ? pressed : hot;
}

Rect AlongAxis(bool vertical, int from, int to, int thickness) {
    return vertical ? Rect{0, from, thickness, to} : Rect{from, 0, to, thickness};
}

Rect Margins(const TDataSkinObject& e) { return {e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight}; }

}  // namespace

int MulDivRound(int a, int b, int c) {
    if (c == 0) return -1;
    const long long p = static_cast<long long>(a) * b;
    long long q = (std::llabs(p) + std::llabs(static_cast<long long>(c)) / 2) / std::llabs(static_cast<long long>(c));
    if ((p < 0) != (c < 0)) q = -q;
    return static_cast<int>(std::clamp<long long>(q, INT32_MIN, INT32_MAX));
}

TThumbExtent ControlThumb(int length, int arrow, int minimum, int maximum, int page, int position) {
    int range = maximum - minimum;
    if (range == 0) range = kEmptyRange;
    const int track = length - 2 * arrow;
    const int offset = position - minimum;
    int start = arrow, n = arrow;
    if (page != 0) {
        n = MulDivRound(track, page - 1, range);
        if (n < kMinThumb) {
            n = kMinThumb;
            if (position != minimum) start = arrow + MulDivRound(track - kMinThumb, offset, range);
        } else if (position != minimum) {
            start = arrow + MulDivRound(track, offset, range);
        }
    } else if (position != minimum) {
        start = arrow + MulDivRound(length - 3 * arrow, offset, range);
    }
    return {start, start + n};
}

TScrollPart PartAt(int c, int arrow, const TThumbExtent& thumb, int length) {
    if (c < arrow) return spFirstArrow;
    if (c < thumb.Start) return spPageBefore;
    if (c < thumb.End) return spThumb;
    if (c < length - arrow) return spPageAfter;
    return spSecondArrow;
}

TThumbExtent DragThumb(int dragThumbStart, int cursorMoved, const TThumbExtent& current, int arrow, int length) {
    const int d = current.Length();
    int start = std::max(dragThumbStart + cursorMoved, arrow);
    start = std::min(start, length - arrow - d);
    return {start, start + d};
}

int BarThickness(const TSkinModel& skin, int arrow) {
    const int g = skin.Scrollbar ? skin.Scrollbar->Map.Height() : 0;
    return std::abs(g - arrow) > 2 ? arrow : g;
}

Surface ComposeScrollBar(const TSkinModel& skin, Pixel face, const TBarPicture& bar) {
    if (!skin.Scrollbar || skin.Scrollbar->Map.Empty()) return {};
    const int w = bar.Width, h = bar.Height;
    if (w < 0 || h < 0 || bar.WindowWidth < w || bar.WindowHeight < h) return {};
    const bool v = bar.Vertical;
    const int length = v ? h : w;
    const int t = BarThickness(skin, bar.Arrow);
    const int bufW = bar.Control && v ? t : w, bufH = bar.Control && !v ? t : h;
    if (bufW <= 0 || bufH <= 0) return {};
    Surface buf;
    try {
        buf = Surface(bufW, bufH, face);
    } catch (const Exception&) {
        return {};  // a size no bitmap can have
    }
    const int axisWindow = v ? bar.WindowHeight : bar.WindowWidth;
    int a = bar.Arrow;

    const TDataSkinObject* track = v ? skin.VertScroll.get() : skin.HorzScroll.get();
    if (track && !track->Map.Empty())
        DrawRect2(buf, AlongAxis(v, a, length - a, t), track->Map, false, track->Tile == 1, track->Trans == 1,
                  kTrackCells, bar.Enabled ? 1 : 3, Margins(*track));

    if (2 * a > length) a = length / 2;
    const Surface& cells = skin.Scrollbar->Map;
    DrawSkinMap1(buf, AlongAxis(v, 0, a, t), kScrollbarCells, ArrowCell(v ? kUpArrow : kLeftArrow, spFirstArrow, bar),
                 cells);
    DrawSkinMap1(buf, AlongAxis(v, length - a, length, t), kScrollbarCells,
                 ArrowCell(v ? kDownArrow : kRightArrow, spSecondArrow, bar), cells);
    if (!bar.Enabled) return buf;

    const TThumbExtent& th = bar.Thumb;
    const TDataSkinObject* thumb = v ? skin.VertScrollThumb.get() : skin.HorzScrollThumb.get();
    if (thumb && !thumb->Map.Empty() && th.Start < axisWindow && th.End < axisWindow) {
        const int frames = std::max(thumb->Frame, 1);
        // A thumb image with fewer cells keeps its last one rather than vanishing mid-drag.
        const int cell = std::min(1 + ThumbVariant(bar, 1, 2), frames);
        DrawRect2(buf, AlongAxis(v, th.Start, th.End, t), thumb->Map, false, false, thumb->Trans == 1, frames, cell,
                  Margins(*thumb));
    }
    const int g = cells.Height();
    if (th.Length() + 2 > g) {
        const int from = th.Start + (th.Length() - g) / 2;
        if (from < axisWindow && from + g < axisWindow)
            DrawSkinMap1(buf, AlongAxis(v, from, from + g, t), kScrollbarCells,
                         (v ? kVertGrip : kHorzGrip) + ThumbVariant(bar, 1, 2), cells);
    }
    return buf;
}

}  // namespace skin

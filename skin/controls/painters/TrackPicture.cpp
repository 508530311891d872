#include "skin/controls/painters/TrackPicture.h"

#include "skin/controls/PainterDrawing.h"
#include "skin/data/SkinModel.h"

namespace skin {

namespace {

// One piece of a three-slice: source [from, from + n) along the axis to [at, at + length).
struct TSlice {
    int from, n, at, length;
};

void StretchSlice(Surface& canvas, const Surface& image, const TSlice& s, bool vertical, int across, int size) {
    if (s.n <= 0 || s.length <= 0) return;
    if (vertical)
        Stretch(canvas, {across, s.at, across + size, s.at + s.length}, image, {0, s.from, size, s.from + s.n});
    else
        Stretch(canvas, {s.at, across, s.at + s.length, across + size}, image, {s.from, 0, s.from + s.n, size});
}

}  // namespace

bool DrawTrackChannel(Surface& canvas, const Rect& c, bool vertical, const TSkinModel& skin) {
    const TDataSkinObject* e = vertical ? skin.TrackVert.get() : skin.Track.get();
    if (!e || e->Map.Empty()) return false;
    const Surface& image = e->Map;
    // Along the channel: the image's first and last parts keep their size, the middle
    // stretches; across it the image keeps its size, centred when it is the narrower.
    const int along = vertical ? image.Height() : image.Width();
    const int size = vertical ? image.Width() : image.Height();
    const int first = vertical ? e->TopHeight : e->LeftWidth;
    const int last = vertical ? e->BottomHeight : e->RightWidth;
    const int start = vertical ? c.Top : c.Left, end = vertical ? c.Bottom : c.Right;
    const int span = vertical ? c.Width() : c.Height();
    const int across = (vertical ? c.Left : c.Top) + (size < span ? (span - size) / 2 : 0);
    const TSlice slices[] = {
        {0, first, start, first},
        {first, along - first - last, start + first, end - start - first - last},
        {along - last, last, end - last, last},
    };
    for (const TSlice& s : slices) StretchSlice(canvas, image, s, vertical, across, size);
    return true;
}

void DrawTrackThumb(Surface& canvas, const Rect& t, bool vertical, const TSkinModel& skin, Pixel shadow) {
    const TDataSkinObject* e = vertical && skin.TrackbarThumbVert && !skin.TrackbarThumbVert->Map.Empty()
                                   ? skin.TrackbarThumbVert.get()
                                   : skin.TrackbarThumbHorz.get();
    if (e && !e->Map.Empty()) {
        DrawSkinMap1(canvas, t, 5, 2, e->Map);
        return;
    }
    if (t.IsEmpty()) return;
    Fill(canvas, t, shadow);
    if (t.Width() > 2 && t.Height() > 2) Fill(canvas, {t.Left + 1, t.Top + 1, t.Right - 1, t.Bottom - 1}, 0xFFFFFF);
}

}  // namespace skin

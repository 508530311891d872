#include "skin/controls/painters/HeaderPainter.h"

#include <algorithm>

#include "skin/data/DrawPrimitives.h"
#include "skin/data/SkinData.h"

namespace skin {

std::uint32_t HeaderAlignFlags(std::uint32_t format) {
    switch (format & 0xFF) {
    case 1: return DT_RIGHT_;
    case 2: return DT_CENTER_;
    default: return DT_LEFT_;
    }
}

int HeaderItemImage(const THeaderItemInfo& item) { return (item.Format & (0x0800 | 0x8000)) ? item.Image : -1; }

int HeaderHitTest(const std::vector<Rect>& hotRects, Point p) {
    for (int i = 0; i < static_cast<int>(hotRects.size()); ++i)
        if (hotRects[i].Contains(p.X, p.Y)) return i;
    return -1;
}

bool TSkinHeader::Init(TPainterList* form, TSkinData* skinData, TComponent* control,
                       std::unique_ptr<IPaintedWindow> window, bool parentBK) {
    if (!TSkinControl::Init(form, skinData, control, std::move(window), parentBK)) return false;
    FHotItem = -1;
    return true;
}

bool TSkinHeader::Inithwnd(TPainterList* form, TSkinData* skinData, std::unique_ptr<IPaintedWindow> window,
                           std::u16string text) {
    if (!TSkinControl::Inithwnd(form, skinData, std::move(window), std::move(text))) return false;
    FHotItem = -1;
    return true;
}

bool TSkinHeader::HasHeaderbar() const {
    return FSkinData && FSkinData->Headerbar && !FSkinData->Headerbar->Map.Empty();
}

bool TSkinHeader::BeforeProc(TPainterMessage& message) {
    switch (message.Msg) {
    case msg::Paint: WMPaint(message); return false;
    case msg::EraseBkgnd:
        if (!HasHeaderbar()) return true;  // unskinned: the header erases as usual
        message.Result = 1;
        return false;
    default: return TSkinControl::BeforeProc(message);
    }
}

void TSkinHeader::AfterProc(TPainterMessage& message) {
    switch (message.Msg) {
    case kWmMouseMove: {
        // Client coordinates, unsigned as the message carries them.
        Point p{static_cast<int>(message.LParam & 0xFFFF), static_cast<int>((message.LParam >> 16) & 0xFFFF)};
        int hit = HeaderHitTest(FItemRects, p);
        if (hit >= 0 && hit != FHotItem) {
            FHotItem = hit;
            Invalidate();
        }
        if (IContainerWindow* facts = Facts.Get(*this)) facts->TrackMouseLeave();
        break;
    }
    case kWmMouseLeave:
        FHotItem = -1;
        Invalidate();
        break;
    default: TSkinControl::AfterProc(message);
    }
}

void TSkinHeader::DrawControl(Surface& canvas, const Rect& rect) {
    IContainerWindow* facts = Facts.Get(*this);
    if (!facts || !HasHeaderbar() || rect.IsEmpty()) return;
    const TDataSkinObject& bar = *FSkinData->Headerbar;
    Surface buffer = canvas.Cut(rect);
    facts->SetFont(TTextFont::Window);
    FEnabled = true;
    int count = std::max(facts->ItemCount(), 0);
    FItemRects.assign(static_cast<size_t>(count), Rect{});
    int edge = rect.Left;
    for (int i = 0; i < count; ++i) {
        Rect r;
        if (!facts->ItemRect(i, r)) continue;
        DrawItem(buffer, i, r);
        FItemRects[i] = {r.Left + 3, r.Top, r.Right - 3, r.Bottom};
        edge = std::max(edge, r.Right);
    }
    if (edge < rect.Right) {
        Rect margins{bar.LeftWidth, bar.TopHeight, bar.RightWidth, bar.BottomHeight};
        try {
            DrawRect2(buffer, {edge, rect.Top, rect.Right, rect.Bottom}, bar.Map, false, bar.Tile == 1, false,
                      bar.Frame, 1, margins);
        } catch (const Exception&) {
        }
    }
    Copy(canvas, rect.Left, rect.Top, buffer, buffer.Bounds());
}

void TSkinHeader::DrawItem(Surface& canvas, int index, const Rect& rect) {
    IContainerWindow* facts = Facts.Get(*this);
    if (!facts || !HasHeaderbar() || rect.IsEmpty()) return;
    const TDataSkinObject& bar = *FSkinData->Headerbar;
    THeaderItemInfo item = facts->Item(index);
    Rect margins{bar.LeftWidth, bar.TopHeight, bar.RightWidth, bar.BottomHeight};
    Surface cell;
    try {
        cell = GetHMap({0, 0, rect.Width(), rect.Height()}, bar.Map, margins, false, bar.Tile == 1, bar.Frame,
                       index == FHotItem ? 2 : 1);
    } catch (const Exception&) {
        return;
    }
    if (!item.Text.empty()) {
        int image = HeaderItemImage(item);
        int imageWidth = image != -1 ? facts->ImageWidth() : 0;
        if (imageWidth >= rect.Width()) imageWidth = 0;  // an image only when narrower than the item
        TFactsMeasure measure(*facts, cell);
        ImgCaptionPlacement p = PlaceImgCaption(measure, cell.Bounds(), HeaderAlignFlags(item.Format), item.Text,
                                                imageWidth, facts->RightToLeft());
        if (p.DrawImage && imageWidth > 0) facts->DrawImage(cell, image, p.ImagePos);
        if (p.DrawText) facts->DrawText(cell, p.Text.TextRect, item.Text, p.Text.Flags, SkinClWindowText);
    }
    Copy(canvas, rect.Left, rect.Top, cell, cell.Bounds());
}

}  // namespace skin

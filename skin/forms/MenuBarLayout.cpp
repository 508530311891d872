#include "skin/forms/MenuBarLayout.h"

#include "skin/data/DrawPrimitives.h"
#include "skin/data/SkinModel.h"
#include "skin/platform/SystemColors.h"

namespace skin {

namespace {
constexpr int kVkReturn = 0x0D, kVkEscape = 0x1B, kVkLeft = 0x25, kVkRight = 0x27, kVkMenu = 0x12;

// Latin and Cyrillic letters compared without case, whatever the C library's locale.
char16_t Lower(char16_t c) {
    if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 32);
    if (c >= u'\u0410' && c <= u'\u042F') return static_cast<char16_t>(c + 32);
    if (c == u'\u0401') return u'\u0451';
    return c;
}
}  // namespace

Surface ComposeMenuBarBackground(const TSkinModel& skin, int width, int height, bool active) {
    if (width <= 0 || height <= 0) return {};
    const TDataSkinObject* e = skin.MenuBar.get();
    if (!e || e->Map.Empty()) return Surface(width, height, ColorToPixel(ResolveColor(skin.Colors[csMenuBar])));
    Surface bar(width, height);
    const int cell = active ? 1 : 2;
    const Rect margins{e->LeftWidth, 0, e->RightWidth, 0};
    if (e->Tile == 1)
        DrawRect2(bar, bar.Bounds(), e->Map, true, false, false, 2, cell, margins);
    else
        DrawRectTile(bar, bar.Bounds(), e->Map, true, false, 2, cell, margins);
    return bar;
}

void LayoutMenuBar(const TSkinModel& skin, std::vector<TMenuBarItem>& items, const Rect& bar,
                   const ITextMeasure& measure, bool rightToLeft, int mdiLeft) {
    int first = 6;
    if (skin.MenuBar) {
        first = rightToLeft ? skin.MenuBar->RightWidth + 8 : skin.MenuBar->LeftWidth + 4;
        if (bar.Width() < first) first = 12;
    }
    int x = rightToLeft ? bar.Right - first : bar.Left + first;
    if (rightToLeft && mdiLeft >= 0) x = std::min(x, mdiLeft - 5);
    for (TMenuBarItem& item : items) {
        if (!item.Visible) {
            item.Bounds = {};
            continue;
        }
        const int w = item.Caption.empty() ? 0 : measure.Measure(item.Caption, DT_SINGLELINE_).Width + 10;
        if (rightToLeft) {
            item.Bounds = {x - w, bar.Top, x, bar.Bottom - 1};
            x -= w;
        } else {
            item.Bounds = {x, bar.Top, x + w, bar.Bottom - 1};
            x += w;
        }
    }
}

char16_t AcceleratorOf(std::u16string_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&') continue;
        if (caption[i + 1] == u'&') {
            ++i;
            continue;
        }
        return Lower(caption[i + 1]);
    }
    return 0;
}

int FindButtonFromAccel(const std::vector<TMenuBarItem>& items, char16_t key) {
    const char16_t k = Lower(key);
    if (!k) return -1;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].Enabled && items[i].Visible && AcceleratorOf(items[i].Caption) == k) return static_cast<int>(i);
    return -1;
}

int TrackKeyFor(int key, bool rightToLeft) {
    if (!rightToLeft) return key;
    if (key == kVkLeft) return kVkRight;
    if (key == kVkRight) return kVkLeft;
    return key;
}

TTrackMove TrackMove(const TTrackKey& k) {
    switch (k.Key) {
    case kVkReturn:
    case kVkEscape:
    case kVkMenu: return TTrackMove::End;
    case kVkRight: return k.ItemHasSubmenu ? TTrackMove::None : TTrackMove::Next;
    case kVkLeft: return k.ItemIsTopLevel ? TTrackMove::Previous : TTrackMove::None;
    default: return TTrackMove::None;
    }
}

int StepButton(int index, int count, int step, const std::function<bool(int)>& opens) {
    if (count <= 0) return -1;
    for (int i = 1; i < count; ++i) {
        const int at = ((index + step * i) % count + count) % count;
        if (opens(at)) return at;
    }
    return index;
}

}  // namespace skin

#include "tools/skingen/Preview.h"

#include <algorithm>

#include "skin/data/DrawPrimitives.h"
#include "skin/data/QuickIni.h"
#include "skin/data/SkinModel.h"
#include "skin/platform/BmpWriter.h"

namespace skingen {

namespace {

using skin::Rect;
using skin::TDataSkinObject;

Rect Margins(const TDataSkinObject& e) { return {e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight}; }

void Nine(Surface& s, const Rect& r, const TDataSkinObject* e, int k, bool stacked = false) {
    if (!e || e->Map.Empty()) return;
    skin::DrawRect2(s, r, e->Map, stacked, e->Tile == 1, e->Trans != 0, std::max(e->Frame, 1), k, Margins(*e));
}

void Cell(Surface& s, const Rect& r, const Surface& map, int frames, int k) {
    if (map.Empty()) return;
    skin::DrawRect1(s, r, map, true, frames, k);
}

void Parse(const SkinFiles& files, skin::TSkinModel& m) {
    TQuickIni ini;
    ini.LoadFromText(files.description);
    skin::SkinMemberLookup lookup = [&](const std::string& name, std::vector<std::uint8_t>& out) {
        for (const auto& img : files.images)
            if (img.file == name) {
                out = skin::WriteBmp24(img.image);
                return true;
            }
        return false;
    };
    m.LoadFromIni(ini, lookup);
}

}  // namespace

std::vector<SkinImage> DerivedImages(const SkinFiles& files) {
    skin::TSkinModel m;
    Parse(files, m);
    std::vector<SkinImage> out;
    if (m.ComboButton) out.push_back({"model-combobox.bmp", m.ComboButton->Map});
    if (m.SunkEdge) out.push_back({"model-combobox-rtl.bmp", m.SunkEdge->Map});
    if (m.ComboxArrow) out.push_back({"model-comboxarrow.bmp", m.ComboxArrow->Map});
    if (m.Toolbar) out.push_back({"model-toolbar.bmp", m.Toolbar->Map});
    return out;
}

Surface Magnified(const Surface& image, int factor) {
    Surface out(image.Width() * factor, image.Height() * factor);
    skin::Stretch(out, out.Bounds(), image, image.Bounds());
    return out;
}

Surface WindowMockup(const SkinFiles& files) {
    // Parse the skin exactly as the program will, from BMP bytes.
    skin::TSkinModel m;
    Parse(files, m);

    const int W = 420, H = 390;
    const Pixel face = skin::ColorToPixel(m.Colors[skin::csButtonFace]);
    Surface s(W + 40, H + 20, Hex(0x9AA0A6));  // a desk behind the window
    Surface win(W, H, face);

    // Frame.
    const int top = m.Top->Map.Height() / std::max(m.Top->Frame, 1);
    const int bottom = m.Bottom->Map.Height() / std::max(m.Bottom->Frame, 1);
    const int left = m.Left->Map.Width() / std::max(m.Left->Frame, 1);
    const int right = m.Right->Map.Width() / std::max(m.Right->Frame, 1);
    // Laid out as the program does: the side borders take the full height, the title and
    // the bottom border lie between them; what they leave magenta shows the desk.
    skin::Fill(win, {0, 0, W, H}, skin::kMagenta);
    skin::Fill(win, {left, top, W - right, H - bottom}, face);
    Nine(win, {left, 0, W - right, top}, m.Top.get(), 1, true);
    Nine(win, {left, H - bottom, W - right, H}, m.Bottom.get(), 1, true);
    Nine(win, {0, 0, left, H}, m.Left.get(), 1);
    Nine(win, {W - right, 0, W, H}, m.Right.get(), 1);
    for (const auto& b : m.SysButtons) {
        if (b->Map.Empty() || b->Visibility == 100 || b->Visibility == 1) continue;
        const int cw = b->Map.Width() / std::max(b->Frame, 1);
        const int x = b->Align == 1 ? W - b->Xcoord : b->Xcoord;
        const int k = b->Action == 0 ? 3 : 1;  // show the close button hot
        Cell(win, Rect::FromSize(x, b->Ycoord, cw, b->Map.Height()), b->Map, std::max(b->Frame, 1), k);
    }

    // Menu bar.
    const int menuH = 20;
    Nine(win, {left, top, W - right, top + menuH}, m.MenuBar.get(), 1, true);
    const int cx0 = left + 10, cy0 = top + menuH + 100;

    // Buttons: normal, hot, pressed, disabled, focused.
    const int states[5] = {1, 4, 2, 3, 5};
    for (int i = 0; i < 5; ++i) Nine(win, Rect::FromSize(cx0 + i * 78, cy0, 72, 25), m.Buttons.get(), states[i]);

    // Check boxes and radio buttons.
    const auto& bt = *m.Buttons;
    for (int i = 0; i < 4; ++i) {
        const int checkCells[4] = {1, 5, 9, 8};
        const int radioCells[4] = {1, 5, 4, 8};
        const int cw = bt.CheckMap.Width() / std::max(bt.CheckButtonFrame, 1);
        Cell(win, Rect::FromSize(cx0 + i * 24, cy0 + 36, cw, bt.CheckMap.Height()), bt.CheckMap, bt.CheckButtonFrame,
             checkCells[i]);
        const int rw = bt.RadioMap.Width() / std::max(bt.RadioButtonFrame, 1);
        Cell(win, Rect::FromSize(cx0 + 110 + i * 24, cy0 + 36, rw, bt.RadioMap.Height()), bt.RadioMap,
             bt.RadioButtonFrame, radioCells[i]);
    }

    // A combo box (the rebuilt whole-control image) and a spin edit.
    {
        Rect r = Rect::FromSize(cx0, cy0 + 64, 170, 22);
        skin::Fill(win, {r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2}, Hex(0xFFFFFF));
        Nine(win, r, m.ComboButton.get(), 1);
        Rect r2 = Rect::FromSize(cx0 + 180, cy0 + 64, 170, 22);
        skin::Fill(win, {r2.Left + 2, r2.Top + 2, r2.Right - 2, r2.Bottom - 2}, Hex(0xFFFFFF));
        Nine(win, r2, m.ComboButton.get(), 4);
        if (m.UpDownVert) {
            const auto& u = *m.UpDownVert;
            Rect e = Rect::FromSize(cx0 + 300, cy0 + 100, 60, 22);
            Nine(win, e, m.SunkEdge.get(), 1);
            skin::Fill(win, {e.Left + 2, e.Top + 2, e.Right - 18, e.Bottom - 2}, Hex(0xFFFFFF));
            Rect up = {e.Right - 17, e.Top + 1, e.Right - 1, e.Top + 11};
            Rect dn = {e.Right - 17, e.Top + 11, e.Right - 1, e.Bottom - 1};
            Cell(win, up, u.Map, u.Frame, 1);
            Cell(win, dn, u.Map, u.Frame, 5);
            skin::DrawRect3(win, up, u.Map1, true, u.Frame, 1);
            skin::DrawRect3(win, dn, u.Map1, true, u.Frame, 5);
        }
    }

    // Progress bar, track bar.
    if (m.Progress) {
        Rect r = Rect::FromSize(cx0, cy0 + 100, 170, 16);
        Nine(win, r, m.Progress.get(), 1);
        Nine(win, Rect::FromSize(cx0, cy0 + 100, 110, 16), m.Progress.get(), 2);
    }
    if (m.Track && m.TrackbarThumbHorz) {
        skin::DrawRectH(win, Rect::FromSize(cx0 + 180, cy0 + 105, 110, m.Track->Map.Height()), m.Track->Map, false, 1,
                        1, Margins(*m.Track));
        const auto& t = *m.TrackbarThumbHorz;
        Cell(win, Rect::FromSize(cx0 + 220, cy0 + 98, t.Map.Width() / 5, t.Map.Height()), t.Map, 5, 2);
    }

    // Tabs over a pane.
    if (m.Tabs && m.TabPane) {
        const int ty = cy0 + 128;
        Nine(win, {cx0, ty + 22, cx0 + 250, H - bottom - 30}, m.TabPane.get(), 1);
        Nine(win, Rect::FromSize(cx0 + 2, ty, 70, 23), m.Tabs.get(), 2);
        Nine(win, Rect::FromSize(cx0 + 72, ty + 2, 70, 21), m.Tabs.get(), 1);
        Nine(win, Rect::FromSize(cx0 + 142, ty + 2, 70, 21), m.Tabs.get(), 4);
    }

    // A list with a vertical scroll bar beside the tabs.
    if (m.Scrollbar && m.VertScroll && m.VertScrollThumb) {
        Rect list = {cx0 + 262, cy0 + 128, W - right - 10, H - bottom - 30};
        skin::Fill(win, list, Hex(0xFFFFFF));
        const int t = 17, a = 17;
        Rect bar = {list.Right - t, list.Top, list.Right, list.Bottom};
        Nine(win, {bar.Left, bar.Top + a, bar.Right, bar.Bottom - a}, m.VertScroll.get(), 1);
        const int cw = m.Scrollbar->Map.Width() / 23;
        (void)cw;
        skin::DrawRect1(win, {bar.Left, bar.Top, bar.Right, bar.Top + a}, m.Scrollbar->Map, true, 23, 9);
        skin::DrawRect1(win, {bar.Left, bar.Bottom - a, bar.Right, bar.Bottom}, m.Scrollbar->Map, true, 23, 13);
        Rect thumb = {bar.Left, bar.Top + a + 10, bar.Right, bar.Top + a + 50};
        Nine(win, thumb, m.VertScrollThumb.get(), 1);
        const int g = m.Scrollbar->Map.Height();
        skin::DrawRect1(win, Rect::FromSize(bar.Left, thumb.Top + (thumb.Height() - g) / 2, t, g), m.Scrollbar->Map,
                        true, 23, 20);
    }

    // Status bar.
    if (m.StatusBarEdges) {
        Rect sb = {left, H - bottom - 22, W - right, H - bottom};
        Nine(win, {sb.Left, sb.Top, sb.Left + 150, sb.Bottom}, m.StatusBarEdges.get(), 1);
        Nine(win, {sb.Left + 150, sb.Top, sb.Right, sb.Bottom}, m.StatusBarEdges.get(), 3);
        if (m.ExtraImages) {
            const auto& x = *m.ExtraImages;
            const int gw = x.Map.Width() / 5;
            Cell(win, {sb.Right - gw - 1, sb.Bottom - x.Map.Height() - 1, sb.Right - 1, sb.Bottom - 1}, x.Map, 5, 5);
        }
    }

    // A popup menu dropped from the menu bar.
    if (m.MenuBackground && m.MenuItem) {
        Rect pm = Rect::FromSize(left + 40, top + menuH, 150, 90);
        Nine(win, pm, m.MenuBackground.get(), 1);
        Nine(win, Rect::FromSize(pm.Left + 3, pm.Top + 3, pm.Width() - 6, 22), m.MenuItem.get(), 1);
        Nine(win, Rect::FromSize(pm.Left + 3, pm.Top + 25, pm.Width() - 6, 22), m.MenuItem.get(), 4);
        const auto& mi = *m.MenuItem;
        const int cw = mi.Map.Width() / 5;
        Surface sep = mi.Map.Cut({cw, mi.Map.Height() - 8, 2 * cw, mi.Map.Height()});
        skin::DrawRectTile(win, Rect::FromSize(pm.Left + 3, pm.Top + 49, pm.Width() - 6, 8), sep, false, true, 1, 1,
                           {mi.LeftWidth, 0, mi.RightWidth, 0});
        Nine(win, Rect::FromSize(pm.Left + 3, pm.Top + 59, pm.Width() - 6, 22), m.MenuItem.get(), 1);
    }

    // The window on the desk, its corners cut with magenta.
    skin::CopyTransparent(s, 20, 10, win, win.Bounds(), skin::kMagenta);
    return s;
}

}  // namespace skingen

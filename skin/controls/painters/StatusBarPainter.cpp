#include "skin/controls/painters/StatusBarPainter.h"

#include "skin/controls/PainterDrawing.h"
#include "skin/data/DrawPrimitives.h"
#include "skin/data/SkinData.h"
#include "skin/platform/SystemColors.h"

namespace skin {

namespace {

TAlignment Swapped(TAlignment a) {
    if (a == TAlignment::taLeftJustify) return TAlignment::taRightJustify;
    if (a == TAlignment::taRightJustify) return TAlignment::taLeftJustify;
    return a;
}

int CellOf(TPanelBevel bevel) {
    switch (bevel) {
    case TPanelBevel::Lowered: return 1;
    case TPanelBevel::None: return 3;
    case TPanelBevel::Raised: return 2;
    }
    return 1;
}

Rect Inset(const Rect& r, int dx, int dy) { return {r.Left + dx, r.Top + dy, r.Right - dx, r.Bottom - dy}; }

}  // namespace

std::vector<TStatusCell> LayoutStatusBar(const Rect& rect, const TStatusBarInfo& bar,
                                         const std::vector<std::optional<Rect>>& panelRects) {
    std::vector<TStatusCell> cells;
    if (bar.SimplePanel || bar.Panels.empty()) {
        TStatusCell c;
        c.Box = rect;
        c.HasText = true;
        c.Text = bar.SimpleText.empty() ? u" " : bar.SimpleText;
        c.Alignment = bar.RightToLeft ? TAlignment::taRightJustify : TAlignment::taLeftJustify;
        c.TextBox = Inset(rect, 2, 0);
        cells.push_back(c);
        return cells;
    }
    int count = static_cast<int>(bar.Panels.size());
    for (int i = 0; i < count; ++i) {
        if (i >= static_cast<int>(panelRects.size()) || !panelRects[i]) continue;
        const TStatusPanelInfo& p = bar.Panels[i];
        TStatusCell c;
        c.Panel = i;
        c.Cell = CellOf(p.Bevel);
        c.Alignment = p.RightToLeft ? Swapped(p.Alignment) : p.Alignment;
        c.Box = *panelRects[i];
        c.Box.Right += 2;
        if (i == count - 1) c.Box.Right = rect.Right;  // whatever width the control gave it
        c.HasText = !p.OwnerDraw;
        if (c.HasText) c.Text = p.Text.empty() ? u" " : p.Text;
        c.TextBox = Inset(c.Box, 2, 0);
        cells.push_back(c);
    }
    return cells;
}

Rect GripRect(const Rect& bar, int cellWidth, int cellHeight) {
    return {bar.Right - 1 - cellWidth, bar.Bottom - 1 - cellHeight, bar.Right - 1, bar.Bottom - 1};
}

bool TSkinStatusBar::BeforeProc(TPainterMessage& message) {
    switch (message.Msg) {
    case msg::Paint: WMPaint(message); return false;
    case msg::EraseBkgnd: message.Result = 1; return false;
    default: return TSkinControl::BeforeProc(message);
    }
}

void TSkinStatusBar::Defaultpaint(Surface& canvas, const Rect& r, int cell) {
    if ((cell != 1 && cell != 2) || r.IsEmpty()) return;
    Pixel shadow = ColorToPixel(ResolveColor(SkinClBtnShadow));
    Pixel light = ColorToPixel(ResolveColor(SkinClBtnHighlight));
    Pixel topLeft = cell == 1 ? shadow : light, bottomRight = cell == 1 ? light : shadow;
    // A 1-pixel 3-D frame: top and left lines first, then right and bottom over them.
    Fill(canvas, {r.Left, r.Top, r.Right - 1, r.Top + 1}, topLeft);
    Fill(canvas, {r.Left, r.Top, r.Left + 1, r.Bottom - 1}, topLeft);
    Fill(canvas, {r.Right - 1, r.Top, r.Right, r.Bottom}, bottomRight);
    Fill(canvas, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, bottomRight);
}

void TSkinStatusBar::drawitem(Surface& canvas, const Rect& r, int cell) const {
    const TDataSkinObject* edges = FSkinData ? FSkinData->StatusBarEdges.get() : nullptr;
    if (!edges || edges->Map.Empty()) {
        Defaultpaint(canvas, r, cell);
        return;
    }
    if (r.IsInverted()) return;
    Rect margins{edges->LeftWidth, edges->TopHeight, edges->RightWidth, edges->BottomHeight};
    try {
        DrawRect2(canvas, r, edges->Map, false, edges->Tile == 1, false, 3, cell, margins);
    } catch (const Exception&) {
        // A size no bitmap can have: the cell stays undrawn.
    }
}

void TSkinStatusBar::DrawControl(Surface& canvas, const Rect& rect) {
    IContainerWindow* facts = Facts.Get(*this);
    if (!facts || rect.IsEmpty()) return;
    TStatusBarInfo bar;
    facts->StatusBar(bar);
    Rect r{0, 0, rect.Width(), rect.Height()};
    if (!EnsureSharedBG(r.Right, r.Bottom)) return;
    Surface& bg = SharedBG();
    bg.ResetClip();
    bg.SetOrigin({0, 0});
    FillBG(bg, r);
    facts->SetFont(TTextFont::ControlPlain);
    const TDataSkinObject* edges = FSkinData ? FSkinData->StatusBarEdges.get() : nullptr;
    Color textColour = edges ? edges->NormalColour2 : facts->FontColor();

    std::vector<std::optional<Rect>> panelRects;
    for (int i = 0; i < static_cast<int>(bar.Panels.size()); ++i) {
        Rect pr;
        panelRects.push_back(facts->PanelRect(i, pr) ? std::optional<Rect>(pr) : std::nullopt);
    }
    TFactsMeasure measure(*facts, bg);
    for (const TStatusCell& c : LayoutStatusBar(r, bar, panelRects)) {
        drawitem(bg, c.Box, c.Cell);
        if (!c.HasText) continue;
        TextPlacement t = PlaceCaption(measure, c.TextBox, c.Alignment, c.Text, bar.RightToLeft);
        facts->DrawText(bg, t.TextRect, c.Text, t.Flags, textColour);
    }

    const TDataSkinObject* extra = FSkinData ? FSkinData->ExtraImages.get() : nullptr;
    // A strip of fewer than five cells has no grip cell.
    if ((facts->Style() & kSbarsSizeGrip) && extra && !extra->Map.Empty() && extra->Frame >= 5) {
        Rect cell = CellRect(extra->Map, false, extra->Frame, 5);
        Rect grip = GripRect(r, cell.Width(), extra->Map.Height());
        CopyTransparent(bg, grip.Left, grip.Top, extra->Map, cell, kMagenta);
    }

    DrawBuf(canvas, rect);
    facts->PaintChildren(canvas);
    for (int i = 0; i < static_cast<int>(panelRects.size()); ++i)
        if (panelRects[i]) facts->DrawPanel(i, canvas, Inset(*panelRects[i], 2, 2));
}

}  // namespace skin

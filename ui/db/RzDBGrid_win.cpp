#include "ui/db/RzDBGrid.h"

TRzDBGrid::TRzDBGrid(TComponent* owner) : TDBGrid(owner) {}

void TRzDBGrid::SetFrameColor(TColor c) {
    frameColor_ = c;
    if (HandleAllocated()) RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
}

// WS_BORDER keeps the system's one-pixel border in the non-client geometry (the scroll
// bars sit inside it); WM_NCPAINT then recolours it flat.
void TRzDBGrid::CreateParams(TCreateParams& p) {
    TDBGrid::CreateParams(p);
    p.ExStyle &= ~WS_EX_CLIENTEDGE;
    if (BorderStyle() == TGridBorderStyle::bsSingle) p.Style |= WS_BORDER;
}

bool TRzDBGrid::Dispatch(TMessage& m) {
    static const TMessageHandler<TRzDBGrid> table[] = {
        {WM_NCPAINT, &TRzDBGrid::WMNCPaint},
    };
    return DispatchTo(this, table, m) || TDBGrid::Dispatch(m);
}

void TRzDBGrid::WMNCPaint(TMessage& m) {
    DefaultHandler(m);  // the scroll bars
    HDC dc = GetWindowDC(Handle());
    if (!dc) return;
    RECT w;
    GetWindowRect(Handle(), &w);
    RECT r{0, 0, w.right - w.left, w.bottom - w.top};
    HBRUSH b = CreateSolidBrush(ColorToRGB(frameColor_));
    FrameRect(dc, &r, b);
    DeleteObject(b);
    ReleaseDC(Handle(), dc);
    m.Result = 0;
}

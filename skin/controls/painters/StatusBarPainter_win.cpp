// The status bar's facts: its panels from the framework control, their rectangles from
// the window.
#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include "core/Utf16.h"
#include "skin/controls/painters/ContainerWindow_win.h"
#include "skin/platform/Surface_win.h"
#include "ui/StatusBar.h"

namespace skin {

namespace {

std::u16string ToU16(const std::string& utf8) {
    std::wstring w = Utf8ToWide(utf8);
    return std::u16string(w.begin(), w.end());
}

}  // namespace

bool TWinContainerWindow::StatusBar(TStatusBarInfo& info) const {
    auto* bar = dynamic_cast<TStatusBar*>(control_);
    if (!bar) return false;
    info.SimplePanel = bar->SimplePanel();
    info.SimpleText = ToU16(bar->SimpleText());
    info.RightToLeft = bar->BiDiMode() == TBiDiMode::bdRightToLeft;
    info.Panels.clear();
    for (const TStatusPanel& p : bar->Panels()) {
        TStatusPanelInfo pi;
        pi.Bevel = p.Bevel == TStatusPanelBevel::pbNone     ? TPanelBevel::None
                   : p.Bevel == TStatusPanelBevel::pbRaised ? TPanelBevel::Raised
                                                            : TPanelBevel::Lowered;
        pi.Alignment = static_cast<skin::TAlignment>(static_cast<int>(p.Alignment));
        pi.RightToLeft = p.BiDiMode == TBiDiMode::bdRightToLeft;
        pi.OwnerDraw = p.Style == TStatusPanelStyle::psOwnerDraw;
        pi.Text = ToU16(p.Text);
        info.Panels.push_back(pi);
    }
    return true;
}

bool TWinContainerWindow::PanelRect(int index, Rect& rect) const {
    RECT r{};
    if (!SendMessageW(window_, SB_GETRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r))) return false;
    rect = {r.left, r.top, r.right, r.bottom};
    return true;
}

void TWinContainerWindow::DrawPanel(int index, Surface& surface, const Rect& rect) {
    auto* bar = dynamic_cast<TStatusBar*>(control_);
    if (!bar || !bar->OnDrawPanel) return;
    HDC dc = SurfaceDC(surface);
    if (!dc) return;
    bar->OnDrawPanel(bar, index, dc, RECT{rect.Left, rect.Top, rect.Right, rect.Bottom});
    GdiFlush();
}

}  // namespace skin

#include "skin/forms/CaptionButtons.h"

#include <algorithm>
#include <optional>

namespace skin {

TNCObject::~TNCObject() {
    // A rebuilt button list must not leave the host pointing at a freed object.
    if (owner_.HotObject == this) owner_.HotObject = nullptr;
}

void TNCObject::BecomeHot(int state) {
    if (!Visible) return;
    if (owner_.HotObject && owner_.HotObject != this) owner_.HotObject->MouseLeave();
    owner_.HotObject = this;
    State = state;
    Draw();
}

void TNCObject::MouseEnter() { BecomeHot(ncstate::Hot); }
void TNCObject::MouseDown() { BecomeHot(ncstate::Pressed); }

void TNCObject::MouseUp() {
    if (!Visible) return;
    State = ncstate::Hot;
    Draw();
}

void TNCObject::MouseLeave() {
    if (!Visible) return;
    if (owner_.HotObject == this) owner_.HotObject = nullptr;
    State = ncstate::Normal;
    Draw();
}

namespace {
bool Maximised(const ButtonContext& c) { return c.State == swsMax; }
bool MinOrMax(const ButtonContext& c) { return c.Icons.Has(sbiMin) || c.Icons.Has(sbiMax); }
bool MdiBar(const ButtonContext& c) { return c.MdiFrameWithMaxChild && c.HasMenuBar; }
}  // namespace

namespace {
// The conditions both visibility keys share; `Visibility`'s 6 and 8 also want the system menu.
std::optional<bool> SharedCondition(int v, const ButtonContext& c, bool wantSystemMenu) {
    switch (v) {
    case 0: return true;
    case 1: return Maximised(c);
    case 2: return !Maximised(c);
    case 3: return c.Active;
    case 4: return !c.Active;
    case 6:
    case 8: return MinOrMax(c) && (!wantSystemMenu || c.Icons.Has(sbisystem));
    case 7: return !c.Icons.Has(sbiMax);
    case 9: return !c.Icons.Has(sbiMin);
    case 100: return MdiBar(c);
    default: return std::nullopt;
    }
}
}  // namespace

bool VisibilityHolds(int v, const ButtonContext& c) {
    if (std::optional<bool> shared = SharedCondition(v, c, true)) return *shared;
    if (v == 200) return c.Border == sbsDialog && !c.IsMessageBox;
    // 201-999 always; 1000-2000 are decided by the window (see SysBtnVisible).
    return v >= 201 && v <= 999;
}

bool Visibility1Holds(int v, const ButtonContext& c) { return SharedCondition(v, c, false).value_or(false); }

bool ActionHides(int action, const ButtonContext& c) {
    if (action == 0) return !c.Icons.Has(sbisystem);
    if (action == 3 || action == 11 || action == 12) return c.Border == sbsDialog;
    return false;
}

bool ActionEnabled(int action, const ButtonContext& c) {
    if (action == 1) return c.Icons.Has(sbiMax) && c.Icons.Has(sbisystem);
    if (action == 2) return c.Icons.Has(sbiMin) && c.Icons.Has(sbisystem);
    return true;
}

bool SysBtnVisible(const TDataSkinSysButton& b, const ButtonContext& c) {
    bool first;
    if (b.Visibility >= 1000 && b.Visibility <= 2000)
        first = c.AskWindow && c.AskWindow(b.Visibility, b.Action) > 0;
    else
        first = VisibilityHolds(b.Visibility, c);
    return first && Visibility1Holds(b.Visibility1, c) && !ActionHides(b.Action, c);
}

Rect SysBtnRect(const TDataSkinSysButton& b, int w, const FrameMetrics& m, int menuLeftWidth) {
    if (b.Map.Empty()) return {};
    const int cw = b.Map.Width() / std::max(1, static_cast<int>(b.Frame));
    const int h = b.Map.Height();
    int x = b.Xcoord, y = b.Ycoord;
    switch (b.Align) {
    case 1: x = w - b.Xcoord; break;
    case 100:
        x = w - b.Xcoord - m.Right - menuLeftWidth;
        y = m.Top + (m.Menu - h) / 2;
        break;
    case 2:
    case 8: x = (w - m.Right) - cw - b.Xcoord; break;
    case 3:
    case 9: x = b.Xcoord + m.Left; break;
    default: break;
    }
    return Rect::FromSize(x, y, cw, h);
}

namespace {
int Fit(int frames, int cell) { return cell <= std::max(1, frames) ? cell : 1; }
}  // namespace

int StripCell(int frames, bool active, bool enabled) {
    if ((active && enabled) || frames < 4) return 1;
    return 4;
}

int StateCell(int frames, int state, bool enabled, bool mdiBar) {
    if (!enabled) return frames < 4 ? 1 : 4;
    if (mdiBar && state == ncstate::Hot) return Fit(frames, 4);
    return Fit(frames, state);
}

void LayoutButtons(std::vector<std::unique_ptr<TWinSysButton>>& buttons, const ButtonContext& c, int w,
                   const FrameMetrics& m, int menuLeftWidth) {
    for (auto& b : buttons) {
        b->Visible = SysBtnVisible(*b->Element, c) && !b->Element->Map.Empty();
        b->Enabled = ActionEnabled(b->Element->Action, c);
        b->Bounds = b->Visible ? SysBtnRect(*b->Element, w, m, menuLeftWidth) : Rect{};
    }
}

TWinSysButton* FindBtn(const std::vector<std::unique_ptr<TWinSysButton>>& buttons, Point p) {
    for (auto& b : buttons)
        if (b->Visible && b->Bounds.Contains(p.X, p.Y)) return b.get();
    return nullptr;
}

}  // namespace skin

#include "skin/forms/FrameLayout.h"

#include <algorithm>

namespace skin {

bool TogglesCaption(const WindowFacts& f, const PlatformVersion& v) {
    const bool mdiChild = (f.ExStyle & wstyle::ExMdiChild) != 0;
    if ((v.Major == 5 || v.Major == 6) && v.Minor == 0) return true;
    if (v.NT && (f.ExStyle & wstyle::ExAppWindow) != 0) return true;
    return !f.HasOwner && !mdiChild;
}

TSkinWindowState StateFromShowCmd(int showCmd) {
    switch (showCmd) {
    case 2:  // SW_SHOWMINIMIZED
    case 6:  // SW_MINIMIZE
    case 7:  // SW_SHOWMINNOACTIVE
        return swsMin;
    case 3:  // SW_SHOWMAXIMIZED
        return swsMax;
    default: return swsNormal;
    }
}

FrameClass ClassifyFrame(const WindowFacts& f, const PlatformVersion& v) {
    FrameClass c;
    c.ChildWindow = (f.Style & wstyle::Child) != 0;
    c.RightToLeft = (f.ExStyle & wstyle::ExLeftScrollBar) != 0;
    if (f.Style & wstyle::SysMenu) c.Icons.Include(sbisystem);
    if (f.Style & wstyle::MinimizeBox) c.Icons.Include(sbiMin);
    if (f.Style & wstyle::MaximizeBox) c.Icons.Include(sbiMax);
    if (TogglesCaption(f, v)) c.Icons.Include(sbicaption);
    c.State = StateFromShowCmd(f.ShowCmd);
    if (f.HasMdiClient) c.FormStyle = sfsMDIform;
    if (f.ExStyle & wstyle::ExMdiChild) c.FormStyle = sfsMDIChild;

    if ((f.Style & wstyle::Caption) != wstyle::Caption) {
        c.Border = sbsNone;  // without both caption bits there is no title to skin
    } else if (f.Style & wstyle::ThickFrame) {
        c.Border = sbsSizeable;
    } else if ((f.Style & wstyle::ModalFrame) || (f.ExStyle & wstyle::ExDlgModalFrame)) {
        c.Border = sbsDialog;
    }
    // Dialog classes without a caption (property pages, embedded dialogs) stay frameless.
    if (c.Border != sbsNone && (f.ClassName == "#32770" || f.ClassName == "TMessageForm")) {
        c.Border = sbsDialog;
        c.IsMessageBox = true;
    }
    return c;
}

namespace {
int Cell(const TDataSkinObject* e, bool stacked) {
    if (!e || e->Map.Empty()) return 0;
    const int frames = std::max(1, static_cast<int>(e->Frame));
    return (stacked ? e->Map.Height() : e->Map.Width()) / frames;
}
}  // namespace

FrameMetrics ComputeMetrics(const TSkinModel& model, TSkinFormBorder border, int menuHeight) {
    FrameMetrics m;
    if (model.SkinEmpty || border == sbsNone) return m;
    m.Top = Cell(model.Top.get(), true);
    m.Bottom = Cell(model.Bottom.get(), true);
    m.Left = Cell(model.Left.get(), false);
    m.Right = Cell(model.Right.get(), false);
    m.Menu = std::max(0, menuHeight);
    return m;
}

Rect SkinnedClientRect(const Rect& w, const FrameMetrics& m) {
    Rect r{w.Left + m.Left, w.Top + m.Top + m.Menu, w.Right - m.Right, w.Bottom - m.Bottom};
    r.Right = std::max(r.Right, r.Left);
    r.Bottom = std::max(r.Bottom, r.Top);
    return r;
}

Rect CalcClientRect(const Rect& systemClient, const Rect& newWindow, const FrameMetrics& m, TSkinFormBorder border,
                    TSkinFormStyle style, TSkinWindowState state) {
    if (border == sbsNone || (style == sfsMDIChild && state != swsNormal)) return systemClient;
    return SkinnedClientRect(newWindow, m);
}

Point SkinnedWindowSize(Point c, const FrameMetrics& m) {
    return {std::max(0, c.X) + m.Left + m.Right, std::max(0, c.Y) + m.Top + m.Bottom + m.Menu};
}

Point ClientSizeToKeep(const ResizeInputs& in, const FrameMetrics& m) {
    if (in.KeepCurrent) return in.CurrentClient;
    if (in.FrameworkForm) {
        const int menu = in.MdiChild ? 0 : m.Menu;
        return {in.FormClient.X, std::max(0, in.FormClient.Y - menu)};
    }
    if (in.IsMessageBox || in.Reapplying) return in.CurrentClient;
    return in.AttachClient;
}

Widening WidenForCaption(int windowWidth, int textWidth, int textShift, int textRightClip) {
    const long long need = static_cast<long long>(textShift) + textWidth + textRightClip;
    if (need <= windowWidth || need > 32767) return {windowWidth, 0};
    const int width = static_cast<int>(need);
    return {width, (width - windowWidth) / 2};
}

int FrameHitTest(int system, Point p, Point size, const FrameMetrics& m) {
    if (system != hit::Nowhere && system != hit::Caption) return system;
    const bool inner = p.X >= m.Left && p.X < size.X - m.Right;
    if (inner && p.Y > 3 && p.Y < m.Top) return hit::Caption;
    if (inner && m.Menu > 0 && p.Y >= m.Top && p.Y < m.Top + m.Menu) return hit::Menu;
    const bool inWindow = p.X >= 0 && p.Y >= 0 && p.X < size.X && p.Y < size.Y;
    const bool inClient = inner && p.Y >= m.Top + m.Menu && p.Y < size.Y - m.Bottom;
    if (inWindow && !inClient && p.Y > 3) return hit::Border;
    return system;
}

}  // namespace skin

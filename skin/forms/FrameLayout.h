#pragma once
// The portable geometry of a skinned frame: which kind of frame a window gets, how thick
// the skinned borders are, where the client area lies, how large the window must be to
// keep its client size, and what a point of the frame means to the mouse. Window facts
// come in as plain numbers (the style bits keep their Win32 values) so that every rule is
// tested without a window system.
#include <cstdint>
#include <string>

#include "skin/data/SkinModel.h"
#include "skin/platform/Geometry.h"

namespace skin {

// Window style bits, with their Win32 values.
namespace wstyle {
inline constexpr uint32_t Child = 0x40000000;
inline constexpr uint32_t Visible = 0x10000000;
inline constexpr uint32_t Border = 0x00800000;
inline constexpr uint32_t DlgFrame = 0x00400000;
inline constexpr uint32_t Caption = Border | DlgFrame;
inline constexpr uint32_t SysMenu = 0x00080000;
inline constexpr uint32_t ThickFrame = 0x00040000;
inline constexpr uint32_t MinimizeBox = 0x00020000;
inline constexpr uint32_t MaximizeBox = 0x00010000;
inline constexpr uint32_t ModalFrame = 0x00000080;  // DS_MODALFRAME
inline constexpr uint32_t ExDlgModalFrame = 0x00000001;
inline constexpr uint32_t ExMdiChild = 0x00000040;
inline constexpr uint32_t ExLeftScrollBar = 0x00004000;
inline constexpr uint32_t ExAppWindow = 0x00040000;
}  // namespace wstyle

enum TSkinFormBorder { sbsSizeable, sbsSingle, sbsNone, sbsDialog };
enum TSkinFormStyle { sfsNormal, sfsMDIform, sfsMDIChild, sfsChild };
enum TSkinWindowState { swsNormal, swsMax, swsMin };

// The decorations a window has, as a small set.
enum TSkinFormIcon : uint32_t { sbiMax = 1, sbiMin = 2, sbiHelp = 4, sbisystem = 8, sbicaption = 16 };
struct TSkinFormIcons {
    uint32_t Bits = 0;
    bool Has(TSkinFormIcon i) const { return (Bits & i) != 0; }
    void Include(TSkinFormIcon i) { Bits |= i; }
};

// The system's version as the program sees it (injected, so that both branches of the
// version rules are tested on any machine).
struct PlatformVersion {
    int Major = 10;
    int Minor = 0;
    bool NT = true;
};

// What is read from a window when it is attached.
struct WindowFacts {
    uint32_t Style = 0;
    uint32_t ExStyle = 0;
    std::string ClassName;
    bool HasOwner = false;
    bool HasMdiClient = false;  // a child window of class "MDIClient" exists
    int ShowCmd = 1;            // from the window placement
};

struct FrameClass {
    TSkinFormBorder Border = sbsSingle;
    TSkinFormStyle FormStyle = sfsNormal;
    TSkinFormIcons Icons;
    TSkinWindowState State = swsNormal;
    bool IsMessageBox = false;
    bool RightToLeft = false;
    bool ChildWindow = false;
};

FrameClass ClassifyFrame(const WindowFacts& facts, const PlatformVersion& version);

// Whether the skinning toggles the whole caption style of this window (sbicaption). The
// classic rule also gave every window of versions 5.0 and 6.0 this treatment; it is kept
// for exactly those two versions and not extended to 10.0, so that Windows 10/11 (which
// report 6.2 or 10.0) and Wine look the same whatever version they claim.
bool TogglesCaption(const WindowFacts& facts, const PlatformVersion& version);

// Skinned border thicknesses and the menu strip under the title.
struct FrameMetrics {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Menu = 0;
    friend bool operator==(const FrameMetrics&, const FrameMetrics&) = default;
};

// From the border images: Left and Right cells lie side by side, Top and Bottom cells are
// stacked. Zero for sbsNone, for a model with no parsed skin and for empty images; a
// frame count below 1 counts as 1.
FrameMetrics ComputeMetrics(const TSkinModel& model, TSkinFormBorder border, int menuHeight);

// The client rectangle inside a window rectangle; never inverted (a window smaller than
// its borders has an empty client area at the inner edge of the left and top borders).
Rect SkinnedClientRect(const Rect& window, const FrameMetrics& m);

// The answer to WM_NCCALCSIZE with valid rectangles asked for: the client rectangle (also
// the valid destination). MDI children that are not normal and frameless windows keep the
// system's rectangle.
Rect CalcClientRect(const Rect& systemClient, const Rect& newWindow, const FrameMetrics& m, TSkinFormBorder border,
                    TSkinFormStyle style, TSkinWindowState state);
inline constexpr uint32_t kValidRects = 0x400;  // WVR_VALIDRECTS

// Window size that gives a client area of clientSize inside the skinned frame.
Point SkinnedWindowSize(Point clientSize, const FrameMetrics& m);

// Which client size ResizeForm keeps.
struct ResizeInputs {
    bool KeepCurrent = false;
    bool FrameworkForm = false;
    bool MdiChild = false;
    bool IsMessageBox = false;
    bool Reapplying = false;  // a changed skin is being re-applied
    Point CurrentClient;      // measured now
    Point FormClient;         // the framework form's ClientWidth/ClientHeight
    Point AttachClient;       // measured when attaching
};
Point ClientSizeToKeep(const ResizeInputs& in, const FrameMetrics& m);

// A message box is widened so that its caption fits: the new width and how far every
// child moves right (zero when it already fits).
struct Widening {
    int Width = 0;
    int ChildShift = 0;
};
Widening WidenForCaption(int windowWidth, int textWidth, int textShift, int textRightClip);

// Hit-test codes (Win32 values).
namespace hit {
inline constexpr int Nowhere = 0;
inline constexpr int Client = 1;
inline constexpr int Caption = 2;
inline constexpr int Menu = 5;
inline constexpr int Border = 18;
}  // namespace hit

// The frame's answer for a point in window coordinates, after the system answered
// `system`. Only "nowhere" and "caption" are reconsidered: the title strip below its top
// 3 pixels is caption, the menu strip is menu, the rest of the skinned borders is a
// border (never caption: the bottom border must not drag the window). Every other system
// answer stands.
int FrameHitTest(int system, Point p, Point windowSize, const FrameMetrics& m);

// The window state a placement's show command means.
TSkinWindowState StateFromShowCmd(int showCmd);

}  // namespace skin

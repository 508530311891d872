#pragma once
// Caption buttons as non-client objects: when a button shows (Visibility, Visibility1 and
// its Action), where it sits (Align), which cell of its image it shows, and the
// normal/hot/pressed states that follow the mouse.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "skin/data/SkinObjects.h"
#include "skin/forms/FrameLayout.h"

namespace skin {

class TNCObject;

// What a non-client object needs of its form skin object: the object under the mouse
// and a way to draw one object straight onto the window.
class NcObjectHost {
public:
    virtual ~NcObjectHost() = default;
    TNCObject* HotObject = nullptr;
    virtual void DrawObject(TNCObject& object) = 0;
};

// Button states (also the cells they draw).
namespace ncstate {
inline constexpr int Normal = 1;
inline constexpr int Pressed = 2;
inline constexpr int Hot = 3;
}  // namespace ncstate

class TNCObject {
public:
    explicit TNCObject(NcObjectHost& owner) : owner_(owner) {}
    virtual ~TNCObject();
    TNCObject(const TNCObject&) = delete;
    TNCObject& operator=(const TNCObject&) = delete;

    // In slot order. Invisible objects ignore all four mouse operations.
    virtual void MouseDown();
    virtual void MouseUp();
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual void Draw() { owner_.DrawObject(*this); }

    Rect Bounds;  // window coordinates
    bool Visible = true;
    int State = ncstate::Normal;
    bool Enabled = true;

protected:
    NcObjectHost& owner_;

private:
    void BecomeHot(int state);
};

// A caption button showing one system-button element of the skin.
class TWinSysButton : public TNCObject {
public:
    TWinSysButton(NcObjectHost& owner, const TDataSkinSysButton& element) : TNCObject(owner), Element(&element) {}
    const TDataSkinSysButton* Element;
};

// The facts of the window that decide which buttons show.
struct ButtonContext {
    TSkinFormIcons Icons;
    bool Active = true;
    TSkinWindowState State = swsNormal;
    TSkinFormBorder Border = sbsSingle;
    bool IsMessageBox = false;
    bool MdiFrameWithMaxChild = false;  // an MDI frame whose active child is maximised
    bool HasMenuBar = false;
    // Asks the window about Visibility 1000 … 2000 (SKM_BUTTONVISIBLE): wParam, lParam.
    std::function<long(int visibility, int action)> AskWindow;
};

bool VisibilityHolds(int value, const ButtonContext& c);
bool Visibility1Holds(int value, const ButtonContext& c);
// Hidden by its Action: close without a system menu, the system-menu icon on dialogs.
bool ActionHides(int action, const ButtonContext& c);
// Maximise needs a max box and a system menu, minimise a min box and a system menu.
bool ActionEnabled(int action, const ButtonContext& c);
bool SysBtnVisible(const TDataSkinSysButton& b, const ButtonContext& c);

// Buttons with these actions show the window's icon instead of their image.
inline bool ShowsWindowIcon(int action) { return action == 3 || action == 11; }

// Where a visible button with a non-empty image sits in a window `windowWidth` wide
// (window coordinates). Align 2 and 8 measure Xcoord leftwards from the inner edge of
// the right border, 3 and 9 rightwards from the inner edge of the left border; unknown
// values place like 0. `menuLeftWidth` is the menu-bar element's LeftWidth (0 without).
Rect SysBtnRect(const TDataSkinSysButton& b, int windowWidth, const FrameMetrics& m, int menuLeftWidth);

// The cell a button draws. In the title strip (state normal): cell 1 when active and
// enabled or when the image has fewer than 4 cells, else 4. Singly in state s: s, a
// disabled button 4 (1 with fewer than 4 cells), an MDI-bar button 4 when hot. A cell
// the image does not have falls back to cell 1 so that the button never vanishes.
int StripCell(int frames, bool active, bool enabled);
int StateCell(int frames, int state, bool enabled, bool mdiBar);

// Lays out every button of the list and sets its visibility and enabled state.
void LayoutButtons(std::vector<std::unique_ptr<TWinSysButton>>& buttons, const ButtonContext& c, int windowWidth,
                   const FrameMetrics& m, int menuLeftWidth);
// The first visible button whose rectangle holds the point, or nullptr.
TWinSysButton* FindBtn(const std::vector<std::unique_ptr<TWinSysButton>>& buttons, Point p);

}  // namespace skin

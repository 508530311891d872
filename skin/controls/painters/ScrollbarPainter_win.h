#pragma once
// TSkinScrollbar: the painter of a scrolling control (grids, memos, list boxes and the
// other windows with scroll bars). It lays a TWScrollbar over each of the control's scroll
// bars, keeps them placed as the control moves, scrolls and changes, draws the skinned
// border ring, and gives a grid's fixed cells the skin's face colour while skinned.
#include <windows.h>

#include <memory>

#include "skin/controls/PaintedWindow_win.h"
#include "skin/controls/SkinControl.h"
#include "skin/controls/painters/ScrollBarWindow_win.h"

class TWinControl;

namespace skin {

class TSkinScrollbar : public TSkinControl {
public:
    explicit TSkinScrollbar(TComponent* owner = nullptr);
    ~TSkinScrollbar() override;
    std::string ClassName() const override { return "TSkinScrollbar"; }

    // Attaches to a scrolling framework control; false when it cannot be painted.
    bool InitScrollbar(TWinControl& control, TSkinData* skinData, TPainterList* form);
    // The attach itself (the walk reaches it through the base's attach): the painter's
    // ParentBK stands for a grid's fixed colour, never for the control's colour.
    bool Init(TPainterList* form, TSkinData* skinData, TComponent* control, std::unique_ptr<IPaintedWindow> window,
              bool parentBK) override;
    void Unsubclass() override;
    bool BeforeProc(TPainterMessage& message) override;
    void AfterProc(TPainterMessage& message) override;
    void DrawControl(Surface& canvas, const Rect& rect) override;
    void SkinChange() override;
    void SkinActiveChanged() override;
    // Both bars placed over the control's scroll bars as they are now.
    void SetScrollbarPos();

    bool FBorder = true;
    std::unique_ptr<TWScrollbar> FHorzBar, FVertBar;

protected:
    HWND Handle() const { return PaintedHandle(*this); }
    // The skinned border, as far as the control's own border reaches.
    void BENCPAINT(HDC dc);

private:
    TWinControl* control_ = nullptr;
};

// TSkinListView: a list view's scroll bars; the form's walk gives its column header the
// header painter beside it.
class TSkinListView : public TSkinScrollbar {
public:
    using TSkinScrollbar::TSkinScrollbar;
    std::string ClassName() const override { return "TSkinListView"; }
};

}  // namespace skin

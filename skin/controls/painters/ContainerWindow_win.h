#pragma once
// The container painters' window facts on Windows: the window itself (style bits, text,
// font, header messages) and, when there is one, its framework control (font and colour,
// windowless children, the status bar's panels). The status-bar and header parts are
// defined beside their painters.
#include <windows.h>

#include "skin/controls/painters/ContainerWindow.h"

class TWinControl;

namespace skin {

class TWinContainerWindow : public IContainerWindow {
public:
    TWinContainerWindow(HWND window, TWinControl* control);
    ~TWinContainerWindow() override;

    std::uint32_t Style() const override;
    std::uint32_t ExStyle() const override;
    bool RightToLeft() const override;
    std::u16string WindowText() const override;
    Point ClientSize() const override;
    void SetFont(TTextFont font) override;
    Color FontColor() const override;
    TextExtent Measure(Surface& surface, std::u16string_view text, std::uint32_t flags) override;
    void DrawText(Surface& surface, const Rect& rect, std::u16string_view text, std::uint32_t flags,
                  Color colour) override;
    void PaintChildren(Surface& surface) override;

    bool StatusBar(TStatusBarInfo& info) const override;
    bool PanelRect(int index, Rect& rect) const override;
    void DrawPanel(int index, Surface& surface, const Rect& rect) override;

    int ItemCount() const override;
    bool ItemRect(int index, Rect& rect) const override;
    THeaderItemInfo Item(int index) const override;
    int ImageWidth() const override;
    void DrawImage(Surface& surface, int index, Point at) override;
    void TrackMouseLeave() override;
    void Repaint() override;

private:
    HFONT CurrentFont();
    // The client area's origin in window coordinates.
    POINT ClientOffset() const;

    HWND window_;
    TWinControl* control_;
    TTextFont font_ = TTextFont::Window;
    HFONT plainFont_ = nullptr;  // made from the control's font; freed with these facts
};

}  // namespace skin

#pragma once
// TSkinDateTime: the frame of a date-time picker and a skinned drop-down button laid over
// the picker's own. The button (TArrowButton) is a small window of its own: a press on it
// is handed to the picker as a click on the picker's button, so the calendar drops as
// usual.
#include <windows.h>

#include <memory>

#include "skin/controls/SkinControl.h"

namespace skin {

class TSkinDateTime;

class TArrowButton {
public:
    TArrowButton();
    ~TArrowButton();
    TArrowButton(const TArrowButton&) = delete;
    TArrowButton& operator=(const TArrowButton&) = delete;

    // Puts the button into the picker's window, over the picker's own button.
    void Attach(TSkinDateTime* painter, HWND picker);
    // Follows the picker's size and side.
    void Place();
    void Show(bool show);
    HWND Handle() const { return window_; }
    bool Hot() const { return FHot; }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc);
    void SetHot(bool hot);

    HWND window_ = nullptr;
    int FButtonSize = 0;
    TSkinDateTime* FPainter = nullptr;
    HWND FPickerHandle = nullptr;
    bool FHot = false;
};

class TSkinDateTime : public TSkinControl {
public:
    explicit TSkinDateTime(TComponent* owner = nullptr);
    ~TSkinDateTime() override;
    std::string ClassName() const override { return "TSkinDateTime"; }

    bool Init(TPainterList* form, TSkinData* skinData, TComponent* control, std::unique_ptr<IPaintedWindow> window,
              bool parentBK) override;
    void Unsubclass() override;
    void AfterProc(TPainterMessage& message) override;
    void DrawControl(Surface& canvas, const Rect& rect) override;
    void SkinActiveChanged() override;

    std::unique_ptr<TArrowButton> FArrowButton;
};

}  // namespace skin

#pragma once
// TWMediaPlayer: the skinned button strip, a small window of our own laid exactly over a
// media player (its sibling, just above it). It shows the strip composed on the raster and
// hands the mouse to the player as the player's own messages at the place of the button
// hit, so that the player's hit logic decides what a click is.
//
// The strip holds the mouse from a press to its release, so the player is given the
// release of every press it was given, wherever the mouse went (at the place of the
// button released on, or where the mouse is when it is on none); a press that loses the
// mouse (a message box, another window's capture) is ended with WM_CANCELMODE instead.
#include <windows.h>

#include <memory>

#include "skin/controls/painters/MediaStrip.h"

class TWinControl;

namespace skin {

class TSkinControl;

class TWMediaPlayer {
public:
    // Loads the glyphs from the program's resources; missing ones stay empty.
    TWMediaPlayer();
    ~TWMediaPlayer();
    TWMediaPlayer(const TWMediaPlayer&) = delete;
    TWMediaPlayer& operator=(const TWMediaPlayer&) = delete;

    // Makes the window beside the player (which must have its window) and over it, hidden.
    void Attach(TSkinControl* painter, TWinControl* player);
    // Takes the player's place, size and turn in the z-order, and repaints.
    void SetPosition();
    void SetVisible(bool visible);
    void SetEnabled(bool enabled);
    void Repaint();

    HWND Handle() const { return window_; }
    // What the strip shows now: the player's sets as they are and the mouse's press.
    TMPStripState State() const;
    const TMPGlyphs& Glyphs() const { return FGlyphs; }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    void LoadBitmaps();
    void Paint(HDC dc);
    int ButtonAt(POINT p) const;
    void ButtonDown(WPARAM keys, POINT p);
    void ButtonUp(WPARAM keys, POINT p);
    void CaptureLost();
    // Where the player hears of the mouse: the middle of the button, or p itself on none.
    LPARAM PlaceOf(int button, POINT p) const;
    void Deliver(UINT msg, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    TSkinControl* FPainter = nullptr;
    TWinControl* FPlayer = nullptr;
    TMPGlyphs FGlyphs;
    bool FMouseDown = false;
    int FPressedButton = kMPNoButton;
    int FHitButton = kMPNoButton;
};

}  // namespace skin

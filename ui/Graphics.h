#pragma once
// Colours and fonts of the framework's controls.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

// 0x00BBGGRR, or a system colour as 0x80000000 + the COLOR_* index, or clNone.
using TColor = int32_t;
constexpr TColor clSystemColor = static_cast<TColor>(0x80000000u);
constexpr TColor clBtnFace = clSystemColor | COLOR_BTNFACE;
constexpr TColor clWindow = clSystemColor | COLOR_WINDOW;
constexpr TColor clWindowText = clSystemColor | COLOR_WINDOWTEXT;
constexpr TColor clBtnText = clSystemColor | COLOR_BTNTEXT;
constexpr TColor clInfoBk = clSystemColor | COLOR_INFOBK;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

// The RGB value of a colour, with system colours resolved now.
COLORREF ColorToRGB(TColor color);

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// A logical font. Size is in points, Height in pixels (negative: character height);
// setting one sets the other at the screen's 96 pixels per inch.
class TFont {
public:
    TFont() = default;
    TFont(const TFont& other);
    TFont& operator=(const TFont& other);
    ~TFont();

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    int Size() const;
    void SetSize(int points);
    int Height() const { return height_; }
    void SetHeight(int pixels);
    unsigned Style() const { return style_; }
    void SetStyle(unsigned style);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    int Charset() const { return charset_; }
    void SetCharset(int charset);

    // The GDI font, made on first use and kept until a property changes.
    HFONT Handle() const;
    bool operator==(const TFont& o) const;

    // Called after every change (the owning control repaints and tells its window).
    std::function<void()> OnChange;

private:
    void Changed();
    void FreeHandle() const;

    std::string name_ = "MS Sans Serif";
    int height_ = -11;
    unsigned style_ = 0;
    TColor color_ = clWindowText;
    int charset_ = DEFAULT_CHARSET;
    mutable HFONT handle_ = nullptr;
};

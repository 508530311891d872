#include "ui/Graphics.h"

#include "core/Utf16.h"

COLORREF ColorToRGB(TColor color) {
    if (color & clSystemColor) return GetSysColor(color & 0xFF);
    return static_cast<COLORREF>(color) & 0xFFFFFF;
}

TFont::TFont(const TFont& o)
    : name_(o.name_), height_(o.height_), style_(o.style_), color_(o.color_), charset_(o.charset_) {}

TFont& TFont::operator=(const TFont& o) {
    if (this != &o && !(*this == o)) {
        name_ = o.name_;
        height_ = o.height_;
        style_ = o.style_;
        color_ = o.color_;
        charset_ = o.charset_;
        Changed();
    }
    return *this;
}

TFont::~TFont() { FreeHandle(); }

bool TFont::operator==(const TFont& o) const {
    return name_ == o.name_ && height_ == o.height_ && style_ == o.style_ && color_ == o.color_ &&
           charset_ == o.charset_;
}

void TFont::SetName(const std::string& name) {
    if (name == name_) return;
    name_ = name;
    Changed();
}

int TFont::Size() const { return -MulDiv(height_, 72, 96); }

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, 96, 72)); }

void TFont::SetHeight(int pixels) {
    if (pixels == height_) return;
    height_ = pixels;
    Changed();
}

void TFont::SetStyle(unsigned style) {
    if (style == style_) return;
    style_ = style;
    Changed();
}

void TFont::SetColor(TColor color) {
    if (color == color_) return;
    color_ = color;
    Changed();
}

void TFont::SetCharset(int charset) {
    if (charset == charset_) return;
    charset_ = charset;
    Changed();
}

void TFont::Changed() {
    FreeHandle();
    if (OnChange) OnChange();
}

void TFont::FreeHandle() const {
    if (handle_) DeleteObject(handle_);
    handle_ = nullptr;
}

HFONT TFont::Handle() const {
    if (!handle_) {
        LOGFONTW lf{};
        lf.lfHeight = height_;
        lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = (style_ & fsItalic) ? 1 : 0;
        lf.lfUnderline = (style_ & fsUnderline) ? 1 : 0;
        lf.lfStrikeOut = (style_ & fsStrikeOut) ? 1 : 0;
        lf.lfCharSet = static_cast<BYTE>(charset_);
        lf.lfQuality = DEFAULT_QUALITY;
        std::wstring face = Utf8ToWide(name_);
        lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
        handle_ = CreateFontIndirectW(&lf);
    }
    return handle_;
}

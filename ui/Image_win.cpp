#include "ui/Image.h"

#include <algorithm>

#include "core/PublishedProperty.h"
#include "core/Utf16.h"
#include "ui/WindowClasses.h"

TImage::TImage(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 105, 105); }

TImage::~TImage() { ClearPicture(); }

void TImage::ClearPicture() {
    if (icon_) DestroyIcon(icon_);
    if (bitmap_) DeleteObject(bitmap_);
    icon_ = nullptr;
    bitmap_ = nullptr;
    resourceName_.clear();
    Invalidate();
}

void TImage::LoadPicture(const std::string& name) {
    std::wstring wide = Utf8ToWide(name);
    HINSTANCE inst = TWindowClasses::Instance();
    if (auto* icon = static_cast<HICON>(LoadImageW(inst, wide.c_str(), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE))) {
        ClearPicture();
        icon_ = icon;
        resourceName_ = name;
        Invalidate();
        return;
    }
    if (auto* bmp = static_cast<HBITMAP>(LoadImageW(inst, wide.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))) {
        ClearPicture();
        bitmap_ = bmp;
        Invalidate();
        return;
    }
    throw Exception("В программе нет рисунка " + name);
}

void TImage::SetIcon(HICON icon) {
    ClearPicture();
    if (icon) icon_ = CopyIcon(icon);
    Invalidate();
}

void TImage::SetBitmap(HBITMAP bitmap) {
    ClearPicture();
    if (bitmap) bitmap_ = static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    Invalidate();
}

SIZE TImage::PictureSize() const {
    if (bitmap_) {
        BITMAP bm{};
        GetObjectW(bitmap_, sizeof(bm), &bm);
        return {bm.bmWidth, bm.bmHeight};
    }
    if (icon_) {
        ICONINFO info{};
        if (!GetIconInfo(icon_, &info)) return {0, 0};
        BITMAP bm{};
        GetObjectW(info.hbmMask, sizeof(bm), &bm);
        SIZE s{bm.bmWidth, info.hbmColor ? bm.bmHeight : bm.bmHeight / 2};
        if (info.hbmColor) DeleteObject(info.hbmColor);
        if (info.hbmMask) DeleteObject(info.hbmMask);
        return s;
    }
    return {0, 0};
}

void TImage::SetStretch(bool v) {
    stretch_ = v;
    Invalidate();
}

void TImage::SetCenter(bool v) {
    center_ = v;
    Invalidate();
}

void TImage::SetTransparent(bool v) {
    transparent_ = v;
    Invalidate();
}

RECT TImage::DestRect() const {
    SIZE s = PictureSize();
    if (stretch_) return {0, 0, Width(), Height()};
    if (center_) {
        int x = (Width() - s.cx) / 2, y = (Height() - s.cy) / 2;
        return {x, y, x + s.cx, y + s.cy};
    }
    return {0, 0, s.cx, s.cy};
}

void TImage::Paint(HDC dc) {
    RECT d = DestRect();
    int w = d.right - d.left, h = d.bottom - d.top;
    if (w <= 0 || h <= 0) return;
    if (icon_) {
        // An icon of the program is taken again at the size drawn, so that the icon's
        // own image of the nearest size is scaled, not the default one.
        SIZE s = PictureSize();
        if (!resourceName_.empty() && (s.cx != w || s.cy != h)) {
            auto* sized = static_cast<HICON>(
                LoadImageW(TWindowClasses::Instance(), Utf8ToWide(resourceName_).c_str(), IMAGE_ICON, w, h, 0));
            if (sized) {
                DestroyIcon(icon_);
                icon_ = sized;
            }
        }
        DrawIconEx(dc, d.left, d.top, icon_, w, h, 0, nullptr, DI_NORMAL);
        return;
    }
    if (!bitmap_) return;
    SIZE s = PictureSize();
    HDC mem = CreateCompatibleDC(dc);
    HGDIOBJ oldBmp = SelectObject(mem, bitmap_);
    int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
    if (!transparent_) {
        StretchBlt(dc, d.left, d.top, w, h, mem, 0, 0, s.cx, s.cy, SRCCOPY);
    } else {
        // A mask of the bottom-left colour: where it is set the background stays.
        HDC maskDc = CreateCompatibleDC(dc);
        HBITMAP mask = CreateBitmap(s.cx, s.cy, 1, 1, nullptr);
        HGDIOBJ oldMask = SelectObject(maskDc, mask);
        SetBkColor(mem, GetPixel(mem, 0, s.cy - 1));
        BitBlt(maskDc, 0, 0, s.cx, s.cy, mem, 0, 0, SRCCOPY);
        COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
        COLORREF oldBk = SetBkColor(dc, RGB(255, 255, 255));
        StretchBlt(dc, d.left, d.top, w, h, mem, 0, 0, s.cx, s.cy, SRCINVERT);
        StretchBlt(dc, d.left, d.top, w, h, maskDc, 0, 0, s.cx, s.cy, SRCAND);
        StretchBlt(dc, d.left, d.top, w, h, mem, 0, 0, s.cx, s.cy, SRCINVERT);
        SetTextColor(dc, oldText);
        SetBkColor(dc, oldBk);
        SelectObject(maskDc, oldMask);
        DeleteObject(mask);
        DeleteDC(maskDc);
    }
    SetStretchBltMode(dc, oldMode);
    SelectObject(mem, oldBmp);
    DeleteDC(mem);
}

void TImage::DefineProperties(std::vector<TPublishedProperty>& props) const {
    TGraphicControl::DefineProperties(props);
    props.push_back(Property("Stretch", &TImage::Stretch, &TImage::SetStretch));
    props.push_back(Property("Transparent", &TImage::Transparent, &TImage::SetTransparent));
}

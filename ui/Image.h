#pragma once
// TImage: a picture without a window, painted by its parent: an icon or a bitmap, drawn
// at its own size in the top-left corner, centred, or stretched to the control. A
// transparent bitmap leaves the pixels of its bottom-left colour unpainted.
#include "ui/GraphicControl.h"

class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* owner);
    ~TImage() override;
    std::string ClassName() const override { return "TImage"; }

    // The icon or bitmap resource of the program of that name (an icon is looked for
    // first: "MAINICON" is the program's icon). A missing resource throws Exception.
    void LoadPicture(const std::string& resourceName);
    // Takes a copy of the icon / bitmap (the caller keeps its own).
    void SetIcon(HICON icon);
    void SetBitmap(HBITMAP bitmap);
    void ClearPicture();
    bool HasPicture() const { return icon_ || bitmap_; }
    bool HasIcon() const { return icon_ != nullptr; }
    // The picture's own size (0 × 0 when empty).
    SIZE PictureSize() const;

    bool Stretch() const { return stretch_; }
    void SetStretch(bool v);
    bool Center() const { return center_; }
    void SetCenter(bool v);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);

protected:
    void Paint(HDC dc) override;
    void DefineProperties(std::vector<TPublishedProperty>& props) const override;

private:
    RECT DestRect() const;

    HICON icon_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    std::string resourceName_;  // icons are loaded again at the size drawn
    bool stretch_ = false;
    bool center_ = false;
    bool transparent_ = false;
};

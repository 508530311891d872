#pragma once
// THeaderControl: the system header control under the class name "THeaderControl": a row
// of sections, each with its text, width, alignment and image.
#include <string>
#include <vector>

#include "ui/WinControl.h"

// after windows.h, which it needs
#include <commctrl.h>

struct THeaderSection {
    std::string Text;
    int Width = 50;
    TAlignment Alignment = TAlignment::taLeftJustify;
    int ImageIndex = -1;
};

class THeaderControl : public TWinControl {
public:
    explicit THeaderControl(TComponent* owner);
    std::string ClassName() const override { return "THeaderControl"; }
    const std::vector<THeaderSection>& Sections() const { return sections_; }
    void SetSections(std::vector<THeaderSection> sections);
    // The image list the sections' images come from (owned by the caller), or null.
    void SetImages(HIMAGELIST images);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;

private:
    void UpdateSections();

    std::vector<THeaderSection> sections_;
    HIMAGELIST images_ = nullptr;
};

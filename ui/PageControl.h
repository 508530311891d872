#pragma once
// TPageControl: tabs over pages. Each page (TTabSheet) is a panel of controls that shows in
// the display area while its tab is the current one; a page's caption is its tab's text.
// Freeing a page takes its tab away.
#include <vector>

#include "ui/TabControl.h"

class TTabSheet;
enum class TTabStyle { tsTabs, tsButtons, tsFlatButtons };

class TPageControl : public TCustomTabControl {
public:
    explicit TPageControl(TComponent* owner) : TCustomTabControl(owner) {}
    ~TPageControl() override;
    std::string ClassName() const override { return "TPageControl"; }

    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet* Pages(int index) const { return pages_.at(static_cast<size_t>(index)); }
    TTabSheet* ActivePage() const;
    void SetActivePage(TTabSheet* page);
    TTabStyle Style() const { return style_; }
    void SetStyle(TTabStyle s);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void BoundsChanged() override;
    void DefineProperties(std::vector<TPublishedProperty>& props) const override;
    void Change() override;

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void PageCaptionChanged();
    // The current page fills the display area; the others are hidden.
    void ShowActivePage();

    std::vector<TTabSheet*> pages_;
    TTabStyle style_ = TTabStyle::tsTabs;
};

class TTabSheet : public TWinControl {
public:
    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;
    std::string ClassName() const override { return "TTabSheet"; }

    TPageControl* PageControl() const { return pageControl_; }
    void SetPageControl(TPageControl* pageControl);
    int PageIndex() const;
    void SetText(const std::string& text) override;

private:
    friend class TPageControl;
    TPageControl* pageControl_ = nullptr;
};

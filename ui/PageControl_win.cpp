#include "ui/PageControl.h"

#include <commctrl.h>

#include <algorithm>

#include "core/PublishedProperty.h"

TPageControl::~TPageControl() {
    // The pages are freed with their owner; none may reach back here afterwards.
    for (TTabSheet* page : pages_) page->pageControl_ = nullptr;
}

void TPageControl::CreateParams(TCreateParams& p) {
    TCustomTabControl::CreateParams(p);
    static const DWORD styles[] = {0, TCS_BUTTONS, TCS_BUTTONS | TCS_FLATBUTTONS};
    p.Style |= styles[static_cast<int>(style_)];
}

void TPageControl::CreateWnd() {
    TCustomTabControl::CreateWnd();
    ShowActivePage();
}

void TPageControl::BoundsChanged() {
    TCustomTabControl::BoundsChanged();
    ShowActivePage();
}

TTabSheet* TPageControl::ActivePage() const {
    const int i = TabIndex();
    return i >= 0 && i < PageCount() ? pages_[static_cast<size_t>(i)] : nullptr;
}

void TPageControl::SetActivePage(TTabSheet* page) {
    auto it = std::find(pages_.begin(), pages_.end(), page);
    if (it == pages_.end()) return;
    SetTabIndex(static_cast<int>(it - pages_.begin()));
    ShowActivePage();
}

void TPageControl::SetStyle(TTabStyle s) {
    if (s == style_) return;
    style_ = s;
    if (HandleAllocated()) RecreateWnd();
}

void TPageControl::InsertPage(TTabSheet* page) {
    pages_.push_back(page);
    PageCaptionChanged();
}

void TPageControl::RemovePage(TTabSheet* page) {
    const int active = TabIndex();
    const auto it = std::find(pages_.begin(), pages_.end(), page);
    if (it == pages_.end()) return;
    const int index = static_cast<int>(it - pages_.begin());
    pages_.erase(it);
    PageCaptionChanged();
    // The page after the removed one (or the new last) becomes current.
    SetTabIndex(std::min(active >= index ? std::max(active, index) : active, PageCount() - 1));
    ShowActivePage();
}

void TPageControl::PageCaptionChanged() {
    std::vector<std::string> captions;
    for (TTabSheet* p : pages_) captions.push_back(p->Text());
    const int keep = TabIndex();
    SetTabs(captions);
    if (keep >= 0 && keep < PageCount()) SetTabIndex(keep);
}

void TPageControl::ShowActivePage() {
    if (!HandleAllocated()) return;
    const RECT d = DisplayRect();
    TTabSheet* active = ActivePage();
    for (TTabSheet* p : pages_) {
        if (p == active) p->SetBounds(d.left, d.top, d.right - d.left, d.bottom - d.top);
        p->SetVisible(p == active);
    }
}

void TPageControl::Change() {
    ShowActivePage();
    TCustomTabControl::Change();
}

void TPageControl::DefineProperties(std::vector<TPublishedProperty>& props) const {
    TCustomTabControl::DefineProperties(props);
    static const char* const styles[] = {"tsTabs", "tsButtons", "tsFlatButtons"};
    props.push_back(EnumNameProperty("Style", &TPageControl::Style, styles));
}

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) { SetVisible(false); }

TTabSheet::~TTabSheet() {
    if (pageControl_) pageControl_->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* pageControl) {
    if (pageControl == pageControl_) return;
    if (pageControl_) pageControl_->RemovePage(this);
    pageControl_ = pageControl;
    if (!pageControl_) return;
    SetParent(pageControl_);
    pageControl_->InsertPage(this);
    pageControl_->ShowActivePage();
}

int TTabSheet::PageIndex() const {
    if (!pageControl_) return -1;
    for (int i = 0; i < pageControl_->PageCount(); ++i)
        if (pageControl_->Pages(i) == this) return i;
    return -1;
}

void TTabSheet::SetText(const std::string& text) {
    TWinControl::SetText(text);
    if (pageControl_) pageControl_->PageCaptionChanged();
}

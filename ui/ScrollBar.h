#pragma once
// TScrollBar: the system scroll-bar control under the class name "TScrollBar". The
// position moves by the user's scrolling (lines, pages, the thumb) and by the program.
#include "ui/WinControl.h"

class TScrollBar : public TWinControl {
public:
    explicit TScrollBar(TComponent* owner);
    std::string ClassName() const override { return "TScrollBar"; }

    TScrollBarKind Kind() const { return kind_; }
    void SetKind(TScrollBarKind kind);
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    int PageSize() const { return page_; }
    // Sets range, page and position at once (the position is kept inside the range).
    void SetParams(int position, int minimum, int maximum, int page = 0);
    void SetPosition(int position) { SetParams(position, min_, max_, page_); }
    int SmallChange = 1;
    int LargeChange = 1;
    // After the user (or the program) moved the position.
    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    bool Dispatch(TMessage& m) override;
    void DefineProperties(std::vector<TPublishedProperty>& props) const override;
    void CNScroll(TMessage& m);

private:
    void Apply();
    TScrollBarKind kind_ = TScrollBarKind::sbHorizontal;
    int min_ = 0, max_ = 100, position_ = 0, page_ = 0;
};

#pragma once
// TCustomListView / TListView: the system list view under the framework class's name,
// shown as a report (a column header over rows) or as a plain list. Rows are kept here
// too, so they survive the window being made again. OnChange runs when the user selects
// another row.
#include <string>
#include <vector>

#include "ui/WinControl.h"

enum class TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };

struct TListColumn {
    std::string Caption;
    int Width = 50;
};

class TCustomListView : public TWinControl {
public:
    explicit TCustomListView(TComponent* owner);
    std::string ClassName() const override { return "TCustomListView"; }

    TViewStyle ViewStyle() const { return viewStyle_; }
    void SetViewStyle(TViewStyle s);
    const std::vector<TListColumn>& Columns() const { return columns_; }
    void SetColumns(std::vector<TListColumn> columns);
    // A row: its caption, then the texts of the other columns.
    const std::vector<std::vector<std::string>>& Items() const { return items_; }
    void AddItem(std::vector<std::string> texts);
    void Clear();
    int ItemIndex() const;
    void SetItemIndex(int index);
    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    bool Dispatch(TMessage& m) override;
    void DefineProperties(std::vector<TPublishedProperty>& props) const override;
    void CNNotify(TMessage& m);
    void CMRecreateWnd(TMessage& m);

private:
    void InsertColumns();
    void InsertItem(int index);

    TViewStyle viewStyle_ = TViewStyle::vsReport;
    std::vector<TListColumn> columns_;
    std::vector<std::vector<std::string>> items_;
    int itemIndex_ = -1;
};

class TListView : public TCustomListView {
public:
    explicit TListView(TComponent* owner) : TCustomListView(owner) {}
    std::string ClassName() const override { return "TListView"; }
};

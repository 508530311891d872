#pragma once
// The data source binds a dataset to the controls that show it. It tells its change
// handler of each change of data or of the current row (Field = nullptr) and of a
// change of one field's value (that field), and it tells its data links (grids, labels,
// navigators) what changed so that they follow the dataset.
#include <functional>
#include <vector>

#include "core/Component.h"
#include "data/DataSet.h"

class TDataSource;

// An observer of a data source. A data-aware control owns one (or derives one) and
// sets its data source; the link detaches itself when either side goes away.
//
// A grid redraws on ActiveChanged and DataSetChanged: it looks its columns up with
// DataSet()->FindField (fields created from a result live only while the dataset is
// open, so it does not keep them across ActiveChanged), draws rows
// 0 .. DisplayRowCount()-1 with TField::DisplayTextAt, marks DisplayRow(), and moves the
// dataset with SetRecNo(row + 1) when the user picks a row. A label shows
// FindField(name)->DisplayText() (empty when the dataset is closed or the value empty)
// and also redraws on RecordChanged.
class TDataLink {
public:
    TDataLink() = default;
    virtual ~TDataLink();
    TDataLink(const TDataLink&) = delete;
    TDataLink& operator=(const TDataLink&) = delete;

    TDataSource* DataSource() const { return dataSource_; }
    void SetDataSource(TDataSource* source);
    TDataSet* DataSet() const;
    // The data source has an open dataset.
    bool Active() const;

protected:
    friend class TDataSource;
    // The dataset was opened or closed (or the link moved to another source/dataset).
    virtual void ActiveChanged() {}
    // Rows or the current row changed: redraw everything.
    virtual void DataSetChanged() {}
    // One field of the current row changed (nullptr: the whole row).
    virtual void RecordChanged(TField* field) {}
    // The dataset's state (browse, edit, insert) changed.
    virtual void EditingChanged() {}

private:
    TDataSource* dataSource_ = nullptr;
};

using TDataChangeEvent = std::function<void(TComponent* sender, TField* field)>;
using TNotifyEvent = std::function<void(TComponent* sender)>;

class TDataSource : public TComponent {
public:
    explicit TDataSource(TComponent* owner = nullptr) : TComponent(owner) {}
    ~TDataSource() override;
    std::string ClassName() const override { return "TDataSource"; }

    TDataSet* DataSet() const { return dataSet_; }
    void SetDataSet(TDataSet* dataSet);
    TDataSetState State() const { return dataSet_ ? dataSet_->State() : TDataSetState::dsInactive; }

    TDataChangeEvent OnDataChange;
    TNotifyEvent OnStateChange;

    const std::vector<TDataLink*>& DataLinks() const { return links_; }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TDataSet;
    friend class TDataLink;
    void DataEvent(TDataEvent event, TField* field);
    void ActiveChangedToLinks();

    TDataSet* dataSet_ = nullptr;
    std::vector<TDataLink*> links_;
};

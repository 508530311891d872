#include "data/DataSource.h"

#include <algorithm>

// --- TDataLink -----------------------------------------------------------------------

TDataLink::~TDataLink() {
    if (dataSource_) std::erase(dataSource_->links_, this);
}

void TDataLink::SetDataSource(TDataSource* source) {
    if (source == dataSource_) return;
    if (dataSource_) std::erase(dataSource_->links_, this);
    dataSource_ = source;
    if (dataSource_) dataSource_->links_.push_back(this);
    ActiveChanged();
}

TDataSet* TDataLink::DataSet() const { return dataSource_ ? dataSource_->DataSet() : nullptr; }

bool TDataLink::Active() const {
    TDataSet* d = DataSet();
    return d && d->Active();
}

// --- TDataSource ---------------------------------------------------------------------

TDataSource::~TDataSource() {
    BeginDestroy();
    SetDataSet(nullptr);
    for (TDataLink* l : std::vector<TDataLink*>(links_)) l->dataSource_ = nullptr;
    for (TDataLink* l : std::vector<TDataLink*>(links_)) l->ActiveChanged();
    links_.clear();
}

void TDataSource::SetDataSet(TDataSet* dataSet) {
    if (dataSet == dataSet_) return;
    if (dataSet_) {
        std::erase(dataSet_->sources_, this);
        RemoveFreeNotification(dataSet_);
    }
    dataSet_ = dataSet;
    if (dataSet_) {
        dataSet_->sources_.push_back(this);
        FreeNotification(dataSet_);
    }
    if (!Destroying()) ActiveChangedToLinks();
}

void TDataSource::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == dataSet_) SetDataSet(nullptr);
}

void TDataSource::ActiveChangedToLinks() {
    for (TDataLink* l : std::vector<TDataLink*>(links_))
        if (std::find(links_.begin(), links_.end(), l) != links_.end()) l->ActiveChanged();
}

void TDataSource::DataEvent(TDataEvent event, TField* field) {
    // Links may detach themselves while being told, so each is checked before its call.
    auto each = [this](auto&& call) {
        for (TDataLink* l : std::vector<TDataLink*>(links_))
            if (std::find(links_.begin(), links_.end(), l) != links_.end()) call(l);
    };
    switch (event) {
    case TDataEvent::deActiveChange:
        each([](TDataLink* l) { l->ActiveChanged(); });
        if (OnStateChange) OnStateChange(this);
        break;
    case TDataEvent::deUpdateState:
        each([](TDataLink* l) { l->EditingChanged(); });
        if (OnStateChange) OnStateChange(this);
        break;
    case TDataEvent::deFieldChange:
        each([field](TDataLink* l) { l->RecordChanged(field); });
        if (OnDataChange) OnDataChange(this, field);
        break;
    case TDataEvent::deRecordChange:
        each([](TDataLink* l) { l->RecordChanged(nullptr); });
        if (OnDataChange) OnDataChange(this, nullptr);
        break;
    case TDataEvent::deDataSetChange:
        each([](TDataLink* l) { l->DataSetChanged(); });
        if (OnDataChange) OnDataChange(this, nullptr);
        break;
    }
}

#pragma once
// TDBText: a label that shows one field of the current row of its data source's
// dataset (its DisplayText); empty while the dataset is closed, has no rows, lacks the
// field or the value is empty. With AutoSize it sizes itself to the text, as a label.
//
// Placing one: a layout row of kind TLayoutKind::DBText, then
//     t->SetDataField("SUM OF protein");
//     t->SetDataSource(DataModule1->DSSum);
#include <memory>
#include <string>

#include "data/DataSource.h"
#include "ui/Label.h"

class TDBText : public TLabel {
public:
    explicit TDBText(TComponent* owner);
    ~TDBText() override;
    std::string ClassName() const override { return "TDBText"; }

    TDataSource* DataSource() const;
    void SetDataSource(TDataSource* source);
    const std::string& DataField() const { return dataField_; }
    void SetDataField(const std::string& name);
    // The field shown, or null.
    TField* Field() const;

private:
    class TTextDataLink;
    friend class TTextDataLink;
    void Refresh();

    std::unique_ptr<TTextDataLink> link_;
    std::string dataField_;
};

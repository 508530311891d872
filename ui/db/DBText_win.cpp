#include "ui/db/DBText.h"

class TDBText::TTextDataLink : public TDataLink {
public:
    explicit TTextDataLink(TDBText& text) : text_(text) {}

protected:
    void ActiveChanged() override { text_.Refresh(); }
    void DataSetChanged() override { text_.Refresh(); }
    void RecordChanged(TField*) override { text_.Refresh(); }

private:
    TDBText& text_;
};

TDBText::TDBText(TComponent* owner) : TLabel(owner), link_(std::make_unique<TTextDataLink>(*this)) { SetCaption(""); }

TDBText::~TDBText() { link_->SetDataSource(nullptr); }

TDataSource* TDBText::DataSource() const { return link_->DataSource(); }

void TDBText::SetDataSource(TDataSource* source) {
    link_->SetDataSource(source);
    Refresh();
}

void TDBText::SetDataField(const std::string& name) {
    dataField_ = name;
    Refresh();
}

TField* TDBText::Field() const {
    if (!link_->Active() || dataField_.empty()) return nullptr;
    return link_->DataSet()->FindField(dataField_);
}

// The text follows the field; the label's own handling sizes and repaints it.
void TDBText::Refresh() {
    if (Destroying()) return;
    TField* f = Field();
    SetCaption(f ? f->DisplayText() : std::string());
    if (AutoSize()) SetAutoSize(true);  // also when the text stayed the same but the bounds were set
}

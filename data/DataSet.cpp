#include "data/DataSet.h"

#include <algorithm>

#include "data/DataSource.h"
#include "data/Session.h"
#include "data/TextSupport.h"

namespace {

const engine::Value kNull{};

std::string ValueText(const Variant& v) {
    switch (v.Type()) {
    case VarType::String: return v.StringValue();
    case VarType::Integer: return std::to_string(v.IntValue());
    case VarType::Single:
    case VarType::Double: return data::FormatGeneral(v.FloatValue());
    case VarType::Currency: return data::FormatGeneral(static_cast<double>(v.IntValue()) / 10000.0);
    case VarType::Boolean: return v.BoolValue() ? "True" : "False";
    default: return "";
    }
}

TField* CreateFieldFor(const engine::FieldDef& def, TComponent* owner) {
    using engine::FieldType;
    TField* f = nullptr;
    switch (def.type) {
    case FieldType::Alpha: f = new TStringField(owner); break;
    case FieldType::Short: f = new TSmallintField(owner); break;
    case FieldType::Long: f = new TIntegerField(owner); break;
    case FieldType::AutoInc: f = new TAutoIncField(owner); break;
    case FieldType::Number: f = new TFloatField(owner); break;
    case FieldType::Bcd: f = new TBCDField(owner); break;
    case FieldType::Date: f = new TDateField(owner); break;
    case FieldType::Logical: f = new TBooleanField(owner); break;
    }
    return f;
}

}  // namespace

TDataSet::TDataSet(TComponent* owner) : TComponent(owner) { Session().Register(this); }

TDataSet::~TDataSet() {
    BeginDestroy();
    // Data sources forget us before we go.
    for (TDataSource* s : std::vector<TDataSource*>(sources_)) s->SetDataSet(nullptr);
    // TTable and TQuery close in their own destructors, while their sources still exist.
    state_ = TDataSetState::dsInactive;
    DestroyOwnFields();
    for (TField* f : std::vector<TField*>(declared_)) {
        f->dataSet_ = nullptr;
        f->fieldNo_ = -1;
    }
    declared_.clear();
    fields_.clear();
    Session().Unregister(this);
}

// --- opening and closing -------------------------------------------------------------

void TDataSet::Open() {
    if (Active()) return;
    defs_ = OpenSource();
    try {
        BindFields();
    } catch (...) {
        DestroyOwnFields();
        for (TField* f : declared_) f->fieldNo_ = -1;
        fields_ = declared_;
        defs_.clear();
        CloseSource();
        throw;
    }
    state_ = TDataSetState::dsBrowse;
    cursor_ = 0;
    bof_ = true;
    eof_ = SourceRowCount() == 0;
    DataEvent(TDataEvent::deActiveChange);
    DataEvent(TDataEvent::deDataSetChange);
    if (AfterOpen) AfterOpen(this);
}

void TDataSet::BindFields() {
    if (declared_.empty()) {
        for (size_t i = 0; i < defs_.size(); ++i) {
            TField* f = CreateFieldFor(defs_[i], this);
            own_.push_back(f);
            f->fieldName_ = defs_[i].name;
            if (defs_[i].type == engine::FieldType::Alpha || defs_[i].type == engine::FieldType::Bcd)
                f->size_ = defs_[i].size;
            f->dataSet_ = this;
            f->fieldNo_ = static_cast<int>(i);
        }
        fields_ = own_;
        return;
    }
    for (TField* f : declared_) {
        int index = -1;
        for (size_t i = 0; i < defs_.size(); ++i)
            if (data::SameText(defs_[i].name, f->FieldName())) {
                index = static_cast<int>(i);
                break;
            }
        if (index < 0) throw Exception("Field '" + f->DisplayName() + "' not found");
        const engine::FieldDef& def = defs_[index];
        if (!f->AcceptsColumn(def.type))
            throw Exception("Type mismatch for field '" + f->DisplayName() + "', expecting: " +
                            FieldTypeName(f->DataType()) + " actual: " + FieldTypeName(FieldTypeOf(def.type)));
        if (f->ChecksSize() && f->Size() != def.size)
            throw Exception("Size mismatch for field '" + f->DisplayName() +
                            "', expecting: " + std::to_string(f->Size()) + " actual: " + std::to_string(def.size));
        f->fieldNo_ = index;
    }
    fields_ = declared_;
}

void TDataSet::Close() {
    if (!Active()) return;
    if (BeforeClose) BeforeClose(this);
    buffer_.clear();
    state_ = TDataSetState::dsInactive;
    CloseSource();
    DestroyOwnFields();
    for (TField* f : declared_) f->fieldNo_ = -1;
    fields_ = declared_;
    defs_.clear();
    cursor_ = 0;
    eof_ = bof_ = true;
    DataEvent(TDataEvent::deActiveChange);
    if (AfterClose) AfterClose(this);
}

void TDataSet::DestroyOwnFields() {
    auto own = std::move(own_);
    own_.clear();
    for (TField* f : own) {
        f->dataSet_ = nullptr;  // no need to unregister one by one
        delete f;
    }
    fields_.clear();
}

// --- fields --------------------------------------------------------------------------

void TDataSet::AddDeclaredField(TField* field) {
    CheckInactive();
    declared_.push_back(field);
    fields_ = declared_;
}

void TDataSet::RemoveField(TField* field) {
    // Also while open: a declared field may be destroyed before its dataset.
    std::erase(declared_, field);
    std::erase(own_, field);
    std::erase(fields_, field);
    field->fieldNo_ = -1;
}

TField* TDataSet::FindField(std::string_view name) const {
    const std::string folded = data::FoldCase(name);
    for (TField* f : fields_)
        if (data::FoldCase(f->FieldName()) == folded) return f;
    return nullptr;
}

TField* TDataSet::FieldByName(std::string_view name) const {
    TField* f = FindField(name);
    if (!f) throw Exception("Field '" + std::string(name) + "' not found");
    return f;
}

// --- rows ----------------------------------------------------------------------------

bool TDataSet::IsEmpty() const { return !Active() || (SourceRowCount() == 0 && state_ != TDataSetState::dsInsert); }

int TDataSet::RecordCount() const { return Active() ? static_cast<int>(SourceRowCount()) : 0; }

int TDataSet::RecNo() const {
    if (!Active() || state_ == TDataSetState::dsInsert || cursor_ >= SourceRowCount()) return 0;
    return static_cast<int>(cursor_) + 1;
}

int TDataSet::DisplayRowCount() const { return RecordCount() + (state_ == TDataSetState::dsInsert ? 1 : 0); }

int TDataSet::DisplayRow() const {
    if (state_ == TDataSetState::dsInsert) return RecordCount();
    int n = RecNo();
    return n - 1;
}

const engine::Row* TDataSet::CurrentRow() const {
    if (!Active()) return nullptr;
    if (state_ == TDataSetState::dsEdit || state_ == TDataSetState::dsInsert) return &buffer_;
    return SourceRow(cursor_);
}

const engine::Value& TDataSet::CurrentValue(int fieldNo) const {
    const engine::Row* row = CurrentRow();
    if (!row || fieldNo < 0 || static_cast<size_t>(fieldNo) >= row->size()) return kNull;
    return (*row)[fieldNo];
}

const engine::Value& TDataSet::ValueAt(int displayRow, int fieldNo) const {
    if (!Active() || displayRow < 0 || fieldNo < 0) return kNull;
    const engine::Row* row = nullptr;
    if (displayRow == DisplayRow() && (state_ == TDataSetState::dsEdit || state_ == TDataSetState::dsInsert))
        row = &buffer_;
    else
        row = SourceRow(static_cast<size_t>(displayRow));
    if (!row || static_cast<size_t>(fieldNo) >= row->size()) return kNull;
    return (*row)[fieldNo];
}

// --- moving --------------------------------------------------------------------------

void TDataSet::Moved() {
    DataEvent(TDataEvent::deDataSetChange);
    if (AfterScroll) AfterScroll(this);
}

void TDataSet::First() {
    CheckActive();
    DiscardPending();
    cursor_ = 0;
    bof_ = true;
    eof_ = SourceRowCount() == 0;
    Moved();
}

void TDataSet::Last() {
    CheckActive();
    DiscardPending();
    size_t n = SourceRowCount();
    cursor_ = n ? n - 1 : 0;
    bof_ = n == 0;
    eof_ = true;
    Moved();
}

void TDataSet::Next() {
    CheckActive();
    DiscardPending();
    size_t n = SourceRowCount();
    if (cursor_ + 1 < n) {
        ++cursor_;
        bof_ = eof_ = false;
        Moved();
    } else {
        if (n && cursor_ >= n) cursor_ = n - 1;  // rows went away under us
        eof_ = true;
    }
}

void TDataSet::Prior() {
    CheckActive();
    DiscardPending();
    size_t n = SourceRowCount();
    if (n && cursor_ > 0) {
        cursor_ = std::min(cursor_, n) - 1;
        bof_ = eof_ = false;
        Moved();
    } else {
        bof_ = true;
        eof_ = n == 0;
    }
}

void TDataSet::SetRecNo(int recNo) {
    CheckActive();
    DiscardPending();
    size_t n = SourceRowCount();
    if (n == 0) return;
    size_t target = static_cast<size_t>(std::clamp(recNo, 1, static_cast<int>(n)) - 1);
    cursor_ = target;
    bof_ = eof_ = false;
    Moved();
}

bool TDataSet::Locate(std::string_view fieldName, const Variant& value, TLocateOptions options) {
    CheckActive();
    TField* field = FieldByName(fieldName);
    DiscardPending();
    std::string key = ValueText(value);
    const bool fold = options & loCaseInsensitive;
    if (fold) key = data::FoldCase(key);
    const size_t n = SourceRowCount();
    for (size_t i = 0; i < n; ++i) {
        const engine::Row* row = SourceRow(i);
        if (!row || field->FieldNo() >= static_cast<int>(row->size())) continue;
        const engine::Value& v = (*row)[field->FieldNo()];
        std::string text = engine::IsNull(v) ? std::string() : field->TextOf(v);
        if (fold) text = data::FoldCase(text);
        bool match = (options & loPartialKey) ? text.compare(0, key.size(), key) == 0 : text == key;
        if (match) {
            cursor_ = i;
            bof_ = eof_ = false;
            Moved();
            return true;
        }
    }
    return false;
}

// --- changing ------------------------------------------------------------------------

void TDataSet::CheckModifiable() const {
    CheckActive();
    if (!Writable()) throw Exception("Cannot modify a read-only dataset");
}

void TDataSet::CheckCanWrite() const {
    CheckModifiable();
    if (state_ != TDataSetState::dsEdit && state_ != TDataSetState::dsInsert)
        throw Exception("Dataset not in edit or insert mode");
}

void TDataSet::DiscardPending() {
    if (state_ != TDataSetState::dsEdit && state_ != TDataSetState::dsInsert) return;
    if (state_ == TDataSetState::dsInsert) cursor_ = cursorBeforeInsert_;
    buffer_.clear();
    state_ = TDataSetState::dsBrowse;
    size_t n = SourceRowCount();
    bof_ = eof_ = n == 0;
    DataEvent(TDataEvent::deUpdateState);
    DataEvent(TDataEvent::deDataSetChange);  // the pending row is no longer shown
}

void TDataSet::Insert() {
    CheckModifiable();
    DiscardPending();
    cursorBeforeInsert_ = cursor_;
    buffer_.assign(defs_.size(), engine::Value{});
    state_ = TDataSetState::dsInsert;
    bof_ = eof_ = false;
    DataEvent(TDataEvent::deUpdateState);
    DataEvent(TDataEvent::deDataSetChange);
}

void TDataSet::Edit() {
    CheckModifiable();
    if (state_ == TDataSetState::dsEdit || state_ == TDataSetState::dsInsert) return;
    const engine::Row* row = SourceRow(cursor_);
    if (!row) throw Exception("Cannot perform this operation on an empty dataset");
    buffer_ = *row;
    buffer_.resize(defs_.size());
    state_ = TDataSetState::dsEdit;
    DataEvent(TDataEvent::deUpdateState);
    DataEvent(TDataEvent::deRecordChange);
}

void TDataSet::Post() {
    CheckActive();
    if (state_ == TDataSetState::dsInsert) {
        // Throws with nothing stored; the pending row and the state stay as they were.
        cursor_ = StoreNew(buffer_);
    } else if (state_ == TDataSetState::dsEdit) {
        StoreChanged(cursor_, buffer_);
    } else {
        return;
    }
    buffer_.clear();
    state_ = TDataSetState::dsBrowse;
    bof_ = eof_ = false;
    DataEvent(TDataEvent::deUpdateState);
    DataEvent(TDataEvent::deDataSetChange);
    if (AfterPost) AfterPost(this);
}

void TDataSet::Cancel() {
    if (state_ != TDataSetState::dsEdit && state_ != TDataSetState::dsInsert) return;
    DiscardPending();
    if (AfterCancel) AfterCancel(this);
}

void TDataSet::Delete() {
    CheckModifiable();
    if (state_ == TDataSetState::dsInsert) {
        Cancel();  // the new row was never stored
        return;
    }
    DiscardPending();
    if (!SourceRow(cursor_)) throw Exception("Cannot perform this operation on an empty dataset");
    if (BeforeDelete) BeforeDelete(this);
    StoreRemove(cursor_);
    size_t n = SourceRowCount();
    if (n == 0) {
        cursor_ = 0;
        bof_ = eof_ = true;
    } else {
        if (cursor_ >= n) cursor_ = n - 1;
        bof_ = eof_ = false;
    }
    DataEvent(TDataEvent::deDataSetChange);
    if (AfterDelete) AfterDelete(this);
}

void TDataSet::SetFieldValue(TField* field, engine::Value value) {
    CheckCanWrite();
    int no = field->FieldNo();
    if (no < 0 || static_cast<size_t>(no) >= buffer_.size())
        throw Exception("Field '" + field->DisplayName() + "' not found");
    buffer_[no] = std::move(value);
    DataEvent(TDataEvent::deFieldChange, field);
}

std::size_t TDataSet::StoreNew(engine::Row) { throw Exception("Cannot modify a read-only dataset"); }
void TDataSet::StoreChanged(std::size_t, engine::Row) { throw Exception("Cannot modify a read-only dataset"); }
void TDataSet::StoreRemove(std::size_t) { throw Exception("Cannot modify a read-only dataset"); }

void TDataSet::CheckInactive() const {
    if (Active()) throw Exception("Cannot perform this operation on an open dataset");
}

void TDataSet::CheckActive() const {
    if (!Active()) throw Exception("Cannot perform this operation on a closed dataset");
}

void TDataSet::DataEvent(TDataEvent event, TField* field) {
    for (TDataSource* s : std::vector<TDataSource*>(sources_))
        if (std::find(sources_.begin(), sources_.end(), s) != sources_.end()) s->DataEvent(event, field);
}

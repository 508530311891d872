#pragma once
// The dataset: rows of a table or of a query's result with a current row, the fields
// that read and write it, and the insert/edit/post cycle.
//
// Nothing reaches the stored data before Post: Insert and Edit work on a private copy
// of the row, a Post that fails (a refused value, an engine error) stores nothing and
// leaves the dataset in its insert or edit state with the values, and moving the
// current row, Close, or a new Insert/Edit while a row is pending discards that row.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Component.h"
#include "data/Field.h"
#include "engine/Value.h"

class TDataSource;

enum class TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert };

// What changed, as data sources and their links are told.
enum class TDataEvent {
    deFieldChange,    // one field of the current row was set
    deRecordChange,   // the current row's values changed as a whole (edit began, cancelled)
    deDataSetChange,  // rows or the current row changed: redraw everything
    deUpdateState,    // the state changed (browse, edit, insert)
    deActiveChange,   // the dataset was opened or closed
};

enum TLocateOption : unsigned { loCaseInsensitive = 1, loPartialKey = 2 };
using TLocateOptions = unsigned;

using TDataSetNotifyEvent = std::function<void(TDataSet* dataSet)>;

class TDataSet : public TComponent {
public:
    ~TDataSet() override;
    std::string ClassName() const override { return "TDataSet"; }

    // --- opening and closing. Open on an open dataset and Close on a closed one do
    // nothing; Close discards a pending row.
    void Open();
    void Close();
    bool Active() const { return state_ != TDataSetState::dsInactive; }
    void SetActive(bool active) { active ? Open() : Close(); }
    TDataSetState State() const { return state_; }

    // --- moving. On an empty dataset Eof (and Bof) are true; Next from the last row
    // sets Eof and leaves the last row current; First sets Bof, Last sets Eof.
    void First();
    void Last();
    void Next();
    void Prior();
    bool Eof() const { return eof_; }
    bool Bof() const { return bof_; }
    bool IsEmpty() const;
    // Stored rows of the open dataset (0 when closed).
    int RecordCount() const;
    // The current stored row counted from 1; 0 when there is none or a new row is pending.
    int RecNo() const;
    // Makes row `recNo` (from 1, clamped to the rows) current.
    void SetRecNo(int recNo);

    // --- rows as a grid shows them: the stored rows, plus a pending new row after them
    // (where Post will store it) while inserting. Fields read any of them with
    // TField::DisplayTextAt / ValueAt without moving the dataset.
    int DisplayRowCount() const;
    int DisplayRow() const;  // the current row among them; -1 when there is none

    // --- fields. With declared fields only those are exposed; otherwise the open
    // dataset has one field per result column (destroyed again by Close).
    const std::vector<TField*>& Fields() const { return fields_; }
    int FieldCount() const { return static_cast<int>(fields_.size()); }
    // Ignoring Latin and Cyrillic letter case; nullptr / "Field '%s' not found".
    TField* FindField(std::string_view name) const;
    TField* FieldByName(std::string_view name) const;

    // --- changing rows (tables only; a query refuses with "Cannot modify a read-only dataset").
    bool CanModify() const { return Active() && Writable(); }
    void Insert();  // a new empty current row, not stored until Post
    void Append() { Insert(); }
    void Edit();
    void Post();  // stores the pending row; it stays current (with the values the engine gave)
    void Cancel();
    void Delete();  // removes the current row; the next (or the new last) row becomes current

    // Makes current the first row whose field `fieldName` equals `value` (its text with
    // loPartialKey: begins with it; loCaseInsensitive folds Latin and Cyrillic letters).
    // Returns false and stays when no row matches.
    bool Locate(std::string_view fieldName, const Variant& value, TLocateOptions options);

    TDataSetNotifyEvent AfterOpen, BeforeClose, AfterClose, AfterPost, AfterCancel, BeforeDelete, AfterDelete,
        AfterScroll;

    // --- for fields, data sources and the session.
    const engine::Value& CurrentValue(int fieldNo) const;
    const engine::Value& ValueAt(int displayRow, int fieldNo) const;
    void SetFieldValue(TField* field, engine::Value value);
    void CheckCanWrite() const;  // throws unless a row is pending on an open, writable dataset
    const std::vector<engine::FieldDef>& ColumnDefs() const { return defs_; }

protected:
    explicit TDataSet(TComponent* owner);

    // Opens the source (runs the query, opens the table) and gives its columns.
    virtual std::vector<engine::FieldDef> OpenSource() = 0;
    virtual void CloseSource() = 0;
    virtual std::size_t SourceRowCount() const = 0;
    virtual const engine::Row* SourceRow(std::size_t index) const = 0;  // nullptr if out of range
    virtual bool Writable() const { return false; }
    virtual std::size_t StoreNew(engine::Row row);  // returns the new row's index
    virtual void StoreChanged(std::size_t index, engine::Row row);
    virtual void StoreRemove(std::size_t index);

    void CheckInactive() const;  // "Cannot perform this operation on an open dataset"
    void CheckActive() const;    // "Cannot perform this operation on a closed dataset"
    void DataEvent(TDataEvent event, TField* field = nullptr);

private:
    friend class TField;
    friend class TDataSource;
    void AddDeclaredField(TField* field);
    void RemoveField(TField* field);
    void BindFields();
    void DestroyOwnFields();
    void DiscardPending();
    void CheckModifiable() const;
    void Moved();
    const engine::Row* CurrentRow() const;

    TDataSetState state_ = TDataSetState::dsInactive;
    std::vector<engine::FieldDef> defs_;
    std::vector<TField*> declared_;
    std::vector<TField*> own_;
    std::vector<TField*> fields_;
    std::vector<TDataSource*> sources_;
    std::size_t cursor_ = 0;
    std::size_t cursorBeforeInsert_ = 0;
    bool eof_ = true;
    bool bof_ = true;
    engine::Row buffer_;  // the pending row in dsEdit / dsInsert
};

// Closes a dataset when the scope ends, also when a step in between throws, so that a
// failed piece of work on the general table does not leave it open (and its pending
// row waiting) for the next user.
class TCloseOnLeave {
public:
    explicit TCloseOnLeave(TDataSet& dataSet) : dataSet_(dataSet) {}
    ~TCloseOnLeave() {
        try {
            dataSet_.Close();
        } catch (...) {
        }
    }
    TCloseOnLeave(const TCloseOnLeave&) = delete;
    TCloseOnLeave& operator=(const TCloseOnLeave&) = delete;

private:
    TDataSet& dataSet_;
};

// The dataset's cursor, its insert/edit/post cycle and its declared fields, over the
// in-memory engine (so every failure of the engine can be provoked).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "FakeEngine.h"
#include "data/DBTables.h"
#include "data/DataSource.h"
#include "ExpectMessage.h"

using engine::FieldType;
using testing::HasSubstr;

namespace {

engine::Row FoodRow(int id, const std::string& name, const std::string& protein, int group) {
    return {id, name, fake::Dec(protein), fake::Dec("1"), fake::Dec("2"), fake::Dec("100"), group};
}

class DataSetTest : public testing::Test {
protected:
    void SetUp() override {
        food = &env.backend->Add("Food.DB", {{"Id_food", FieldType::AutoInc, 0},
                                             {"Nazv_food", FieldType::Alpha, 100},
                                             {"Protein", FieldType::Bcd, 3},
                                             {"Fat", FieldType::Bcd, 3},
                                             {"Carbohyd", FieldType::Bcd, 3},
                                             {"Kkal", FieldType::Bcd, 3},
                                             {"Id_group", FieldType::Short, 0}});
        empty = &env.backend->Add("Empty.DB", {{"Name", FieldType::Alpha, 10}});
    }
    void AddFood(const std::string& name, const std::string& protein, int group) {
        engine::Row r = FoodRow(0, name, protein, group);
        r[0] = engine::Value{};
        food->Append(r);
    }
    fake::Installed env;
    fake::Table* food = nullptr;
    fake::Table* empty = nullptr;
};

TEST_F(DataSetTest, EmptyDatasetIsAtEofAfterOpenAndFirst) {
    TTable t;
    t.SetTableName("Empty.DB");
    t.Open();
    EXPECT_TRUE(t.Active());
    EXPECT_TRUE(t.Eof());
    EXPECT_TRUE(t.Bof());
    t.First();
    EXPECT_TRUE(t.Eof());
    t.Next();
    EXPECT_TRUE(t.Eof());
    EXPECT_EQ(t.RecordCount(), 0);
    EXPECT_EQ(t.RecNo(), 0);
    EXPECT_TRUE(t.IsEmpty());
    EXPECT_EQ(t.FieldByName("name")->AsString(), "");
    EXPECT_EQ(t.FieldByName("name")->AsInteger(), 0);
}

TEST_F(DataSetTest, NextFromLastRowSetsEofAndKeepsTheLastRow) {
    AddFood("Яблоко", "0.4", 1);
    AddFood("Груша", "0.5", 1);
    AddFood("Слива", "0.8", 2);
    TTable t;
    t.SetTableName("food.db");  // names are found whatever their case
    t.Open();
    EXPECT_FALSE(t.Eof());
    std::vector<std::string> seen;
    for (t.First(); !t.Eof(); t.Next()) seen.push_back(t.FieldByName("NAZV_FOOD")->AsString());
    EXPECT_THAT(seen, testing::ElementsAre("Яблоко", "Груша", "Слива"));
    EXPECT_EQ(t.RecNo(), 3);
    EXPECT_EQ(t.FieldByName("nazv_food")->AsString(), "Слива");
    t.Prior();
    EXPECT_EQ(t.RecNo(), 2);
    EXPECT_FALSE(t.Eof());
    t.Last();
    EXPECT_TRUE(t.Eof());
    EXPECT_EQ(t.RecNo(), 3);
    t.First();
    EXPECT_TRUE(t.Bof());
    EXPECT_EQ(t.RecNo(), 1);
    t.SetRecNo(2);
    EXPECT_EQ(t.FieldByName("nazv_food")->AsString(), "Груша");
    EXPECT_EQ(t.RecordCount(), 3);
}

TEST_F(DataSetTest, OpenAndCloseAreIdempotentAndClosedOperationsFailCleanly) {
    AddFood("Яблоко", "0.4", 1);
    TTable t;
    t.SetTableName("Food.DB");
    t.Close();
    EXPECT_MESSAGE(t.First(), "Cannot perform this operation on a closed dataset");
    EXPECT_MESSAGE(t.Next(), "Cannot perform this operation on a closed dataset");
    EXPECT_MESSAGE(t.Insert(), "Cannot perform this operation on a closed dataset");
    EXPECT_MESSAGE(t.Delete(), "Cannot perform this operation on a closed dataset");
    EXPECT_MESSAGE(t.Locate("nazv_food", "Я", loPartialKey), "Cannot perform this operation on a closed dataset");
    EXPECT_MESSAGE(t.FieldByName("nazv_food"), "Field 'nazv_food' not found");  // no fields while closed
    t.Open();
    t.Next();
    t.Open();  // no effect: the cursor stays where it was
    EXPECT_TRUE(t.Eof());
    t.Close();
    t.Close();
    EXPECT_FALSE(t.Active());
    EXPECT_EQ(t.State(), TDataSetState::dsInactive);
}

TEST_F(DataSetTest, TableNameChangesOnlyWhileClosed) {
    TTable t;
    t.SetTableName("Food.DB");
    t.Open();
    EXPECT_MESSAGE(t.SetTableName("Diet.DB"), "Cannot perform this operation on an open dataset");
    t.SetTableName("Food.DB");  // the same name is no change
    EXPECT_EQ(t.TableName(), "Food.DB");
    t.Close();
    t.SetTableName("Empty.DB");
    t.Open();
    EXPECT_EQ(t.FieldCount(), 1);
    TTable unnamed;
    EXPECT_MESSAGE(unnamed.Open(), "Missing TableName property");
    TTable missing;
    missing.SetTableName("Nope.DB");
    EXPECT_THROW(missing.Open(), engine::EngineError);
    EXPECT_FALSE(missing.Active());
}

TEST_F(DataSetTest, InsertStoresNothingUntilPostAndPostGivesTheIdentifier) {
    AddFood("Яблоко", "0.4", 1);
    TTable t;
    t.SetTableName("Food.DB");
    t.Open();
    t.Last();
    t.Insert();
    EXPECT_EQ(t.State(), TDataSetState::dsInsert);
    EXPECT_FALSE(t.Eof());
    EXPECT_TRUE(t.FieldByName("id_food")->IsNull());
    t.FieldByName("nazv_food")->SetAsString("Кефир");
    t.FieldByName("protein")->SetAsVariant(Variant(2.8));
    t.FieldByName("id_group")->SetAsInteger(3);
    EXPECT_EQ(food->RowCount(), 1u);  // still pending
    EXPECT_EQ(t.DisplayRowCount(), 2);
    EXPECT_EQ(t.DisplayRow(), 1);
    EXPECT_EQ(t.FieldByName("nazv_food")->DisplayTextAt(1), "Кефир");
    EXPECT_EQ(t.FieldByName("nazv_food")->DisplayTextAt(0), "Яблоко");
    t.Post();
    EXPECT_EQ(t.State(), TDataSetState::dsBrowse);
    ASSERT_EQ(food->RowCount(), 2u);
    EXPECT_EQ(t.RecNo(), 2);
    EXPECT_EQ(t.FieldByName("nazv_food")->AsString(), "Кефир");
    EXPECT_EQ(t.FieldByName("id_food")->AsInteger(), 2);  // fresh from the table
    EXPECT_EQ(t.FieldByName("protein")->DisplayText(), "2,8");
    EXPECT_EQ(t.FieldByName("fat")->DisplayText(), "");
}

TEST_F(DataSetTest, FailedPostLeavesNothingStoredAndKeepsThePendingRow) {
    AddFood("Яблоко", "0.4", 1);
    TTable t;
    t.SetTableName("Food.DB");
    t.Open();
    t.Insert();
    t.FieldByName("nazv_food")->SetAsString("Кефир");
    food->failNext = "Disk full";
    EXPECT_MESSAGE(t.Post(), "Disk full");
    EXPECT_EQ(food->RowCount(), 1u);
    EXPECT_EQ(t.State(), TDataSetState::dsInsert);
    EXPECT_EQ(t.FieldByName("nazv_food")->AsString(), "Кефир");
    // A value the field refuses never reaches the row either.
    // (-32768 too: the table file keeps it as its empty mark.)
    EXPECT_ANY_THROW(t.FieldByName("id_group")->SetAsInteger(40000));
    EXPECT_ANY_THROW(t.FieldByName("id_group")->SetAsInteger(-32768));
    EXPECT_TRUE(t.FieldByName("id_group")->IsNull());
    EXPECT_EQ(t.State(), TDataSetState::dsInsert);
    t.FieldByName("id_group")->SetAsInteger(5);
    t.Post();
    EXPECT_EQ(food->RowCount(), 2u);
}

TEST_F(DataSetTest, MovingOrClosingDiscardsAPendingRow) {
    AddFood("Яблоко", "0.4", 1);
    TTable t;
    t.SetTableName("Food.DB");
    t.Open();
    t.Insert();
    t.FieldByName("nazv_food")->SetAsString("Половина");
    t.Close();
    EXPECT_EQ(food->RowCount(), 1u);
    EXPECT_EQ(food->writes, 1);
    t.Open();
    t.Insert();
    t.FieldByName("nazv_food")->SetAsString("Половина");
    t.Last();  // the next addition starts like this: the half-filled row goes away
    EXPECT_EQ(t.State(), TDataSetState::dsBrowse);
    EXPECT_EQ(food->RowCount(), 1u);
    EXPECT_EQ(t.FieldByName("nazv_food")->AsString(), "Яблоко");
    t.Insert();
    t.FieldByName("nazv_food")->SetAsString("Половина");
    t.Insert();  // a second Insert starts afresh
    EXPECT_TRUE(t.FieldByName("nazv_food")->IsNull());
    t.Cancel();
    EXPECT_EQ(t.RecNo(), 1);
    EXPECT_EQ(food->writes, 1);
}

TEST_F(DataSetTest, AFailedPieceOfWorkStillClosesTheTable) {
    TTable t;
    t.SetTableName("Food.DB");
    try {
        TCloseOnLeave closer(t);
        t.Open();
        t.Insert();
        t.FieldByName("protein")->SetAsString("12,5,");
        ADD_FAILURE() << "the conversion should fail";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "'12,5,' is not a valid floating point value");
    }
    EXPECT_FALSE(t.Active());
    EXPECT_EQ(food->RowCount(), 0u);
    t.SetTableName("Empty.DB");  // the next user is not stopped by a table left open
}

TEST_F(DataSetTest, EditChangesOnlyThroughPostAndCancelRestores) {
    AddFood("Яблоко", "0.4", 1);
    AddFood("Груша", "0.5", 1);
    TTable t;
    t.SetTableName("Food.DB");
    t.Open();
    t.Next();
    t.Edit();
    EXPECT_EQ(t.State(), TDataSetState::dsEdit);
    t.FieldByName("nazv_food")->SetAsString("Груша сушёная");
    EXPECT_EQ(std::get<std::string>((*food->RowAt(1))[1]), "Груша");
    EXPECT_EQ(t.FieldByName("nazv_food")->DisplayTextAt(1), "Груша сушёная");  // grids see the edit
    t.Cancel();
    EXPECT_EQ(t.FieldByName("nazv_food")->AsString(), "Груша");
    t.Edit();
    t.FieldByName("protein")->SetAsString("2,25");
    t.Post();
    EXPECT_EQ(std::get<engine::Decimal>((*food->RowAt(1))[2]), fake::Dec("2.25"));
    EXPECT_EQ(t.RecNo(), 2);
    EXPECT_EQ(t.FieldByName("id_food")->AsInteger(), 2);  // the identifier is kept
    t.First();
    EXPECT_MESSAGE(t.FieldByName("nazv_food")->SetAsString("x"), "Dataset not in edit or insert mode");
    TTable e;
    e.SetTableName("Empty.DB");
    e.Open();
    EXPECT_MESSAGE(e.Edit(), "Cannot perform this operation on an empty dataset");
    EXPECT_MESSAGE(e.Delete(), "Cannot perform this operation on an empty dataset");
}

TEST_F(DataSetTest, DeleteMakesANeighbourCurrentAndFiresAfterDelete) {
    AddFood("А", "1", 1);
    AddFood("Б", "1", 1);
    AddFood("В", "1", 1);
    TTable t;
    t.SetTableName("Food.DB");
    int afterDelete = 0;
    t.AfterDelete = [&](TDataSet* d) {
        EXPECT_EQ(d, &t);
        ++afterDelete;
    };
    t.Open();
    t.Next();
    t.Delete();  // the middle row: the next one becomes current
    EXPECT_EQ(t.FieldByName("nazv_food")->AsString(), "В");
    EXPECT_FALSE(t.Eof());
    t.Delete();  // the last row: the new last row becomes current
    EXPECT_EQ(t.FieldByName("nazv_food")->AsString(), "А");
    EXPECT_FALSE(t.Eof());
    t.Delete();  // none left
    EXPECT_TRUE(t.Eof());
    EXPECT_TRUE(t.Bof());
    EXPECT_EQ(afterDelete, 3);
    EXPECT_EQ(food->RowCount(), 0u);
    // Deleting a row that was never stored just drops it.
    t.Insert();
    t.Delete();
    EXPECT_EQ(t.State(), TDataSetState::dsBrowse);
    EXPECT_EQ(food->writes, 6);
    EXPECT_EQ(afterDelete, 3);
}

TEST_F(DataSetTest, FailedDeleteKeepsTheRow) {
    AddFood("А", "1", 1);
    TTable t;
    t.SetTableName("Food.DB");
    bool fired = false;
    t.AfterDelete = [&](TDataSet*) { fired = true; };
    t.Open();
    food->failNext = "Table is busy";
    EXPECT_MESSAGE(t.Delete(), "Table is busy");
    EXPECT_EQ(food->RowCount(), 1u);
    EXPECT_FALSE(fired);
    EXPECT_EQ(t.FieldByName("nazv_food")->AsString(), "А");
}

TEST_F(DataSetTest, LocateFindsTheFirstRowBeginningWithTheTextIgnoringCase) {
    AddFood("Яблоко зелёное", "0.4", 1);
    AddFood("Банан", "1.5", 1);
    AddFood("ЯБЛОКО красное", "0.4", 1);
    AddFood("Ёжевика", "1", 1);
    AddFood("apple", "1", 1);
    TTable t;
    t.SetTableName("Food.DB");
    t.Open();
    t.Last();
    EXPECT_TRUE(t.Locate("nazv_food", "ябл", loCaseInsensitive | loPartialKey));
    EXPECT_EQ(t.RecNo(), 1);
    EXPECT_TRUE(t.Locate("Nazv_food", "яблоко к", loCaseInsensitive | loPartialKey));
    EXPECT_EQ(t.RecNo(), 3);
    EXPECT_TRUE(t.Locate("nazv_food", "ёЖ", loCaseInsensitive | loPartialKey));
    EXPECT_EQ(t.RecNo(), 4);
    EXPECT_TRUE(t.Locate("nazv_food", "APP", loCaseInsensitive | loPartialKey));
    EXPECT_EQ(t.RecNo(), 5);
    // Inside a name, or not at all: the cursor stays.
    EXPECT_FALSE(t.Locate("nazv_food", "анан", loCaseInsensitive | loPartialKey));
    EXPECT_EQ(t.RecNo(), 5);
    EXPECT_FALSE(t.Locate("nazv_food", "ябл", loPartialKey));  // case counts without the option
    EXPECT_TRUE(t.Locate("nazv_food", "Банан", 0));
    EXPECT_EQ(t.RecNo(), 2);
    EXPECT_MESSAGE(t.Locate("name", "x", 0), "Field 'name' not found");
}

TEST_F(DataSetTest, QueriesRunTheirTextAndAreReadOnly) {
    int runs = 0;
    env.backend->queries["select * from Food order by nazv_food"] = [&] {
        ++runs;
        engine::QueryResult r;
        r.fields = food->Fields();
        for (size_t i = 0; i < food->RowCount(); ++i) r.rows.push_back(food->RowAt(i));
        return r;
    };
    AddFood("Яблоко", "0.4", 1);
    TQuery q;
    EXPECT_MESSAGE(q.Open(), "No SQL statement available");
    q.SQL.Clear();
    q.SQL.Add("select * from Food order by nazv_food");
    q.Open();
    q.Open();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(q.RecordCount(), 1);
    EXPECT_MESSAGE(q.Insert(), "Cannot modify a read-only dataset");
    EXPECT_MESSAGE(q.Edit(), "Cannot modify a read-only dataset");
    EXPECT_MESSAGE(q.Delete(), "Cannot modify a read-only dataset");
    EXPECT_MESSAGE(q.FieldByName("nazv_food")->SetAsString("x"), "Cannot modify a read-only dataset");
    EXPECT_FALSE(q.CanModify());
    // Rows added later show after the query is rerun; replacing the text closes it.
    AddFood("Груша", "0.5", 1);
    EXPECT_EQ(q.RecordCount(), 1);
    q.SQL.Clear();
    EXPECT_FALSE(q.Active());
    q.SQL.Add("select * from Food order by nazv_food");
    q.Open();
    EXPECT_EQ(q.RecordCount(), 2);
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(q.SQL.Count(), 1);
    q.SQL.Add("where 1");
    EXPECT_EQ(q.SQL.Text(), "select * from Food order by nazv_food\r\nwhere 1");
    EXPECT_THROW(q.Open(), engine::EngineError);  // the engine's own message
    EXPECT_FALSE(q.Active());
}

TEST_F(DataSetTest, FieldsCreatedFromTheResultGoAwayOnClose) {
    AddFood("Яблоко", "0.4", 1);
    TTable t;
    t.SetTableName("Food.DB");
    t.Open();
    ASSERT_EQ(t.FieldCount(), 7);
    EXPECT_EQ(t.Fields()[0]->ClassName(), "TAutoIncField");
    EXPECT_EQ(t.Fields()[1]->ClassName(), "TStringField");
    EXPECT_EQ(t.Fields()[1]->Size(), 100);
    EXPECT_EQ(t.Fields()[2]->ClassName(), "TBCDField");
    EXPECT_EQ(t.Fields()[2]->Size(), 3);
    EXPECT_EQ(t.Fields()[6]->ClassName(), "TSmallintField");
    EXPECT_EQ(t.Fields()[6]->DataType(), TFieldType::ftSmallint);
    t.Close();
    EXPECT_EQ(t.FieldCount(), 0);
    EXPECT_EQ(t.FindField("nazv_food"), nullptr);
    // Cyrillic field names are found whatever their letter case too.
    env.backend->Add("Рацион.DB", {{"Название", FieldType::Alpha, 20}, {"Ёмкость", FieldType::Long, 0}});
    TTable r;
    r.SetTableName("Рацион.DB");
    r.Open();
    EXPECT_EQ(r.FieldByName("НАЗВАНИЕ"), r.Fields()[0]);
    EXPECT_EQ(r.FieldByName("ёмкость"), r.Fields()[1]);
    EXPECT_MESSAGE(r.FieldByName("Емкость"), "Field 'Емкость' not found");  // Е is not Ё
}

// --- declared fields -------------------------------------------------------------------

class DataDeclaredFieldsTest : public DataSetTest {};

TEST_F(DataDeclaredFieldsTest, OnlyDeclaredFieldsAreExposedAndAnIntegerFieldReadsAutoInc) {
    AddFood("Яблоко", "0.4", 1);
    TComponent owner;
    TTable t(&owner);
    t.SetTableName("Food.DB");
    auto* name = new TStringField(&owner);
    name->SetName("TNazv");
    name->SetFieldName("Nazv_food");
    name->SetSize(100);
    name->SetDataSet(&t);
    auto* id = new TIntegerField(&owner);
    id->SetFieldName("ID_FOOD");
    id->SetDataSet(&t);
    t.Open();
    EXPECT_EQ(t.FieldCount(), 2);
    EXPECT_EQ(t.FindField("protein"), nullptr);
    EXPECT_EQ(t.FieldByName("nazv_food"), name);
    EXPECT_EQ(id->AsInteger(), 1);
    EXPECT_EQ(id->DisplayText(), "1");
    EXPECT_EQ(owner.FindComponent("TNazv"), name);
    // Posting keeps the undeclared columns of the row.
    t.Edit();
    name->SetAsString("Яблоко печёное");
    t.Post();
    EXPECT_EQ(std::get<engine::Decimal>((*food->RowAt(0))[2]), fake::Dec("0.4"));
    EXPECT_MESSAGE(name->SetDataSet(nullptr), "Cannot perform this operation on an open dataset");
    t.Close();
    EXPECT_EQ(name->FieldNo(), -1);
    EXPECT_EQ(name->AsString(), "");
}

TEST_F(DataDeclaredFieldsTest, OpenChecksNameTypeAndSize) {
    TTable t;
    t.SetTableName("Food.DB");
    TStringField name;
    name.SetFieldName("Nazv_food");
    name.SetSize(150);
    name.SetDataSet(&t);
    EXPECT_MESSAGE(t.Open(), "Size mismatch for field 'Nazv_food', expecting: 150 actual: 100");
    EXPECT_FALSE(t.Active());
    name.SetSize(100);
    TSmallintField group;
    group.SetFieldName("Id_food");
    group.SetDataSet(&t);
    EXPECT_MESSAGE(t.Open(), "Type mismatch for field 'Id_food', expecting: SmallInt actual: AutoInc");
    group.SetFieldName("Id_group");
    TBCDField protein;
    protein.SetFieldName("Protein");
    protein.SetSize(2);
    protein.SetDataSet(&t);
    EXPECT_MESSAGE(t.Open(), "Size mismatch for field 'Protein', expecting: 2 actual: 3");
    protein.SetSize(3);
    TFloatField missing;
    missing.SetFieldName("Weight");
    missing.SetDataSet(&t);
    EXPECT_MESSAGE(t.Open(), "Field 'Weight' not found");
    EXPECT_EQ(protein.FieldNo(), -1);
    missing.SetDataSet(nullptr);
    t.Open();
    EXPECT_EQ(t.FieldCount(), 3);
    EXPECT_EQ(group.FieldNo(), 6);
}

TEST_F(DataDeclaredFieldsTest, DestroyingAFieldOrTheDatasetFirstIsSafe) {
    AddFood("Яблоко", "0.4", 1);
    auto* t = new TTable;
    t->SetTableName("Food.DB");
    auto* a = new TStringField;
    a->SetFieldName("Nazv_food");
    a->SetSize(100);
    a->SetDataSet(t);
    auto* b = new TSmallintField;
    b->SetFieldName("Id_group");
    b->SetDataSet(t);
    t->Open();
    delete a;  // while open
    EXPECT_EQ(t->FieldCount(), 1);
    EXPECT_EQ(b->AsInteger(), 1);
    delete t;
    EXPECT_EQ(b->DataSet(), nullptr);
    EXPECT_EQ(b->AsString(), "");
    delete b;
}

}  // namespace

// Data sources and their links: who is told what, and safe detaching in any order.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "FakeEngine.h"
#include "data/DBTables.h"
#include "data/DataSource.h"

using engine::FieldType;

namespace {

struct Recorder : TDataLink {
    std::vector<std::string> log;
    void ActiveChanged() override { log.push_back(Active() ? "active" : "inactive"); }
    void DataSetChanged() override { log.push_back("dataset"); }
    void RecordChanged(TField* f) override { log.push_back("record:" + (f ? f->FieldName() : std::string("-"))); }
    void EditingChanged() override { log.push_back("state"); }
};

class DataSourceTest : public testing::Test {
protected:
    void SetUp() override {
        auto& t = env.backend->Add("Menu.DB", {{"Nazv_food", FieldType::Alpha, 150}, {"Weight", FieldType::Short, 0}});
        t.Append({std::string("Хлеб"), 100});
        t.Append({std::string("Сыр"), 50});
        table.SetTableName("Menu.DB");
        source.SetDataSet(&table);
        source.OnDataChange = [this](TComponent* sender, TField* field) {
            EXPECT_EQ(sender, &source);
            changes.push_back(field ? field->FieldName() : "-");
        };
    }
    fake::Installed env;
    TTable table;
    TDataSource source;
    std::vector<std::string> changes;
};

TEST_F(DataSourceTest, ChangeHandlerHearsMovesAndFieldChanges) {
    table.Open();
    EXPECT_THAT(changes, testing::ElementsAre("-"));
    table.Next();
    table.Next();  // already on the last row: nothing moves
    table.First();
    EXPECT_THAT(changes, testing::ElementsAre("-", "-", "-"));
    changes.clear();
    table.Insert();
    table.FieldByName("weight")->SetAsInteger(30);
    table.FieldByName("nazv_food")->SetAsString("Чай");
    table.Post();
    EXPECT_THAT(changes, testing::ElementsAre("-", "Weight", "Nazv_food", "-"));
    changes.clear();
    EXPECT_ANY_THROW(table.FieldByName("weight")->SetAsInteger(-40000));  // refused: nobody is told
    table.Delete();
    EXPECT_THAT(changes, testing::ElementsAre("-"));
    changes.clear();
    table.Close();
    EXPECT_TRUE(changes.empty());
}

TEST_F(DataSourceTest, LinksFollowTheDataset) {
    Recorder link;
    link.SetDataSource(&source);
    EXPECT_THAT(link.log, testing::ElementsAre("inactive"));
    link.log.clear();
    table.Open();
    EXPECT_THAT(link.log, testing::ElementsAre("active", "dataset"));
    link.log.clear();
    table.Edit();
    table.FieldByName("weight")->SetAsInteger(120);
    table.Cancel();
    EXPECT_THAT(link.log, testing::ElementsAre("state", "record:-", "record:Weight", "state", "dataset"));
    link.log.clear();
    table.Close();
    EXPECT_THAT(link.log, testing::ElementsAre("inactive"));
    EXPECT_EQ(link.DataSet(), &table);
    EXPECT_EQ(source.DataLinks().size(), 1u);
}

TEST_F(DataSourceTest, AGridCanDrawAWindowOfRowsWithoutMovingTheDataset) {
    struct Grid : TDataLink {
        std::vector<std::string> lines;
        void DataSetChanged() override { Draw(); }
        void ActiveChanged() override { Draw(); }
        void RecordChanged(TField*) override { Draw(); }
        void Draw() {
            lines.clear();
            TDataSet* d = DataSet();
            if (!d || !d->Active()) return;
            TField* name = d->FieldByName("nazv_food");
            TField* weight = d->FieldByName("weight");
            for (int row = 0; row < d->DisplayRowCount(); ++row)
                lines.push_back((row == d->DisplayRow() ? ">" : " ") + name->DisplayTextAt(row) + " " +
                                weight->DisplayTextAt(row));
        }
    } grid;
    grid.SetDataSource(&source);
    table.Open();
    table.Next();
    EXPECT_THAT(grid.lines, testing::ElementsAre(" Хлеб 100", ">Сыр 50"));
    table.Insert();
    table.FieldByName("nazv_food")->SetAsString("Чай");
    EXPECT_THAT(grid.lines, testing::ElementsAre(" Хлеб 100", " Сыр 50", ">Чай "));
    EXPECT_EQ(table.RecNo(), 0);
    table.Cancel();
    EXPECT_THAT(grid.lines, testing::ElementsAre(" Хлеб 100", ">Сыр 50"));
    table.Insert();
    table.Next();  // nowhere to go, but the pending row is dropped and the grid is told
    EXPECT_THAT(grid.lines, testing::ElementsAre(" Хлеб 100", ">Сыр 50"));
    EXPECT_TRUE(table.Eof());
    table.Close();
    EXPECT_TRUE(grid.lines.empty());
}

TEST_F(DataSourceTest, EitherSideMayGoFirst) {
    auto* link = new Recorder;
    auto* src = new TDataSource;
    auto* t = new TTable;
    t->SetTableName("Menu.DB");
    src->SetDataSet(t);
    link->SetDataSource(src);
    t->Open();
    delete t;  // the source forgets it
    EXPECT_EQ(src->DataSet(), nullptr);
    EXPECT_FALSE(link->Active());
    delete src;  // the link forgets it
    EXPECT_EQ(link->DataSource(), nullptr);
    delete link;

    auto* src2 = new TDataSource;
    {
        Recorder shortLived;
        shortLived.SetDataSource(src2);
        EXPECT_EQ(src2->DataLinks().size(), 1u);
    }
    EXPECT_TRUE(src2->DataLinks().empty());
    delete src2;
}

TEST_F(DataSourceTest, ALinkMayDetachWhileBeingTold) {
    struct Leaver : TDataLink {
        int told = 0;
        void DataSetChanged() override {
            ++told;
            SetDataSource(nullptr);
        }
    };
    Leaver a, b;
    a.SetDataSource(&source);
    b.SetDataSource(&source);
    table.Open();
    EXPECT_EQ(a.told, 1);
    EXPECT_EQ(b.told, 1);
    EXPECT_TRUE(source.DataLinks().empty());
}

}  // namespace

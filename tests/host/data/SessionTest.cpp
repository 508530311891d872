// The session: the engine starts on the first Open, a failed start fails that Open and
// the next Open tries again.
#include <gtest/gtest.h>

#include "FakeEngine.h"
#include "data/DBTables.h"

using engine::FieldType;

namespace {

TEST(DataSessionTest, EngineStartsLazilyAndAFailedStartIsRetried) {
    fake::Installed env;
    env.backend->Add("Diet.DB", {{"Nazv_diet", FieldType::Alpha, 30}});
    env.failStarts = 1;
    TTable t;
    t.SetTableName("Diet.DB");
    EXPECT_FALSE(Session().Started());
    EXPECT_EQ(env.starts, 0);
    try {
        t.Open();
        ADD_FAILURE() << "the first Open should fail";
    } catch (const engine::EngineError& e) {
        EXPECT_EQ(e.Message(),
                  "An error occurred while attempting to initialize the Borland Database Engine (error $2501)");
        EXPECT_EQ(e.Code(), 0x2501);
    }
    EXPECT_FALSE(t.Active());
    EXPECT_FALSE(Session().Started());
    t.Open();
    EXPECT_TRUE(t.Active());
    EXPECT_EQ(env.starts, 2);
    TQuery q;
    env.backend->queries["select 1"] = [] { return engine::QueryResult{}; };
    q.SQL.Add("select 1");
    q.Open();
    EXPECT_EQ(env.starts, 2);  // one engine for every dataset
}

TEST(DataSessionTest, ResetClosesEveryDatasetAndStopsTheEngine) {
    fake::Installed env;
    env.backend->Add("Diet.DB", {{"Nazv_diet", FieldType::Alpha, 30}});
    TTable a, b;
    a.SetTableName("Diet.DB");
    b.SetTableName("Diet.DB");
    a.Open();
    b.Open();
    b.Insert();
    Session().Reset();
    EXPECT_FALSE(a.Active());
    EXPECT_FALSE(b.Active());
    EXPECT_FALSE(Session().Started());
    a.Open();
    EXPECT_EQ(env.starts, 2);
}

}  // namespace

// Fault injection: a crash at every write, truncate, sync, rename and remove of a change,
// with unsynced writes kept, dropped or garbled, must leave the table readable with the
// content from before or after the change in progress (engine/Journal.cpp, I1-I7), and
// with every earlier change (they returned, so they are on disk: I4).
#include <gtest/gtest.h>

#include <functional>

#include "engine/Database.h"
#include "engine/Journal.h"
#include "engine/MemoryFileIO.h"
#include "FaultyFileIO.h"
#include "TestTables.h"

using namespace engine;
using namespace enginetest;

namespace {

using Step = std::function<void(Database&)>;

std::vector<Row> ReadFood(const Image& image) {
    auto io = std::make_shared<FaultyFileIO>(image, 0, Loss::Keep);
    Database db("d", io);
    Table& t = db.OpenTable("Food.DB");
    std::vector<Row> rows = Rows(t);
    // After recovery the table must also take changes and read back cleanly.
    t.Append(Food("после сбоя", "1", 1));
    t.Remove(t.RowCount() - 1);
    return rows;
}

Image Prepare(int rows) {
    auto io = std::make_shared<FaultyFileIO>(Image{}, 0, Loss::Keep);
    {
        Database db("d", io);
        Table& t = db.CreateTable("Food.DB", FoodFields());
        for (int i = 0; i < rows; ++i) t.Append(Food("Еда " + std::to_string(i), std::to_string(i), i));
    }
    return io->CurrentImage();
}

// Runs `steps` with a crash at fault point N = 1, 2, … until a run hits no fault, for
// each way of losing unsynced writes, and checks each crash image.
void ForEachFault(const Image& start, const std::vector<Step>& steps) {
    // The table after each step, from a run without faults.
    std::vector<std::vector<Row>> states{ReadFood(start)};
    {
        auto io = std::make_shared<FaultyFileIO>(start, 0, Loss::Keep);
        Database db("d", io);
        for (const Step& s : steps) {
            s(db);
            states.push_back(Rows(db.OpenTable("Food.DB")));
        }
    }
    for (Loss loss : {Loss::Keep, Loss::Drop, Loss::Garble}) {
        int faults = 0;
        for (int n = 1;; ++n) {
            SCOPED_TRACE("loss " + std::to_string(static_cast<int>(loss)) + ", crash at " + std::to_string(n));
            auto io = std::make_shared<FaultyFileIO>(start, n, loss);
            std::size_t done = 0;
            try {
                Database db("d", io);
                for (const Step& s : steps) {
                    s(db);
                    ++done;
                }
            } catch (const SimulatedCrash&) {
            }
            if (!io->Crashed()) {
                ASSERT_EQ(done, steps.size());
                EXPECT_EQ(ReadFood(io->CurrentImage()), states.back());
                break;
            }
            ++faults;
            ASSERT_LT(done, steps.size());
            std::vector<Row> after = ReadFood(io->CrashImage());
            bool oldOrNew = after == states[done] || after == states[done + 1];
            EXPECT_TRUE(oldOrNew) << "rows after the crash: " << after.size() << ", before the step "
                                  << states[done].size() << ", after it " << states[done + 1].size();
            if (!oldOrNew) return;
        }
        EXPECT_GT(faults, 10);
    }
}

TEST(EngineStorageCrash, AppendIntoBlockAndIntoNewBlock) {
    // 10 rows: the 11th fills block 1, the 12th starts block 2.
    ForEachFault(Prepare(10), {[](Database& db) { db.OpenTable("Food.DB").Append(Food("Щи", "1.5", 1)); },
                               [](Database& db) { db.OpenTable("Food.DB").Append(Food("Борщ", "2.25", 2)); }});
}

Step RemoveAt(std::size_t index) {
    return [index](Database& db) { db.OpenTable("Food.DB").Remove(index); };
}

TEST(EngineStorageCrash, RemoveShiftingAndUnlinkingBlocks) {
    std::vector<Step> steps = {RemoveAt(3), RemoveAt(21)};      // the second empties block 3
    for (int i = 0; i < 11; ++i) steps.push_back(RemoveAt(0));  // the last empties block 1
    ForEachFault(Prepare(23), steps);
}

TEST(EngineStorageCrash, UpdateAndReuseOfFreedBlock) {
    std::vector<Step> steps = {[](Database& db) { db.OpenTable("Food.DB").Update(12, Food("Каша", "9.125", 7)); }};
    for (int i = 0; i < 11; ++i) steps.push_back(RemoveAt(0));
    steps.push_back([](Database& db) { db.OpenTable("Food.DB").Append(Food("в освобождённый блок", "3", 3)); });
    steps.push_back([](Database& db) { db.OpenTable("Food.DB").Append(Food("ещё", "4", 3)); });
    ForEachFault(Prepare(22), steps);
}

TEST(EngineStorageCrash, CreateIsAtomic) {
    Image start = Prepare(0);
    start.erase("d/Food.DB");
    start["d/Food.DB-journal"] = {1, 2, 3};  // a stale journal must not meet the new file (I7)
    for (Loss loss : {Loss::Keep, Loss::Drop, Loss::Garble}) {
        for (int n = 1;; ++n) {
            auto io = std::make_shared<FaultyFileIO>(start, n, loss);
            try {
                Database db("d", io);
                db.CreateTable("Food.DB", FoodFields());
            } catch (const SimulatedCrash&) {
            }
            Image after = io->Crashed() ? io->CrashImage() : io->CurrentImage();
            if (after.count("d/Food.DB")) {
                EXPECT_EQ(ReadFood(after).size(), 0u) << n;
            }
            if (!io->Crashed()) break;
        }
    }
}

// A hot journal is played back before the table is read (I5); a torn one is dropped (I3).
TEST(EngineStorageCrash, HotAndTornJournals) {
    Image start = Prepare(5);
    auto io = std::make_shared<FaultyFileIO>(start, 0, Loss::Keep);
    Image withJournal;
    {
        // Crash right after the in-place sync: the journal is complete and hot.
        for (int n = 1;; ++n) {
            auto fio = std::make_shared<FaultyFileIO>(start, n, Loss::Keep);
            try {
                Database db("d", fio);
                db.OpenTable("Food.DB").Remove(0);
            } catch (const SimulatedCrash&) {
            }
            Image img = fio->CrashImage();
            if (img.count("d/Food.DB-journal") && img["d/Food.DB"] != start["d/Food.DB"]) {
                withJournal = img;
                break;
            }
            ASSERT_TRUE(fio->Crashed());
        }
    }
    EXPECT_EQ(ReadFood(withJournal).size(), 5u);
    Image torn = withJournal;
    torn["d/Food.DB"] = start["d/Food.DB"];
    torn["d/Food.DB-journal"].back() ^= 1;  // checksum fails
    auto tio = std::make_shared<FaultyFileIO>(torn, 0, Loss::Keep);
    {
        Database db("d", tio);
        EXPECT_EQ(db.OpenTable("Food.DB").RowCount(), 5u);
    }
    EXPECT_EQ(tio->CurrentImage().count("d/Food.DB-journal"), 0u);
}

}  // namespace

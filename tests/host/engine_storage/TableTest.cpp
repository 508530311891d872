// Tables through Database: writing, reading back, blocks, identifiers, value checks,
// names, and damaged or foreign files.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

#include "engine/Database.h"
#include "engine/MemoryFileIO.h"
#include "engine/ParadoxFormat.h"
#include "engine/ParadoxTable.h"
#include "TempDir.h"
#include "TestTables.h"

using namespace engine;
using namespace enginetest;

namespace {

class EngineStorageTable : public ::testing::Test {
protected:
    std::shared_ptr<MemoryFileIO> io = std::make_shared<MemoryFileIO>();

    // A Food table with `n` rows, written and closed again.
    void MakeFood(int n, const std::string& name = "Food.DB") {
        Database db("d", io);
        Table& t = db.CreateTable(name, FoodFields());
        for (int i = 0; i < n; ++i) t.Append(Food("Еда " + std::to_string(i), std::to_string(i) + ".125", i % 5));
    }
    std::vector<uint8_t> File(const std::string& name = "Food.DB") { return io->Get("d/" + name); }
};

TEST_F(EngineStorageTable, RowsSurviveReopenAcrossManyBlocks) {
    MakeFood(100);  // 11 records per 2 KiB block: 10 blocks
    Database db("d", io);
    Table& t = db.OpenTable("Food.DB");
    ASSERT_EQ(t.RowCount(), 100u);
    for (int i = 0; i < 100; ++i) {
        const Row& r = *t.RowAt(i);
        EXPECT_EQ(std::get<int32_t>(r[0]), i + 1);
        EXPECT_EQ(std::get<std::string>(r[1]), "Еда " + std::to_string(i));
        EXPECT_EQ(std::get<Decimal>(r[2]).ToString(), std::to_string(i) + ".125");
        EXPECT_EQ(std::get<int32_t>(r[6]), i % 5);
    }
    std::vector<uint8_t> f = File();
    EXPECT_EQ(f.size(), 0x800u + 10 * 2048);
    EXPECT_EQ(GetLE32(&f[px::kOffRecordCount]), 100u);
    EXPECT_EQ(GetLE16(&f[px::kOffFileBlocks]), 10);
    EXPECT_EQ(GetLE32(&f[px::kOffAutoInc]), 100u);
    EXPECT_EQ(f[px::kOffSortOrder], 0x8F);
}

TEST_F(EngineStorageTable, EveryFieldTypeAndNullRoundTrips) {
    std::vector<FieldDef> fields = {{"A", FieldType::Alpha, 20},  {"S", FieldType::Short, 0},
                                    {"L", FieldType::Long, 0},    {"N", FieldType::Number, 0},
                                    {"B", FieldType::Bcd, 3},     {"D", FieldType::Date, 0},
                                    {"G", FieldType::Logical, 0}, {"I", FieldType::AutoInc, 0}};
    Row full = {std::string("Щи «Ёлка» №1"), -32767, 2147483647, -1.25e-300, Dec("-12345.678"), Date{739251}, true, 77};
    Row empty(fields.size());
    Row zeros = {std::string("0"), 0, 0, 0.0, Dec("0"), Date{1}, false, 5};
    {
        Database db("d", io);
        Table& t = db.CreateTable("All", fields);
        t.Append(full);
        t.Append(empty);
        t.Append(zeros);
        EXPECT_EQ(t.Name(), "All.DB");
    }
    Database db("d", io);
    Table& t = db.OpenTable("All");
    ASSERT_EQ(t.RowCount(), 3u);
    // Single fields read before their row is decoded, nulls and zeros included.
    for (std::size_t f = 0; f < fields.size(); ++f) {
        EXPECT_EQ(t.FieldAt(0, f), full[f]) << f;
        if (f != 7) {
            EXPECT_EQ(t.FieldAt(1, f), empty[f]) << f;
        }
        EXPECT_EQ(t.FieldAt(2, f), zeros[f]) << f;
    }
    EXPECT_EQ(*t.RowAt(2), zeros);
    EXPECT_EQ(*t.RowAt(0), full);
    Row second = *t.RowAt(1);
    EXPECT_EQ(std::get<int32_t>(second[7]), 78);  // null autoinc got a fresh number
    second[7] = std::monostate{};
    EXPECT_EQ(second, empty);
    EXPECT_EQ(t.FieldIndex("b"), 4);
    EXPECT_EQ(t.Fields()[4].size, 3);
}

TEST_F(EngineStorageTable, RemoveAndUpdateKeepOrderAndFreeBlocksAreReused) {
    MakeFood(30);  // blocks of 11, 11, 8
    std::vector<Row> expect;
    {
        Database db("d", io);
        Table& t = db.OpenTable("Food.DB");
        RowPtr kept = t.RowAt(12);
        uint64_t v = t.Version();
        for (int i = 0; i < 11; ++i) t.Remove(11);  // empties the middle block
        EXPECT_GT(t.Version(), v);
        EXPECT_EQ(std::get<int32_t>((*kept)[0]), 13);  // a held row stays valid
        t.Update(0, Food("Изменено", "9.999", 3));
        EXPECT_EQ(std::get<int32_t>((*t.RowAt(0))[0]), 1);  // the identifier stays
        t.Remove(t.RowCount() - 1);
        ASSERT_EQ(t.RowCount(), 18u);
        for (int i = 0; i < 30; ++i) t.Append(Food("Новая " + std::to_string(i), "1", 1));
        expect = Rows(t);
        EXPECT_EQ(std::get<int32_t>(expect.back()[0]), 60);  // never reuses 12..22 or 30
    }
    std::vector<uint8_t> f = File();
    EXPECT_EQ(GetLE16(&f[px::kOffFileBlocks]), 5);  // the emptied block was taken again first
    Database db("d", io);
    Table& t = db.OpenTable("Food.DB");
    EXPECT_EQ(Rows(t), expect);
    while (t.RowCount()) t.Remove(0);
    f = File();
    EXPECT_EQ(GetLE16(&f[px::kOffFirstBlock]), 0);
    EXPECT_EQ(GetLE16(&f[px::kOffLastBlock]), 0);
    EXPECT_EQ(t.Append(Food("x", "1", 1)), 0u);
    EXPECT_EQ(std::get<int32_t>((*t.RowAt(0))[0]), 61);
}

TEST_F(EngineStorageTable, IdentifiersStayFreshAcrossRunsAndForeignCounters) {
    MakeFood(3);
    {
        Database db("d", io);
        Table& t = db.OpenTable("Food.DB");
        t.Remove(2);  // id 3 gone
        Row r = Food("явный", "1", 1);
        r[0] = 500;  // an explicit identifier raises the counter
        t.Append(r);
    }
    // A counter behind the rows (as written by a tool that does not keep it) is ignored.
    std::vector<uint8_t> f = File();
    PutLE32(&f[px::kOffAutoInc], 1);
    io->Put("d/Food.DB", f);
    Database db("d", io);
    Table& t = db.OpenTable("Food.DB");
    t.Append(Food("новый", "1", 1));
    EXPECT_EQ(std::get<int32_t>((*t.RowAt(3))[0]), 501);
    EXPECT_EQ(static_cast<ParadoxTable&>(t).AutoIncCounter(), 501u);
}

TEST_F(EngineStorageTable, RejectedValuesStoreNothing) {
    MakeFood(2);
    Database db("d", io);
    Table& t = db.OpenTable("Food.DB");
    std::vector<uint8_t> before = File();
    Row tooLong = Food(std::string(101, 'x'), "1", 1);
    Row badShort = Food("x", "1", 40000);
    Row manyDigits = Food("x", "123456789012345678901234567890", 1);
    Row wrongType = Food("x", "1", 1);
    wrongType[2] = 1.5;
    Row unmappable = Food("寿司", "1", 1);
    Row shortRow = {std::monostate{}, std::string("x")};
    for (Row* r : {&tooLong, &badShort, &manyDigits, &wrongType, &unmappable, &shortRow}) {
        EXPECT_THROW(t.Append(*r), EngineError);
        EXPECT_THROW(t.Update(0, *r), EngineError);
    }
    Row exactly100 = Food(std::string(50, 'x') + std::string(50, 'y'), "1", 1);
    EXPECT_THROW(t.Update(5, exactly100), EngineError);
    EXPECT_THROW(t.Remove(2), EngineError);
    EXPECT_EQ(File(), before);
    EXPECT_EQ(t.RowCount(), 2u);
    try {
        t.Append(tooLong);
    } catch (const EngineError& e) {
        EXPECT_STREQ(e.what(), "Поле «Nazv_food»: текст длиннее 100 знаков");
    }
}

TEST_F(EngineStorageTable, NamesResolveToOneTable) {
    MakeFood(1, "Сateg.db");
    Database db("d", io);
    Table& a = db.OpenTable("Сateg.db");
    EXPECT_EQ(&db.OpenTable("Сateg"), &a);  // ".DB" added, extension case ignored
    EXPECT_EQ(&db.OpenTable("Сateg.DB"), &a);
    EXPECT_EQ(a.Name(), "Сateg.db");
    try {
        db.OpenTable("Categ.db");  // Latin C: another name
        FAIL();
    } catch (const EngineError& e) {
        EXPECT_STREQ(e.what(), "Таблица «Categ.db» не найдена");
    }
    EXPECT_THROW(db.OpenTable("сateg.db"), EngineError);  // only the extension's case is ignored
    EXPECT_THROW(db.OpenTable("../Food.DB"), EngineError);
    EXPECT_THROW(db.CreateTable("Сateg.DB", FoodFields()), EngineError);
}

// Damaged files: each gives a clear error and never a crash.
TEST_F(EngineStorageTable, DamagedFilesAreReported) {
    MakeFood(30);
    const std::vector<uint8_t> good = File();
    struct Case {
        const char* what;
        std::function<void(std::vector<uint8_t>&)> damage;
        const char* message;
    };
    std::vector<Case> cases = {
        {"empty", [](auto& f) { f.clear(); }, "Файл «Food.DB» повреждён: файл пуст"},
        {"text", [](auto& f) { f.assign(200, 'a'); }, "Файл «Food.DB» не является таблицей Paradox"},
        {"truncated", [](auto& f) { f.resize(f.size() - 100); }, "Файл «Food.DB» повреждён: файл обрезан"},
        {"cycle", [](auto& f) { PutLE16(&f[0x800 + 2048], 1); },
         "Файл «Food.DB» повреждён: цепочка блоков замкнута в кольцо"},
        {"link past end", [](auto& f) { PutLE16(&f[0x800], 9); },
         "Файл «Food.DB» повреждён: ссылка на блок 9 за концом файла"},
        {"record count", [](auto& f) { PutLE32(&f[6], 31); },
         "Файл «Food.DB» повреждён: число записей не совпадает с заголовком"},
        {"huge count", [](auto& f) { PutLE32(&f[6], 0xFFFFFFFF); },
         "Файл «Food.DB» повреждён: число записей не совпадает с заголовком"},
        {"block count", [](auto& f) { PutLE16(&f[0x800 + 4], 5); },
         "Файл «Food.DB» повреждён: неверное число записей в блоке 1"},
        {"bcd", [](auto& f) { f[0x806 + 104 + 3] = 0xAB; },
         "Файл «Food.DB» повреждён: неверное значение поля «Protein» в записи 1"},
        // record 15 is the fourth of block 2; Kkal is the fourth BCD field
        {"bcd in block 2", [](auto& f) { f[0x800 + 2048 + 6 + 3 * 174 + 155 + 16] = 0x0A; },
         "Файл «Food.DB» повреждён: неверное значение поля «Kkal» в записи 15"},
        {"negative bcd", [](auto& f) { f[0x806 + 174 + 121] = 0x43; },
         "Файл «Food.DB» повреждён: неверное значение поля «Fat» в записи 2"},
        {"field type", [](auto& f) { f[0x78 + 2] = 0x0C; },
         "В таблице «Food.DB» есть поле типа 0x0C, которого программа не поддерживает"},
        {"code page", [](auto& f) { PutLE16(&f[0x6A], 866); },
         "Таблица «Food.DB» записана в кодовой странице 866; программа читает только кодовую страницу 1251"},
        {"names cut", [](auto& f) { std::fill(f.begin() + 0x1AB, f.begin() + 0x800, 'x'); },
         "Файл «Food.DB» повреждён: имена полей обрезаны"},
        {"last block", [](auto& f) { PutLE16(&f[0x10], 1); },
         "Файл «Food.DB» повреждён: последний блок не совпадает с заголовком"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<uint8_t> f = good;
        c.damage(f);
        io->Put("d/Food.DB", f);
        Database db("d", io);
        try {
            db.OpenTable("Food.DB");
            ADD_FAILURE() << "opened";
        } catch (const EngineError& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
}

TEST_F(EngineStorageTable, GarbageOutsideTheRecordsDoesNotCount) {
    MakeFood(30);  // blocks of 11, 11, 8
    std::vector<uint8_t> f = File();
    std::size_t block3 = 0x800 + 2 * 2048;
    std::fill(f.begin() + block3 + 6 + 8 * 174, f.begin() + block3 + 2048, 0xEE);  // after the 8th record
    io->Put("d/Food.DB", f);
    Database db("d", io);
    Table& t = db.OpenTable("Food.DB");
    ASSERT_EQ(t.RowCount(), 30u);
    EXPECT_EQ(std::get<std::string>((*t.RowAt(29))[1]), "Еда 29");
}

// Rows are decoded when first asked for; changes mix decoded and undecoded rows.
TEST_F(EngineStorageTable, RowsDecodedOnDemandMatchTheFile) {
    MakeFood(30);  // blocks of 11, 11, 8
    std::vector<Row> expect;
    {
        Database db("d", io);
        expect = Rows(db.OpenTable("Food.DB"));
    }
    {
        Database db("d", io);
        Table& t = db.OpenTable("Food.DB");
        // Single fields, before and after their row is decoded, and past the last field.
        for (std::size_t i = 0; i < 30; i += 3) {
            for (std::size_t f = 0; f < 7; ++f) EXPECT_EQ(t.FieldAt(i, f), expect[i][f]) << i << "," << f;
            EXPECT_TRUE(IsNull(t.FieldAt(i, 7)));
        }
        EXPECT_EQ(*t.RowAt(3), expect[3]);
        for (std::size_t f = 0; f < 7; ++f) EXPECT_EQ(t.FieldAt(3, f), expect[3][f]);
        EXPECT_THROW(t.FieldAt(30, 0), EngineError);

        // Remove an undecoded row (the rest of its block moves up), update one, append one.
        t.Remove(12);
        expect.erase(expect.begin() + 12);
        Row changed = Food("Изменено", "2.5", 4);
        t.Update(20, changed);
        changed[0] = expect[20][0];
        expect[20] = changed;
        t.Append(Food("Новая", "3", 2));
        expect.push_back(*t.RowAt(t.RowCount() - 1));
        EXPECT_EQ(std::get<int32_t>(expect.back()[0]), 31);
        for (std::size_t i = 0; i < expect.size(); ++i) EXPECT_EQ(t.FieldAt(i, 1), expect[i][1]) << i;
        EXPECT_EQ(Rows(t), expect);
        // Once every row is decoded the record bytes are dropped; the rows stay.
        t.Remove(0);
        expect.erase(expect.begin());
        t.Append(Food("Ещё", "4", 1));
        expect.push_back(*t.RowAt(t.RowCount() - 1));
        EXPECT_EQ(Rows(t), expect);
        EXPECT_EQ(t.FieldAt(5, 1), expect[5][1]);
    }
    Database db("d", io);
    EXPECT_EQ(Rows(db.OpenTable("Food.DB")), expect);
}

// Records that move up inside their block keep their exact bytes when their row was
// never decoded (junk after a name's NUL included), and read back the same.
TEST_F(EngineStorageTable, MovedRecordsKeepTheirBytes) {
    MakeFood(30);  // blocks of 11, 11, 8
    std::vector<uint8_t> f = File();
    std::size_t block2 = 0x800 + 2048;
    std::size_t rec13 = block2 + 6 + 2 * 174;  // record 14 (index 13)
    f[rec13 + 4 + 90] = 0x5A;                  // inside Nazv_food, after its NUL
    io->Put("d/Food.DB", f);
    std::vector<uint8_t> moved(f.begin() + rec13, f.begin() + rec13 + 174);
    {
        Database db("d", io);
        Table& t = db.OpenTable("Food.DB");
        t.Remove(11);  // block 2, slot 0: the rest of the block moves up
        EXPECT_EQ(std::get<std::string>((*t.RowAt(12))[1]), "Еда 13");
    }
    f = File();
    EXPECT_EQ(std::vector<uint8_t>(f.begin() + rec13 - 174, f.begin() + rec13), moved);
    Database db("d", io);
    Table& t = db.OpenTable("Food.DB");
    ASSERT_EQ(t.RowCount(), 29u);
    EXPECT_EQ(std::get<std::string>((*t.RowAt(12))[1]), "Еда 13");
    EXPECT_EQ(std::get<std::string>((*t.RowAt(28))[1]), "Еда 29");
}

// A file system on which the table file can only be opened for reading.
class ReadOnlyTableIO : public MemoryFileIO {
public:
    std::unique_ptr<engine::File> Open(const std::string& path, OpenMode mode) override {
        if (mode != OpenMode::ReadOnly && path == "d/Food.DB")
            throw IoError("Не удалось открыть файл «" + path + "»: доступ запрещён");
        return MemoryFileIO::Open(path, mode);
    }
};

TEST_F(EngineStorageTable, ReadOnlyFileIsReadButNotChanged) {
    MakeFood(3);
    auto ro = std::make_shared<ReadOnlyTableIO>();
    ro->Put("d/Food.DB", File());
    {
        Database db("d", ro);
        Table& t = db.OpenTable("Food.DB");
        EXPECT_EQ(t.RowCount(), 3u);
        try {
            t.Remove(0);
            ADD_FAILURE() << "removed from a read-only file";
        } catch (const EngineError& e) {
            EXPECT_STREQ(e.what(), "Таблицу «Food.DB» нельзя изменить: файл открыт только для чтения");
        }
    }
    // A journal left by a crash needs writing to play back: the table is not read past it (I5).
    ro->Put("d/Food.DB-journal", {1, 2, 3});
    Database db("d", ro);
    EXPECT_THROW(db.OpenTable("Food.DB"), IoError);
}

// The same table as an older version wrote it: the header of 3.x has no extension (the
// descriptors start at 0x58) and before 7.0 the table name takes 79 bytes, not 261.
std::vector<uint8_t> AsVersion(const std::vector<uint8_t>& v7, uint8_t version) {
    std::size_t n = GetLE16(&v7[px::kOffFieldCount]);
    std::vector<uint8_t> h(v7.begin(), v7.begin() + 0x800);
    std::fill(h.begin() + px::kBaseHeaderEnd, h.end(), 0);
    h[px::kOffVersion] = version;
    std::size_t pos = px::kOffFields4;
    if (version >= 5) {
        std::copy(v7.begin() + px::kBaseHeaderEnd, v7.begin() + px::kOffFields4, h.begin() + px::kBaseHeaderEnd);
    } else {
        pos = px::kOffFields3;
        PutLE32(&h[px::kOffEncryption], 0);
    }
    std::copy(v7.begin() + 0x78, v7.begin() + 0x78 + 2 * n, h.begin() + pos);
    pos += 2 * n + 4 + 4 * n;
    std::size_t names = 0x78 + 2 * n + 4 + 4 * n + 261;
    std::copy(v7.begin() + 0x78 + 2 * n + 4 + 4 * n, v7.begin() + 0x78 + 2 * n + 4 + 4 * n + 78, h.begin() + pos);
    pos += 79;
    std::copy(v7.begin() + names, v7.begin() + 0x600, h.begin() + pos);
    std::vector<uint8_t> out = h;
    out.insert(out.end(), v7.begin() + 0x800, v7.end());
    return out;
}

TEST_F(EngineStorageTable, OlderVersionsReadAndTakeChanges) {
    MakeFood(25);
    const std::vector<uint8_t> v7 = File();
    std::vector<Row> expect;
    {
        Database db("d", io);
        expect = Rows(db.OpenTable("Food.DB"));
    }
    for (uint8_t version : {3, 4, 5, 9, 10, 11}) {
        SCOPED_TRACE(static_cast<int>(version));
        io->Put("d/Food.DB", AsVersion(v7, version));
        {
            Database db("d", io);
            Table& t = db.OpenTable("Food.DB");
            ASSERT_EQ(Rows(t), expect);
            EXPECT_EQ(t.Fields()[1].name, "Nazv_food");
            t.Append(Food("ещё", "2", 2));
        }
        Database db("d", io);
        Table& t = db.OpenTable("Food.DB");
        EXPECT_EQ(t.RowCount(), 26u);
        EXPECT_EQ(std::get<int32_t>((*t.RowAt(25))[0]), 26);
        EXPECT_EQ(File()[px::kOffVersion], version);
    }
}

TEST(EngineStorageNative, CyrillicFileOnDisk) {
    namespace fs = std::filesystem;
    TempDir dir("lorvena-engine");
    {
        Database db(dir.Dir());
        Table& t = db.CreateTable("Сateg.db", FoodFields());
        t.Append(Food("Молоко", "3.2", 2));
    }
    EXPECT_TRUE(fs::exists(dir.File("Сateg.db")));
    EXPECT_FALSE(fs::exists(dir.File("Сateg.db-journal")));
    {
        Database db(dir.Dir());
        Table& t = db.OpenTable("Сateg");
        ASSERT_EQ(t.RowCount(), 1u);
        EXPECT_EQ(std::get<std::string>((*t.RowAt(0))[1]), "Молоко");
    }
    fs::permissions(dir.File("Сateg.db"), fs::perms::owner_read, fs::perm_options::replace);
    if (std::ofstream(dir.File("Сateg.db"), std::ios::binary | std::ios::app))
        return;  // the system lets this user write read-only files (root; Wine run by root)
    Database db(dir.Dir());
    Table& t = db.OpenTable("Сateg.db");
    EXPECT_EQ(t.RowCount(), 1u);
    try {
        t.Append(Food("x", "1", 1));
        ADD_FAILURE() << "appended to a read-only file";
    } catch (const EngineError& e) {
        EXPECT_STREQ(e.what(), "Таблицу «Сateg.db» нельзя изменить: файл открыт только для чтения");
    }
}

}  // namespace

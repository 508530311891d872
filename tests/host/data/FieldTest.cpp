// Reading and writing fields: conversions, the general number format with the locale's
// separator, the range and conversion messages.
#include <gtest/gtest.h>

#include "FakeEngine.h"
#include "data/DBTables.h"
#include "ExpectMessage.h"

using engine::FieldType;

namespace {

class DataFieldTest : public testing::Test {
protected:
    void SetUp() override {
        env.backend->Add("All.DB", {{"Id", FieldType::AutoInc, 0},
                                    {"Name", FieldType::Alpha, 5},
                                    {"Weight", FieldType::Short, 0},
                                    {"Count", FieldType::Long, 0},
                                    {"Kkal", FieldType::Bcd, 3},
                                    {"Ratio", FieldType::Number, 0},
                                    {"Day", FieldType::Date, 0},
                                    {"Done", FieldType::Logical, 0}});
        t.SetTableName("All.DB");
        t.Open();
        t.Insert();
    }
    TField* F(const char* name) { return t.FieldByName(name); }
    fake::Installed env;
    TTable t;
};

TEST_F(DataFieldTest, EmptyFieldsReadAsEmptyTextAndZero) {
    for (TField* f : t.Fields()) {
        EXPECT_TRUE(f->IsNull()) << f->FieldName();
        EXPECT_EQ(f->AsString(), "") << f->FieldName();
        EXPECT_EQ(f->DisplayText(), "") << f->FieldName();
        EXPECT_TRUE(f->AsVariant().IsNull()) << f->FieldName();
    }
    EXPECT_EQ(F("weight")->AsInteger(), 0);
    EXPECT_EQ(F("kkal")->AsCurrency().units, 0);
    EXPECT_EQ(F("ratio")->AsFloat(), 0.0);
    EXPECT_EQ(F("name")->AsInteger(), 0);
}

TEST_F(DataFieldTest, NumbersShowInTheGeneralFormatWithTheLocaleSeparator) {
    F("kkal")->SetAsFloat(18.75);
    EXPECT_EQ(F("kkal")->DisplayText(), "18,75");
    EXPECT_EQ(F("kkal")->AsString(), "18,75");
    EXPECT_EQ(F("kkal")->AsCurrency().units, 187500);
    F("kkal")->SetAsFloat(240);
    EXPECT_EQ(F("kkal")->DisplayText(), "240");
    F("ratio")->SetAsFloat(0.1 + 0.2);
    EXPECT_EQ(F("ratio")->DisplayText(), "0,3");
    F("ratio")->SetAsVariant(Variant(1.0 / 3));
    EXPECT_EQ(F("ratio")->Text(), "0,333333333333333");
    F("count")->SetAsInteger(-17);
    EXPECT_EQ(F("count")->DisplayText(), "-17");
    EXPECT_EQ(F("count")->AsFloat(), -17.0);
    F("ratio")->SetAsFloat(2.5);
    EXPECT_EQ(F("ratio")->AsInteger(), 2);  // halves go to the even neighbour
    EXPECT_EQ(F("ratio")->AsVariant(), Variant(2.5));
}

TEST_F(DataFieldTest, BcdRoundsToItsDecimalsHalfAwayFromZero) {
    F("kkal")->SetAsFloat(1.2345);
    EXPECT_EQ(F("kkal")->AsString(), "1,235");
    F("kkal")->SetAsFloat(-1.2345);
    EXPECT_EQ(F("kkal")->AsString(), "-1,235");
    F("kkal")->SetAsFloat(2.0004);
    EXPECT_EQ(F("kkal")->AsString(), "2");
    F("kkal")->SetAsVariant(Variant(18.75f));  // single precision, as the ration's amounts come
    EXPECT_EQ(F("kkal")->AsCurrency().units, 187500);
    F("kkal")->SetAsVariant(Variant(static_cast<float>(3.3L * 33 * 0.01L)));
    EXPECT_EQ(F("kkal")->AsString(), "1,089");
    F("kkal")->SetAsVariant(Variant(0.0445f));
    EXPECT_EQ(F("kkal")->AsString(), "0,045");
    F("kkal")->SetAsVariant(Variant::Currency(123456));
    EXPECT_EQ(F("kkal")->AsString(), "12,346");
    EXPECT_EQ(F("kkal")->AsVariant(), Variant::Currency(123460));
    F("kkal")->SetAsString("12,5");
    EXPECT_EQ(F("kkal")->AsFloat(), 12.5);
    F("kkal")->SetAsString("7.25");  // a full stop is understood too
    EXPECT_EQ(F("kkal")->AsString(), "7,25");
    F("kkal")->SetAsString(",");  // a lone separator is 0, as typed into the food editor
    EXPECT_EQ(F("kkal")->AsString(), "0");
    EXPECT_FALSE(F("kkal")->IsNull());
}

TEST_F(DataFieldTest, ShortFieldRefusesValuesOutsideItsRange) {
    // -32768 is the file's empty mark: refused, and the message names what is accepted.
    const char* range = ". The allowed range is -32767 to 32767";
    EXPECT_MESSAGE(F("weight")->SetAsInteger(40000),
                   std::string("40000 is not a valid value for field 'Weight'") + range);
    EXPECT_MESSAGE(F("weight")->SetAsInteger(-32768),
                   std::string("-32768 is not a valid value for field 'Weight'") + range);
    EXPECT_MESSAGE(F("weight")->SetAsVariant(Variant(-32769)),
                   std::string("-32769 is not a valid value for field 'Weight'") + range);
    EXPECT_MESSAGE(F("weight")->SetAsVariant(Variant(1e6)),
                   std::string("1e+06 is not a valid value for field 'Weight'") + range);
    EXPECT_MESSAGE(F("weight")->SetAsString("100000"),
                   std::string("100000 is not a valid value for field 'Weight'") + range);
    EXPECT_TRUE(F("weight")->IsNull());
    F("weight")->SetAsInteger(32767);
    EXPECT_EQ(F("weight")->AsInteger(), 32767);
    F("weight")->SetAsVariant(Variant(150.4f));
    EXPECT_EQ(F("weight")->AsInteger(), 150);
    F("weight")->SetAsVariant(Variant("-12"));
    EXPECT_EQ(F("weight")->AsInteger(), -12);
    EXPECT_EQ(F("weight")->AsVariant(), Variant(-12));
}

TEST_F(DataFieldTest, TextThatIsNotANumberIsRefusedWithItsText) {
    EXPECT_MESSAGE(F("kkal")->SetAsString("12,5,1"), "'12,5,1' is not a valid floating point value");
    EXPECT_MESSAGE(F("ratio")->SetAsString("abc"), "'abc' is not a valid floating point value");
    EXPECT_MESSAGE(F("weight")->SetAsString("1,5"), "'1,5' is not a valid integer value");
    EXPECT_MESSAGE(F("count")->SetAsString("-"), "'-' is not a valid integer value");
    EXPECT_MESSAGE(F("day")->SetAsString("31.02.2024"), "'31.02.2024' is not a valid date");
    EXPECT_MESSAGE(F("done")->SetAsString("maybe"), "'maybe' is not a valid boolean value");
    F("name")->SetAsString("12a");
    EXPECT_MESSAGE(F("name")->AsInteger(), "'12a' is not a valid integer value");
    EXPECT_MESSAGE(F("name")->AsFloat(), "'12a' is not a valid floating point value");
    EXPECT_MESSAGE(F("day")->SetAsInteger(3), "Cannot access field 'Day' as type Integer");
    for (const char* n : {"kkal", "ratio", "weight", "count", "day", "done"}) EXPECT_TRUE(F(n)->IsNull()) << n;
}

TEST_F(DataFieldTest, StringsAreCutToTheFieldWidthAndNumbersBecomeText) {
    F("name")->SetAsString("Абрикос");
    EXPECT_EQ(F("name")->AsString(), "Абрик");
    F("name")->SetAsVariant(Variant(12.5));
    EXPECT_EQ(F("name")->AsString(), "12,5");
    EXPECT_EQ(F("name")->AsFloat(), 12.5);
    F("name")->SetAsInteger(42);
    EXPECT_EQ(F("name")->AsInteger(), 42);
    F("name")->SetAsString("");
    EXPECT_TRUE(F("name")->IsNull());
}

TEST_F(DataFieldTest, DatesAndBooleans) {
    F("day")->SetAsString("09.12.2026");
    EXPECT_EQ(F("day")->DisplayText(), "09.12.2026");
    Variant v = F("day")->AsVariant();
    ASSERT_EQ(v.Type(), VarType::Date);
    EXPECT_EQ(v.FloatValue(), 46365.0);  // days since 30.12.1899
    F("day")->SetAsVariant(Variant::Date(2.75));
    EXPECT_EQ(F("day")->AsString(), "01.01.1900");
    F("done")->SetAsBoolean(true);
    EXPECT_EQ(F("done")->AsString(), "True");
    F("done")->SetAsString("false");
    EXPECT_FALSE(F("done")->AsBoolean());
}

TEST_F(DataFieldTest, PostedValuesReadBackTheSame) {
    F("name")->SetAsString("Сыр");
    F("weight")->SetAsInteger(150);
    F("count")->SetAsInteger(2000000000);
    F("kkal")->SetAsString("363,5");
    F("ratio")->SetAsFloat(1e20);
    F("day")->SetAsString("29.02.2024");
    t.Post();
    EXPECT_EQ(F("id")->AsInteger(), 1);
    EXPECT_EQ(F("name")->AsString(), "Сыр");
    EXPECT_EQ(F("weight")->AsInteger(), 150);
    EXPECT_EQ(F("count")->AsInteger(), 2000000000);
    EXPECT_EQ(F("kkal")->DisplayText(), "363,5");
    EXPECT_EQ(F("ratio")->DisplayText(), "1E20");
    EXPECT_EQ(F("day")->DisplayText(), "29.02.2024");
    EXPECT_EQ(F("id")->ValueAt(0), Variant(1));
    EXPECT_TRUE(F("id")->ValueAt(5).IsNull());
}

}  // namespace

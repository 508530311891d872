// The skin description reader: loading rules, lookups, integers, and the writing side.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "ArchiveTestUtil.h"
#include "skin/data/Lzhuf.h"
#include "skin/data/QuickIni.h"

namespace {

TQuickIni Ini(std::string_view text) {
    TQuickIni ini;
    ini.LoadFromText(text);
    return ini;
}

TEST(SkinArchiveQuickIni, TrimsDropsCommentsAndFirstKeyWins) {
    const auto ini = Ini("[Buttons]\r\n   LeftWidth = 3  \r\n; note\r\nleftwidth=7\r\n");
    EXPECT_EQ(ini.ReadInteger("BUTTONS", "LEFTWIDTH", 0), 3);
    EXPECT_EQ(ini.Lines(), (std::vector<std::string>{"[Buttons]", "LeftWidth = 3", "leftwidth=7"}));
    // Tabs and control characters are trimmed; "#" starts an ordinary line.
    const auto ini2 = Ini("[S]\n\t\x01 #a=1 \t\n\n\n  ;x=2\nb\t=\t2\x7f");
    EXPECT_EQ(ini2.ReadString("s", "#a", "d"), "1");
    EXPECT_EQ(ini2.ReadString("s", ";x", "d"), "d");
    EXPECT_EQ(ini2.ReadString("s", "B", "d"), "2\x7f");
}

TEST(SkinArchiveQuickIni, LineBreaksAndTheZeroByte) {
    const auto ini = Ini(std::string_view("[a]\rk1=1\nk2=2\r\n\r\nk3=3\n\rk4=4\0[b]\nz=9", 35));
    EXPECT_EQ(ini.ReadInteger("a", "k1", 0), 1);
    EXPECT_EQ(ini.ReadInteger("a", "k2", 0), 2);
    EXPECT_EQ(ini.ReadInteger("a", "k3", 0), 3);
    EXPECT_EQ(ini.ReadInteger("a", "k4", 0), 4);
    EXPECT_EQ(ini.ReadInteger("b", "z", 0), 0);
    EXPECT_EQ(ini.Lines().size(), 5u);
}

TEST(SkinArchiveQuickIni, EmptyValuesGiveTheDefaultAndValuesKeepInnerText) {
    const auto ini = Ini("[Title]\nFrame=\nColour=0x00FF00\nText= 255 0 0 \nEq=a=b = c\nNoEquals\n=orphan");
    EXPECT_EQ(ini.ReadInteger("Title", "Frame", 5), 5);
    EXPECT_EQ(ini.ReadString("Title", "Frame", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadString("Title", "Frame", ""), "");
    EXPECT_EQ(ini.ReadInteger("Title", "Colour", 0), 65280);
    EXPECT_EQ(ini.ReadString("Title", "Text", ""), "255 0 0");
    EXPECT_EQ(ini.ReadString("Title", "eq", ""), "a=b = c");
    EXPECT_EQ(ini.ReadString("Title", "NoEquals", "d"), "d");
    EXPECT_EQ(ini.ReadString("Title", "", "d"), "d");
}

TEST(SkinArchiveQuickIni, SectionsMatchTheWholeBracketedText) {
    const auto ini = Ini("top=1\n[ Colours ]\na=1\n[Title]\nx=1\n[title]\nx=2\ny=3\n[Colours]\na=2");
    std::vector<std::string> names{"stale"};
    ini.ReadSections(names);
    EXPECT_EQ(names, (std::vector<std::string>{"Colours", "Title", "title", "Colours"}));
    // The spaced header is listed but not found; the second [Colours] is.
    EXPECT_EQ(ini.ReadInteger("Colours", "a", 0), 2);
    EXPECT_EQ(ini.ReadInteger(" Colours ", "a", 0), 1);
    // Only the first of two equal sections is ever seen.
    EXPECT_EQ(ini.ReadInteger("TITLE", "x", 0), 1);
    EXPECT_EQ(ini.ReadInteger("title", "y", 0), 0);
    // Lines above the first header belong to no section.
    EXPECT_EQ(ini.ReadInteger("", "top", 0), 0);
    // A header needs both brackets; "[]" is an empty section name.
    const auto ini2 = Ini("[half\nk=1\n[]\nk=2\n]x[\nk=3");
    ini2.ReadSections(names);
    EXPECT_EQ(names, (std::vector<std::string>{""}));
    EXPECT_EQ(ini2.ReadInteger("", "k", 0), 2);
}

TEST(SkinArchiveQuickIni, IntegerConversion) {
    struct Case {
        const char* text;
        int32_t expected;
    };
    const Case cases[] = {
        {"42", 42},
        {"-17", -17},
        {"+8", 8},
        {"0x1f", 31},
        {"0XFF", 255},
        {"$10", 16},
        {"-$10", -16},
        {"0xFFFFFFFF", -1},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"2147483648", 99},
        {"0x100000000", 99},
        {"12a", 99},
        {"0x", 99},
        {"1 2", 99},
        {"$", 99},
        {"-", 99},
        {"0x-1", 99},
        {"1.5", 99},
        {"0xg", 99},
        {"99999999999999999999", 99},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto ini = Ini(std::string("[s]\nk=") + c.text);
        EXPECT_EQ(ini.ReadInteger("s", "k", 99), c.expected);
    }
    const auto ini = Ini("[s]\nt=7\nf=0\nbad=x");
    EXPECT_TRUE(ini.ReadBool("s", "t", false));
    EXPECT_FALSE(ini.ReadBool("s", "f", true));
    EXPECT_TRUE(ini.ReadBool("s", "bad", true));
    EXPECT_FALSE(ini.ReadBool("s", "absent", false));
}

TEST(SkinArchiveQuickIni, SectionListings) {
    const auto ini = Ini("[S]\nB = 1\nnoeq\na=2\nb=3\n[T]\nq=1");
    std::vector<std::string> out{"stale"};
    ini.ReadSection("s", out);
    EXPECT_EQ(out, (std::vector<std::string>{"b", "a", "b"}));
    ini.ReadSectionValues("S", out);
    EXPECT_EQ(out, (std::vector<std::string>{"B = 1", "noeq", "a=2", "b=3"}));
    ini.ReadSection("absent", out);
    EXPECT_TRUE(out.empty());
}

TEST(SkinArchiveQuickIni, WritesKeepTheSectionIndexInStep) {
    TQuickIni ini = Ini("[A]\nx=1\n[B]\ny=2");
    ini.WriteString("a", "X", "10");      // replaces the first entry
    ini.WriteString("A", "New", "v");     // inserted before [B]
    ini.WriteString("B", "z", "3");       // appended: B is last
    ini.WriteString("C", "", "ignored");  // header only
    ini.WriteInteger("D", "n", -5);
    ini.WriteBool("D", "t", true);
    EXPECT_EQ(ini.Lines(),
              (std::vector<std::string>{"[A]", "X=10", "New=v", "[B]", "y=2", "z=3", "[C]", "[D]", "n=-5", "t=1"}));
    EXPECT_EQ(ini.ReadString("a", "new", ""), "v");
    EXPECT_EQ(ini.ReadString("B", "y", ""), "2");
    EXPECT_EQ(ini.ReadInteger("d", "N", 0), -5);
    ASSERT_EQ(ini.Sections().size(), 4u);
    EXPECT_EQ(ini.Sections()[1].line, 3u);

    ini.DeleteKey("A", "New");  // the key must be passed in lower case
    EXPECT_EQ(ini.ReadString("A", "new", "gone"), "v");
    ini.DeleteKey("A", "new");
    EXPECT_EQ(ini.ReadString("A", "new", "gone"), "gone");
    EXPECT_EQ(ini.ReadString("B", "z", ""), "3");

    ini.EraseSection("B");
    EXPECT_EQ(ini.Lines(), (std::vector<std::string>{"[A]", "X=10", "", "[C]", "[D]", "n=-5", "t=1"}));
    EXPECT_EQ(ini.ReadInteger("D", "t", 0), 1);
    ini.EraseSection("a");
    EXPECT_EQ(ini.Lines().front(), "[C]");
    ini.EraseSection("absent");
    EXPECT_EQ(ini.Sections().size(), 2u);
}

TEST(SkinArchiveQuickIni, SetIniFileKeepsLinesAsGiven) {
    TQuickIni ini;
    ini.SetIniFile({"  [S]  ", "; kept", "k = v", ""});
    EXPECT_EQ(ini.Lines().size(), 4u);
    EXPECT_EQ(ini.ReadString("s", "k", ""), "v");
    ASSERT_EQ(ini.Sections().size(), 1u);
    EXPECT_EQ(ini.Sections()[0].header, "[S]");
    ini.Clear();
    EXPECT_TRUE(ini.Lines().empty());
    EXPECT_TRUE(ini.Sections().empty());
    // A null stream changes nothing; an empty one empties.
    ini.SetIniFile({"[S]"});
    ini.LoadFromStream(nullptr);
    EXPECT_EQ(ini.Lines().size(), 1u);
    const std::vector<uint8_t> empty;
    ini.LoadFromStream(&empty);
    EXPECT_TRUE(ini.Lines().empty());
}

TEST(SkinArchiveQuickIni, SavesAndLoadsFilesPlainAndPacked) {
    const auto dir = std::filesystem::temp_directory_path() / "skin_archive_ini_test";
    std::filesystem::create_directories(dir);
    auto name = [&](const char* leaf) {
        const auto u8 = (dir / leaf).u8string();
        return std::string(u8.begin(), u8.end());
    };
    TQuickIni ini = Ini("; dropped\n[Окно]\nЗаголовок = Лорвена\nw=1");
    std::vector<uint8_t> bytes;
    ini.SaveToStream(bytes);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "[Окно]\r\nЗаголовок = Лорвена\r\nw=1\r\n");

    ini.SaveToFile(name("plain.ini"));
    TQuickIni back;
    back.LoadFromFile(name("plain.ini"));
    EXPECT_EQ(back.Lines(), ini.Lines());

    ini.SavetoZip(name("packed.ini"));
    std::vector<uint8_t> packed;
    {
        std::ifstream in(dir / "packed.ini", std::ios::binary);
        packed.assign(std::istreambuf_iterator<char>(in), {});
    }
    EXPECT_EQ(LzhExpand(packed), bytes);
    TQuickIni unzipped;
    unzipped.LoadFromZip(name("packed.ini"));
    EXPECT_EQ(unzipped.ReadString("Окно", "Заголовок", ""), "Лорвена");

    EXPECT_THROW(back.LoadFromFile(name("absent.ini")), Exception);
    {
        std::ofstream broken(dir / "broken.ini", std::ios::binary);
        broken.write(reinterpret_cast<const char*>(packed.data()), std::streamsize(packed.size() - 2));
    }
    EXPECT_THROW(back.LoadFromZip(name("broken.ini")), ElzhException);
    EXPECT_THROW(ini.SaveToFile(name("no/such/dir.ini")), Exception);
    // A failed load keeps what was there.
    EXPECT_EQ(back.Lines(), ini.Lines());
    std::filesystem::remove_all(dir);
}

}  // namespace

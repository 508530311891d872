// The skin container: versions, directory rules, lookups and rejected containers.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "ArchiveTestUtil.h"
#include "skin/data/Lzhuf.h"
#include "skin/data/SkinReader.h"

namespace {

void PutInt(std::vector<uint8_t>& out, int32_t v) {
    const uint32_t u = uint32_t(v);
    out.insert(out.end(), {uint8_t(u), uint8_t(u >> 8), uint8_t(u >> 16), uint8_t(u >> 24)});
}

// Expanded container bytes built by hand, so that broken directories can be made too.
std::vector<uint8_t> RawContainer(int32_t version, const std::string& names, const std::vector<int32_t>& sizes,
                                  const std::string& data, int skip, int32_t namesLength = INT32_MIN,
                                  uint8_t skipFill = 0) {
    std::vector<uint8_t> raw;
    PutInt(raw, version);
    PutInt(raw, namesLength != INT32_MIN ? namesLength : int32_t(names.size()));
    PutInt(raw, 0x11111111);
    PutInt(raw, 0x22222222);
    raw.insert(raw.end(), size_t(skip), skipFill);
    raw.insert(raw.end(), names.begin(), names.end());
    for (int32_t s : sizes) PutInt(raw, s);
    raw.insert(raw.end(), data.begin(), data.end());
    return raw;
}

std::string AsString(const std::vector<uint8_t>& v) { return std::string(v.begin(), v.end()); }

class SkinArchiveReader : public ::testing::Test {
protected:
    void SetUp() override {
        SetSkinReaderMessageProc([this](const std::string& text) { messages.push_back(text); });
    }
    void TearDown() override { SetSkinReaderMessageProc({}); }

    bool Open(const std::vector<uint8_t>& raw) { return reader.Loadfromstream(LzhCompress(raw)); }

    TSkinReader reader;
    std::vector<std::string> messages;
};

TEST_F(SkinArchiveReader, FindsMembersByNameIgnoringAsciiCase) {
    ASSERT_TRUE(Open(RawContainer(40000, "Skin.INI\r\nTitle.BMP\r\nframe.bmp", {3, 4, 2}, "a=1TTTTff", 80)));
    EXPECT_EQ(reader.Count(), 3);
    EXPECT_EQ(reader.Version(), 40000);
    EXPECT_EQ(reader.Header()[2], 0x11111111);
    std::vector<uint8_t> out{9, 9};
    reader.readfile("title.bmp", out);
    EXPECT_EQ(AsString(out), "TTTT");
    reader.readfile("TITLE.bmp", out);
    EXPECT_EQ(AsString(out), "TTTT");
    reader.readfile("FRAME.BMP", out);
    EXPECT_EQ(AsString(out), "ff");
    reader.readfile("missing.bmp", out);
    EXPECT_TRUE(out.empty());
    reader.ReadMember(0, out);
    EXPECT_EQ(AsString(out), "a=1");
    reader.ReadMember(3, out);
    EXPECT_TRUE(out.empty());
    // A partial name is not a member.
    reader.readfile("title", out);
    EXPECT_TRUE(out.empty());
    EXPECT_TRUE(messages.empty());
}

TEST_F(SkinArchiveReader, ReadIniTakesTheFirstNameContainingThePattern) {
    ASSERT_TRUE(Open(RawContainer(20000, "skin.ini.bak\r\nskin.ini\r\n", {3, 5}, "oldnewer", 0)));
    std::vector<uint8_t> out;
    std::string name = "unchanged";
    reader.readIni(".ini", out, name);
    EXPECT_EQ(name, "skin.ini.bak");
    EXPECT_EQ(AsString(out), "old");
    // The pattern is used as given against lower-cased names.
    name = "unchanged";
    reader.readIni(".INI", out, name);
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(name, "unchanged");
}

TEST_F(SkinArchiveReader, AllThreeVersionsGiveTheSameMembers) {
    const std::string names = "a.ini\nb.bmp";
    const std::vector<int32_t> sizes = {2, 3};
    for (auto [version, skip] : {std::pair{20000, 0}, std::pair{30000, 256}, std::pair{40000, 80}}) {
        SCOPED_TRACE(version);
        // The skipped block is filled with bytes that would look like names and sizes.
        TSkinReader r;
        ASSERT_TRUE(r.Loadfromstream(LzhCompress(RawContainer(version, names, sizes, "xyBMP", skip, INT32_MIN, '\n'))));
        std::vector<uint8_t> out;
        r.readfile("a.ini", out);
        EXPECT_EQ(AsString(out), "xy");
        r.readfile("b.bmp", out);
        EXPECT_EQ(AsString(out), "BMP");
        EXPECT_EQ(r.Names(), (std::vector<std::string>{"a.ini", "b.bmp"}));
    }
}

TEST_F(SkinArchiveReader, UnknownVersionShowsTheMessageAndFails) {
    EXPECT_FALSE(Open(RawContainer(10000, "a.ini", {1}, "x", 0)));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "This is Older Skin File\rPlease update to new version !");
    EXPECT_EQ(reader.Count(), 0);
}

TEST_F(SkinArchiveReader, NamesSplitLikeAStringList) {
    struct Case {
        std::string names;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},
        {"a\rb\nc", {"a", "b", "c"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {std::string("a\r\nb\0c\r\n", 8), {"a", "b"}},
        {"", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.names);
        std::string data(c.expected.size(), 'z');
        std::vector<int32_t> sizes(c.expected.size(), 1);
        TSkinReader r;
        ASSERT_TRUE(r.Loadfromstream(LzhCompress(RawContainer(20000, c.names, sizes, data, 0))));
        EXPECT_EQ(r.Names(), c.expected);
    }
}

TEST_F(SkinArchiveReader, RejectsDirectoriesThatDoNotFitTheData) {
    // Sizes beyond the member data, negative sizes, names past the end, a size table
    // past the end, more than 1001 members, a header cut short.
    EXPECT_FALSE(Open(RawContainer(40000, "a\r\nb", {2, 3}, "xyz", 80)));
    EXPECT_FALSE(Open(RawContainer(40000, "a\r\nb", {-1, 3}, "xyz", 80)));
    EXPECT_FALSE(Open(RawContainer(40000, "a\r\nb", {0x7FFFFFFF, 0x7FFFFFFF}, "xyz", 80)));
    EXPECT_FALSE(Open(RawContainer(40000, "a", {1}, "x", 80, 1000)));
    EXPECT_FALSE(Open(RawContainer(40000, "a", {1}, "x", 80, -5)));
    EXPECT_FALSE(Open(RawContainer(40000, "a\r\nb\r\nc", {}, "", 80)));
    EXPECT_FALSE(Open(RawContainer(30000, "", {}, "", 100)));
    std::string many;
    for (int i = 0; i < 1002; ++i) many += "m\r\n";
    EXPECT_FALSE(Open(RawContainer(20000, many, std::vector<int32_t>(1002, 0), "", 0)));
    EXPECT_TRUE(Open(RawContainer(20000, many.substr(3), std::vector<int32_t>(1001, 0), "", 0)));
    EXPECT_FALSE(Open({0x40, 0x9C, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(messages.empty());

    // Sizes that fit exactly are fine, data after the last member is ignored.
    ASSERT_TRUE(Open(RawContainer(40000, "a\r\nb", {2, 1}, "xyzTAIL", 80)));
    std::vector<uint8_t> out;
    reader.readfile("b", out);
    EXPECT_EQ(AsString(out), "z");
}

TEST_F(SkinArchiveReader, RejectsDamagedFilesAndKeepsNothing) {
    ASSERT_TRUE(Open(RawContainer(40000, "a", {1}, "x", 80)));
    auto packed = LzhCompress(RawContainer(40000, "a", {1}, "x", 80));
    // Too short for the size prefix, truncated stream, absurd size prefix.
    EXPECT_FALSE(reader.Loadfromstream(std::vector<uint8_t>{1, 2}));
    EXPECT_EQ(reader.Count(), 0);
    auto cut = packed;
    cut.resize(cut.size() - 3);
    EXPECT_FALSE(reader.Loadfromstream(cut));
    auto huge = packed;
    huge[3] = 0x7F;
    EXPECT_FALSE(reader.Loadfromstream(huge));
    std::vector<uint8_t> out{1};
    reader.readfile("a", out);
    EXPECT_TRUE(out.empty());
}

TEST_F(SkinArchiveReader, LoadsFromAFileAndIgnoresAMissingOne) {
    const auto dir = std::filesystem::temp_directory_path() / "skin_archive_reader_test";
    std::filesystem::create_directories(dir);
    const auto file = dir / "Скин.skn";
    {
        std::ofstream o(file, std::ios::binary);
        const auto bytes = BuildSkinContainer({{"Skin.ini", {'k', '=', 'v'}}, {"x.bmp", {1, 2, 3}}});
        o.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    const std::u8string u8 = file.u8string();
    EXPECT_TRUE(reader.loadfromfile(std::string(u8.begin(), u8.end())));
    std::vector<uint8_t> out;
    reader.readfile("X.BMP", out);
    EXPECT_EQ(out, (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(reader.Version(), 40000);

    TSkinReader other;
    EXPECT_FALSE(other.loadfromfile((dir / "absent.skn").string()));
    EXPECT_FALSE(other.loadfromfile(dir.string()));
    std::filesystem::remove_all(dir);
}

TEST_F(SkinArchiveReader, BuilderRefusesWhatTheReaderCouldNotRead) {
    EXPECT_THROW(BuildSkinContainer({{"a\r\nb", {}}}), Exception);
    EXPECT_THROW(BuildSkinContainer({{"a", {}}}, 12345), Exception);
    EXPECT_THROW(BuildSkinContainer(std::vector<TSkinMember>(1002, {"m", {}})), Exception);
    // The reference encoder's framing: a container the builder writes expands with the
    // plain framing and carries its own expanded length.
    const auto bytes = BuildSkinContainer({{"a.ini", {'x'}}}, 30000);
    const auto raw = LzhExpand(bytes);
    EXPECT_EQ(raw.size(), 16u + 256u + 7u + 4u + 1u);
    int32_t prefix;
    std::memcpy(&prefix, bytes.data(), 4);
    EXPECT_EQ(size_t(prefix), raw.size());
}

}  // namespace

// skinunpack's work: members that cannot become files are skipped with a warning that
// says which; every other member is written, whatever stands before it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "skin/data/SkinReader.h"
#include "tools/skinunpack/UnpackSkin.h"

namespace fs = std::filesystem;

namespace {

std::vector<uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

std::string ReadText(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

struct UnpackCase {
    const char* what;
    std::vector<TSkinMember> members;
    std::vector<std::string> files;     // written, with their contents "<name>-data"
    std::vector<std::string> warnings;  // substrings, one per skipped member, in order
};

TEST(SkinUnpack, SkipsOnlyWhatCannotBeAFile) {
    auto m = [](const std::string& name) { return TSkinMember{name, Bytes(name + "-data")}; };
    const UnpackCase cases[] = {
        {"all named", {m("skin.ini"), m("a.bmp")}, {"skin.ini", "a.bmp"}, {}},
        {"unnamed in the middle",
         {m("skin.ini"), m(""), m("b.bmp"), m("c.bmp")},
         {"skin.ini", "b.bmp", "c.bmp"},
         {"элемент 2 (5 байт) без имени"}},
        {"unnamed first and last",
         {m(""), m("a.bmp"), m("")},
         {"a.bmp"},
         {"элемент 1 (5 байт) без имени", "элемент 3 (5 байт) без имени"}},
        {"names that leave the folder",
         {m("../up.bmp"), m("c:x.bmp"), m(".."), m("ok.bmp")},
         {"ok.bmp"},
         {"элемент 1", "элемент 2", "элемент 3"}},
        {"repeated name: the first is the one read",
         {m("a.bmp"), TSkinMember{"a.bmp", Bytes("x")}},
         {"a.bmp"},
         {"элемент 2 (1 байт) с повторным именем"}},
    };
    const fs::path root = fs::temp_directory_path() / "skin_unpack_test";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(root);
        fs::create_directories(root / "out");
        TSkinReader reader;
        ASSERT_TRUE(reader.Loadfromstream(BuildSkinContainer(c.members)));
        std::vector<std::string> warned;
        const TUnpackResult r = UnpackSkin(reader, root / "out", [&](const std::string& w) { warned.push_back(w); });

        EXPECT_EQ(r.written, int(c.files.size()));
        EXPECT_EQ(r.skipped, int(c.warnings.size()));
        for (const auto& f : c.files) EXPECT_EQ(ReadText(root / "out" / f), f + "-data") << f;
        EXPECT_EQ(std::distance(fs::directory_iterator(root / "out"), fs::directory_iterator()),
                  std::ptrdiff_t(c.files.size()));
        EXPECT_FALSE(fs::exists(root / "up.bmp"));
        ASSERT_EQ(warned.size(), c.warnings.size());
        for (size_t i = 0; i < warned.size(); ++i)
            EXPECT_NE(warned[i].find(c.warnings[i]), std::string::npos) << warned[i];
    }
    fs::remove_all(root);
}

}  // namespace

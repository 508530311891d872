// skinpack DIR OUT.skn: packs a skin folder (one description .ini and the BMP images it
// names) into a version-40000 skin file compressed with our LZHUF encoder. The
// description goes first, then the images in name order; file names become member
// names as they are.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/AsciiCase.h"
#include "core/Exception.h"
#include "skin/data/QuickIni.h"
#include "skin/data/SkinReader.h"

namespace fs = std::filesystem;

namespace {

bool EndsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

std::string Utf8(const fs::path& p) {
    const auto u8 = p.u8string();
    return std::string(u8.begin(), u8.end());
}

std::vector<uint8_t> ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw Exception("не удалось открыть файл «" + Utf8(path) + "»");
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
    if (in.bad()) throw Exception("не удалось прочитать файл «" + Utf8(path) + "»");
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: skinpack DIR OUT.skn\n");
        return 2;
    }
    try {
        const fs::path dir = argv[1];
        if (!fs::is_directory(dir)) throw Exception("папка «" + std::string(argv[1]) + "» не найдена");
        std::vector<fs::path> inis, bmps;
        for (const auto& entry : fs::directory_iterator(dir)) {
            if (!entry.is_regular_file()) continue;
            const std::string lower = AsciiLower(Utf8(entry.path().filename()));
            if (EndsWith(lower, ".ini"))
                inis.push_back(entry.path());
            else if (EndsWith(lower, ".bmp"))
                bmps.push_back(entry.path());
            else
                std::fprintf(stderr, "skinpack: пропущен файл «%s» (не .ini и не .bmp)\n",
                             Utf8(entry.path().filename()).c_str());
        }
        if (inis.empty()) throw Exception("в папке нет описания скина (файла .ini)");
        if (inis.size() > 1) throw Exception("в папке больше одного файла .ini: описание скина должно быть одно");
        std::sort(bmps.begin(), bmps.end());

        std::vector<TSkinMember> members;
        members.push_back({Utf8(inis[0].filename()), ReadFile(inis[0])});
        for (const auto& b : bmps) members.push_back({Utf8(b.filename()), ReadFile(b)});

        // Images the description names must be in the folder; the skin would silently
        // lose them otherwise.
        TQuickIni ini;
        ini.LoadFromBytes(members[0].data);
        int missing = 0;
        for (const auto& line : ini.Lines()) {
            const size_t eq = line.find('=');
            if (eq == std::string::npos) continue;
            std::string value = line.substr(eq + 1);
            value.erase(0, value.find_first_not_of(" \t"));
            if (!EndsWith(AsciiLower(value), ".bmp")) continue;
            const size_t slash = value.find_last_of("/\\");
            const std::string leaf = AsciiLower(slash == std::string::npos ? value : value.substr(slash + 1));
            const bool found = std::any_of(members.begin(), members.end(),
                                           [&](const TSkinMember& m) { return AsciiLower(m.name) == leaf; });
            if (!found) {
                std::fprintf(stderr, "skinpack: описание называет «%s», но такого файла в папке нет\n", value.c_str());
                ++missing;
            }
        }
        if (missing) throw Exception("не хватает изображений: " + std::to_string(missing));

        const auto packed = BuildSkinContainer(members, 40000);
        std::ofstream out(fs::path(argv[2]), std::ios::binary | std::ios::trunc);
        if (!out) throw Exception("не удалось создать файл «" + std::string(argv[2]) + "»");
        out.write(reinterpret_cast<const char*>(packed.data()), std::streamsize(packed.size()));
        out.close();
        if (!out) throw Exception("не удалось записать файл «" + std::string(argv[2]) + "»");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skinpack: %s\n", e.what());
        return 1;
    }
    return 0;
}

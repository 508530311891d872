// mkdb ASSETS_DIR OUT_DIR: builds Food.DB, Сateg.db, Menu.DB and Diet.DB in OUT_DIR from
// categ.tsv, food.tsv and diet.tsv in ASSETS_DIR (formats in DefaultTables.h). The tables
// are built in a scratch folder and moved into OUT_DIR only when all of them succeeded.
// Bad input: a message naming the file and line on stderr, exit status 1.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "DefaultTables.h"

namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw mkdb::InputError("не удалось открыть " + path.string());
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: mkdb ASSETS_DIR OUT_DIR\n");
        return 2;
    }
    fs::path assets = argv[1], out = argv[2];
    fs::path scratch = out / ".mkdb-scratch";
    try {
        mkdb::Sources src{ReadFile(assets / "categ.tsv"), ReadFile(assets / "food.tsv"), ReadFile(assets / "diet.tsv")};
        fs::create_directories(out);
        fs::remove_all(scratch);
        fs::create_directories(scratch);
        {
            engine::Database db(scratch.string());
            mkdb::BuildDefaultTables(db, src);
        }
        for (const char* name : {"Food.DB", "Сateg.db", "Menu.DB", "Diet.DB"}) {
            fs::path file = fs::path(reinterpret_cast<const char8_t*>(name));
            fs::rename(scratch / file, out / file);
        }
        fs::remove_all(scratch);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "mkdb: %s\n", e.what());
        std::error_code ec;
        fs::remove_all(scratch, ec);
        return 1;
    }
    return 0;
}

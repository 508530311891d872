// skinunpack IN.skn DIR: writes every member of a skin file into DIR (created when
// missing). Exit status: 0 every member written, 3 some members skipped (each named on
// stderr), 1 the file could not be read or a member not written, 2 bad usage.
#include <cstdio>
#include <filesystem>
#include <string>

#include "core/Exception.h"
#include "skin/data/SkinReader.h"
#include "tools/skinunpack/UnpackSkin.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: skinunpack IN.skn DIR\n");
        return 2;
    }
    try {
        if (!fs::is_regular_file(fs::path(argv[1]))) throw Exception("файл «" + std::string(argv[1]) + "» не найден");
        TSkinReader reader;
        if (!reader.loadfromfile(argv[1]))
            throw Exception("«" + std::string(argv[1]) + "» не является файлом скина или повреждён");
        const fs::path dir = argv[2];
        std::error_code ec;
        fs::create_directories(dir, ec);
        if (!fs::is_directory(dir)) throw Exception("не удалось создать папку «" + std::string(argv[2]) + "»");
        const TUnpackResult r = UnpackSkin(
            reader, dir, [](const std::string& text) { std::fprintf(stderr, "skinunpack: %s\n", text.c_str()); });
        std::printf("версия %d, элементов: %d, записано: %d, пропущено: %d\n", reader.Version(), reader.Count(),
                    r.written, r.skipped);
        return r.skipped == 0 ? 0 : 3;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skinunpack: %s\n", e.what());
        return 1;
    }
}

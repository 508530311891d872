// skinunpack IN.skn DIR: writes every member of a skin file into DIR (created when
// missing). Member names come from the file, so only plain file names are accepted.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "core/Exception.h"
#include "skin/data/SkinReader.h"

namespace fs = std::filesystem;

namespace {

bool IsPlainFileName(const std::string& name)
{
    if (name.empty() || name == "." || name == "..")
        return false;
    for (char ch : name)
        if (ch == '/' || ch == '\\' || ch == ':' || uint8_t(ch) < ' ')
            return false;
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: skinunpack IN.skn DIR\n");
        return 2;
    }
    try {
        const fs::path file = argv[1];
        if (!fs::is_regular_file(file))
            throw Exception("файл «" + std::string(argv[1]) + "» не найден");
        TSkinReader reader;
        if (!reader.loadfromfile(argv[1]))
            throw Exception("«" + std::string(argv[1]) + "» не является файлом скина или повреждён");
        const fs::path dir = argv[2];
        std::error_code ec;
        fs::create_directories(dir, ec);
        if (!fs::is_directory(dir))
            throw Exception("не удалось создать папку «" + std::string(argv[2]) + "»");
        std::set<std::string> written;
        std::vector<uint8_t> bytes;
        for (int i = 0; i < reader.Count(); ++i) {
            const std::string& name = reader.Names()[size_t(i)];
            if (!IsPlainFileName(name))
                throw Exception("недопустимое имя элемента «" + name + "»");
            if (!written.insert(name).second) {
                std::fprintf(stderr, "skinunpack: повторное имя «%s» пропущено (читается первое)\n",
                             name.c_str());
                continue;
            }
            reader.ReadMember(size_t(i), bytes);
            const fs::path target = dir / fs::path(std::u8string(name.begin(), name.end()));
            std::ofstream out(target, std::ios::binary | std::ios::trunc);
            out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
            out.close();
            if (!out)
                throw Exception("не удалось записать файл «" + name + "»");
        }
        std::printf("версия %d, элементов: %d\n", reader.Version(), reader.Count());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skinunpack: %s\n", e.what());
        return 1;
    }
    return 0;
}

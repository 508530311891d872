// lzh c IN OUT: compresses IN into OUT (4-byte little-endian size, then the LZHUF stream).
// lzh d IN OUT: expands such a file.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/Exception.h"
#include "skin/data/Lzhuf.h"

namespace {

std::vector<uint8_t> ReadFile(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    if (!in)
        throw Exception("не удалось открыть файл «" + name + "»");
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
    if (in.bad())
        throw Exception("не удалось прочитать файл «" + name + "»");
    return bytes;
}

void WriteFile(const std::string& name, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    if (!out)
        throw Exception("не удалось создать файл «" + name + "»");
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    out.close();
    if (!out)
        throw Exception("не удалось записать файл «" + name + "»");
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4 || (std::string(argv[1]) != "c" && std::string(argv[1]) != "d")) {
        std::fprintf(stderr, "usage: lzh c IN OUT   (compress)\n       lzh d IN OUT   (expand)\n");
        return 2;
    }
    try {
        const auto input = ReadFile(argv[2]);
        const auto output = std::string(argv[1]) == "c" ? LzhCompress(input) : LzhExpand(input);
        WriteFile(argv[3], output);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "lzh: %s\n", e.what());
        return 1;
    }
    return 0;
}

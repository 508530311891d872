// lzh c IN OUT: compresses IN into OUT (4-byte little-endian size, then the LZHUF stream).
// lzh d IN OUT: expands such a file.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/Exception.h"
#include "skin/data/Lzhuf.h"

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// The whole file in one read of its known size, into a buffer that is not cleared first.
struct Contents {
    std::unique_ptr<uint8_t[]> bytes;
    size_t size = 0;
    std::span<const uint8_t> Span() const { return {bytes.get(), size}; }
};

Contents ReadFile(const std::string& name) {
    File in(std::fopen(name.c_str(), "rb"));
    if (!in) throw Exception("не удалось открыть файл «" + name + "»");
    std::error_code error;
    const auto size = std::filesystem::file_size(name, error);  // fails for a folder
    if (error) throw Exception("не удалось прочитать файл «" + name + "»");
    Contents c;
    c.size = size_t(size);
    c.bytes = std::make_unique_for_overwrite<uint8_t[]>(c.size + 1);
    // One byte more than expected tells a file that grew meanwhile from one that did not.
    if (std::fread(c.bytes.get(), 1, c.size + 1, in.get()) != c.size || std::ferror(in.get()))
        throw Exception("не удалось прочитать файл «" + name + "»");
    return c;
}

File CreateFile(const std::string& name) {
    File out(std::fopen(name.c_str(), "wb"));
    if (!out) throw Exception("не удалось создать файл «" + name + "»");
    return out;
}

void Finish(File out, const std::string& name) {
    if (std::fclose(out.release()) != 0) throw Exception("не удалось записать файл «" + name + "»");
}

void Compress(const Contents& input, const std::string& name) {
    const auto packed = LzhCompress(input.Span());
    File out = CreateFile(name);
    if (std::fwrite(packed.data(), 1, packed.size(), out.get()) != packed.size())
        throw Exception("не удалось записать файл «" + name + "»");
    Finish(std::move(out), name);
}

// Expanded bytes go to the file as the decoder produces them: no buffer of their size.
// A stream that turns out damaged leaves no file behind.
void Expand(const Contents& input, const std::string& name) {
    File out = CreateFile(name);
    try {
        LzhExpandTo(input.Span(), [&out](const uint8_t* b, uint16_t n, uint16_t& done) {
            done = uint16_t(std::fwrite(b, 1, n, out.get()));
        });
        Finish(std::move(out), name);
    } catch (...) {
        out.reset();
        std::remove(name.c_str());
        throw;
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4 || (std::string(argv[1]) != "c" && std::string(argv[1]) != "d")) {
        std::fprintf(stderr, "usage: lzh c IN OUT   (compress)\n       lzh d IN OUT   (expand)\n");
        return 2;
    }
    try {
        const Contents input = ReadFile(argv[2]);
        if (std::string(argv[1]) == "c")
            Compress(input, argv[3]);
        else
            Expand(input, argv[3]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "lzh: %s\n", e.what());
        return 1;
    }
    return 0;
}

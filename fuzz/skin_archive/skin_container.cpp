// A skin file from memory: open, then read every member by name, by index and the
// description by pattern. The input is used both as a raw skin file and, wrapped with
// our encoder, as an expanded container, so that the directory parser is reached.
#include <cstdint>
#include <cstdlib>

#include "skin/data/Lzhuf.h"
#include "skin/data/SkinReader.h"

namespace {

void Exercise(std::span<const uint8_t> file) {
    TSkinReader reader;
    if (!reader.Loadfromstream(file)) return;
    std::vector<uint8_t> out;
    size_t total = 0;
    for (int i = 0; i < reader.Count(); ++i) {
        reader.readfile(reader.Names()[size_t(i)], out);
        reader.ReadMember(size_t(i), out);
        if (out.size() != size_t(reader.Sizes()[size_t(i)])) std::abort();
        total += out.size();
    }
    std::string name;
    reader.readIni(".ini", out, name);
    (void)total;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SetSkinReaderMessageProc([](const std::string&) {});
    Exercise(std::span<const uint8_t>(data, size));
    if (size <= 8192) Exercise(LzhCompress(std::span<const uint8_t>(data, size)));
    return 0;
}

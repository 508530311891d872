// lzh_baseline d IN OUT: expands a file written by `lzh c` with the plain decoder, so that
// whole processes can be timed side by side with `lzh d` (bench/lzhuf/processes.sh).
#include <cstdio>
#include <cstring>

#include "LzhufBaseline.h"

int main(int argc, char** argv) {
    if (argc != 4 || std::strcmp(argv[1], "d") != 0) {
        std::fprintf(stderr, "usage: lzh_baseline d IN OUT\n");
        return 2;
    }
    std::FILE* in = std::fopen(argv[2], "rb");
    if (!in) {
        std::perror(argv[2]);
        return 1;
    }
    std::FILE* out = std::fopen(argv[3], "wb");
    if (!out) {
        std::perror(argv[3]);
        std::fclose(in);
        return 1;
    }
    const bool ok = lzhuf_baseline::ExpandFile(in, out);
    std::fclose(in);
    const bool written = !std::ferror(out);
    if (std::fclose(out) != 0 || !written || !ok) {
        std::fprintf(stderr, "lzh_baseline: %s\n", ok ? "write failed" : "no size prefix");
        return 1;
    }
    return 0;
}

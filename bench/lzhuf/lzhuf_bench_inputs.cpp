// lzhuf_bench_inputs DIR: writes the benchmarks' plain inputs as DIR/vectors.plain and
// DIR/mixed.plain, for timing whole processes on the same bytes as bench_lzhuf.
#include <cstdio>
#include <fstream>

#include "LzhufBenchInputs.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: lzhuf_bench_inputs DIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    for (const auto& [name, data] : {std::pair{"vectors", lzhuf_bench::VectorsInput(LZHUF_VECTOR_DIR)},
                                     std::pair{"mixed", lzhuf_bench::MixedInput()}}) {
        std::ofstream out(dir + "/" + name + ".plain", std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
        if (!out.flush()) {
            std::fprintf(stderr, "lzhuf_bench_inputs: cannot write %s/%s.plain\n", dir.c_str(), name);
            return 1;
        }
    }
    return 0;
}

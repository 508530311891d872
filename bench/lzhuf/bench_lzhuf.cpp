// LZHUF throughput on 5 MiB made of the reference vectors' plain files, concatenated in
// order and repeated: expansion (MB/s of expanded bytes) and compression (MB/s of
// plain bytes).
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "skin/data/Lzhuf.h"

namespace {

const std::vector<uint8_t>& Plain()
{
    static const std::vector<uint8_t> data = [] {
        std::vector<uint8_t> one;
        for (const char* name : {"01_empty", "02_one_A", "03_spaces100", "04_russian_cp1251",
                                 "05_ini_5k", "06_random64k", "07_bmp24_100k", "09_zeros70000",
                                 "10_tail_lookahead"}) {
            std::ifstream in(std::string(LZHUF_VECTOR_DIR) + "/" + name + ".plain", std::ios::binary);
            one.insert(one.end(), std::istreambuf_iterator<char>(in), {});
        }
        std::vector<uint8_t> all;
        const size_t target = 5u << 20;
        while (all.size() < target)
            all.insert(all.end(), one.begin(), one.begin() + long(std::min(one.size(), target - all.size())));
        return all;
    }();
    return data;
}

const std::vector<uint8_t>& Packed()
{
    static const std::vector<uint8_t> packed = LzhCompress(Plain());
    return packed;
}

void BM_LzhufExpand(benchmark::State& state)
{
    const auto& packed = Packed();
    for (auto _ : state) {
        auto out = LzhExpand(packed);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(Plain().size()));
    state.counters["ratio"] = double(packed.size()) / double(Plain().size());
}
BENCHMARK(BM_LzhufExpand)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_LzhufCompress(benchmark::State& state)
{
    const auto& plain = Plain();
    for (auto _ : state) {
        auto out = LzhCompress(plain);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(plain.size()));
}
BENCHMARK(BM_LzhufCompress)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();

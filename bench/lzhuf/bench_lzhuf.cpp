// LZHUF throughput on two 5 MiB inputs (LzhufBenchInputs.h): our expansion against the
// plain bit-by-bit decoder (LzhufBaseline.h), in MB/s of expanded bytes, and our
// compression in MB/s of plain bytes. Before anything is timed, both decoders must give
// back every reference vector and both inputs exactly: a yardstick that decodes wrongly
// measures nothing.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "LzhufBaseline.h"
#include "LzhufBenchInputs.h"
#include "skin/data/Lzhuf.h"

namespace {

enum InputKind { kVectors, kMixed };

struct Input {
    std::vector<uint8_t> plain;
    std::vector<uint8_t> packed;
};

const Input& Get(InputKind kind) {
    static const Input vectors = [] {
        Input in{lzhuf_bench::VectorsInput(LZHUF_VECTOR_DIR), {}};
        in.packed = LzhCompress(in.plain);
        return in;
    }();
    static const Input mixed = [] {
        Input in{lzhuf_bench::MixedInput(), {}};
        in.packed = LzhCompress(in.plain);
        return in;
    }();
    return kind == kVectors ? vectors : mixed;
}

std::vector<uint8_t> ReadFile(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void Require(bool ok, const std::string& what) {
    if (!ok) {
        std::fprintf(stderr, "bench_lzhuf: %s\n", what.c_str());
        std::exit(1);
    }
}

void CheckDecoders() {
    for (const char* name : {"01_empty", "02_one_A", "03_spaces100", "04_russian_cp1251", "05_ini_5k", "06_random64k",
                             "07_bmp24_100k", "09_zeros70000", "10_tail_lookahead"}) {
        const std::string base = std::string(LZHUF_VECTOR_DIR) + "/" + name;
        const auto packed = ReadFile(base + ".lzh");
        const auto plain = ReadFile(base + ".plain");
        Require(packed.size() >= 4, std::string("missing vector ") + name);
        Require(lzhuf_baseline::Expand(packed) == plain, std::string("baseline differs on ") + name);
        Require(LzhExpand(packed) == plain, std::string("our decoder differs on ") + name);
    }
    for (InputKind kind : {kVectors, kMixed}) {
        const Input& in = Get(kind);
        const char* name = kind == kVectors ? "vectors" : "mixed";
        Require(in.plain.size() == lzhuf_bench::kInputSize, std::string("wrong size of ") + name);
        Require(lzhuf_baseline::Expand(in.packed) == in.plain, std::string("baseline differs on ") + name);
        Require(LzhExpand(in.packed) == in.plain, std::string("our decoder differs on ") + name);
    }
}

void Report(benchmark::State& state, const Input& in) {
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(in.plain.size()));
    state.counters["ratio"] = double(in.packed.size()) / double(in.plain.size());
}

void BM_LzhufExpand(benchmark::State& state, InputKind kind) {
    const Input& in = Get(kind);
    for (auto _ : state) {
        auto out = LzhExpand(in.packed);
        benchmark::DoNotOptimize(out.data());
    }
    Report(state, in);
}

void BM_LzhufBaselineExpand(benchmark::State& state, InputKind kind) {
    const Input& in = Get(kind);
    for (auto _ : state) {
        auto out = lzhuf_baseline::Expand(in.packed);
        benchmark::DoNotOptimize(out.data());
    }
    Report(state, in);
}

void BM_LzhufCompress(benchmark::State& state, InputKind kind) {
    const Input& in = Get(kind);
    for (auto _ : state) {
        auto out = LzhCompress(in.plain);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(in.plain.size()));
}

BENCHMARK_CAPTURE(BM_LzhufExpand, vectors, kVectors)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(BM_LzhufBaselineExpand, vectors, kVectors)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(BM_LzhufExpand, mixed, kMixed)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(BM_LzhufBaselineExpand, mixed, kMixed)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(BM_LzhufCompress, vectors, kVectors)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    CheckDecoders();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Loading the default skin: read the file, expand the container, parse the description,
// decode every image and build the derived images, as the main window does at start-up.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "skin/data/SkinData.h"

namespace {

const char* const kSkin = LORVENA_SKINS_DIR "/iTunes.skn";

void BM_LoadDefaultSkin(benchmark::State& state) {
    for (auto _ : state) {
        skin::TSkinData d;
        d.SkinFormtype = skin::sfDialog;  // no manager: only the loading is measured
        d.LoadFromFile(kSkin);
        if (d.SkinEmpty) {
            state.SkipWithError("the default skin did not load");
            return;
        }
        benchmark::DoNotOptimize(d.ComboButton.get());
    }
}
BENCHMARK(BM_LoadDefaultSkin)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

// The same from bytes already in memory: the part that does not depend on the disk.
void BM_ParseDefaultSkin(benchmark::State& state) {
    skin::TSkinData probe;
    probe.SkinFormtype = skin::sfDialog;
    probe.LoadFromFile(kSkin);
    const std::vector<std::uint8_t> bytes = probe.SkinBytes();
    for (auto _ : state) {
        skin::TSkinData d;
        d.SkinFormtype = skin::sfDialog;
        d.LoadFromStream(bytes);
        benchmark::DoNotOptimize(d.ComboButton.get());
    }
}
BENCHMARK(BM_ParseDefaultSkin)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();

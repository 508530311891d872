// What every paint costs: a nine-slice cell at a 300 x 200 target (GetHMap, then the copy
// onto the target), stretched and tiled, opaque and magenta-transparent; and decoding a
// 256 x 256 24-bit BMP.
#include <benchmark/benchmark.h>

#include "skin/data/DrawPrimitives.h"
#include "skin/platform/BmpReader.h"
#include "skin/platform/BmpWriter.h"

using namespace skin;

namespace {

Surface Element() {
    // Five 40 x 30 cells, as a button element has; a few magenta corner pixels.
    Surface image(200, 30);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 200; ++x) image.Set(x, y, MakePixel(x, y * 8, (x * y) & 255));
    for (int k = 0; k < 5; ++k) {
        image.Set(k * 40, 0, kMagenta);
        image.Set(k * 40 + 39, 29, kMagenta);
    }
    return image;
}

void Count(benchmark::State& state, long long pixels) {
    state.counters["MP/s"] =
        benchmark::Counter(static_cast<double>(pixels) * state.iterations() / 1e6, benchmark::Counter::kIsRate);
}

void NineSlice(benchmark::State& state, bool tile, bool transparent) {
    const Surface image = Element();
    Surface target(300, 200);
    const Rect r{0, 0, 300, 200};
    for (auto _ : state) {
        Surface map = GetHMap(r, image, {6, 5, 6, 5}, false, tile, 5, 2);
        if (transparent)
            DrawTranmap(target, r, map, kMagenta);
        else
            Copy(target, 0, 0, map, map.Bounds());
        benchmark::DoNotOptimize(target.Data());
    }
    Count(state, 300 * 200);
}

void BM_NineSliceStretch(benchmark::State& state) { NineSlice(state, false, false); }
void BM_NineSliceTile(benchmark::State& state) { NineSlice(state, true, false); }
void BM_NineSliceStretchTransparent(benchmark::State& state) { NineSlice(state, false, true); }

void BM_BmpDecode24(benchmark::State& state) {
    Surface image(256, 256);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) image.Set(x, y, MakePixel(x, y, x ^ y));
    const std::vector<std::uint8_t> file = WriteBmp24(image);
    for (auto _ : state) {
        Surface s = ReadBmp(file);
        benchmark::DoNotOptimize(s.Data());
    }
    Count(state, 256 * 256);
    state.SetBytesProcessed(static_cast<long long>(file.size()) * state.iterations());
}

}  // namespace

BENCHMARK(BM_NineSliceStretch);
BENCHMARK(BM_NineSliceTile);
BENCHMARK(BM_NineSliceStretchTransparent);
BENCHMARK(BM_BmpDecode24);

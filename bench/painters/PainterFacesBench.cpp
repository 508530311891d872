// What one paint of each painter costs on the raster, from the default skin at the sizes
// the program's windows use: a push button's face, a scroll bar, spin buttons, a combo
// box's frame, a progress bar and the picker's drop-down button. Text is measured, not
// drawn (the glyphs are the system's work on Windows).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

#include "skin/controls/painters/ArrowButtonPicture.h"
#include "skin/controls/painters/ButtonFace.h"
#include "skin/controls/painters/ComboPicture.h"
#include "skin/controls/painters/ProgressPicture.h"
#include "skin/controls/painters/ScrollBarGeometry.h"
#include "skin/controls/painters/UpDownPicture.h"
#include "skin/data/SkinData.h"

using namespace skin;

namespace {

const TSkinData& Skin() {
    static TSkinData* data = [] {
        auto* d = new TSkinData;
        d->SkinFormtype = sfDialog;  // no manager
        d->LoadFromFile(LORVENA_SKINS_DIR "/iTunes.skn");
        if (d->SkinEmpty) {
            std::fprintf(stderr, "the default skin did not load\n");
            std::exit(1);
        }
        return d;
    }();
    return *data;
}

// Seven pixels a character, one line: enough for the layout to run its course.
class TMeasuringSink : public ITextSink {
public:
    TextExtent Measure(std::u16string_view text, std::uint32_t) const override {
        return {7 * static_cast<int>(text.size()), 13};
    }
    TextExtent MeasureIn(std::u16string_view text, std::uint32_t flags, int) const override {
        return Measure(text, flags);
    }
    void Draw(Surface&, const Rect&, std::u16string_view, std::uint32_t, Color) override {}
    void DrawFocusRect(Surface&, const Rect&) override {}
};

constexpr Pixel kFace = 0xD4D0C8;

void BM_ButtonFace(benchmark::State& state) {
    Surface face(90, 25);
    TMeasuringSink text;
    ButtonFaceInput in;
    in.caption = u"Добавить";
    for (auto _ : state) {
        Fill(face, face.Bounds(), kFace);
        benchmark::DoNotOptimize(DrawButtonFace(face, Skin().Buttons.get(), in, text));
    }
}
BENCHMARK(BM_ButtonFace);

void BM_ScrollBar(benchmark::State& state) {
    TBarPicture bar;
    bar.Width = bar.WindowWidth = 17;
    bar.Height = bar.WindowHeight = 300;
    bar.Vertical = true;
    bar.Arrow = 17;
    bar.Thumb = {60, 120};
    for (auto _ : state) benchmark::DoNotOptimize(ComposeScrollBar(Skin(), kFace, bar));
}
BENCHMARK(BM_ScrollBar);

void BM_UpDown(benchmark::State& state) {
    TUpDownState s;
    s.Width = 17;
    s.Height = 22;
    for (auto _ : state) benchmark::DoNotOptimize(ComposeUpDown(Skin(), {kFace, 0x808080, 0x404040}, s));
}
BENCHMARK(BM_UpDown);

void BM_ComboFrame(benchmark::State& state) {
    Surface canvas(145, 22);
    for (auto _ : state) {
        Fill(canvas, canvas.Bounds(), 0xFFFFFF);
        benchmark::DoNotOptimize(DrawComboFrame(canvas, Skin(), canvas.Bounds(), 1, 17, false));
    }
}
BENCHMARK(BM_ComboFrame);

void BM_Progress(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(ComposeProgress(Skin(), kFace, {200, 18, false, 40, 0, 100}));
}
BENCHMARK(BM_Progress);

void BM_ArrowButton(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(ComposeArrowButton(Skin().ComboxArrow.get(), kFace, 17, 18, false));
}
BENCHMARK(BM_ArrowButton);

}  // namespace

// Colour adjustment per colour and per preview-sized image, and saving a turned group.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/color_adjust.h"
#include "core/icon_encode.h"
#include "core/icon_stream.h"
#include "support/icon_builder.h"

namespace {

using namespace zorvane;

void BM_AdjustColor(benchmark::State& state) {
    PackedColor c = 0x00C86432;
    for (auto _ : state) {
        c = AdjustColor(c ^ 0x00010203u, 37, 12, -8);
        benchmark::DoNotOptimize(c);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AdjustColor);

// The preview's work on each scroll event: a 256 x 256 32-bit image recoloured. The worst
// case has every pixel a different colour; a drawn icon repeats its colours.
void BM_Recolour256(benchmark::State& state, bool distinct) {
    Bitmap source(256, 256, 32);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            std::uint8_t* p = source.row(y) + 4 * x;
            const int band = (x / 32 + y / 32) * 29;
            p[0] = static_cast<std::uint8_t>(distinct ? x : band);
            p[1] = static_cast<std::uint8_t>(distinct ? y : band * 3);
            p[2] = static_cast<std::uint8_t>(distinct ? x * y : 255 - band);
            p[3] = 255;
        }
    for (auto _ : state) benchmark::DoNotOptimize(AdjustPreviewColors(source, 45, 20, -10));
    state.SetItemsProcessed(state.iterations() * 256 * 256);
}
BENCHMARK_CAPTURE(BM_Recolour256, every_pixel_distinct, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Recolour256, drawn_icon, false)->Unit(benchmark::kMillisecond);

// A group of ten images of the usual sizes and depths, saved with a quarter turn.
void BM_SaveGroupQuarterTurn(benchmark::State& state) {
    std::vector<test::TestImage> images;
    for (int size : {16, 24, 32, 48, 64})
        for (int bits : {8, 32}) images.push_back({size, size, bits, static_cast<unsigned>(size + bits)});
    TIconStream stream;
    stream.write(test::MakeIconFile(images));
    TransformState turn;
    turn.TurnRight();
    SilentMessageSink sink;
    const auto path = (std::filesystem::temp_directory_path() / "zorvane-bench-group.ico").string();
    for (auto _ : state) benchmark::DoNotOptimize(SaveIconGroup(stream, path, 30, 10, 0, turn, sink));
    std::filesystem::remove(path);
}
BENCHMARK(BM_SaveGroupQuarterTurn)->Unit(benchmark::kMillisecond);

}  // namespace

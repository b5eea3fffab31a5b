// Encoding a 256 x 256 true-colour image as the save commands do.

#include <benchmark/benchmark.h>

#include "bitmap/bitmap.h"
#include "encoders/save_encoding.h"

namespace {

// Smooth colour fields with some noise, like a scaled-up icon.
zorvane::Bitmap SampleImage() {
    zorvane::Bitmap b(256, 256, 24);
    unsigned state = 1;
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            state = state * 1103515245u + 12345u;
            const int noise = static_cast<int>((state >> 16) & 15);
            std::uint8_t* p = b.row(y) + 3 * x;
            p[0] = static_cast<std::uint8_t>(x + noise);
            p[1] = static_cast<std::uint8_t>(y);
            p[2] = static_cast<std::uint8_t>((x * y) / 256 + noise);
        }
    return b;
}

void BM_EncodePng256(benchmark::State& state) {
    const zorvane::Bitmap image = SampleImage();
    for (auto _ : state) benchmark::DoNotOptimize(zorvane::EncodePngForSave(image, true));
}
BENCHMARK(BM_EncodePng256)->Unit(benchmark::kMillisecond);

void BM_EncodeGif256(benchmark::State& state) {
    const zorvane::Bitmap image = SampleImage();
    for (auto _ : state) benchmark::DoNotOptimize(zorvane::EncodeGifForSave(image, true));
}
BENCHMARK(BM_EncodeGif256)->Unit(benchmark::kMillisecond);

}  // namespace

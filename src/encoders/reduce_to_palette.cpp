#include "encoders/reduce_to_palette.h"

#include <memory>

#include "encoders/dither_engine.h"
#include "encoders/octree_quantizer.h"
#include "bitmap/pixel_formats.h"

namespace zorvane {

namespace {

std::unique_ptr<TDitherEngine> MakeDitherer(TDitherMode mode, TColorLookup& lookup, int width) {
    if (mode == TDitherMode::FloydSteinberg) return std::make_unique<TFloydSteinbergDitherer>(lookup, width);
    return std::make_unique<TDitherEngine>(lookup, width);
}

Bitmap MakeResult(const Bitmap& source, const TPalette& palette) {
    if (source.empty()) throw EColorReduction("Invalid image dimensions");
    Bitmap result(source.width(), source.height(), 8);
    result.palette() = palette;
    result.palette().resize(256, Rgb{});
    return result;
}

}  // namespace

Bitmap ReduceToPalette(Bitmap& bitmap, TColorReduction, TDitherMode dither, const TPalette& palette) {
    ConvertTo24Bits(bitmap);
    if (palette.empty()) return Bitmap();
    const TPalette entries(palette.begin(),
                           palette.begin() + static_cast<std::ptrdiff_t>(palette.size() < 256 ? palette.size() : 256));
    Bitmap result = MakeResult(bitmap, entries);
    TSlowColorLookup lookup(entries);
    const auto ditherer = MakeDitherer(dither, lookup, bitmap.width());
    for (int y = 0; y < bitmap.height(); ++y) {
        const std::uint8_t* src = bitmap.row(y);
        std::uint8_t* dst = result.row(y);
        for (int i = 0; i < bitmap.width(); ++i) {
            const int x = ditherer->column();
            dst[x] = ditherer->Dither(src[3 * x + 2], src[3 * x + 1], src[3 * x]);
        }
        ditherer->NextLine();
    }
    return result;
}

Bitmap ReduceForGif(Bitmap& bitmap) {
    const TPalette palette = BuildOctreePalette(bitmap, 256, 8, true);
    return ReduceToPalette(bitmap, TColorReduction::Palette, TDitherMode::FloydSteinberg, palette);
}

}  // namespace zorvane

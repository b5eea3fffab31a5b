#pragma once
// Helpers of the encoder tests: sample bitmaps, PNG chunk walking, a hand-made PNG builder
// for hostile input, and independent decoders (Pillow, giflib tools) run in batches.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "bitmap/bitmap.h"
#include "encoders/png_options.h"

namespace zorvane::test {

using Bytes = std::vector<std::uint8_t>;

// A bitmap of the depth filled with a deterministic pattern; indexed depths get a full palette
// of distinct colours.
Bitmap PatternBitmap(int width, int height, int bitsPerPixel, unsigned seed = 1);

// The bitmap with every fourth byte of a 32-bit bitmap set to 0: old-style images, whose
// fourth byte carries no alpha.
Bitmap WithoutAlpha(Bitmap bitmap);
// RGBA bytes of a 32-bit bitmap with its fourth bytes as the alpha.
Bytes RgbaWithAlpha(const Bitmap& bgra32);

// Expected RGBA bytes of a bitmap as a viewer shows it; pixels of the transparent colour
// (when given) get alpha 0; for indexed bitmaps transparentIndex picks the entry instead.
Bytes ExpectedRgba(const Bitmap& bitmap, TColor transparent = kNoColor, int transparentIndex = -1);

TPngTime FixedTime();

struct PngChunk {
    std::string type;
    Bytes data;
};
// Walks the chunks of a well-formed PNG (as written by us).
std::vector<PngChunk> PngChunks(const Bytes& png);
std::vector<std::string> ChunkTypes(const Bytes& png);
const PngChunk* FindChunk(const std::vector<PngChunk>& chunks, const std::string& type);

// Builds a PNG from raw (unfiltered) rows, each given a filter byte 0, plus extra chunks placed
// before IDAT. Used to make inputs our writer never produces.
Bytes MakeChunk(const std::string& type, const Bytes& data);
Bytes BuildPng(std::uint32_t width, std::uint32_t height, std::uint8_t depth, std::uint8_t colorType,
               const Bytes& filteredRows, const std::vector<Bytes>& chunksBeforeIdat = {}, bool interlaced = false);
Bytes Zlib(const Bytes& raw);

// Runs Pillow over files and returns, per file, its RGBA bytes (for GIFs the indices follow
// with mode "P"): "mode WxH hex".
std::vector<std::string> PillowDump(const std::vector<std::filesystem::path>& files, bool indices = false);
std::string Hex(const Bytes& bytes);

// LZW-decodes a GIF's first image; counts the clear codes met.
struct DecodedGif {
    int width = 0, height = 0, minCodeSize = 0, clearCodes = 0;
    Bytes indices;
};
DecodedGif DecodeGif(const Bytes& gif);

}  // namespace zorvane::test

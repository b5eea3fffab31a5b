#pragma once
// Bitmap files: the 14-byte file header, device-independent rows, and the writer that
// saves a working bitmap at its own depth.

#include <cstdint>
#include <string>
#include <vector>

#include "bitmap/bitmap.h"

namespace zorvane {

constexpr std::uint32_t kBitmapFileHeaderSize = 14;
constexpr std::uint32_t kBitmapInfoHeaderSize = 40;

// Type "BM", file size, two reserved zeros, offset of the pixel data.
void AppendBitmapFileHeader(std::vector<std::uint8_t>& out, std::uint32_t fileSize, std::uint32_t pixelOffset);
// A 40-byte information header without compression (height positive: rows bottom-up).
void AppendInfoHeader(std::vector<std::uint8_t>& out, int width, int height, int bitsPerPixel, std::uint32_t imageBytes,
                      std::uint32_t colorsUsed);
// The bitmap's rows bottom row first, each padded to 32 bits.
void AppendRowsBottomUp(std::vector<std::uint8_t>& out, const Bitmap& bitmap);

// The complete bitmap file: file header, information header, colour table (indexed depths
// only), rows. 16-bit pixels are written as 5-5-5 and 32-bit ones with their fourth byte.
std::vector<std::uint8_t> EncodeBitmapFile(const Bitmap& bitmap);
// Writes EncodeBitmapFile to path, replacing it only once all bytes are on disk.
void SaveBitmapFile(const Bitmap& bitmap, const std::string& path);

}  // namespace zorvane

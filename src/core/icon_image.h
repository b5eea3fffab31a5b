#pragma once
// Geometry of one icon image's data (40-byte header, colour table, colour rows, AND mask)
// shared by decoding and encoding.

#include <cstdint>
#include <span>
#include <vector>

#include "bitmap/bitmap.h"

namespace zorvane {

constexpr std::uint32_t kIconHeaderBytes = 40;
constexpr std::uint64_t kWidthOffset = 4;
constexpr std::uint64_t kHeightFieldOffset = 8;
constexpr std::uint64_t kBitCountOffset = 14;
// The largest side an icon image may claim, in either format. Directories stop at 256; the
// margin is for odd but honest files, while a claim beyond it is refused before a bitmap
// of that size is ever expanded (a few bytes of run-length data can claim 256 MB).
constexpr std::uint32_t kMaxIconSide = 1024;

// The depths whose pixels the system interprets: 1, 4, 8, 24 and 32.
bool IsIconDepth(unsigned bitCount);
// 2^bitCount for indexed depths, 0 above.
std::uint32_t ColorTableEntries(unsigned bitCount);

// The header's height field holds colour image and mask stacked. Halving it makes the
// header describe the colour image alone; the returned value is the field as it was.
std::uint32_t HalveHeightField(std::span<std::uint8_t> image);
void SetHeightField(std::span<std::uint8_t> image, std::uint32_t value);

// Reads data laid out as a header (height already halved), colour table and rows through
// the DIB reader, behind a file header whose pixel offset skips a table of 2^bitCount
// entries. Only the rows the header describes are taken; what follows is ignored. A side
// beyond kMaxIconSide raises BitmapTooLarge before any row is expanded.
Bitmap DecodeDIBData(std::span<const std::uint8_t> data, unsigned bitCount);

}  // namespace zorvane

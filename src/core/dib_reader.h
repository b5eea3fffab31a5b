#pragma once
// The device-independent bitmap reader: one bitmap file (14-byte file header, information
// header, colour table, pixel data) read from a byte stream, with the run-length decoders.
// Malformed bitmaps raise EDIBUtilsError with an English message; data that ends too soon
// raises the reader's ReadError.

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "platform/byte_reader.h"
#include "platform/refusal.h"

namespace zorvane {

class EDIBUtilsError : public Refusal {
public:
    using Refusal::Refusal;
};

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;
constexpr std::uint32_t kBiRle4 = 2;
constexpr std::uint32_t kBiBitFields = 3;

// The 40-byte information header.
struct TBitmapInfoHeader {
    std::uint32_t size = 40;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t planes = 1;
    std::uint16_t bitCount = 0;
    std::uint32_t compression = kBiRgb;
    std::uint32_t sizeImage = 0;
    std::int32_t xPelsPerMeter = 0;
    std::int32_t yPelsPerMeter = 0;
    std::uint32_t clrUsed = 0;
    std::uint32_t clrImportant = 0;
};

// A bitmap as read: header (size recorded as 40, colours used at most 256), the colour table
// bytes in 4-byte entries, and the pixel data as stored.
struct TDIB {
    TBitmapInfoHeader header;
    std::vector<std::uint8_t> colorTable;
    // Where the palette starts in colorTable: 12 when three bit-field masks precede it.
    std::size_t paletteOffset = 0;
    std::vector<std::uint8_t> bits;
};

// Reads the bitmap file that starts at the stream's cursor.
TDIB LoadDIBFromStream(ByteReader& stream);

// Decode run-length pixel data into plain rows (first stored row first) and set
// compression 0 and image byte size 0.
void Convert4BitRLETo4BitRGB(TDIB& dib);
void Convert8BitRLETo8BitRGB(TDIB& dib);

}  // namespace zorvane

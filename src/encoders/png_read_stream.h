#pragma once
// Reads a PNG held in memory. Chunk CRCs are not checked; unknown chunks are skipped.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "bitmap/bitmap.h"
#include "encoders/png_header.h"
#include "encoders/png_options.h"
#include "platform/byte_reader.h"

namespace zorvane {

struct PngReadResult {
    Bitmap image;
    Bitmap alphaPlane;  // 255 minus the alpha; empty without alpha
    bool hasAlpha = false;
    // What the file says; its TransparentColor is a palette-index colour for palette images.
    // Gamma is 0 when the file has no gAMA.
    TZNBPNGOptions options;
};

class TZNBPNGReadStream {
public:
    explicit TZNBPNGReadStream(std::span<const std::uint8_t> data);
    // Raises EZNBPNG with the reason.
    PngReadResult Read();

private:
    struct Chunk {
        std::array<char, 4> type{};
        std::span<const std::uint8_t> data;  // as much of the data as the file holds
        std::uint64_t end = 0;               // offset after the CRC
        bool is(const char* name) const { return std::equal(type.begin(), type.end(), name); }
    };
    bool NextChunk(Chunk& chunk);
    void Handle(const Chunk& chunk);
    void OnHeader(const Chunk& chunk);
    void OnPalette(const Chunk& chunk);
    void OnTransparency(const Chunk& chunk);
    void OnBackground(const Chunk& chunk);
    void OnAncillary(const Chunk& chunk);
    void OnText(const Chunk& chunk);
    std::uint64_t OnImageData(const Chunk& chunk);
    TColor SampleColor(const ByteReader& r) const;
    TColor GreyColor(unsigned level) const;
    void Finish();

    ByteReader file_;
    PngHeader header_;
    bool seenHeader_ = false, seenPalette_ = false, seenImage_ = false, seenAlphaTable_ = false;
    std::vector<Rgb> palette_;
    std::array<std::uint8_t, 256> alphaTable_{};
    PngReadResult result_;
};

}  // namespace zorvane

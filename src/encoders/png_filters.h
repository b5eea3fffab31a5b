#pragma once
// The five PNG row filters, their inverse, and the adaptive choice between them.

#include <cstddef>
#include <cstdint>
#include <span>

namespace zorvane {

enum PngFilterType : std::uint8_t { kPngNone = 0, kPngSub = 1, kPngUp = 2, kPngAverage = 3, kPngPaeth = 4 };

std::uint8_t PaethPredictor(int a, int b, int c);

// out receives the filter byte and then raw.size() filtered bytes; prev is the previous raw
// row (zeros at the top of an image or pass); stride is the bytes per complete pixel.
void ApplyFilter(std::uint8_t type, std::span<const std::uint8_t> raw, const std::uint8_t* prev, int stride,
                 std::uint8_t* out);

// Undoes a filter in place; returns false for an unknown filter type.
bool UndoFilter(std::uint8_t type, std::span<std::uint8_t> row, const std::uint8_t* prev, int stride);

// How well a filtered row (filter byte included) should compress: -1 for "take it now",
// otherwise higher is better.
int FilterScore(std::span<const std::uint8_t> candidate, int pixelBits);

// Filters raw into out (raw.size() + 1 bytes) with the filter mode's choice; trial is scratch
// of the same size.
void FilterRow(std::uint8_t filterMode, int sourceBits, int pixelBits, std::span<const std::uint8_t> raw,
               const std::uint8_t* prev, std::uint8_t* out, std::uint8_t* trial);

}  // namespace zorvane

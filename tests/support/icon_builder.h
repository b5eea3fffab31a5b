#pragma once
// Builds icon images and icon files in memory for tests: well-formed DIB images of any
// depth with a deterministic pattern, and .ico files holding them.

#include <cstdint>
#include <vector>

namespace zorvane::test {

struct TestImage {
    int width = 16;
    int height = 16;
    int bitCount = 8;
    unsigned seed = 1;  // varies the palette and pixels
};

// Header (height field doubled), colour table of 2^bitCount entries for <= 8 bits,
// colour rows bottom-up, AND mask rows (left column transparent).
std::vector<std::uint8_t> MakeIconImage(const TestImage& spec);

// An .ico file: header, directory with back-to-back offsets, then the images. The width
// and height bytes are 0 for 256.
std::vector<std::uint8_t> MakeIconFile(const std::vector<TestImage>& images);
// Same, from ready image bytes with their directory sizes and bit counts.
struct RawImage {
    int width, height, bitCount;
    std::vector<std::uint8_t> bytes;
};
std::vector<std::uint8_t> MakeIconFileFromRaw(const std::vector<RawImage>& images);

// A .cur file: type 2, each entry's hot spot (x, y from the top left) in place of planes and
// bit count.
struct HotSpot {
    unsigned x = 0, y = 0;
};
struct TestCursor {
    TestImage image;
    HotSpot hotSpot;
};
std::vector<std::uint8_t> MakeCursorFile(const std::vector<TestCursor>& cursors);

}  // namespace zorvane::test

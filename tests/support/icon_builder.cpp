#include "support/icon_builder.h"

namespace zorvane::test {
namespace {

void put16(std::vector<std::uint8_t>& v, unsigned x) {
    v.push_back(static_cast<std::uint8_t>(x));
    v.push_back(static_cast<std::uint8_t>(x >> 8));
}
void put32(std::vector<std::uint8_t>& v, unsigned x) {
    put16(v, x & 0xFFFF);
    put16(v, x >> 16);
}

std::uint8_t patternByte(unsigned seed, int x, int y, int channel) {
    return static_cast<std::uint8_t>((static_cast<unsigned>(x * 37 + y * 91 + channel * 53) + seed * 17) & 0xFF);
}

}  // namespace

std::vector<std::uint8_t> MakeIconImage(const TestImage& s) {
    std::vector<std::uint8_t> v;
    put32(v, 40);
    put32(v, static_cast<unsigned>(s.width));
    put32(v, static_cast<unsigned>(s.height * 2));
    put16(v, 1);
    put16(v, static_cast<unsigned>(s.bitCount));
    for (int i = 0; i < 6; ++i) put32(v, 0);
    if (s.bitCount <= 8) {
        for (int i = 0; i < (1 << s.bitCount); ++i)
            for (int c = 0; c < 4; ++c) v.push_back(c == 3 ? 0 : patternByte(s.seed, i, i, c));
    }
    const int rowBytes = (s.width * s.bitCount + 31) / 32 * 4;
    for (int y = s.height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(rowBytes), 0);
        for (int x = 0; x < s.width; ++x) {
            if (s.bitCount <= 8) {
                const unsigned index = patternByte(s.seed, x, y, 0) % (1u << s.bitCount);
                const int bit = x * s.bitCount;
                row[static_cast<std::size_t>(bit / 8)] |= static_cast<std::uint8_t>(index
                                                                                    << (8 - s.bitCount - bit % 8));
            } else {
                const int bytes = s.bitCount / 8;
                for (int c = 0; c < bytes; ++c)
                    row[static_cast<std::size_t>(x * bytes + c)] = patternByte(s.seed, x, y, c);
            }
        }
        v.insert(v.end(), row.begin(), row.end());
    }
    const int maskBytes = (s.width + 31) / 32 * 4;
    for (int y = 0; y < s.height; ++y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(maskBytes), 0);
        row[0] = 0x80;  // the left column is transparent
        v.insert(v.end(), row.begin(), row.end());
    }
    return v;
}

namespace {

// An icon file (type 1, planes 1 and the bit count in each entry) or a cursor file (type 2,
// each entry's hot spot in their place).
std::vector<std::uint8_t> MakeDirectoryFile(const std::vector<RawImage>& images, const std::vector<HotSpot>* hotSpots) {
    std::vector<std::uint8_t> v;
    put16(v, 0);
    put16(v, hotSpots ? 2 : 1);
    put16(v, static_cast<unsigned>(images.size()));
    unsigned offset = 6 + 16 * static_cast<unsigned>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const RawImage& img = images[i];
        v.push_back(static_cast<std::uint8_t>(img.width & 0xFF));
        v.push_back(static_cast<std::uint8_t>(img.height & 0xFF));
        v.push_back(static_cast<std::uint8_t>(img.bitCount <= 4 ? (1 << img.bitCount) & 0xFF : 0));
        v.push_back(0);
        put16(v, hotSpots ? (*hotSpots)[i].x : 1);
        put16(v, hotSpots ? (*hotSpots)[i].y : static_cast<unsigned>(img.bitCount));
        put32(v, static_cast<unsigned>(img.bytes.size()));
        put32(v, offset);
        offset += static_cast<unsigned>(img.bytes.size());
    }
    for (const RawImage& img : images) v.insert(v.end(), img.bytes.begin(), img.bytes.end());
    return v;
}

}  // namespace

std::vector<std::uint8_t> MakeIconFileFromRaw(const std::vector<RawImage>& images) {
    return MakeDirectoryFile(images, nullptr);
}

std::vector<std::uint8_t> MakeCursorFile(const std::vector<TestCursor>& cursors) {
    std::vector<RawImage> raw;
    std::vector<HotSpot> hotSpots;
    for (const TestCursor& c : cursors) {
        raw.push_back({c.image.width, c.image.height, c.image.bitCount, MakeIconImage(c.image)});
        hotSpots.push_back(c.hotSpot);
    }
    return MakeDirectoryFile(raw, &hotSpots);
}

std::vector<std::uint8_t> MakeIconFile(const std::vector<TestImage>& images) {
    std::vector<RawImage> raw;
    for (const TestImage& s : images) raw.push_back({s.width, s.height, s.bitCount, MakeIconImage(s)});
    return MakeIconFileFromRaw(raw);
}

}  // namespace zorvane::test

#pragma once
// LZW compression of GIF image data: the string table, the code packer, the sub-blocks.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace zorvane {

// Open-addressing table of (prefix, pixel) -> code; an entry packs key * 4096 + code.
class THashTable {
public:
    static constexpr std::uint32_t kSize = 8009;
    static constexpr int kNotFound = -1;

    THashTable() { Clear(); }
    void Clear() { entries_.fill(0xFFFFFFFF); }
    int Lookup(std::uint32_t key) const;
    void Insert(std::uint32_t key, int code);

private:
    // The slot holding key, or the empty slot where it belongs; kSize when neither is found.
    std::uint32_t Find(std::uint32_t key) const;
    std::array<std::uint32_t, kSize> entries_;
};

// Cuts a byte stream into sub-blocks of at most 255 bytes, each after its length byte.
class TGIFWriter {
public:
    explicit TGIFWriter(std::vector<std::uint8_t>& out) : out_(out) {}
    void Put(std::uint8_t byte);
    // Sends the last, partial block.
    void Flush();

private:
    std::vector<std::uint8_t>& out_;
    std::array<std::uint8_t, 256> block_{};
    std::size_t used_ = 0;
};

// Writes the minimum code size, the LZW sub-blocks and the terminating empty block. Raises
// EGIFError "Color not in color table" for a pixel at or above colorCount.
class TLZWEncoder {
public:
    TLZWEncoder(std::vector<std::uint8_t>& out, int bitsPerPixel, int colorCount);
    void Encode(std::span<const std::uint8_t> pixels);

private:
    void Emit(int code);
    std::uint8_t Checked(std::uint8_t pixel) const;

    std::vector<std::uint8_t>& out_;
    TGIFWriter writer_;
    THashTable table_;
    int initialBits_;
    int colorCount_;
    int clearCode_, endCode_;
    int nextCode_ = 0;
    int codeBits_ = 0;
    int maxCode_ = 0;
    std::uint32_t bitBuffer_ = 0;
    int bitCount_ = 0;
};

}  // namespace zorvane

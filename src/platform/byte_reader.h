#pragma once
// The one bounds-checked reader of file data. Every multi-byte read of a parser goes
// through it; its arithmetic is 64-bit so that offsets read from a file cannot wrap.

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

#include "platform/refusal.h"

namespace zorvane {

// Raised when a read would leave the buffer. The text is the stream read error the
// user sees when it reaches the default error report.
class ReadError : public Refusal {
public:
    ReadError() : Refusal("ストリームからの読み込みエラー") {}
};

// True when [off, off + len) lies inside a buffer or file of the given size. Written so that
// no sum can wrap, whatever a file claims.
inline bool RangeFits(std::uint64_t off, std::uint64_t len, std::uint64_t size) {
    return len <= size && off <= size - len;
}

class ByteReader {
public:
    ByteReader() = default;
    explicit ByteReader(std::span<const std::uint8_t> data) : data_(data) {}

    std::uint64_t size() const { return data_.size(); }
    std::span<const std::uint8_t> data() const { return data_; }

    // True when [off, off + len) lies inside the buffer.
    bool has(std::uint64_t off, std::uint64_t len) const { return RangeFits(off, len, size()); }

    std::uint8_t u8(std::uint64_t off) const { return at(off, 1)[0]; }
    std::uint16_t u16le(std::uint64_t off) const {
        const auto* p = at(off, 2);
        return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
    }
    std::uint32_t u32le(std::uint64_t off) const {
        const auto* p = at(off, 4);
        return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
               (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
    }
    std::int32_t i32le(std::uint64_t off) const { return static_cast<std::int32_t>(u32le(off)); }
    std::uint64_t u64le(std::uint64_t off) const {
        return static_cast<std::uint64_t>(u32le(off)) | (static_cast<std::uint64_t>(u32le(off + 4)) << 32);
    }
    std::uint32_t u32be(std::uint64_t off) const {
        const auto* p = at(off, 4);
        return (static_cast<std::uint32_t>(p[0]) << 24) | (static_cast<std::uint32_t>(p[1]) << 16) |
               (static_cast<std::uint32_t>(p[2]) << 8) | static_cast<std::uint32_t>(p[3]);
    }
    std::uint16_t u16be(std::uint64_t off) const {
        const auto* p = at(off, 2);
        return static_cast<std::uint16_t>((p[0] << 8) | p[1]);
    }
    std::span<const std::uint8_t> bytes(std::uint64_t off, std::uint64_t len) const {
        return {at(off, len), static_cast<std::size_t>(len)};
    }
    // count little-endian UTF-16 units at off. The whole range is checked before the string
    // is made, so a count the data cannot hold allocates nothing.
    std::u16string utf16le(std::uint64_t off, std::uint64_t count) const {
        if (count > size()) throw ReadError();
        const std::uint8_t* p = at(off, 2 * count);
        std::u16string units(static_cast<std::size_t>(count), u'\0');
        for (std::size_t i = 0; i < units.size(); ++i) units[i] = static_cast<char16_t>(p[2 * i] | (p[2 * i + 1] << 8));
        return units;
    }
    // A reader over a sub-range; offsets of the result are relative to off.
    ByteReader sub(std::uint64_t off, std::uint64_t len) const { return ByteReader(bytes(off, len)); }

    // Sequential cursor over the same buffer.
    std::uint64_t tell() const { return pos_; }
    void seek(std::uint64_t off) {
        if (off > size()) throw ReadError();
        pos_ = off;
    }
    std::uint64_t remaining() const { return size() - pos_; }
    std::uint8_t readU8() { return advance(u8(pos_), 1); }
    std::uint16_t readU16le() { return advance(u16le(pos_), 2); }
    std::uint32_t readU32le() { return advance(u32le(pos_), 4); }
    std::int32_t readI32le() { return advance(i32le(pos_), 4); }
    std::uint32_t readU32be() { return advance(u32be(pos_), 4); }
    std::span<const std::uint8_t> readBytes(std::uint64_t len) { return advance(bytes(pos_, len), len); }
    std::u16string readUtf16le(std::uint64_t count) { return advance(utf16le(pos_, count), 2 * count); }
    void skip(std::uint64_t len) { seek(has(pos_, len) ? pos_ + len : size() + 1); }

private:
    const std::uint8_t* at(std::uint64_t off, std::uint64_t len) const {
        if (!has(off, len)) throw ReadError();
        return data_.data() + off;
    }
    template <typename T>
    T advance(T value, std::uint64_t len) {
        pos_ += len;
        return value;
    }

    std::span<const std::uint8_t> data_;
    std::uint64_t pos_ = 0;
};

}  // namespace zorvane

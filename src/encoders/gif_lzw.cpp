#include "encoders/gif_lzw.h"

#include <algorithm>

#include "encoders/gif_color_map.h"

namespace zorvane {

namespace {
constexpr std::uint32_t kEmptyFrom = 0xFFFFF000;
constexpr int kMaxBits = 12;
constexpr int kLastCode = 4094;  // beyond it the table starts over
}  // namespace

std::uint32_t THashTable::Find(std::uint32_t key) const {
    std::uint32_t slot = (key ^ (key >> 4)) % kSize;
    // The probe walk can cycle without meeting an empty slot; give up after one round.
    for (std::uint32_t probes = 0; probes < kSize; ++probes) {
        const std::uint32_t entry = entries_[slot];
        if (entry >= kEmptyFrom || (entry >> 12) == key) return slot;
        const std::int64_t next = slot == 0 ? -1 : static_cast<std::int64_t>(slot) - (kSize - slot);
        slot = static_cast<std::uint32_t>(next < 0 ? next + kSize : next);
    }
    return kSize;
}

int THashTable::Lookup(std::uint32_t key) const {
    const std::uint32_t slot = Find(key);
    if (slot == kSize || entries_[slot] >= kEmptyFrom) return kNotFound;
    return static_cast<int>(entries_[slot] & 0xFFF);
}

void THashTable::Insert(std::uint32_t key, int code) {
    const std::uint32_t slot = Find(key);
    // A full probe round only costs compression: the code is then never referenced.
    if (slot != kSize) entries_[slot] = (key << 12) | static_cast<std::uint32_t>(code);
}

void TGIFWriter::Put(std::uint8_t byte) {
    block_[++used_] = byte;
    if (used_ == 255) Flush();
}

void TGIFWriter::Flush() {
    if (used_ == 0) return;
    block_[0] = static_cast<std::uint8_t>(used_);
    out_.insert(out_.end(), block_.begin(), block_.begin() + static_cast<std::ptrdiff_t>(used_) + 1);
    used_ = 0;
}

TLZWEncoder::TLZWEncoder(std::vector<std::uint8_t>& out, int bitsPerPixel, int colorCount)
    : out_(out),
      writer_(out),
      initialBits_(std::max(bitsPerPixel, 2)),
      colorCount_(colorCount),
      clearCode_(1 << initialBits_),
      endCode_(clearCode_ + 1) {}

std::uint8_t TLZWEncoder::Checked(std::uint8_t pixel) const {
    if (pixel >= colorCount_) throw EGIFError("Color not in color table");
    return pixel;
}

void TLZWEncoder::Emit(int code) {
    bitBuffer_ |= static_cast<std::uint32_t>(code) << bitCount_;
    bitCount_ += codeBits_;
    while (bitCount_ >= 8) {
        writer_.Put(static_cast<std::uint8_t>(bitBuffer_));
        bitBuffer_ >>= 8;
        bitCount_ -= 8;
    }
    if (code == clearCode_) {
        codeBits_ = initialBits_ + 1;
        maxCode_ = (1 << codeBits_) - 1;
    } else if (nextCode_ > maxCode_ && codeBits_ < kMaxBits) {
        ++codeBits_;
        // At twelve bits the width stays, whatever the table holds.
        maxCode_ = codeBits_ == kMaxBits ? 4096 : (1 << codeBits_) - 1;
    }
}

void TLZWEncoder::Encode(std::span<const std::uint8_t> pixels) {
    out_.push_back(static_cast<std::uint8_t>(initialBits_));
    codeBits_ = initialBits_ + 1;
    maxCode_ = (1 << codeBits_) - 1;
    nextCode_ = clearCode_ + 2;
    Emit(clearCode_);
    if (!pixels.empty()) {
        int prefix = Checked(pixels[0]);
        for (std::size_t i = 1; i < pixels.size(); ++i) {
            const std::uint8_t p = Checked(pixels[i]);
            const auto key = static_cast<std::uint32_t>(prefix) * 256 + p;
            const int code = table_.Lookup(key);
            if (code != THashTable::kNotFound) {
                prefix = code;
                continue;
            }
            Emit(prefix);
            prefix = p;
            if (nextCode_ > kLastCode) {
                Emit(clearCode_);
                table_.Clear();
                nextCode_ = clearCode_ + 2;
            } else {
                table_.Insert(key, nextCode_++);
            }
        }
        Emit(prefix);
    }
    Emit(endCode_);
    if (bitCount_ > 0) writer_.Put(static_cast<std::uint8_t>(bitBuffer_));
    bitBuffer_ = 0;
    bitCount_ = 0;
    writer_.Flush();
    out_.push_back(0);
}

}  // namespace zorvane

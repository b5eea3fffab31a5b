#include "encoders/png_read_stream.h"

#include <algorithm>
#include <cstring>

#include "encoders/png_error.h"
#include "encoders/png_image_data.h"
#include "encoders/png_row_decoder.h"

namespace zorvane {

namespace {

constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::uint64_t kMacBinaryHeader = 128;

// Fixed-size chunk data read as the stream would: missing bytes count as zeros.
template <std::size_t N>
std::array<std::uint8_t, N> Padded(std::span<const std::uint8_t> data) {
    std::array<std::uint8_t, N> out{};
    std::copy_n(data.begin(), std::min(data.size(), N), out.begin());
    return out;
}

}  // namespace

TZNBPNGReadStream::TZNBPNGReadStream(std::span<const std::uint8_t> data) : file_(data) {
    alphaTable_.fill(255);
    result_.options.Gamma = 0;
}

bool TZNBPNGReadStream::NextChunk(Chunk& chunk) {
    if (file_.remaining() < 8) return false;
    const std::uint32_t length = file_.readU32be();
    const auto type = file_.readBytes(4);
    std::copy(type.begin(), type.end(), chunk.type.begin());
    const std::uint64_t start = file_.tell();
    chunk.data = file_.bytes(start, std::min<std::uint64_t>(length, file_.remaining()));
    chunk.end = start + length + 4;
    return true;
}

PngReadResult TZNBPNGReadStream::Read() {
    const auto data = file_.data();
    if (data.size() > kMacBinaryHeader && data[0] == 0 && data[74] == 0) file_.seek(kMacBinaryHeader);
    if (file_.remaining() < 8 || std::memcmp(file_.readBytes(8).data(), kSignature, 8) != 0)
        throw EZNBPNG("PNG LoadStream: Not PNG Format");
    Chunk chunk;
    while (NextChunk(chunk)) {
        std::uint64_t end = chunk.end;
        if (chunk.is("IDAT") && !seenImage_)
            end = OnImageData(chunk);
        else
            Handle(chunk);
        if (chunk.is("IEND") || end > file_.size()) break;
        file_.seek(end);
    }
    Finish();
    return std::move(result_);
}

void TZNBPNGReadStream::Handle(const Chunk& c) {
    if (c.is("IHDR"))
        OnHeader(c);
    else if (c.is("PLTE"))
        OnPalette(c);
    else if (c.is("tRNS"))
        OnTransparency(c);
    else if (c.is("bKGD"))
        OnBackground(c);
    else if (c.is("tEXt"))
        OnText(c);
    else
        OnAncillary(c);
}

void TZNBPNGReadStream::OnHeader(const Chunk& c) {
    if (seenHeader_) throw EZNBPNG("Read Header(PNG): appear two IHDR");
    header_ = ParsePngHeader(c.data);
    seenHeader_ = true;
    result_.options.Interlaced = header_.interlace == 1;
    result_.options.Grayscale = header_.grey();
}

void TZNBPNGReadStream::OnPalette(const Chunk& c) {
    if (!seenHeader_ || seenImage_ || seenPalette_ || header_.grey()) return;
    seenPalette_ = true;
    const std::size_t count = std::min<std::size_t>(c.data.size() / 3, 256);
    for (std::size_t i = 0; i < count; ++i) palette_.push_back({c.data[3 * i], c.data[3 * i + 1], c.data[3 * i + 2]});
}

TColor TZNBPNGReadStream::GreyColor(unsigned level) const {
    // Low-depth grey levels are scaled as the bitmap's grey ramp shows them.
    if (header_.bitDepth < 8) level *= 255 / ((1u << header_.bitDepth) - 1);
    return static_cast<TColor>((level & 0xFF) * 0x010101u);
}

// A grey level or an RGB triple of 16-bit values; 16-bit samples keep their high byte.
TColor TZNBPNGReadStream::SampleColor(const ByteReader& r) const {
    auto sample = [&](std::uint64_t i) -> unsigned {
        const std::uint16_t v = r.u16be(2 * i);
        return header_.bitDepth == 16 ? v >> 8 : v & 0xFF;
    };
    if (header_.grey()) return GreyColor(header_.bitDepth == 16 ? sample(0) : r.u16be(0));
    return ToTColor({static_cast<std::uint8_t>(sample(0)), static_cast<std::uint8_t>(sample(1)),
                     static_cast<std::uint8_t>(sample(2))});
}

void TZNBPNGReadStream::OnTransparency(const Chunk& c) {
    if (!seenHeader_ || seenImage_ || header_.hasAlpha()) return;
    if (header_.colorType == 3) {
        const std::size_t count = std::min(c.data.size(), palette_.size());
        std::copy_n(c.data.begin(), count, alphaTable_.begin());
        seenAlphaTable_ = true;
        return;
    }
    const auto bytes = Padded<6>(c.data);
    result_.options.TransparentColor = SampleColor(ByteReader(bytes));
}

void TZNBPNGReadStream::OnBackground(const Chunk& c) {
    if (!seenHeader_) return;
    const auto bytes = Padded<6>(c.data);
    result_.options.BackgroundColor = header_.colorType == 3 ? PaletteIndexColor(bytes[0])
                                                             : SampleColor(ByteReader(bytes));
}

void TZNBPNGReadStream::OnText(const Chunk& c) {
    static constexpr char kKeyword[] = "Comment";
    constexpr std::size_t kLength = sizeof kKeyword;  // with its zero separator
    if (c.data.size() < kLength || std::memcmp(c.data.data(), kKeyword, kLength) != 0) return;
    if (!result_.options.Comment.empty()) result_.options.Comment += "\r\n";
    result_.options.Comment.append(c.data.begin() + kLength, c.data.end());
    result_.options.Comment += "\r\n";
}

void TZNBPNGReadStream::OnAncillary(const Chunk& c) {
    const bool beforeData = !seenImage_;
    const bool beforePalette = beforeData && !seenPalette_;
    const ByteReader d(c.data);
    if (c.is("gAMA") && beforePalette && d.has(0, 4)) {
        result_.options.Gamma = d.u32be(0) / 100000.0;
    } else if (c.is("cHRM") && beforePalette && d.size() == 32) {
        for (std::size_t i = 0; i < 8; ++i)
            result_.options.Chromaticities[i] = static_cast<std::int32_t>(d.u32be(4 * i));
    } else if (c.is("sBIT") && beforePalette && seenHeader_ && header_.colorType != 0 && header_.colorType != 4) {
        const auto b = Padded<4>(c.data);
        const int count = header_.hasAlpha() ? 4 : 3;
        std::int32_t packed = 0;
        for (int i = 0; i < count; ++i) packed |= b[static_cast<std::size_t>(i)] << (8 * i);
        result_.options.SignificantBits = packed;
    } else if (c.is("pHYs") && beforeData && d.has(0, 9)) {
        result_.options.PixelsPerUnitX = static_cast<std::int32_t>(d.u32be(0));
        result_.options.PixelsPerUnitY = static_cast<std::int32_t>(d.u32be(4));
        result_.options.PhysicalUnit = d.u8(8);
    } else if (c.is("tIME") && d.size() == 7) {
        result_.options.StoredTime = {d.u16be(0), d.u8(2), d.u8(3), d.u8(4), d.u8(5), d.u8(6)};
    } else if (c.is("gIFg") && beforePalette && d.size() == 4) {
        result_.options.GifControl = {d.u8(0), d.u8(1), d.u16be(2)};
    }
}

std::uint64_t TZNBPNGReadStream::OnImageData(const Chunk& c) {
    if (!seenHeader_) throw EZNBPNG("Read Image (PNG): Read Error");
    seenImage_ = true;
    PngImageData data(file_, c.end - 4 - file_.tell());
    DecodedPng decoded = DecodePngRows(header_, palette_, data);
    result_.image = std::move(decoded.image);
    result_.alphaPlane = std::move(decoded.alphaPlane);
    return data.chunkEnd();
}

void TZNBPNGReadStream::Finish() {
    // Without any image the file holds nothing to show; saying so beats an empty picture.
    if (!seenImage_) throw EZNBPNG("Read Image (PNG): Read Error");
    if (seenAlphaTable_) {
        const auto zeros = std::count(alphaTable_.begin(), alphaTable_.end(), 0);
        const auto opaque = std::count(alphaTable_.begin(), alphaTable_.end(), 255);
        if (zeros == 1 && opaque == 255) {
            const auto index = std::find(alphaTable_.begin(), alphaTable_.end(), 0) - alphaTable_.begin();
            result_.options.TransparentColor = PaletteIndexColor(static_cast<std::uint8_t>(index));
        } else {
            result_.alphaPlane = Bitmap(result_.image.width(), result_.image.height(), 8);
            result_.alphaPlane.palette() = GreyRamp(256);
            for (int y = 0; y < result_.image.height(); ++y)
                for (int x = 0; x < result_.image.width(); ++x)
                    result_.alphaPlane.row(y)[x] = static_cast<std::uint8_t>(
                        255 - alphaTable_[result_.image.pixelIndex(x, y)]);
        }
    }
    result_.hasAlpha = !result_.alphaPlane.empty();
    if (result_.hasAlpha || result_.options.TransparentColor == kNoColor) return;
    TColor color = result_.options.TransparentColor;
    if (header_.colorType == 3) {
        const std::size_t index = static_cast<std::size_t>(color & 0xFF);
        if (index >= palette_.size()) return;
        color = ToTColor(palette_[index]);
    }
    result_.image.setTransparent(true);
    result_.image.setTransparentColor(color);
}

}  // namespace zorvane

#include "encoders/png_write_stream.h"

#include <cmath>
#include <cstring>
#include <utility>

#include <zlib.h>

#include "encoders/adam7.h"
#include "encoders/idat_deflater.h"
#include "encoders/png_error.h"
#include "encoders/png_filters.h"
#include "encoders/png_output_row.h"

namespace zorvane {

namespace {

constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr char kSoftware[] = "ZNBPNG ver 3.4";

void PutU32(std::vector<std::uint8_t>& v, std::uint32_t x) {
    for (int shift = 24; shift >= 0; shift -= 8) v.push_back(static_cast<std::uint8_t>(x >> shift));
}
void PutU16(std::vector<std::uint8_t>& v, std::uint16_t x) {
    v.push_back(static_cast<std::uint8_t>(x >> 8));
    v.push_back(static_cast<std::uint8_t>(x));
}
void PutRgb16(std::vector<std::uint8_t>& v, TColor c) {
    const Rgb rgb = FromTColor(c);
    PutU16(v, rgb.red);
    PutU16(v, rgb.green);
    PutU16(v, rgb.blue);
}

bool ValidTime(const TPngTime& t) {
    return t.year > 0 && t.month >= 1 && t.month <= 12 && t.day >= 1 && t.day <= 31 && t.hour <= 23 && t.minute <= 59 &&
           t.second <= 60;
}

// Rows of one image: current and previous raw rows, the chosen and the trial filtered row,
// in one allocation so that nothing is allocated per row.
class RowBuffers {
public:
    explicit RowBuffers(std::size_t rowBytes) : stride_((rowBytes + 1 + 31) / 32 * 32), storage_(stride_ * 4) {}
    std::uint8_t* raw() { return storage_.data() + (swapped_ ? stride_ : 0); }
    std::uint8_t* prev() { return storage_.data() + (swapped_ ? 0 : stride_); }
    std::uint8_t* best() { return storage_.data() + 2 * stride_; }
    std::uint8_t* trial() { return storage_.data() + 3 * stride_; }
    void ClearPrevious() { std::memset(prev(), 0, stride_); }
    void Swap() { swapped_ = !swapped_; }

private:
    std::size_t stride_;
    std::vector<std::uint8_t> storage_;
    bool swapped_ = false;
};

}  // namespace

TZNBPNGWriteStream::TZNBPNGWriteStream(std::vector<std::uint8_t>& destination, const TZNBPNGOptions& options,
                                       const Bitmap& image, const Bitmap* alphaPlane, PngClock clock)
    : TZNBCustomWriteStream(destination),
      options_(options),
      image_(image),
      alphaPlane_(AlphaPlaneUsable(image, alphaPlane) ? alphaPlane : nullptr),
      clock_(std::move(clock)),
      format_(ChoosePngFormat(image, alphaPlane_ != nullptr)) {}

void TZNBPNGWriteStream::WriteChunk(const char type[4], std::span<const std::uint8_t> data) {
    const auto* letters = reinterpret_cast<const std::uint8_t*>(type);
    WriteU32(static_cast<std::uint32_t>(data.size()));
    Write({letters, 4});
    Write(data);
    uLong crc = crc32(0L, letters, 4);
    // A null buffer would make crc32 return its initial value instead of the running one.
    if (!data.empty()) crc = crc32(crc, data.data(), static_cast<uInt>(data.size()));
    WriteU32(static_cast<std::uint32_t>(crc));
}

void TZNBPNGWriteStream::WriteImage() {
    if (options_.IdatSize < 256 || options_.IdatSize > 100000)
        throw EZNBPNG("Write PNG Param: Err IDAT Size(min:256  max:100000)");
    if (image_.empty()) throw EZNBPNG("Write PNG: Empty Image");
    Write(kSignature);
    WriteHeader();
    WriteTime();
    WriteText("Comment", options_.Comment);
    WriteText("Software", kSoftware);
    WritePrivateChunks();
    WriteGamma();
    WriteChromaticities();
    WriteSignificantBits();
    WritePalette();
    WriteBackground();
    WriteTransparency();
    WritePhysicalSize();
    WriteImageData();
    WriteChunk("IEND", {});
}

void TZNBPNGWriteStream::WriteHeader() {
    std::vector<std::uint8_t> d;
    PutU32(d, static_cast<std::uint32_t>(image_.width()));
    PutU32(d, static_cast<std::uint32_t>(image_.height()));
    d.insert(d.end(), {format_.bitDepth, format_.colorType, 0, 0, static_cast<std::uint8_t>(options_.Interlaced)});
    WriteChunk("IHDR", d);
}

void TZNBPNGWriteStream::WriteTime() {
    const TPngTime t = options_.UseCurrentTime && clock_ ? clock_() : options_.StoredTime;
    if (!ValidTime(t)) return;
    std::vector<std::uint8_t> d;
    PutU16(d, t.year);
    d.insert(d.end(), {t.month, t.day, t.hour, t.minute, t.second});
    WriteChunk("tIME", d);
}

void TZNBPNGWriteStream::WriteText(const std::string& keyword, const std::string& text) {
    if (keyword.empty() || keyword.size() >= 80 || text.empty()) return;
    std::vector<std::uint8_t> d(keyword.begin(), keyword.end());
    d.push_back(0);
    d.insert(d.end(), text.begin(), text.end());
    WriteChunk("tEXt", d);
}

void TZNBPNGWriteStream::WritePrivateChunks() {
    WriteChunk("tpNG", std::vector<std::uint8_t>{'Z', 'N', 'B', '3', 0, 0, 0, 0});
    const TGifControl& g = options_.GifControl;
    if (g.disposal == 0 && g.userInput == 0 && g.delay == 0) return;
    std::vector<std::uint8_t> d{g.disposal, g.userInput};
    PutU16(d, g.delay);
    WriteChunk("gIFg", d);
}

void TZNBPNGWriteStream::WriteGamma() {
    const double scaled = std::trunc(options_.Gamma * 100000.0);
    if (!(scaled > 0) || scaled > 4294967295.0) return;
    std::vector<std::uint8_t> d;
    PutU32(d, static_cast<std::uint32_t>(scaled));
    WriteChunk("gAMA", d);
}

void TZNBPNGWriteStream::WriteChromaticities() {
    const auto& c = options_.Chromaticities;
    if (c[0] == 0 || c[1] == 0) return;
    std::vector<std::uint8_t> d;
    for (std::int32_t v : c) PutU32(d, static_cast<std::uint32_t>(v));
    WriteChunk("cHRM", d);
}

void TZNBPNGWriteStream::WriteSignificantBits() {
    if (options_.Grayscale || options_.SignificantBits <= 0) return;
    const auto packed = static_cast<std::uint32_t>(options_.SignificantBits);
    std::vector<std::uint8_t> d{static_cast<std::uint8_t>(packed), static_cast<std::uint8_t>(packed >> 8),
                                static_cast<std::uint8_t>(packed >> 16)};
    // 5-5-5 pixels carry five bits per channel whatever the caller claims.
    if (format_.sourceBits == 15) d = {5, 5, 5};
    if (format_.alpha) d.push_back(format_.sourceBits == 15 ? 8 : static_cast<std::uint8_t>(packed >> 24));
    WriteChunk("sBIT", d);
}

void TZNBPNGWriteStream::WritePalette() {
    if (!format_.palette() || image_.palette().empty()) return;
    std::vector<std::uint8_t> d;
    const auto& pal = image_.palette();
    for (std::size_t i = 0; i < pal.size() && i < 256; ++i) d.insert(d.end(), {pal[i].red, pal[i].green, pal[i].blue});
    WriteChunk("PLTE", d);
}

void TZNBPNGWriteStream::WriteBackground() {
    if (options_.BackgroundColor == kNoColor) return;
    std::vector<std::uint8_t> d;
    if (format_.palette()) {
        const auto index = PaletteIndexOf(options_.BackgroundColor, image_);
        if (!index) return;
        d.push_back(*index);
    } else {
        PutRgb16(d, options_.BackgroundColor);
    }
    WriteChunk("bKGD", d);
}

void TZNBPNGWriteStream::WriteTransparency() {
    if (options_.TransparentColor == kNoColor || format_.alpha) return;
    std::vector<std::uint8_t> d;
    if (format_.palette()) {
        const auto index = PaletteIndexOf(options_.TransparentColor, image_);
        if (!index) return;
        d.assign(static_cast<std::size_t>(*index) + 1, 255);
        d.back() = 0;
    } else {
        PutRgb16(d, options_.TransparentColor);
    }
    WriteChunk("tRNS", d);
}

void TZNBPNGWriteStream::WritePhysicalSize() {
    if (options_.PixelsPerUnitX < 1 || options_.PixelsPerUnitY < 1) return;
    const bool inch = options_.PhysicalUnit == 2;
    auto perUnit = [inch](std::int32_t count) {
        return inch ? static_cast<std::uint32_t>(std::trunc(count * 100.0 / 254.0 * 100.0))
                    : static_cast<std::uint32_t>(count);
    };
    std::vector<std::uint8_t> d;
    PutU32(d, perUnit(options_.PixelsPerUnitX));
    PutU32(d, perUnit(options_.PixelsPerUnitY));
    d.push_back(inch ? 1 : options_.PhysicalUnit);
    WriteChunk("pHYs", d);
}

void TZNBPNGWriteStream::ReserveImageData(IdatDeflater& deflater) {
    std::size_t filtered = 0;
    for (const ImagePass& pass : PassesFor(options_.Interlaced)) {
        const int passWidth = pass.width(image_.width());
        if (passWidth > 0)
            filtered += static_cast<std::size_t>(pass.height(image_.height())) * (format_.rowBytes(passWidth) + 1);
    }
    const std::size_t compressed = deflater.Bound(filtered);
    constexpr std::size_t kChunkFrame = 12;  // length, type and CRC
    const std::size_t chunks = compressed / static_cast<std::size_t>(options_.IdatSize) + 1;
    Reserve(compressed + chunks * kChunkFrame + kChunkFrame);  // the IDAT chunks and IEND
}

void TZNBPNGWriteStream::WriteImageData() {
    IdatDeflater deflater(options_.CompressionLevel, static_cast<std::size_t>(options_.IdatSize),
                          [this](std::span<const std::uint8_t> chunk) { WriteChunk("IDAT", chunk); });
    RowBuffers rows(format_.rowBytes(image_.width()));
    ReserveImageData(deflater);
    for (const ImagePass& pass : PassesFor(options_.Interlaced)) {
        const int passHeight = pass.height(image_.height());
        const int passWidth = pass.width(image_.width());
        if (passWidth == 0 || passHeight == 0) continue;
        const std::size_t rowBytes = format_.rowBytes(passWidth);
        rows.ClearPrevious();
        for (int r = 0; r < passHeight; ++r) {
            BuildOutputRow(image_, alphaPlane_, format_, pass.y0 + r * pass.dy, pass, rows.raw());
            FilterRow(options_.FilterMode, format_.sourceBits, format_.pixelBits, {rows.raw(), rowBytes}, rows.prev(),
                      rows.best(), rows.trial());
            deflater.Feed({rows.best(), rowBytes + 1});
            rows.Swap();
        }
    }
    deflater.Finish();
}

}  // namespace zorvane

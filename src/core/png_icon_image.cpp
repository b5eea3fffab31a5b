#include "core/png_icon_image.h"

#include <algorithm>
#include <array>

#include "core/icon_image.h"
#include "encoders/png_error.h"
#include "encoders/png_header.h"
#include "encoders/png_to_bgra.h"
#include "encoders/znb_png.h"
#include "platform/byte_reader.h"

namespace zorvane {
namespace {

constexpr std::array<std::uint8_t, 8> kPngSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// The first chunk follows the signature: length (4 bytes), type (4), then the header data.
constexpr std::uint64_t kHeaderTypeOffset = 12;
constexpr std::uint64_t kHeaderDataOffset = 16;
constexpr std::uint64_t kHeaderDataSize = 13;

// The IHDR that a PNG must open with; EZNBPNG when it is missing or invalid.
PngHeader FirstHeader(std::span<const std::uint8_t> image) {
    const ByteReader reader(image);
    if (!reader.has(kHeaderTypeOffset, 4 + kHeaderDataSize)) throw EZNBPNG("Read Header(PNG): Read Error");
    const auto type = reader.bytes(kHeaderTypeOffset, 4);
    if (!std::equal(type.begin(), type.end(), "IHDR")) throw EZNBPNG("Read Header(PNG): Read Error");
    return ParsePngHeader(reader.bytes(kHeaderDataOffset, kHeaderDataSize));
}

}  // namespace

bool IsPngIconImage(std::span<const std::uint8_t> image) {
    return image.size() >= kPngSignature.size() &&
           std::equal(kPngSignature.begin(), kPngSignature.end(), image.begin());
}

unsigned PngIconBitCount(std::span<const std::uint8_t> image) {
    try {
        return static_cast<unsigned>(FirstHeader(image).pixelBits());
    } catch (const EZNBPNG&) {
        return 0;
    }
}

Bitmap DecodePngIconImage(std::span<const std::uint8_t> image) {
    const PngHeader header = FirstHeader(image);
    if (header.width > kMaxIconSide || header.height > kMaxIconSide) throw BitmapTooLarge();
    TZNBPNG png;
    png.LoadFromStream(image);
    return PngToBgra32(png);
}

std::optional<Bitmap> TryDecodePngIconImage(std::span<const std::uint8_t> image) {
    try {
        return DecodePngIconImage(image);
    } catch (const EZNBPNG&) {
    } catch (const ReadError&) {
    } catch (const BitmapTooLarge&) {
    }
    return std::nullopt;
}

}  // namespace zorvane

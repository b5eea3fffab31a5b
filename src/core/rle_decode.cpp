// The run-length decoders of the DIB reader. Every step is bounds-tested before it writes,
// and the encoded input is read through ByteReader, so hostile data can neither write
// outside the row buffer nor read past its end.

#include <cstdlib>
#include <string>

#include "bitmap/bitmap.h"
#include "core/dib_reader.h"

namespace zorvane {
namespace {

struct RleFormat {
    const char* name;        // prefixes every message
    int firstBadDataNumber;  // end of line, delta, absolute run, encoded run follow in order
    int bitCount;
    std::uint32_t compression;
};

constexpr RleFormat kRle8{"Convert8BitRLETo8BitRGB", 1, 8, kBiRle8};
constexpr RleFormat kRle4{"Convert4BitRLETo4BitRGB", 5, 4, kBiRle4};

enum class Bound { EndOfLine = 0, Delta = 1, Absolute = 2, Encoded = 3 };

[[noreturn]] void Fail(const RleFormat& f, Bound bound) {
    throw EDIBUtilsError(std::string(f.name) + ": Bad RLE Data " +
                         std::to_string(f.firstBadDataNumber + static_cast<int>(bound)));
}

class RleDecoder {
public:
    RleDecoder(const RleFormat& format, const TDIB& dib)
        : f_(format), in_(dib.bits), height_(std::llabs(static_cast<long long>(dib.header.height))) {
        width_ = dib.header.width;
        if (f_.bitCount == 4) width_ += width_ & 1;  // whole bytes of two pixels
        rowBytes_ = Bitmap::RowBytesFor(dib.header.width, f_.bitCount);
        if (height_ != 0 && rowBytes_ > kMaxBitmapBytes / static_cast<std::uint64_t>(height_)) throw BitmapTooLarge();
        out_.assign(rowBytes_ * static_cast<std::size_t>(height_), 0);
    }

    std::vector<std::uint8_t> Run() {
        for (;;) {
            const std::uint8_t count = in_.readU8();
            const std::uint8_t value = in_.readU8();
            if (count > 0) {
                EncodedRun(count, value);
                continue;
            }
            switch (value) {
            case 0: EndOfLine(); break;
            case 1: return std::move(out_);
            case 2: Delta(); break;
            default: AbsoluteRun(value); break;
            }
        }
    }

private:
    void Put(long long x, unsigned pixel) {
        std::uint8_t* row = out_.data() + rowBytes_ * static_cast<std::size_t>(y_);
        if (f_.bitCount == 8) {
            row[x] = static_cast<std::uint8_t>(pixel);
        } else {
            std::uint8_t& b = row[x >> 1];
            b = static_cast<std::uint8_t>((x & 1) ? ((b & 0xF0) | (pixel & 0x0F)) : ((b & 0x0F) | (pixel << 4)));
        }
    }

    void EncodedRun(unsigned count, std::uint8_t value) {
        if (x_ + count > width_ || y_ >= height_) Fail(f_, Bound::Encoded);
        for (unsigned i = 0; i < count; ++i)
            Put(x_ + i, f_.bitCount == 8 ? value : ((i & 1) ? (value & 0x0F) : (value >> 4)));
        x_ += count;
    }

    void EndOfLine() {
        if (y_ + 1 > height_) Fail(f_, Bound::EndOfLine);
        ++y_;
        x_ = 0;
    }

    void Delta() {
        const unsigned dx = in_.readU8();
        const unsigned dy = in_.readU8();
        if (x_ + dx > width_ || y_ + dy > height_) Fail(f_, Bound::Delta);
        x_ += dx;
        y_ += dy;
    }

    void AbsoluteRun(unsigned n) {
        if (x_ + n > width_ || y_ >= height_) Fail(f_, Bound::Absolute);
        const unsigned bytes = f_.bitCount == 8 ? n : (n + 1) / 2;
        const auto data = in_.readBytes(bytes);
        for (unsigned i = 0; i < n; ++i)
            Put(x_ + i, f_.bitCount == 8 ? data[i] : ((i & 1) ? (data[i / 2] & 0x0F) : (data[i / 2] >> 4)));
        x_ += n;
        if (bytes & 1) in_.skip(1);  // runs end on a 16-bit boundary
    }

    const RleFormat& f_;
    ByteReader in_;
    long long width_ = 0;
    long long height_ = 0;
    std::size_t rowBytes_ = 0;
    long long x_ = 0, y_ = 0;
    std::vector<std::uint8_t> out_;
};

void Decode(const RleFormat& format, TDIB& dib) {
    if (dib.header.bitCount != format.bitCount || dib.header.compression != format.compression)
        throw EDIBUtilsError(std::string(format.name) + ": Invalid Bitcount & Compression Combination");
    if (dib.header.width < 0) throw EDIBUtilsError("LoadDIBFromStream: Invalid Bitmap Width");
    dib.bits = RleDecoder(format, dib).Run();
    dib.header.compression = kBiRgb;
    dib.header.sizeImage = 0;
}

}  // namespace

void Convert4BitRLETo4BitRGB(TDIB& dib) { Decode(kRle4, dib); }
void Convert8BitRLETo8BitRGB(TDIB& dib) { Decode(kRle8, dib); }

}  // namespace zorvane

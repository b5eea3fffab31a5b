#include "encoders/encoder_test_support.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include <zlib.h>

#include "platform/byte_reader.h"
#include "support/test_support.h"

namespace zorvane::test {

Bitmap PatternBitmap(int width, int height, int bpp, unsigned seed) {
    Bitmap b(width, height, bpp);
    if (bpp <= 8) {
        const int entries = 1 << bpp;
        for (int i = 0; i < entries; ++i)
            b.palette().push_back({static_cast<std::uint8_t>(static_cast<unsigned>(i) * 37 + seed),
                                   static_cast<std::uint8_t>(255 - i),
                                   static_cast<std::uint8_t>(static_cast<unsigned>(i) * 11 + 3 * seed)});
    }
    unsigned state = seed * 2654435761u + 12345u;
    for (auto& byte : b.pixels()) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<std::uint8_t>(state >> 16);
    }
    return b;
}

Bitmap WithoutAlpha(Bitmap bitmap) {
    if (bitmap.bitsPerPixel() == 32)
        for (int y = 0; y < bitmap.height(); ++y)
            for (int x = 0; x < bitmap.width(); ++x) bitmap.row(y)[4 * x + 3] = 0;
    return bitmap;
}

Bytes RgbaWithAlpha(const Bitmap& bgra32) {
    Bytes out;
    for (int y = 0; y < bgra32.height(); ++y)
        for (int x = 0; x < bgra32.width(); ++x) {
            const std::uint8_t* p = bgra32.row(y) + 4 * x;
            out.insert(out.end(), {p[2], p[1], p[0], p[3]});
        }
    return out;
}

Bytes ExpectedRgba(const Bitmap& bitmap, TColor transparent, int transparentIndex) {
    Bytes out;
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x) {
            const Rgb c = bitmap.pixelColor(x, y);
            const bool clear = transparentIndex >= 0 ? bitmap.pixelIndex(x, y) == transparentIndex
                                                     : transparent != kNoColor && ToTColor(c) == transparent;
            out.insert(out.end(), {c.red, c.green, c.blue, static_cast<std::uint8_t>(clear ? 0 : 255)});
        }
    return out;
}

TPngTime FixedTime() { return {2026, 12, 9, 13, 45, 7}; }

std::vector<PngChunk> PngChunks(const Bytes& png) {
    std::vector<PngChunk> chunks;
    std::size_t pos = 8;
    while (pos + 12 <= png.size()) {
        const std::uint32_t len = ByteReader(png).u32be(pos);
        if (pos + 12 + len > png.size()) throw std::runtime_error("chunk runs past the end");
        PngChunk c;
        c.type.assign(png.begin() + static_cast<std::ptrdiff_t>(pos + 4),
                      png.begin() + static_cast<std::ptrdiff_t>(pos + 8));
        c.data.assign(png.begin() + static_cast<std::ptrdiff_t>(pos + 8),
                      png.begin() + static_cast<std::ptrdiff_t>(pos + 8 + len));
        chunks.push_back(std::move(c));
        pos += 12 + len;
    }
    return chunks;
}

std::vector<std::string> ChunkTypes(const Bytes& png) {
    std::vector<std::string> types;
    for (const auto& c : PngChunks(png)) types.push_back(c.type);
    return types;
}

const PngChunk* FindChunk(const std::vector<PngChunk>& chunks, const std::string& type) {
    for (const auto& c : chunks)
        if (c.type == type) return &c;
    return nullptr;
}

Bytes MakeChunk(const std::string& type, const Bytes& data) {
    const auto len = static_cast<std::uint32_t>(data.size());
    Bytes out(12 + data.size());
    for (int i = 0; i < 4; ++i) {
        out[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(len >> (24 - 8 * i));
        out[static_cast<std::size_t>(4 + i)] = static_cast<std::uint8_t>(type[static_cast<std::size_t>(i)]);
    }
    std::copy(data.begin(), data.end(), out.begin() + 8);
    out.resize(8 + data.size());
    uLong crc = crc32(0, reinterpret_cast<const Bytef*>(type.data()), 4);
    if (!data.empty()) crc = crc32(crc, data.data(), static_cast<uInt>(data.size()));
    for (int s = 24; s >= 0; s -= 8) out.push_back(static_cast<std::uint8_t>(crc >> s));
    return out;
}

Bytes Zlib(const Bytes& raw) {
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    Bytes out(size);
    compress(out.data(), &size, raw.data(), static_cast<uLong>(raw.size()));
    out.resize(size);
    return out;
}

Bytes BuildPng(std::uint32_t width, std::uint32_t height, std::uint8_t depth, std::uint8_t colorType,
               const Bytes& filteredRows, const std::vector<Bytes>& chunksBeforeIdat, bool interlaced) {
    Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes ihdr;
    for (std::uint32_t v : {width, height})
        for (int s = 24; s >= 0; s -= 8) ihdr.push_back(static_cast<std::uint8_t>(v >> s));
    ihdr.insert(ihdr.end(), {depth, colorType, 0, 0, static_cast<std::uint8_t>(interlaced)});
    const Bytes header = MakeChunk("IHDR", ihdr);
    png.insert(png.end(), header.begin(), header.end());
    for (const Bytes& c : chunksBeforeIdat) png.insert(png.end(), c.begin(), c.end());
    const Bytes idat = MakeChunk("IDAT", Zlib(filteredRows)), iend = MakeChunk("IEND", {});
    png.insert(png.end(), idat.begin(), idat.end());
    png.insert(png.end(), iend.begin(), iend.end());
    return png;
}

std::string Hex(const Bytes& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string s;
    for (std::uint8_t b : bytes) {
        s += digits[b >> 4];
        s += digits[b & 15];
    }
    return s;
}

std::vector<std::string> PillowDump(const std::vector<std::filesystem::path>& files, bool indices) {
    TempDir dir;
    const auto script = dir / "dump.py";
    std::ofstream(script) << "import sys\nfrom PIL import Image\n"
                             "for f in sys.argv[2:]:\n"
                             "    im = Image.open(f); im.load()\n"
                             "    data = bytes(im.getdata()) if sys.argv[1] == '1' else im.convert('RGBA').tobytes()\n"
                             "    print(im.mode, '%dx%d' % im.size, data.hex())\n";
    std::string line = PythonWithPillow();
    if (line.empty()) throw std::runtime_error("Pillow missing");
    line += ' ';
    line += ShellQuote(script.string());
    line += indices ? " 1" : " 0";
    for (const auto& f : files) {
        line += ' ';
        line += ShellQuote(f.string());
    }
    const CommandResult r = RunCommand(line);
    if (r.exitCode != 0) throw std::runtime_error("Pillow failed");
    std::vector<std::string> lines;
    std::istringstream in(r.out);
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
}

namespace {

class BitStream {
public:
    explicit BitStream(const Bytes& data) : data_(data) {}
    int Read(int bits) {
        while (count_ < bits) {
            if (pos_ >= data_.size()) return -1;
            buffer_ |= static_cast<std::uint32_t>(data_[pos_++]) << count_;
            count_ += 8;
        }
        const int v = static_cast<int>(buffer_ & ((1u << bits) - 1));
        buffer_ >>= bits;
        count_ -= bits;
        return v;
    }

private:
    const Bytes& data_;
    std::size_t pos_ = 0;
    std::uint32_t buffer_ = 0;
    int count_ = 0;
};

Bytes SubBlocks(const Bytes& gif, std::size_t& pos) {
    Bytes out;
    while (pos < gif.size() && gif[pos] != 0) {
        const std::size_t n = gif[pos];
        out.insert(out.end(), gif.begin() + static_cast<std::ptrdiff_t>(pos + 1),
                   gif.begin() + static_cast<std::ptrdiff_t>(pos + 1 + n));
        pos += n + 1;
    }
    ++pos;
    return out;
}

void LzwDecode(const Bytes& data, DecodedGif& gif) {
    const int clear = 1 << gif.minCodeSize, end = clear + 1;
    std::vector<std::pair<int, std::uint8_t>> table(4096);
    auto expand = [&](int code) {
        Bytes s;
        while (code >= clear) {
            s.push_back(table[static_cast<std::size_t>(code)].second);
            code = table[static_cast<std::size_t>(code)].first;
        }
        s.push_back(static_cast<std::uint8_t>(code));
        return Bytes(s.rbegin(), s.rend());
    };
    BitStream bits(data);
    int width = gif.minCodeSize + 1, next = clear + 2, prev = -1;
    for (;;) {
        const int code = bits.Read(width);
        if (code < 0) throw std::runtime_error("LZW data end without end code");
        if (code == clear) {
            width = gif.minCodeSize + 1;
            next = clear + 2;
            prev = -1;
            ++gif.clearCodes;
            continue;
        }
        if (code == end) return;
        Bytes s;
        if (prev < 0) {
            s = expand(code);
        } else {
            if (code > next) throw std::runtime_error("LZW code out of range");
            const Bytes before = expand(prev);
            s = code < next ? expand(code) : before;
            if (code == next) s.push_back(before[0]);
            if (next < 4096) table[static_cast<std::size_t>(next++)] = {prev, s[0]};
            if (next == (1 << width) && width < 12) ++width;
        }
        gif.indices.insert(gif.indices.end(), s.begin(), s.end());
        prev = code;
    }
}

}  // namespace

DecodedGif DecodeGif(const Bytes& gif) {
    DecodedGif out;
    std::size_t pos = 13;
    if (gif[10] & 0x80) pos += 3u * (2u << (gif[10] & 7));
    while (pos < gif.size()) {
        if (gif[pos] == 0x21) {
            pos += 2;
            SubBlocks(gif, pos);
        } else if (gif[pos] == 0x2C) {
            out.width = gif[pos + 5] | (gif[pos + 6] << 8);
            out.height = gif[pos + 7] | (gif[pos + 8] << 8);
            const std::uint8_t flags = gif[pos + 9];
            pos += 10;
            if (flags & 0x80) pos += 3u * (2u << (flags & 7));
            out.minCodeSize = gif[pos++];
            LzwDecode(SubBlocks(gif, pos), out);
            return out;
        } else {
            break;
        }
    }
    throw std::runtime_error("no image in GIF");
}

}  // namespace zorvane::test

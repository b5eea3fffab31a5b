// Damaged icon images: decoding and encoding end with a result or a clean exception, never
// a read or write outside a buffer (the sanitizer run checks that).

#include <gtest/gtest.h>

#include <random>

#include "core/icon_decode.h"
#include "core/icon_encode.h"
#include "support/icon_builder.h"

namespace zorvane {
namespace {

std::vector<std::uint8_t> Damaged(std::vector<std::uint8_t> image, std::mt19937& rng) {
    const int kind = static_cast<int>(rng() % 4);
    if (kind == 0) {
        image.resize(rng() % (image.size() + 1));
    } else {
        // Headers are where sizes, depths and compressions come from.
        for (int n = 1 + static_cast<int>(rng() % 4); n > 0; --n) {
            const std::size_t at = kind == 1 ? rng() % std::min<std::size_t>(image.size(), 40) : rng() % image.size();
            image[at] = static_cast<std::uint8_t>(kind == 3 && at < 40 ? (rng() % 2 ? 0xFF : 0x80) : rng());
        }
    }
    return image;
}

TEST(HostileImages, DecodingAndEncodingFailCleanly) {
    std::mt19937 rng(2024);
    TransformState turn;
    turn.TurnRight();
    int decoded = 0, refused = 0;
    for (int trial = 0; trial < 600; ++trial) {
        const int bits = std::array{1, 4, 8, 24, 32}[static_cast<std::size_t>(trial % 5)];
        const auto image = Damaged(test::MakeIconImage({16, 16, bits, static_cast<unsigned>(trial)}), rng);
        TIconStream stream;
        stream.write(test::MakeIconFileFromRaw({{16, 16, trial % 3 ? bits : 0, image}}));
        SilentMessageSink sink;
        try {
            decoded += IconImageToBitmap(stream, 0, 30, 10, 0, turn, sink).has_value();
        } catch (const std::runtime_error&) {
            ++refused;
        }
        try {
            EncodeIconGroup(stream, 30, 10, 0, turn, sink);
        } catch (const std::runtime_error&) {
            ++refused;
        }
    }
    EXPECT_GT(decoded, 0);
    EXPECT_GT(refused, 0);
}

}  // namespace
}  // namespace zorvane

#include <gtest/gtest.h>

#include <vector>

#include "platform/byte_reader.h"

namespace zorvane {
namespace {

TEST(ByteReader, ReadsLittleAndBigEndianInsideTheBuffer) {
    const std::vector<std::uint8_t> data = {0x01, 0x02, 0x03, 0x04, 0x05};
    ByteReader r(data);
    EXPECT_EQ(r.u16le(0), 0x0201);
    EXPECT_EQ(r.u32le(1), 0x05040302u);
    EXPECT_EQ(r.u32be(0), 0x01020304u);
}

TEST(ByteReader, RefusesEveryReadThatWouldLeaveTheBuffer) {
    const std::vector<std::uint8_t> data(8, 0);
    ByteReader r(data);
    EXPECT_THROW(r.u32le(5), ReadError);
    EXPECT_THROW(r.u8(8), ReadError);
    EXPECT_THROW(r.bytes(4, UINT64_MAX - 2), ReadError);  // offset + length would wrap
    EXPECT_THROW(r.bytes(UINT64_MAX, 1), ReadError);
    EXPECT_NO_THROW(r.bytes(8, 0));
    EXPECT_THROW(r.skip(9), ReadError);
    EXPECT_THROW(r.utf16le(0, 5), ReadError);
    EXPECT_THROW(r.utf16le(2, UINT64_MAX / 2 + 1), ReadError);  // twice the count would wrap
}

TEST(ByteReader, CursorAdvancesAndStopsAtTheEnd) {
    const std::vector<std::uint8_t> data = {1, 0, 2, 0, 0, 0};
    ByteReader r(data);
    EXPECT_EQ(r.readU16le(), 1);
    EXPECT_EQ(r.readU32le(), 2u);
    EXPECT_EQ(r.remaining(), 0u);
    EXPECT_THROW(r.readU8(), ReadError);

    const std::vector<std::uint8_t> text = {0x41, 0, 0x42, 0x30, 0x43, 0};
    ByteReader t(text);
    EXPECT_EQ(t.readUtf16le(2), u"A\u3042");
    EXPECT_EQ(t.tell(), 4u);
    EXPECT_THROW(t.readUtf16le(2), ReadError);
    EXPECT_EQ(t.tell(), 4u);
}

}  // namespace
}  // namespace zorvane

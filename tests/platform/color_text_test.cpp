#include <gtest/gtest.h>

#include "platform/color_text.h"

namespace zorvane {
namespace {

TEST(ColorText, NamedColoursGoByNameOthersAsBlueGreenRedHex) {
    EXPECT_EQ(ColorToText(0xFFFFFF), "clWhite");
    EXPECT_EQ(ColorToText(192 | (220 << 8) | (192 << 16)), "clMoneyGreen");
    EXPECT_EQ(ColorToText(164 << 16 | 160 << 8 | 160), "clMedGray");
    EXPECT_EQ(ColorToText(193 | (220 << 8) | (192 << 16)), "$00C0DCC1");
    EXPECT_EQ(ColorToText(static_cast<std::int32_t>(0x8000000F)), "clBtnFace");
}

TEST(ColorText, EveryWrittenTextReadsBackToItsValue) {
    for (std::int32_t value :
         {0x000000, 0x0000FF, 0x00F0FBFF, 0x00C0DCC1, 0x00123456, static_cast<std::int32_t>(0x80000005)})
        EXPECT_EQ(TextToColor(ColorToText(value)), value) << ColorToText(value);
}

TEST(ColorText, ReadingAcceptsAnyCaseAndNumbersButNotNonsense) {
    EXPECT_EQ(TextToColor("CLWHITE"), 0xFFFFFF);
    EXPECT_EQ(TextToColor("clskyblue"), 166 | (202 << 8) | (240 << 16));
    EXPECT_EQ(TextToColor("$00C0DCC1"), 0x00C0DCC1);
    EXPECT_EQ(TextToColor("255"), 255);
    EXPECT_EQ(TextToColor("clBtnFace"), static_cast<std::int32_t>(0x8000000F));
    EXPECT_EQ(TextToColor("clNoSuchColour"), std::nullopt);
    EXPECT_EQ(TextToColor(""), std::nullopt);
}

TEST(ColorText, SystemColoursResolveToPlainColours) {
    EXPECT_EQ(ResolveSystemColor(static_cast<std::int32_t>(0x80000005)), 0xFFFFFF);
    EXPECT_EQ(ResolveSystemColor(0x123456), 0x123456);
    EXPECT_EQ(ResolveSystemColor(-1), -1);
}

}  // namespace
}  // namespace zorvane

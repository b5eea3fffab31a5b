#include "platform/color_text.h"

#include <array>
#include <cstdio>

#include "platform/text_util.h"

namespace zorvane {
namespace {

struct NamedColor {
    const char* name;
    std::uint8_t red, green, blue;
};

constexpr std::int32_t rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) { return r | (g << 8) | (b << 16); }

constexpr std::array<NamedColor, 20> kPlainColors{{
    {"clBlack", 0, 0, 0},       {"clMaroon", 128, 0, 0},         {"clGreen", 0, 128, 0},
    {"clOlive", 128, 128, 0},   {"clNavy", 0, 0, 128},           {"clPurple", 128, 0, 128},
    {"clTeal", 0, 128, 128},    {"clGray", 128, 128, 128},       {"clSilver", 192, 192, 192},
    {"clRed", 255, 0, 0},       {"clLime", 0, 255, 0},           {"clYellow", 255, 255, 0},
    {"clBlue", 0, 0, 255},      {"clFuchsia", 255, 0, 255},      {"clAqua", 0, 255, 255},
    {"clWhite", 255, 255, 255}, {"clMoneyGreen", 192, 220, 192}, {"clSkyBlue", 166, 202, 240},
    {"clCream", 255, 251, 240}, {"clMedGray", 160, 160, 164},
}};

constexpr std::uint32_t kSystemBase = 0x80000000u;

// Indexed by the system colour's number; the colour is the classic scheme's.
constexpr std::array<NamedColor, 31> kSystemColors{{
    {"clScrollBar", 200, 200, 200},
    {"clBackground", 0, 0, 0},
    {"clActiveCaption", 153, 180, 209},
    {"clInactiveCaption", 191, 205, 219},
    {"clMenu", 240, 240, 240},
    {"clWindow", 255, 255, 255},
    {"clWindowFrame", 100, 100, 100},
    {"clMenuText", 0, 0, 0},
    {"clWindowText", 0, 0, 0},
    {"clCaptionText", 0, 0, 0},
    {"clActiveBorder", 180, 180, 180},
    {"clInactiveBorder", 244, 247, 252},
    {"clAppWorkSpace", 171, 171, 171},
    {"clHighlight", 0, 120, 215},
    {"clHighlightText", 255, 255, 255},
    {"clBtnFace", 240, 240, 240},
    {"clBtnShadow", 160, 160, 160},
    {"clGrayText", 109, 109, 109},
    {"clBtnText", 0, 0, 0},
    {"clInactiveCaptionText", 0, 0, 0},
    {"clBtnHighlight", 255, 255, 255},
    {"cl3DDkShadow", 105, 105, 105},
    {"cl3DLight", 227, 227, 227},
    {"clInfoText", 0, 0, 0},
    {"clInfoBk", 255, 255, 225},
    {nullptr, 0, 0, 0},
    {"clHotLight", 0, 102, 204},
    {"clGradientActiveCaption", 185, 209, 234},
    {"clGradientInactiveCaption", 215, 228, 242},
    {"clMenuHighlight", 51, 153, 255},
    {"clMenuBar", 240, 240, 240},
}};

std::int32_t systemValue(std::size_t index) { return static_cast<std::int32_t>(kSystemBase | index); }

std::optional<std::size_t> systemIndex(std::int32_t color) {
    const auto u = static_cast<std::uint32_t>(color);
    if ((u & 0xFFFFFF00u) != kSystemBase) return std::nullopt;
    const std::size_t index = u & 0xFFu;
    if (index >= kSystemColors.size() || !kSystemColors[index].name) return std::nullopt;
    return index;
}

}  // namespace

std::string ColorToText(std::int32_t color) {
    for (const NamedColor& c : kPlainColors)
        if (rgb(c.red, c.green, c.blue) == color) return c.name;
    if (auto index = systemIndex(color)) return kSystemColors[*index].name;
    char text[16];
    std::snprintf(text, sizeof text, "$%08X", static_cast<unsigned>(color));
    return text;
}

std::optional<std::int32_t> TextToColor(std::string_view text) {
    text = TrimSpaces(text);
    for (const NamedColor& c : kPlainColors)
        if (EqualsIgnoreCase(text, c.name)) return rgb(c.red, c.green, c.blue);
    for (std::size_t i = 0; i < kSystemColors.size(); ++i)
        if (kSystemColors[i].name && EqualsIgnoreCase(text, kSystemColors[i].name)) return systemValue(i);
    return ParseIniInteger(text);
}

std::int32_t ResolveSystemColor(std::int32_t color) {
    const auto index = systemIndex(color);
    if (!index) return color;
    const NamedColor& c = kSystemColors[*index];
    return rgb(c.red, c.green, c.blue);
}

}  // namespace zorvane

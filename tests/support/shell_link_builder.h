#pragma once
// Writes shortcut files in the Shell Link binary format for the tests that resolve them.

#include <cstdint>
#include <string>
#include <vector>

namespace zorvane::test {

struct ShellLinkSpec {
    std::string localBasePath;     // empty: no link information
    std::string commonPathSuffix;  // appended to the base path
    bool unicodeLinkInfo = false;  // base path and suffix also stored as UTF-16
    std::u16string wideBasePath;   // the UTF-16 base path; empty: localBasePath widened
    std::string relativePath;      // empty: none
    bool unicodeStrings = true;    // string data in UTF-16
    bool withIdList = true;        // a (meaningless) target ID list to skip
};

inline std::vector<std::uint8_t> MakeShellLink(const ShellLinkSpec& spec) {
    std::vector<std::uint8_t> out;
    auto u16 = [&](std::uint32_t v) {
        out.push_back(static_cast<std::uint8_t>(v));
        out.push_back(static_cast<std::uint8_t>(v >> 8));
    };
    auto u32 = [&](std::uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    };
    std::uint32_t flags = (spec.withIdList ? 0x1 : 0) | (spec.localBasePath.empty() ? 0 : 0x2) |
                          (spec.relativePath.empty() ? 0 : 0x8) | (spec.unicodeStrings ? 0x80 : 0);
    u32(0x4C);
    const std::uint8_t clsid[16] = {0x01, 0x14, 0x02, 0, 0, 0, 0, 0, 0xC0, 0, 0, 0, 0, 0, 0, 0x46};
    out.insert(out.end(), clsid, clsid + 16);
    u32(flags);
    out.resize(0x4C, 0);
    if (spec.withIdList) {
        u16(4);
        u32(0);  // an empty item list terminator, padded
    }
    if (!spec.localBasePath.empty()) {
        const std::uint32_t header = spec.unicodeLinkInfo ? 0x24 : 0x1C;
        const std::uint32_t volumeOff = header;
        const std::vector<std::uint8_t> volume = {0x10, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0x10, 0, 0, 0, 0};
        const std::uint32_t baseOff = volumeOff + static_cast<std::uint32_t>(volume.size());
        const std::uint32_t suffixOff = baseOff + static_cast<std::uint32_t>(spec.localBasePath.size()) + 1;
        const std::uint32_t wideBaseOff = suffixOff + static_cast<std::uint32_t>(spec.commonPathSuffix.size()) + 1;
        const std::u16string wideBase = spec.wideBasePath.empty()
                                            ? std::u16string(spec.localBasePath.begin(), spec.localBasePath.end())
                                            : spec.wideBasePath;
        const std::u16string wideSuffix(spec.commonPathSuffix.begin(), spec.commonPathSuffix.end());
        const std::uint32_t wideSuffixOff = wideBaseOff + 2 * (static_cast<std::uint32_t>(wideBase.size()) + 1);
        const std::uint32_t end = spec.unicodeLinkInfo
                                      ? wideSuffixOff +
                                            2 * (static_cast<std::uint32_t>(spec.commonPathSuffix.size()) + 1)
                                      : wideBaseOff;
        u32(end);
        u32(header);
        u32(0x1);
        u32(volumeOff);
        u32(baseOff);
        u32(0);
        u32(suffixOff);
        if (spec.unicodeLinkInfo) {
            u32(wideBaseOff);
            u32(wideSuffixOff);
        }
        out.insert(out.end(), volume.begin(), volume.end());
        for (const std::string* s : {&spec.localBasePath, &spec.commonPathSuffix}) {
            out.insert(out.end(), s->begin(), s->end());
            out.push_back(0);
        }
        if (spec.unicodeLinkInfo)
            for (const std::u16string* s : {&wideBase, &wideSuffix}) {
                for (char16_t c : *s) u16(c);
                u16(0);
            }
    }
    if (!spec.relativePath.empty()) {
        u16(static_cast<std::uint32_t>(spec.relativePath.size()));
        for (char c : spec.relativePath) {
            const auto unit = static_cast<std::uint8_t>(c);
            spec.unicodeStrings ? u16(unit) : out.push_back(unit);
        }
    }
    u32(0);  // end of the extra data
    return out;
}

}  // namespace zorvane::test

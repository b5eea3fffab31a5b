#include "platform/shell_link.h"

#include <array>
#include <filesystem>
#include <vector>

#include "platform/byte_reader.h"
#include "platform/file_io.h"
#include "platform/text_encoding.h"

namespace zorvane {
namespace {

constexpr std::uint32_t kHeaderSize = 0x4C;
constexpr std::array<std::uint8_t, 16> kLinkClsid = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                                     0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
constexpr std::uint32_t kHasIdList = 0x1, kHasLinkInfo = 0x2, kHasName = 0x4, kHasRelativePath = 0x8, kIsUnicode = 0x80,
                        kForceNoLinkInfo = 0x100;
constexpr std::uint32_t kVolumeIdAndLocalBasePath = 0x1;
constexpr std::uint32_t kUnicodeOffsetsHeaderSize = 0x24;
// Real shortcuts are a few kilobytes; anything far larger is not one.
constexpr std::uintmax_t kMaxShortcutSize = 1 << 20;

void checkHeader(const ByteReader& r) {
    if (r.u32le(0) != kHeaderSize) throw ReadError();
    const auto clsid = r.bytes(4, kLinkClsid.size());
    if (!std::equal(clsid.begin(), clsid.end(), kLinkClsid.begin())) throw ReadError();
}

// A NUL-terminated narrow string starting at off, inside r.
std::string narrowStringAt(const ByteReader& r, std::uint64_t off) {
    std::string s;
    for (std::uint8_t c; (c = r.u8(off)) != 0; ++off) s += static_cast<char>(c);
    return AnsiToUtf8(s);
}

std::string wideStringAt(const ByteReader& r, std::uint64_t off) {
    std::u16string units;
    for (char16_t c; (c = r.u16le(off)) != 0; off += 2) units.push_back(c);
    return Utf16ToUtf8(units);
}

// The local base path and common path suffix of a LinkInfo structure; empty when the
// link names only a network location.
std::string linkInfoPath(const ByteReader& info) {
    const std::uint32_t headerSize = info.u32le(4);
    const std::uint32_t flags = info.u32le(8);
    if (!(flags & kVolumeIdAndLocalBasePath)) return {};
    const bool unicode = headerSize >= kUnicodeOffsetsHeaderSize;
    const std::string base = unicode ? wideStringAt(info, info.u32le(0x1C)) : narrowStringAt(info, info.u32le(0x10));
    std::string suffix;
    if (unicode && info.u32le(0x20) != 0)
        suffix = wideStringAt(info, info.u32le(0x20));
    else if (info.u32le(0x18) != 0)
        suffix = narrowStringAt(info, info.u32le(0x18));
    if (!suffix.empty() && !base.empty() && base.back() != '\\') return base + "\\" + suffix;
    return base + suffix;
}

// Reads one counted string of the string-data section at the cursor.
std::string readCountedString(ByteReader& r, bool unicode) {
    const std::uint16_t count = r.readU16le();
    if (!unicode) {
        const auto bytes = r.readBytes(count);
        return AnsiToUtf8(std::string(bytes.begin(), bytes.end()));
    }
    return Utf16ToUtf8(r.readUtf16le(count));
}

std::string nativePath(const ShellLinkTarget& target, const std::string& shortcutPath, const FolderEnvironment& env) {
    if (target.relative) {
        std::string rel = target.path;
        for (char& c : rel)
            if (c == '\\') c = '/';
        return (std::filesystem::path(shortcutPath).parent_path() / rel).lexically_normal().string();
    }
    return MapDosPath(target.path, WinePrefix(env)).value_or("");
}

}  // namespace

ShellLinkTarget ParseShellLinkTarget(std::span<const std::uint8_t> data) {
    ByteReader r(data);
    checkHeader(r);
    const std::uint32_t flags = r.u32le(0x14);
    r.seek(kHeaderSize);
    if (flags & kHasIdList) r.skip(r.readU16le());
    if ((flags & kHasLinkInfo) && !(flags & kForceNoLinkInfo)) {
        const std::uint32_t size = r.u32le(r.tell());
        const ByteReader info = r.sub(r.tell(), size);
        r.skip(size);
        std::string path = linkInfoPath(info);
        if (!path.empty()) return {path, false};
    }
    const bool unicode = flags & kIsUnicode;
    if (flags & kHasName) readCountedString(r, unicode);
    if (flags & kHasRelativePath) {
        std::string rel = readCountedString(r, unicode);
        if (!rel.empty()) return {rel, true};
    }
    throw ReadError();
}

std::string ReadShortcutTarget(const std::string& shortcutPath, const FolderEnvironment& env) {
    try {
        std::error_code ec;
        if (std::filesystem::file_size(shortcutPath, ec) > kMaxShortcutSize || ec) return {};
        const std::vector<std::uint8_t> data = ReadWholeFile(shortcutPath);
        return nativePath(ParseShellLinkTarget(data), shortcutPath, env);
    } catch (const std::exception&) {
        return {};  // the caller treats an empty target as a link that cannot be resolved
    }
}

std::string ReadShortcutTarget(const std::string& shortcutPath) {
    return ReadShortcutTarget(shortcutPath, CurrentFolderEnvironment());
}

}  // namespace zorvane

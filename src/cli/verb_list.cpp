#include <iostream>
#include <sstream>

#include "cli/commands.h"
#include "cli/edit_options.h"
#include "cli/file_messages.h"
#include "cli/group_address.h"
#include "core/icon_file.h"
#include "core/png_icon_image.h"

namespace zorvane::cli {
namespace {

constexpr const char* kListUsage = "list: expected FILE [G] [--json] [--cursors] [--lang ID]";

// The name and language of each group; nothing for an icon file, whose one group has neither.
std::vector<GroupLabel> LabelsOf(const std::string& path, const GroupQuery& query) {
    if (IsIconFilePath(path)) return {};
    const auto module = OpenResourceModule(path);
    return module ? GroupLabels(*module, query) : std::vector<GroupLabel>{};
}

std::string JsonString(const std::string& text) {
    std::ostringstream out;
    out << '"';
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\')
            out << '\\' << ch;
        else if (c < 0x20)
            out << "\\u00"
                << "0123456789abcdef"[c >> 4] << "0123456789abcdef"[c & 15];
        else
            out << ch;
    }
    out << '"';
    return out.str();
}

struct Listing {
    const TIconStream& stream;
    int group;
    const GroupLabel* label;  // null for an icon file
};

// One line per image: group, image, width, height, bit count, image size, group name, language.
void WriteText(const Listing& l, std::ostream& out) {
    const std::string name = l.label ? GroupNameText(l.label->name) : "-";
    const std::string language = l.label ? std::to_string(l.label->language) : "-";
    for (int i = 0; i < ImageCount(l.stream); ++i) {
        const IconDirEntry e = DirEntry(l.stream, i);
        out << l.group << ' ' << i << ' ' << e.pixelWidth() << ' ' << e.pixelHeight() << ' '
            << ListedBitCount(l.stream, i) << ' ' << e.imageSize << ' ' << name << ' ' << language << "\n";
    }
}

void WriteJson(const Listing& l, std::ostream& out) {
    out << "{\"index\":" << l.group;
    if (!l.label)
        out << ",\"name\":null,\"id\":null,\"language\":null";
    else if (l.label->name.named)
        out << ",\"name\":" << JsonString(l.label->name.ToUtf8()) << ",\"id\":null,\"language\":" << l.label->language;
    else
        out << ",\"name\":null,\"id\":" << l.label->name.id << ",\"language\":" << l.label->language;
    out << ",\"images\":[";
    for (int i = 0; i < ImageCount(l.stream); ++i) {
        const IconDirEntry e = DirEntry(l.stream, i);
        const bool png = IsPngIconImage(ReadIconImage(l.stream, i));
        out << (i ? "," : "") << "{\"width\":" << e.pixelWidth() << ",\"height\":" << e.pixelHeight()
            << ",\"bitCount\":" << ListedBitCount(l.stream, i) << ",\"size\":" << e.imageSize << ",\"format\":\""
            << (png ? "png" : "bitmap") << "\"}";
    }
    out << "]}";
}

}  // namespace

int RunList(Args args, std::ostream& out) {
    std::vector<std::string> rest(args.begin(), args.end());
    const bool json = TakeFlag(rest, "--json");
    const GroupQuery query = TakeGroupQuery(rest);
    if (rest.empty() || rest.size() > 2) throw UsageError(kListUsage);
    ExpectPositional(rest, rest.size(), kListUsage);
    const std::string& path = rest[0];
    const int count = GroupCountOfFile(path, query);
    if (count == 0) throw CommandFailed(kCannotOpenFile);
    const bool one = rest.size() == 2;
    const int first = one ? ResolveGroup(path, rest[1], query) : 0;
    const int last = one ? first : count - 1;
    const auto labels = LabelsOf(path, query);
    int status = 0;
    bool written = false;
    TIconStream stream;
    if (json) out << "{\"file\":" << JsonString(path) << ",\"groups\":[";
    for (int g = first; g <= last; ++g) {
        LoadGroupOfFile(stream, path, g, query);
        if (stream.empty()) {
            std::cerr << g << ": " << kNoIconsMessage << "\n";
            status = 1;
            continue;
        }
        FillMissingBitCounts(stream);
        const std::size_t at = static_cast<std::size_t>(g);
        const Listing listing{stream, g, at < labels.size() ? &labels[at] : nullptr};
        if (!json) {
            WriteText(listing, out);
            continue;
        }
        out << (written ? "," : "");
        WriteJson(listing, out);
        written = true;
    }
    if (json) out << "]}\n";
    return status;
}

}  // namespace zorvane::cli

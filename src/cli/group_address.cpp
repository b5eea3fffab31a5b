#include "cli/group_address.h"

#include <algorithm>

#include "cli/commands.h"
#include "cli/edit_options.h"
#include "cli/file_messages.h"
#include "core/texts.h"
#include "platform/text_util.h"

namespace zorvane::cli {
namespace {

bool AllDigits(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Resource names are compared without regard to ASCII case, as resource lookups do, but
// an exact match wins.
std::ptrdiff_t IndexOfName(const std::vector<ResourceName>& names, const std::string& wanted) {
    for (bool exact : {true, false}) {
        const auto it = std::find_if(names.begin(), names.end(), [&](const ResourceName& n) {
            return n.named && (exact ? n.ToUtf8() == wanted : AsciiLower(n.ToUtf8()) == AsciiLower(wanted));
        });
        if (it != names.end()) return it - names.begin();
    }
    return -1;
}

}  // namespace

GroupQuery TakeGroupQuery(std::vector<std::string>& args) {
    GroupQuery query;
    query.cursors = TakeFlag(args, "--cursors");
    if (const auto lang = TakeValue(args, "--lang")) {
        const int id = ParseInt(*lang, "--lang");
        if (id < 0 || id > 0xFFFF) throw UsageError("--lang: a language id lies in 0..65535");
        query.language = static_cast<std::uint16_t>(id);
    }
    return query;
}

int ResolveGroup(const std::string& path, const std::string& g, const GroupQuery& query) {
    if (AllDigits(g)) return ParseInt(g, "G");
    if (g.empty() || g == "#") throw UsageError("expected a group index, #ID or NAME for G");
    const auto names = IconGroupNames(path, query);
    std::ptrdiff_t index = -1;
    if (g[0] == '#') {
        const int id = ParseInt(g.substr(1), "#ID");
        if (id < 0) throw UsageError("#ID: an id is not negative");
        const auto it = std::find(names.begin(), names.end(), ResourceName::Id(static_cast<std::uint32_t>(id)));
        if (it != names.end()) index = it - names.begin();
    } else {
        index = IndexOfName(names, g);
    }
    if (index < 0) throw CommandFailed("no group " + g + ": " + kNoIconsMessage);
    return static_cast<int>(index);
}

std::string GroupNameText(const ResourceName& name) { return name.named ? name.ToUtf8() : "#" + name.ToUtf8(); }

}  // namespace zorvane::cli

#pragma once
// Which groups a verb reads (--cursors, --lang ID) and the group G it names: a 0-based
// index, "#ID" for a numbered resource, or a resource's string name.

#include <string>
#include <vector>

#include "core/icon_extraction.h"

namespace zorvane::cli {

// Takes --cursors and --lang ID out of args.
GroupQuery TakeGroupQuery(std::vector<std::string>& args);

// The 0-based index that G stands for. An index is given back as it is (a group past the
// last is the verb's to report); a name or id no group has raises CommandFailed.
int ResolveGroup(const std::string& path, const std::string& g, const GroupQuery& query);

// How a group's name is shown and given: "#ID" for a numbered one, the name otherwise.
std::string GroupNameText(const ResourceName& name);

}  // namespace zorvane::cli

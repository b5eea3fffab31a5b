#include "core/existing_files.h"

#include "platform/folder_listing.h"

namespace zorvane {

bool ExistingFiles::Contains(const std::string& name) {
    const std::size_t slash = name.rfind('/');
    const std::string folder = root_ + (slash == std::string::npos ? std::string() : name.substr(0, slash + 1));
    const std::string file = slash == std::string::npos ? name : name.substr(slash + 1);
    auto [it, added] = folders_.try_emplace(folder);
    if (added) {
        for (const FolderEntry& entry : ListFolder(folder))
            if (entry.kind == EntryKind::File) it->second.insert(entry.name);
    }
    return it->second.contains(file);
}

}  // namespace zorvane

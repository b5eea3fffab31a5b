#pragma once
// The entries of one folder with what the module walks need to know of each. Links are
// reported as what they point to, except that a link to a folder is its own kind so that
// a walk can leave it alone and never loop through a link cycle.

#include <string>
#include <vector>

namespace zorvane {

enum class EntryKind {
    File,          // a regular file, or a link to one
    Folder,        // a real folder
    LinkToFolder,  // a symbolic link that leads to a folder
    Other,         // devices, pipes, sockets, broken links: never opened
};

struct FolderEntry {
    std::string name;
    EntryKind kind;
};

// The entries of folder without "." and "..", sorted by name ignoring ASCII case (then
// by bytes), so that lists come out the same on every run. Empty when the folder cannot
// be read.
std::vector<FolderEntry> ListFolder(const std::string& folder);

}  // namespace zorvane

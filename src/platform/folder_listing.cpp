#include "platform/folder_listing.h"

#include <algorithm>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>

#include "platform/text_util.h"

namespace zorvane {
namespace {

struct DirCloser {
    void operator()(DIR* d) const { ::closedir(d); }
};

EntryKind kindOf(const std::string& path, unsigned char type) {
    if (type == DT_DIR) return EntryKind::Folder;
    if (type == DT_REG) return EntryKind::File;
    struct stat st {};
    if (type == DT_UNKNOWN || type == DT_LNK) {
        if (::lstat(path.c_str(), &st) != 0) return EntryKind::Other;
        if (S_ISDIR(st.st_mode)) return EntryKind::Folder;
        if (S_ISREG(st.st_mode)) return EntryKind::File;
        if (!S_ISLNK(st.st_mode)) return EntryKind::Other;
        if (::stat(path.c_str(), &st) != 0) return EntryKind::Other;
        if (S_ISDIR(st.st_mode)) return EntryKind::LinkToFolder;
        if (S_ISREG(st.st_mode)) return EntryKind::File;
    }
    return EntryKind::Other;
}

bool nameBefore(const FolderEntry& a, const FolderEntry& b) {
    const std::string la = AsciiLower(a.name), lb = AsciiLower(b.name);
    return la != lb ? la < lb : a.name < b.name;
}

}  // namespace

std::vector<FolderEntry> ListFolder(const std::string& folder) {
    std::vector<FolderEntry> entries;
    std::unique_ptr<DIR, DirCloser> dir(::opendir(folder.c_str()));
    if (!dir) return entries;
    const std::string prefix = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    while (const dirent* e = ::readdir(dir.get())) {
        const std::string name = e->d_name;
        if (name == "." || name == "..") continue;
        entries.push_back({name, kindOf(prefix + name, e->d_type)});
    }
    std::sort(entries.begin(), entries.end(), nameBefore);
    return entries;
}

}  // namespace zorvane

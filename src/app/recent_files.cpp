#include "app/recent_files.h"

#include <algorithm>

#include "platform/case_fold.h"

namespace zorvane {

bool RecentFiles::Add(const std::string& path) {
    if (path.empty()) return false;
    const bool listed = std::any_of(entries_.begin(), entries_.end(),
                                    [&](const std::string& e) { return EqualsFoldingCase(e, path); });
    if (listed) return false;
    std::rotate(entries_.rbegin(), entries_.rbegin() + 1, entries_.rend());
    entries_[0] = path;
    return true;
}

std::vector<RecentFiles::MenuItem> RecentFiles::MenuItems() const {
    std::vector<MenuItem> items;
    for (int i = 0; i < kCount; ++i)
        if (!at(i).empty()) items.push_back({i, std::to_string(i) + " :" + at(i)});
    return items;
}

}  // namespace zorvane

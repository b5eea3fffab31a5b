#pragma once
// The five most recently opened files, newest first. Empty entries stand for nothing;
// every entry keeps its index as its number in the menus.

#include <array>
#include <string>
#include <vector>

namespace zorvane {

class RecentFiles {
public:
    static constexpr int kCount = 5;

    const std::string& at(int index) const { return entries_.at(static_cast<std::size_t>(index)); }
    void set(int index, std::string path) { entries_.at(static_cast<std::size_t>(index)) = std::move(path); }
    const std::array<std::string, kCount>& entries() const { return entries_; }

    // A path not yet listed (compared without regard to letter case, in any script) goes in
    // at index 0 and the oldest drops out; a listed one keeps its place. True when the list
    // changed.
    bool Add(const std::string& path);

    struct MenuItem {
        int index;  // the item's tag: the entry it opens
        std::string caption;
    };
    // One item per non-empty entry: its index, " :", its path.
    std::vector<MenuItem> MenuItems() const;

private:
    std::array<std::string, kCount> entries_;
};

}  // namespace zorvane

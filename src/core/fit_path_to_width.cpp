#include "core/fit_path_to_width.h"

namespace zorvane {

namespace {

struct PathParts {
    std::string drive, dir, name;
    std::string joined() const { return drive + dir + name; }
};

PathParts SplitPath(const std::string& path, char sep) {
    PathParts parts;
    const auto last = path.rfind(sep);
    if (last != std::string::npos) {
        parts.dir = path.substr(0, last + 1);
        parts.name = path.substr(last + 1);
    } else {
        parts.name = path;
    }
    if (parts.dir.size() >= 2 && parts.dir[1] == ':') {
        parts.drive = parts.dir.substr(0, 2);
        parts.dir.erase(0, 2);
    }
    return parts;
}

// Removes the first folder of dir, leaving "..." + sep in its place.
std::string CutFirstFolder(std::string dir, char sep) {
    if (dir == std::string(1, sep)) return {};
    const bool leading = !dir.empty() && dir.front() == sep;
    if (leading) dir.erase(0, 1);
    // Only the marker of an earlier cut is dropped here: a folder whose own name starts
    // with a dot (hidden folders) must be cut as one folder, not lose four characters.
    const std::string marker = std::string("...") + sep;
    if (dir.starts_with(marker)) dir.erase(0, marker.size());
    const auto first = dir.find(sep);
    dir = first == std::string::npos ? std::string() : marker + dir.substr(first + 1);
    if (leading) dir.insert(dir.begin(), sep);
    return dir;
}

}  // namespace

std::string FitPathToWidth(const std::string& path, const TextWidthMeasure& width, int maxWidth, char separator) {
    if (width(path) < maxWidth) return path;
    PathParts parts = SplitPath(path, separator);
    const std::string rootMarker = std::string(1, separator) + "..." + separator;
    while ((!parts.dir.empty() || !parts.drive.empty()) && width(parts.joined()) > maxWidth) {
        if (parts.dir == rootMarker) {
            parts.drive.clear();
            parts.dir = rootMarker.substr(1);
        } else if (parts.dir.empty()) {
            parts.drive.clear();
        } else {
            parts.dir = CutFirstFolder(parts.dir, separator);
        }
    }
    return parts.joined();
}

}  // namespace zorvane

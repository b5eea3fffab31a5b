#pragma once
// Which file stands for a path when its icons are shown: the path itself for the files that
// hold icons, the browser for a web page. There is no registry of file types here, so other
// types have no file that names their icon.

#include <string>

namespace zorvane {

// The file whose icons the grid shows for path, or empty when such files are not taken.
std::string GridModuleFor(const std::string& path);

}  // namespace zorvane

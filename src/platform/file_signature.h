#pragma once
// What a file holds, told by its first bytes rather than its name: a module (an MZ header
// with a PE or NE header behind it) or an icon or cursor directory.

#include <string>

namespace zorvane {

enum class FileContent { Unknown, Module, IconDirectory, CursorDirectory };

// Unknown also when the file cannot be read.
FileContent SniffFileContent(const std::string& path);

}  // namespace zorvane

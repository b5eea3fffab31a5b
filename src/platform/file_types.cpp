#include "platform/file_types.h"

#include <filesystem>

#include "platform/file_signature.h"
#include "platform/folders.h"
#include "platform/text_util.h"

namespace zorvane {

std::string GridModuleFor(const std::string& path) {
    // A module or an icon directory is taken whatever its name (".mun", ".icl", none at all).
    if (SniffFileContent(path) != FileContent::Unknown) return path;
    const std::string ext = AsciiLower(std::filesystem::path(path).extension().string());
    if (ext == ".exe" || ext == ".cpl" || ext == ".dll" || ext == ".ico" || ext == ".cur") return path;
    // A web page shows the browser's icons; the browser need not be installed.
    if (ext == ".htm" || ext == ".html") return ProgramFilesFolder() + "Internet Explorer/iexplore.exe";
    return {};
}

}  // namespace zorvane

#include "export/export_names.h"

#include <filesystem>

namespace zorvane {

std::string DocumentBaseName(const std::string& documentPath) {
    return std::filesystem::path(documentPath).stem().string();
}

std::string GroupFileName(const std::string& base, int group, const std::string& extension) {
    return base + "-" + std::to_string(group) + "." + extension;
}

std::string ImageFileName(const std::string& base, int group, int image, const std::string& extension) {
    return SeriesName(base, group, image) + "." + extension;
}

std::string SeriesName(const std::string& base, int group, int image) {
    return base + "-" + std::to_string(group) + "-" + std::to_string(image);
}

std::string SeriesFileName(const std::string& series, int k, const std::string& extension) {
    return series + "-" + std::to_string(k) + "." + extension;
}

std::string PathInFolder(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

}  // namespace zorvane

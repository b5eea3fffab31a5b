#include "core/module_scan.h"

#include "core/icon_file.h"
#include "platform/file_io.h"
#include "platform/folder_listing.h"
#include "platform/text_util.h"

namespace zorvane {
namespace {

std::string withSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

// The extension from the last dot, lower-cased; empty without a dot.
std::string lowerExtension(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : AsciiLower(name.substr(dot));
}

// The progress position of a name: its first letter's place in the alphabet, 1 for a.
int letterPosition(const std::string& text) {
    if (text.empty()) return 0;
    return static_cast<unsigned char>(AsciiLower(text.substr(0, 1))[0]) - 96;
}

}  // namespace

ModuleScanner::ModuleScanner(ScanProgress& progress) : ModuleScanner(progress, IconCountOfFile) {}

ModuleScanner::ModuleScanner(ScanProgress& progress, IconCounter count)
    : progress_(progress), count_(std::move(count)) {}

bool ModuleScanner::record(const std::string& path, const std::string& name) {
    const int icons = count_(path);
    if (icons < 1) return false;
    ++validFileCount_;
    fileList_.push_back(name + "," + std::to_string(icons));
    return true;
}

bool ModuleScanner::WalkSystemFolder(const std::string& root, const std::string& extension) {
    const std::string folder = withSlash(root);
    const std::string wanted = "." + AsciiLower(extension);
    bool listed = false;
    for (const FolderEntry& entry : ListFolder(folder)) {
        if (entry.kind == EntryKind::Other || lowerExtension(entry.name) != wanted) continue;
        listed = true;
        const std::string path = folder + entry.name;
        if (entry.kind == EntryKind::File && record(path, entry.name)) {
            progress_.SetPosition(letterPosition(entry.name));
            progress_.ShowPlace(path);
            progress_.ShowValidCount(validFileCount_);
        }
        if (progress_.CancelRequested()) return false;
        progress_.RunPendingEvents();
    }
    if (!listed || progress_.CancelRequested()) return false;
    progress_.SetPosition(kScanProgressMax);
    return true;
}

bool ModuleScanner::WalkProgramFilesFolder(const std::string& root, const std::string& extension) {
    treeRoot_ = withSlash(root);
    ScanFolderTree(treeRoot_, extension);
    if (progress_.CancelRequested()) return false;
    progress_.SetPosition(kScanProgressMax);
    return true;
}

void ModuleScanner::ScanFolderTree(const std::string& folder, const std::string& extension) {
    const std::string base = withSlash(folder);
    if (treeRoot_.empty()) treeRoot_ = base;
    // Paths in the list are relative to the programs folder.
    const std::string relBase = base.starts_with(treeRoot_) ? base.substr(treeRoot_.size()) : base;
    const std::string wanted = "." + AsciiLower(extension);
    for (const FolderEntry& entry : ListFolder(base)) {
        const std::string rel = relBase + entry.name;
        if (entry.kind == EntryKind::Folder) {
            progress_.ShowPlace("./" + rel);
            progress_.SetPosition(letterPosition(rel));
            ScanFolderTree(base + entry.name, extension);
        } else if (entry.kind == EntryKind::File && lowerExtension(entry.name) == wanted) {
            if (record(base + entry.name, rel)) progress_.ShowValidCount(validFileCount_);
        }
        if (progress_.CancelRequested()) return;
        progress_.RunPendingEvents();
    }
}

bool ModuleScanner::save(const std::string& listFilePath, MessageSink& sink) {
    const std::string text = ModuleListText(fileList_);
    try {
        WriteFileReplacing(listFilePath, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
        return true;
    } catch (const FileError& e) {
        sink.show(MessageKind::Error, e.what());
        return false;
    }
}

bool ModuleScanner::ScanSystemFolder(const std::string& root, const std::string& listFilePath,
                                     const std::string& extension, MessageSink& sink) {
    return WalkSystemFolder(root, extension) && save(listFilePath, sink);
}

bool ModuleScanner::ScanProgramFilesFolder(const std::string& root, const std::string& listFilePath,
                                           const std::string& extension, MessageSink& sink) {
    return WalkProgramFilesFolder(root, extension) && save(listFilePath, sink);
}

std::string ModuleListText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

}  // namespace zorvane

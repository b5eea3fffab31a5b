#pragma once
// The walks that find the modules holding icons, for the picker's four lists: flat over
// the system folder, the whole tree under the programs folder. They run on the caller's
// thread and talk to their window only through ScanProgress, so the same walk serves the
// list builder, the command-line companion and the tests.

#include <functional>
#include <string>
#include <vector>

#include "platform/message_sink.h"

namespace zorvane {

// What the list builder window shows and how it stops a walk.
class ScanProgress {
public:
    virtual ~ScanProgress() = default;
    // The progress bar position, not clamped (the bar shows it within 0..26).
    virtual void SetPosition(int position) = 0;
    // The current place: a full path (flat walk) or "./" + a folder (tree walk).
    virtual void ShowPlace(const std::string& text) = 0;
    // The number of modules found so far.
    virtual void ShowValidCount(int count) = 0;
    // Lets the window paint and take the Cancel click; runs once per entry.
    virtual void RunPendingEvents() = 0;
    virtual bool CancelRequested() const = 0;
};

// For walks nobody watches: never cancelled.
class NoScanProgress : public ScanProgress {
public:
    void SetPosition(int) override {}
    void ShowPlace(const std::string&) override {}
    void ShowValidCount(int) override {}
    void RunPendingEvents() override {}
    bool CancelRequested() const override { return false; }
};

// The number of icon groups of a file; 0 for anything that cannot be read.
using IconCounter = std::function<int(const std::string& path)>;

constexpr int kScanProgressMax = 26;

class ModuleScanner {
public:
    explicit ModuleScanner(ScanProgress& progress);
    ModuleScanner(ScanProgress& progress, IconCounter count);

    // The walks alone: FileList holds the lines found. The flat walk returns false when
    // the folder lists no entry with the extension; both return false when cancelled.
    bool WalkSystemFolder(const std::string& root, const std::string& extension);
    bool WalkProgramFilesFolder(const std::string& root, const std::string& extension);
    // One folder of the tree walk and everything below it.
    void ScanFolderTree(const std::string& folder, const std::string& extension);

    // The builds: a walk, then the list file written whole at listFilePath. True when the
    // file was written; a write failure goes to sink as an error and gives false. Nothing
    // is written after a cancel, so an older list file stays as it was.
    bool ScanSystemFolder(const std::string& root, const std::string& listFilePath, const std::string& extension,
                          MessageSink& sink);
    bool ScanProgramFilesFolder(const std::string& root, const std::string& listFilePath, const std::string& extension,
                                MessageSink& sink);

    const std::vector<std::string>& FileList() const { return fileList_; }
    int ValidFileCount() const { return validFileCount_; }

private:
    // Counts the file and records its line when it holds icons; true when recorded.
    bool record(const std::string& path, const std::string& name);
    bool save(const std::string& listFilePath, MessageSink& sink);

    ScanProgress& progress_;
    IconCounter count_;
    std::string treeRoot_;
    std::vector<std::string> fileList_;
    int validFileCount_ = 0;
};

// The list file's bytes: every line ended by CR LF; no lines gives zero bytes.
std::string ModuleListText(const std::vector<std::string>& lines);

}  // namespace zorvane

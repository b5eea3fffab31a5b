#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/module_list.h"
#include "core/module_scan.h"
#include "platform/file_io.h"
#include "support/test_support.h"

namespace zorvane {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempDir;
using test::WriteText;

// Stands in for the module reader: a file whose text is "icons N" holds N groups.
int CountFromText(const std::string& path) {
    const auto bytes = ReadFile(path);
    const std::string text(bytes.begin(), bytes.end());
    return text.starts_with("icons ") ? std::stoi(text.substr(6)) : 0;
}

// Records what the window would show; cancels once the walk has entered a given folder.
class Recorder : public ScanProgress {
public:
    void SetPosition(int p) override { positions.push_back(p); }
    void ShowPlace(const std::string& t) override {
        places.push_back(t);
        if (!cancelIn.empty() && t == cancelIn) cancelled = true;
    }
    void ShowValidCount(int c) override { counts.push_back(c); }
    void RunPendingEvents() override { ++pumps; }
    bool CancelRequested() const override { return cancelled; }

    std::vector<int> positions, counts;
    std::vector<std::string> places;
    std::string cancelIn;
    bool cancelled = false;
    int pumps = 0;
};

std::string Lines(const ModuleScanner& s) {
    std::string all;
    for (const auto& l : s.FileList()) all += l + "|";
    return all;
}

// The lines of an unwatched tree walk.
std::string TreeLines(const fs::path& root, const std::string& extension) {
    NoScanProgress quiet;
    ModuleScanner scan(quiet, CountFromText);
    EXPECT_TRUE(scan.WalkProgramFilesFolder(root.string(), extension));
    return Lines(scan);
}

// A system folder: modules with and without icons, a folder named like a module, a
// file of another type.
struct SystemTree {
    TempDir dir;
    fs::path root = dir / "system32";
    SystemTree() {
        WriteText(root / "shell32.dll", "icons 3");
        WriteText(root / "Foo.DLL", "icons 1");
        WriteText(root / "7zip.dll", "icons 2");
        WriteText(root / "noicons.dll", "icons 0");
        WriteText(root / "notes.txt", "icons 9");
        fs::create_directories(root / "x.dll");
        WriteText(root / "x.dll" / "inner.dll", "icons 1");
    }
};

TEST(ModuleScan, FlatWalkListsTopLevelModulesWithIconsIgnoringCase) {
    SystemTree t;
    Recorder rec;
    ModuleScanner scan(rec, CountFromText);
    RecordingMessageSink sink;
    const std::string list = (t.dir / "Shell_dllList.txt").string();
    ASSERT_TRUE(scan.ScanSystemFolder(t.root.string(), list, "dll", sink));
    const auto bytes = ReadFile(list);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "7zip.dll,2\r\nFoo.DLL,1\r\nshell32.dll,3\r\n");
    EXPECT_EQ(scan.ValidFileCount(), 3);
    // One event pump per matching entry; the bar follows the first letter, unclamped.
    EXPECT_EQ(rec.pumps, 5);
    EXPECT_EQ(rec.positions, (std::vector<int>{'7' - 96, 'f' - 96, 's' - 96, 26}));
    EXPECT_EQ(rec.places.back(), (t.root / "shell32.dll").string());
    EXPECT_EQ(rec.counts, (std::vector<int>{1, 2, 3}));
}

TEST(ModuleScan, FlatWalkWritesNothingWithoutMatchesAndAnEmptyFileWithoutIcons) {
    SystemTree t;
    RecordingMessageSink sink;
    NoScanProgress quiet;
    const std::string cplList = (t.dir / "Shell_cplList.txt").string();
    EXPECT_FALSE(ModuleScanner(quiet, CountFromText).ScanSystemFolder(t.root.string(), cplList, "cpl", sink));
    EXPECT_FALSE(fs::exists(cplList));
    EXPECT_FALSE(
        ModuleScanner(quiet, CountFromText).ScanSystemFolder((t.dir / "missing").string(), cplList, "cpl", sink));
    WriteText(t.root / "desk.cpl", "icons 0");
    EXPECT_TRUE(ModuleScanner(quiet, CountFromText).ScanSystemFolder(t.root.string(), cplList, "cpl", sink));
    EXPECT_TRUE(fs::exists(cplList));
    EXPECT_EQ(fs::file_size(cplList), 0u);
    EXPECT_TRUE(sink.messages.empty());
}

TEST(ModuleScan, TreeWalkListsRelativePathsDepthFirst) {
    TempDir dir;
    const fs::path root = dir / "Program Files";
    WriteText(root / "top.exe", "icons 1");
    WriteText(root / "Vendor" / "Foo.DLL", "icons 2");
    WriteText(root / "Vendor" / "Sub" / "tool.exe", "icons 4");
    WriteText(root / "Vendor" / "Sub" / "plain.exe", "not a module");
    WriteText(root / "Vendor" / "readme.exe.txt", "icons 1");
    WriteText(root / "Apps" / "a.exe", "icons 1");
    Recorder rec;
    ModuleScanner exe(rec, CountFromText);
    ASSERT_TRUE(exe.WalkProgramFilesFolder(root.string(), "exe"));
    EXPECT_EQ(Lines(exe), "Apps/a.exe,1|top.exe,1|Vendor/Sub/tool.exe,4|");
    EXPECT_EQ(rec.places, (std::vector<std::string>{"./Apps", "./Vendor", "./Vendor/Sub"}));
    EXPECT_EQ(rec.positions, (std::vector<int>{1, 22, 22, 26}));
    EXPECT_EQ(TreeLines(root, "dll"), "Vendor/Foo.DLL,2|");
}

TEST(ModuleScan, TreeWalkOverAMissingOrEmptyRootWritesAnEmptyFile) {
    TempDir dir;
    NoScanProgress quiet;
    RecordingMessageSink sink;
    const std::string list = (dir / "Program_exeList.txt").string();
    EXPECT_TRUE(ModuleScanner(quiet, CountFromText).ScanProgramFilesFolder((dir / "none").string(), list, "exe", sink));
    EXPECT_EQ(fs::file_size(list), 0u);
}

TEST(ModuleScan, CancelThreeLevelsDownStopsEveryLevelAndKeepsTheOldList) {
    TempDir dir;
    const fs::path root = dir / "pf";
    WriteText(root / "a" / "b" / "c" / "deep.exe", "icons 1");
    WriteText(root / "a" / "b" / "c" / "more.exe", "icons 1");
    WriteText(root / "a" / "later.exe", "icons 1");
    WriteText(root / "z" / "last.exe", "icons 1");
    const fs::path list = dir / "Program_exeList.txt";
    WriteText(list, "old.exe,1\r\n");
    const auto before = ReadFile(list);
    Recorder rec;
    rec.cancelIn = "./a/b/c";
    RecordingMessageSink sink;
    ModuleScanner scan(rec, CountFromText);
    EXPECT_FALSE(scan.ScanProgramFilesFolder(root.string(), list.string(), "exe", sink));
    EXPECT_EQ(ReadFile(list), before);
    // The deepest level finished its entry in progress, then every level stopped.
    EXPECT_EQ(Lines(scan), "a/b/c/deep.exe,1|");
    EXPECT_EQ(rec.places.back(), "./a/b/c");
}

TEST(ModuleScan, LinksToFoldersAreNotFollowedSoACycleEnds) {
    TempDir dir;
    const fs::path root = dir / "pf";
    WriteText(root / "app" / "run.exe", "icons 1");
    fs::create_directory_symlink("..", root / "app" / "loop");
    fs::create_directory_symlink(root / "app", root / "again");
    fs::create_symlink(root / "app" / "run.exe", root / "alias.exe");  // a link to a file counts
    fs::create_symlink(dir / "gone.exe", root / "broken.exe");
    EXPECT_EQ(TreeLines(root, "exe"), "alias.exe,1|app/run.exe,1|");
}

TEST(ModuleScan, AListThatCannotBeWrittenIsReportedAndNotClaimed) {
    SystemTree t;
    NoScanProgress quiet;
    RecordingMessageSink sink;
    const std::string list = (t.dir / "no-such-folder" / "Shell_dllList.txt").string();
    EXPECT_FALSE(ModuleScanner(quiet, CountFromText).ScanSystemFolder(t.root.string(), list, "dll", sink));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].kind, MessageKind::Error);
    EXPECT_NE(sink.messages[0].text.find(list), std::string::npos);
}

// The real icon count over fixture modules: only headers and resource directories decide.
TEST(ModuleScan, FixtureModulesAreCountedByTheirIconGroups) {
    TempDir dir;
    const fs::path root = dir / "pf";
    fs::create_directories(root / "Vendor");
    fs::copy_file(test::BuiltFixture("numbered.dll"), root / "Vendor" / "Foo.DLL");
    fs::copy_file(test::BuiltFixture("pe32.dll"), root / "pe32.dll");
    fs::copy_file(test::BuiltFixture("named.exe"), root / "Vendor" / "named.dll");
    WriteText(root / "fake.dll", "MZ but nothing more");
    test::WriteFile(root / "empty.dll", {});
    NoScanProgress quiet;
    ModuleScanner scan(quiet);
    ASSERT_TRUE(scan.WalkProgramFilesFolder(root.string(), "dll"));
    EXPECT_EQ(Lines(scan), "pe32.dll,3|Vendor/Foo.DLL,3|Vendor/named.dll,3|");
}

TEST(ModuleList, LinesAreCutAtTheFirstCommaWhateverTheLineEnds) {
    const std::string text = "a.dll,3\r\nb,c.dll,2\rno comma\n\r\n,\nlast,1";
    const auto entries = ParseModuleList(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[0].name, "a.dll");
    EXPECT_EQ(entries[0].count, "3");
    EXPECT_EQ(entries[1].name, "b");
    EXPECT_EQ(entries[1].count, "c.dll,2");
    EXPECT_EQ(entries[2].name, "no comma");
    EXPECT_EQ(entries[2].count, "no comma");
    EXPECT_EQ(entries[3].name, "");
    EXPECT_EQ(entries[4].count, "1");
    EXPECT_TRUE(ParseModuleList({}).empty());
    TempDir dir;
    EXPECT_THROW(ReadModuleList((dir / "missing.txt").string()), FileError);
}

TEST(ModuleList, TheFourKindsNameTheirFilesAndWalks) {
    EXPECT_STREQ(ModuleListKindAt(0).listFileName, "Shell_dllList.txt");
    EXPECT_STREQ(ModuleListKindAt(1).listFileName, "Shell_cplList.txt");
    EXPECT_STREQ(ModuleListKindAt(2).listFileName, "Program_exeList.txt");
    EXPECT_STREQ(ModuleListKindAt(3).listFileName, "Program_dllList.txt");
    EXPECT_STRNE(ModuleListKindAt(0).kindKey, ModuleListKindAt(3).kindKey);
    EXPECT_STREQ(ModuleListKindAt(3).extension, "dll");
    EXPECT_FALSE(ModuleListKindAt(1).tree);
    EXPECT_TRUE(ModuleListKindAt(2).tree);
}

}  // namespace
}  // namespace zorvane

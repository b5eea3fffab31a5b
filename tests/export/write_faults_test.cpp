// Every command that writes a user's file, hit by a full disk or a vanished folder at the
// moment its file is created. The error must be reported with the file's name, the file
// that was there before must keep its bytes, files a series finished earlier must be whole,
// and no temporary file may be left behind.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <set>

#include "app/app_settings.h"
#include "core/icon_encode.h"
#include "core/icon_file.h"
#include "core/module_scan.h"
#include "export/hue_series.h"
#include "export/picture_export.h"
#include "platform/file_io.h"
#include "support/small_disk.h"
#include "support/test_support.h"

namespace zorvane {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;

struct WriteJob {
    const TIconStream& stream;
    fs::path folder;
    fs::path scanRoot;
    MessageSink& sink;
};

struct Writer {
    const char* name;
    const char* target;               // the file the fault hits
    std::vector<const char*> before;  // files written whole before the target
    std::function<void(const WriteJob&)> write;
};

const ExportEdit kEdit{30, -10, 5, TransformState{1, true}};

void ExportTo(const WriteJob& job, ExportFormat format, const char* name) {
    ExportImage(job.stream, 4, format, (job.folder / name).string(), kEdit, true, job.sink);
}

const std::vector<Writer>& Writers() {
    static const std::vector<Writer> writers = {
        {"GroupIcon",
         "a.ico",
         {},
         [](const WriteJob& j) {
             SaveIconGroup(j.stream, (j.folder / "a.ico").string(), 30, 0, 0, kEdit.state, j.sink);
         }},
        {"SingleIcon",
         "a.ico",
         {},
         [](const WriteJob& j) {
             SaveIconImage(j.stream, (j.folder / "a.ico").string(), 4, 30, 0, 0, kEdit.state, j.sink);
         }},
        {"Bitmap", "a.bmp", {}, [](const WriteJob& j) { ExportTo(j, ExportFormat::Bitmap, "a.bmp"); }},
        {"Png", "a.png", {}, [](const WriteJob& j) { ExportTo(j, ExportFormat::Png, "a.png"); }},
        {"Gif", "a.gif", {}, [](const WriteJob& j) { ExportTo(j, ExportFormat::Gif, "a.gif"); }},
        {"Series",
         "d-0-4-2.png",
         {"d-0-4-0.png", "d-0-4-1.png"},
         [](const WriteJob& j) {
             WriteHueSeries({j.stream, "d", 0, 4, kEdit}, {j.folder.string(), 4, 90, ExportFormat::Png, true}, j.sink);
         }},
        {"ListFile",
         "list.txt",
         {},
         [](const WriteJob& j) {
             NoScanProgress progress;
             ModuleScanner scanner(progress, [](const std::string&) { return 2; });
             scanner.ScanSystemFolder(j.scanRoot.string(), (j.folder / "list.txt").string(), "dll", j.sink);
         }},
        {"Settings",
         "Set.ini",
         {},
         [](const WriteJob& j) {
             IniFile ini((j.folder / "Set.ini").string());
             StoreAppSettings(ini, DefaultAppSettings(j.folder.string() + "/"));
             ini.UpdateFile();
         }},
    };
    return writers;
}

enum class Fault { InjectedFullDisk, RealFullDisk, VanishedFolder };

// A series' PNG files carry the time of their writing, which differs between two runs.
std::vector<std::uint8_t> WithoutTime(std::vector<std::uint8_t> png) {
    static const std::string kTag = "tIME";
    const auto tag = std::search(png.begin(), png.end(), kTag.begin(), kTag.end());
    if (tag - png.begin() >= 4 && png.end() - tag >= 4 + 7 + 4) png.erase(tag - 4, tag + 4 + 7 + 4);
    return png;
}

std::set<std::string> FilesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

class WriteFaultTest : public ::testing::TestWithParam<std::tuple<std::size_t, Fault>> {
protected:
    void SetUp() override {
        LoadIconFile(stream, test::BuiltFixture("depths.ico").string());
        test::WriteText(scanRoot / "a.dll", "MZ");
        test::WriteText(scanRoot / "b.dll", "MZ");
    }
    void TearDown() override {
        SetBeforeCreateHookForTesting({});
        SetWriteFailureAfterBytesForTesting(-1);
    }
    const Writer& writer() const { return Writers().at(std::get<0>(GetParam())); }
    Fault fault() const { return std::get<1>(GetParam()); }

    // Runs the writer into folder; returns the error text it reported, empty if none.
    std::string Run(const fs::path& folder) {
        RecordingMessageSink sink;
        try {
            writer().write({stream, folder, scanRoot.path(), sink});
        } catch (const FileError& e) {
            return e.what();
        }
        for (const auto& m : sink.messages)
            if (m.kind == MessageKind::Error) return m.text;
        return {};
    }
    void OnCreatingTarget(const fs::path& folder, std::function<void()> fault) {
        const std::string target = (folder / writer().target).string();
        SetBeforeCreateHookForTesting([target, fault](const std::string& path) {
            if (path == target) fault();
        });
    }

    TIconStream stream;
    test::TempDir scanRoot;
    test::TempDir reference;
};

TEST_P(WriteFaultTest, ReportsTheErrorAndLosesNothing) {
    ASSERT_EQ(Run(reference.path()), "") << "the writer fails even without a fault";
    test::TempDir plain;
    test::SmallDisk disk;
    fs::path folder = plain / "out";
    switch (fault()) {
    case Fault::InjectedFullDisk: OnCreatingTarget(folder, [] { SetWriteFailureAfterBytesForTesting(4); }); break;
    case Fault::RealFullDisk:
        if (!disk.mounted()) GTEST_SKIP() << "cannot mount a tmpfs here";
        folder = disk.path() / "out";
        OnCreatingTarget(folder, [&disk] { disk.Fill(); });
        break;
    case Fault::VanishedFolder: OnCreatingTarget(folder, [folder] { fs::remove_all(folder); }); break;
    }
    const fs::path target = folder / writer().target;
    const std::string old = "the user's old file\n";
    test::WriteText(target, old);

    const std::string error = Run(folder);

    EXPECT_NE(error.find(target.string()), std::string::npos) << "reported: " << error;
    if (fault() == Fault::VanishedFolder) {
        EXPECT_FALSE(fs::exists(folder));
        return;
    }
    EXPECT_EQ(ReadFile(target), std::vector<std::uint8_t>(old.begin(), old.end()));
    std::set<std::string> expected{writer().target};
    for (const char* name : writer().before) {
        expected.insert(name);
        EXPECT_EQ(WithoutTime(ReadFile(folder / name)), WithoutTime(ReadFile(reference / name))) << name;
    }
    EXPECT_EQ(FilesIn(folder), expected);
}

std::string CaseName(const ::testing::TestParamInfo<std::tuple<std::size_t, Fault>>& info) {
    static const char* const faults[] = {"InjectedFullDisk", "RealFullDisk", "VanishedFolder"};
    return std::string(Writers().at(std::get<0>(info.param)).name) + "_" +
           faults[static_cast<int>(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(EveryWriter, WriteFaultTest,
                         ::testing::Combine(::testing::Range<std::size_t>(0, Writers().size()),
                                            ::testing::Values(Fault::InjectedFullDisk, Fault::RealFullDisk,
                                                              Fault::VanishedFolder)),
                         CaseName);

}  // namespace
}  // namespace zorvane

#include "controls/select_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_support.h"
#include "support/qt_app.h"

namespace zorvane {
namespace {

namespace fs = std::filesystem;

QString Q(const fs::path& path) { return QString::fromStdString(path.string()); }

// Answers the dialog with a fixed choice and remembers what it was asked.
struct ScriptedChooser {
    std::optional<QString> answer;
    std::vector<TSelectFolder::Request> requests;
    TSelectFolder::Chooser chooser() {
        return [this](const TSelectFolder::Request& request) {
            requests.push_back(request);
            return answer;
        };
    }
};

TEST(SelectFolder, ChoiceBecomesFolderAndIsPreselectedNextTime) {
    test::EnsureQtApp();
    test::TempDir dir;
    fs::create_directory(dir / "a");
    TSelectFolder select;
    select.SetTitle("フォルダの選択");
    select.SetOptions(TSelectFolderOption::sfoUseNewStyle);
    ScriptedChooser script{Q(dir / "a"), {}};
    select.SetChooser(script.chooser());

    ASSERT_TRUE(select.Execute());
    EXPECT_EQ(select.Folder(), Q(dir / "a"));
    ASSERT_TRUE(select.Execute());
    ASSERT_EQ(script.requests.size(), 2u);
    EXPECT_EQ(script.requests[0].preselect, "");
    EXPECT_EQ(script.requests[1].preselect, Q(dir / "a"));
    EXPECT_EQ(script.requests[1].title, "フォルダの選択");
    EXPECT_TRUE(script.requests[1].newStyle);

    select.SetInitialFolder("/elsewhere");
    select.SetOptions(TSelectFolderOption::sfoUseInitialFolder);
    select.Execute();
    EXPECT_EQ(script.requests[2].preselect, "/elsewhere");
    EXPECT_FALSE(script.requests[2].newStyle);
}

TEST(SelectFolder, CancelOrNoFolderKeepsFolder) {
    test::EnsureQtApp();
    test::TempDir dir;
    test::WriteFile(dir / "file.txt", {1});
    TSelectFolder select;
    select.SetFolder("/kept");
    for (std::optional<QString> answer : {std::optional<QString>{}, std::optional<QString>{Q(dir / "file.txt")},
                                          std::optional<QString>{Q(dir / "missing")}}) {
        ScriptedChooser script{answer, {}};
        select.SetChooser(script.chooser());
        EXPECT_FALSE(select.Execute());
        EXPECT_EQ(select.Folder(), "/kept");
    }
    select.SetChooser(
        [](const TSelectFolder::Request&) -> std::optional<QString> { throw std::runtime_error("browse failed"); });
    EXPECT_FALSE(select.Execute());
    EXPECT_EQ(select.Folder(), "/kept");
}

TEST(SelectFolder, LinksAndShortcutsGiveTheirTargetFolder) {
    test::EnsureQtApp();
    test::TempDir dir;
    fs::create_directory(dir / "target");
    fs::create_directory_symlink(dir / "target", dir / "link");
    test::WriteFile(dir / "target.lnk", {0x4C});
    TSelectFolder select;
    select.SetShortcutResolver(
        [&](const QString& path) { return path.endsWith("target.lnk") ? Q(dir / "target") : QString(); });
    for (const char* chosen : {"link", "target.lnk"}) {
        ScriptedChooser script{Q(dir / chosen), {}};
        select.SetChooser(script.chooser());
        select.SetFolder("");
        ASSERT_TRUE(select.Execute()) << chosen;
        EXPECT_EQ(select.Folder(), Q(fs::canonical(dir / "target"))) << chosen;
    }
}

TEST(SelectFolder, DialogSitsCentredOneThirdDownItsScreen) {
    EXPECT_EQ(FolderDialogPosition(QRect(1920, 0, 1280, 1024), QSize(400, 301)), QPoint(2360, 241));
    EXPECT_EQ(FolderDialogPosition(QRect(0, 0, 801, 600), QSize(400, 300)), QPoint(200, 100));
}

}  // namespace
}  // namespace zorvane

#include "ui/icon_folder_dialog.h"

#include <gtest/gtest.h>

#include <QLineEdit>

#include "controls/select_folder.h"
#include "ui_test_support.h"

namespace zorvane {
namespace {

TEST(IconFolderDialog, KeepsTheFullPathAndShowsItShortened) {
    test::EnsureQtApp();
    TSelectFolder selectFolder;
    TForm2 form(selectFolder);
    const QString longPath = "/" + QString("a rather long folder/").repeated(10) + "Icons";
    form.SetvPath(longPath);
    EXPECT_EQ(form.vPath(), longPath);
    EXPECT_TRUE(form.PathEdit->text().startsWith("/.../"));
    EXPECT_TRUE(form.PathEdit->text().endsWith("/Icons"));

    // A cancelled browse keeps the folder; a chosen one replaces it.
    std::optional<QString> answer;
    selectFolder.SetChooser([&](const TSelectFolder::Request&) { return answer; });
    form.SpeedButton1Click();
    EXPECT_EQ(form.vPath(), longPath);
    answer = "/tmp";
    form.SpeedButton1Click();
    EXPECT_EQ(form.vPath(), "/tmp");
    EXPECT_EQ(form.PathEdit->text(), "/tmp");
}

}  // namespace
}  // namespace zorvane

// The main window's save commands, all-hue batch and icon folder command, driven through
// their handlers with every dialog answered by script.

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QTableWidget>

#include <filesystem>

#include "controls/focus_edge_scroll_bar.h"
#include "controls/num_edit.h"
#include "controls/select_folder.h"
#include "core/bitmap_file.h"
#include "core/icon_encode.h"
#include "export/picture_export.h"
#include "platform/file_io.h"
#include "platform/folders.h"
#include "support/test_support.h"
#include "ui/icon_folder_dialog.h"
#include "ui/hue_batch_dialog.h"
#include "ui/radio_group.h"
#include "ui_test_support.h"

namespace zorvane {
namespace {

namespace fs = std::filesystem;
using test::BuiltFixture;
using test::ReadFile;

class SaveCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetSettingsFolderForTesting(settingsDir.path().string() + "/");
        w->IconFolder = QString::fromStdString(dir.path().string());
        w.Open(BuiltFixture("numbered.dll"));  // group 0: images of 1, 4, 4, 8, 24 and 32 bits
        w->SBar_H->setValue(30);
        w->SBar_S->setValue(-10);
    }
    void TearDown() override { SetSettingsFolderForTesting(""); }
    ExportEdit Edit(int hueShift = 0) { return {w->Hue() + hueShift, w->Saturation(), w->Value(), w->Transform}; }
    std::vector<std::uint8_t> GroupBytes(int hueShift = 0) {
        const ExportEdit e = Edit(hueShift);
        return EncodeIconGroup(w->IconStream, e.hue, e.saturation, e.value, e.state, w.messages).value();
    }
    std::vector<std::uint8_t> BitmapFileBytes(int image, int hueShift = 0) {
        return EncodeBitmapFile(ExportBitmap(w->IconStream, image, Edit(hueShift), w.messages).value());
    }
    QString InDir(const std::string& name) const { return QString::fromStdString((dir / name).string()); }

    test::TempDir dir;
    test::TempDir settingsDir;
    test::WindowUnderTest w;
};

TEST_F(SaveCommandsTest, SaveToIconFolderAsksBeforeReplacing) {
    const fs::path path = dir / "numbered-0.ico";
    w->ActionSave->trigger();
    ASSERT_EQ(ReadFile(path), GroupBytes());
    ASSERT_EQ(w.messages.messages.size(), 1u);
    EXPECT_EQ(w.messages.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(w.messages.messages[0].text, "アイコンフォルダに保存しました。\r\nファイル名 :" + path.string());

    const auto first = ReadFile(path);
    w.messages = RecordingMessageSink(false);
    w->SBar_H->setValue(-120);
    w->ActionSave->trigger();
    ASSERT_EQ(w.messages.messages.size(), 1u);
    EXPECT_EQ(w.messages.messages[0].kind, MessageKind::Confirmation);
    EXPECT_EQ(w.messages.messages[0].text, path.string() + "\r\nは、すでに存在します。上書きしますか？");
    EXPECT_EQ(ReadFile(path), first);

    w.messages = RecordingMessageSink(true);
    w->ActionSave->trigger();
    EXPECT_EQ(ReadFile(path), GroupBytes());
    EXPECT_NE(ReadFile(path), first);
}

TEST_F(SaveCommandsTest, MissingIconFolderEndsInTheErrorReport) {
    w->IconFolder = InDir("gone");
    w->ActionSave->trigger();
    ASSERT_EQ(w.errors.reports.size(), 1u);
    EXPECT_NE(w.errors.reports[0].find((dir / "gone" / "numbered-0.ico").string()), std::string::npos);
    EXPECT_TRUE(w.messages.messages.empty());
}

TEST_F(SaveCommandsTest, SaveAsAndSingleIconWriteWhereTheDialogSays) {
    w.saveDialogs.pictureAnswers = {InDir("group.ico"), InDir("one.ico")};
    w->ActionReNameSave->trigger();
    w->ListView1->selectRow(3);
    w->SaveSingleIcon->trigger();
    ASSERT_EQ(w.saveDialogs.pictureRequests.size(), 2u);
    EXPECT_EQ(w.saveDialogs.pictureRequests[0].FileName, InDir("numbered-0.ico"));
    EXPECT_EQ(w.saveDialogs.pictureRequests[1].FileName, "numbered-0-3.ico");
    EXPECT_EQ(ReadFile(dir / "group.ico"), GroupBytes());
    const ExportEdit e = Edit();
    EXPECT_EQ(ReadFile(dir / "one.ico"),
              EncodeIconImage(w->IconStream, 3, e.hue, e.saturation, e.value, e.state, w.messages).value());
    EXPECT_TRUE(w.messages.messages.empty());
}

TEST_F(SaveCommandsTest, PictureSavesProposeTheirFormatAndReturnToIcons) {
    struct Case {
        QAction* command;
        const char* extension;
        int filter;
    };
    w->ListView1->selectRow(4);  // 24 bits: the GIF is reduced first, the PNG keys out a colour
    for (const Case& c : {Case{w->SaveBMP, "bmp", 2}, Case{w->SavePNG, "png", 3}, Case{w->SaveGIF, "gif", 4}}) {
        SCOPED_TRACE(c.extension);
        w.saveDialogs.pictureRequests.clear();
        const QString proposed = QString("numbered-0-4.") + c.extension;
        const QString target = InDir(proposed.toStdString());
        w.saveDialogs.pictureAnswers = {target};
        c.command->trigger();
        ASSERT_EQ(w.saveDialogs.pictureRequests.size(), 1u);
        EXPECT_EQ(w.saveDialogs.pictureRequests[0].FileName, proposed);
        EXPECT_EQ(w.saveDialogs.pictureRequests[0].FilterIndex, c.filter);
        EXPECT_EQ(w.saveDialogs.pictureRequests[0].DefaultExt, c.extension);
        EXPECT_EQ(w->SavePictureDialog1.FilterIndex, 1);
        EXPECT_EQ(w->SavePictureDialog1.DefaultExt, "ico");
        ASSERT_TRUE(fs::exists(target.toStdString()));
    }
    EXPECT_EQ(ReadFile(dir / "numbered-0-4.bmp"), BitmapFileBytes(4));
    const auto png = ReadFile(dir / "numbered-0-4.png");
    EXPECT_NE(std::search(png.begin(), png.end(), std::begin("tRNS"), std::end("tRNS") - 1), png.end());
    const auto gif = ReadFile(dir / "numbered-0-4.gif");
    EXPECT_EQ(std::string(gif.begin(), gif.begin() + 6), "GIF89a");  // a transparent colour is written
    EXPECT_TRUE(w.messages.messages.empty());
    EXPECT_TRUE(w.errors.reports.empty());
}

TEST_F(SaveCommandsTest, CancelledPictureSaveWritesNothingAndStillResets) {
    w->SavePictureDialog1.FilterIndex = 5;
    w->SavePNG->trigger();
    EXPECT_EQ(w->SavePictureDialog1.FilterIndex, 1);
    EXPECT_EQ(w->SavePictureDialog1.DefaultExt, "ico");
    EXPECT_TRUE(fs::is_empty(dir.path()));
    // Save as keeps whatever filter the dialog stands on.
    w->SavePictureDialog1.FilterIndex = 5;
    w->ActionReNameSave->trigger();
    EXPECT_EQ(w.saveDialogs.pictureRequests.back().FilterIndex, 5);
}

// Answers the all-hue options with a format, OK or Cancel.
std::function<bool(QDialog&)> AllHueAnswer(int format, bool ok) {
    return [format, ok](QDialog& dialog) {
        auto& form = dynamic_cast<TForm5&>(dialog);
        form.RadioGroup1->SetItemIndex(format);
        form.RadioGroup1Click();
        if (!ok) return false;
        form.BitBtn1Click();
        return form.result() == QDialog::Accepted;
    };
}

TEST_F(SaveCommandsTest, AllHueBatchWritesTheSeriesAfterConfirmation) {
    w->ListView1->selectRow(4);
    w.saveDialogs.modalAnswers = {AllHueAnswer(2, true)};
    w->CreateAll->trigger();
    EXPECT_TRUE(fs::exists(settingsDir / "Set.ini"));  // the count of an accepted run is kept
    ASSERT_EQ(w.messages.messages.size(), 1u);
    EXPECT_EQ(w.messages.messages[0].text, dir.path().string() + "\r\nに、計8枚の画像を作成します。よろしいですか？");
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(ReadFile(dir / ("numbered-0-4-" + std::to_string(k) + ".bmp")), BitmapFileBytes(4, 45 * k)) << k;
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 8);
}

TEST_F(SaveCommandsTest, AllHueBatchStopsOnCancelDeclineOrMissingFolder) {
    w.saveDialogs.modalAnswers = {AllHueAnswer(3, false)};
    w->CreateAll->trigger();
    EXPECT_TRUE(w.messages.messages.empty());

    w.messages = RecordingMessageSink(false);
    w.saveDialogs.modalAnswers = {AllHueAnswer(3, true)};
    w->CreateAll->trigger();
    EXPECT_EQ(w.messages.messages.size(), 1u);
    EXPECT_TRUE(fs::is_empty(dir.path()));

    w.messages = RecordingMessageSink(true);
    w->IconFolder = InDir("gone");
    w.saveDialogs.modalAnswers = {AllHueAnswer(0, true)};
    w->CreateAll->trigger();
    ASSERT_EQ(w.errors.reports.size(), 1u);
    EXPECT_NE(w.errors.reports[0].find((dir / "gone" / "numbered-0-0-0.ico").string()), std::string::npos);
}

// What the window writes from a cursor file is a cursor file, and is named so.
TEST_F(SaveCommandsTest, ACursorGroupsIconOutputsAreNamedCur) {
    w.Open(BuiltFixture("arrow.cur"));
    w.saveDialogs.pictureAnswers = {InDir("as.cur"), InDir("one.cur")};
    w.saveDialogs.modalAnswers = {AllHueAnswer(0, true), AllHueAnswer(1, true)};
    const struct {
        QAction* command;
        const char* written;
    } cases[] = {{w->ActionSave, "arrow-0.cur"},
                 {w->ActionReNameSave, "as.cur"},
                 {w->SaveSingleIcon, "one.cur"},
                 {w->CreateAll, "arrow-0-0-7.cur"},
                 {w->CreateAll, "arrow-0-0-7.cur"}};
    for (const auto& c : cases) {
        c.command->trigger();
        EXPECT_EQ(ReadFile(dir / c.written).at(2), 2) << c.written;  // a cursor directory
        fs::remove(dir / c.written);
    }
    ASSERT_EQ(w.saveDialogs.pictureRequests.size(), 2u);
    EXPECT_EQ(w.saveDialogs.pictureRequests[0].FileName, InDir("arrow-0.cur"));
    EXPECT_EQ(w.saveDialogs.pictureRequests[1].FileName, "arrow-0-0.cur");
}

TEST_F(SaveCommandsTest, AFullDiskMidBatchIsReportedAndKeepsTheFileItWasToReplace) {
    w->ListView1->selectRow(4);
    const fs::path third = dir / "numbered-0-4-2.bmp";
    test::WriteText(third, "older picture");
    // The disk fills up just as the third picture is written.
    SetBeforeCreateHookForTesting([&](const std::string& path) {
        if (path == third.string()) SetWriteFailureAfterBytesForTesting(100);
    });
    w.saveDialogs.modalAnswers = {AllHueAnswer(2, true)};
    w->CreateAll->trigger();
    SetBeforeCreateHookForTesting({});
    SetWriteFailureAfterBytesForTesting(-1);

    ASSERT_EQ(w.errors.reports.size(), 1u);
    EXPECT_NE(w.errors.reports[0].find(third.string()), std::string::npos) << w.errors.reports[0];
    EXPECT_EQ(ReadFile(dir / "numbered-0-4-0.bmp"), BitmapFileBytes(4, 0));
    EXPECT_EQ(ReadFile(dir / "numbered-0-4-1.bmp"), BitmapFileBytes(4, 45));
    const auto old = ReadFile(third);
    EXPECT_EQ(std::string(old.begin(), old.end()), "older picture");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 3);
}

TEST_F(SaveCommandsTest, IconFolderCommandTakesOnlyAnExistingFolder) {
    fs::create_directory(dir / "new");
    const auto choose = [](QString path) {
        return [path](QDialog& dialog) {
            auto& form = dynamic_cast<TForm2&>(dialog);
            form.SetvPath(path);
            return true;
        };
    };
    const QString before = w->IconFolder;
    w.saveDialogs.modalAnswers = {choose(InDir("missing")), choose(InDir("new"))};
    w->IconFolderItem->trigger();
    EXPECT_EQ(w->IconFolder, before);
    ASSERT_EQ(w.messages.messages.size(), 1u);
    EXPECT_EQ(w.messages.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(w.messages.messages[0].text, (dir / "missing").string() + "\r\n指定されたフォルダが見つかりません。");
    w->IconFolderItem->trigger();
    EXPECT_EQ(w->IconFolder, InDir("new"));
}

TEST_F(SaveCommandsTest, BothFolderDialogsShareOneBrowser) {
    fs::create_directory(dir / "picked");
    std::vector<QString> preselected;
    w->SelectFolder1->SetChooser([&](const TSelectFolder::Request& request) {
        preselected.push_back(request.preselect);
        return std::optional<QString>(QString::fromStdString((dir / "picked").string()));
    });
    w.saveDialogs.modalAnswers = {[](QDialog& dialog) {
        dynamic_cast<TForm2&>(dialog).SpeedButton1Click();
        return false;
    }};
    w->IconFolderItem->trigger();
    w.saveDialogs.modalAnswers = {[](QDialog& dialog) {
        dynamic_cast<TForm5&>(dialog).SpeedButton1Click();
        return false;
    }};
    w->CreateAll->trigger();
    ASSERT_EQ(preselected.size(), 2u);
    EXPECT_EQ(preselected[0], "");
    EXPECT_EQ(preselected[1], InDir("picked"));
}

}  // namespace
}  // namespace zorvane

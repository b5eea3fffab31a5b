#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>

#include <QAction>
#include <QLabel>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QApplication>
#include <QTableWidget>

#include "controls/auto_adjust_icon_grid.h"
#include "controls/bg_box.h"
#include "controls/focus_edge_scroll_bar.h"
#include "support/icon_builder.h"
#include "support/ne_builder.h"
#include "support/test_support.h"
#include "ui_test_support.h"

namespace zorvane {
namespace {

namespace fs = std::filesystem;
using test::BuiltFixture;
using test::ListText;
using test::TempDir;

std::vector<QAction*> ImageCommands(TForm1& f) {
    return {f.ActionSave, f.ActionReNameSave, f.CloseFile, f.SaveSingleIcon, f.SaveBMP,    f.SavePNG, f.SaveGIF,
            f.Rotate90,   f.Rotate270,        f.Rotate180, f.HorzMirror,     f.VertMirror, f.Cancel,  f.CreateAll};
}

void ExpectImageCommandsEnabled(TForm1& f, bool enabled) {
    for (QAction* command : ImageCommands(f)) EXPECT_EQ(command->isEnabled(), enabled) << command->text().toStdString();
    for (QAction* command : {f.ActionOpen, f.ChangeColor, f.Zoom, f.Iconnic}) EXPECT_TRUE(command->isEnabled());
}

TEST(Document, StartsEmptyWithTheImageCommandsDisabled) {
    test::WindowUnderTest w;
    EXPECT_EQ(w->windowTitle(), "アイコン抽出・色変換　Zorvane 1.10");
    EXPECT_EQ(w->ExitItem->text(), "Zorvaneの終了(&Z)");
    EXPECT_EQ(w->SBList->text(), "グループアイコンデータ");
    EXPECT_TRUE(w->WorkBitmap.empty());
    EXPECT_EQ(w->RecentFiles.entries(), (std::array<std::string, 5>{}));
    ExpectImageCommandsEnabled(*w, false);
    EXPECT_FALSE(w->ListView1ContextPopup(QPoint(1, 1)));
}

TEST(Document, OpeningAModuleListsItsFirstGroupAndPreviewsTheFirstImage) {
    test::WindowUnderTest w;
    w.Open(BuiltFixture("numbered.dll"));
    EXPECT_TRUE(w.messages.messages.empty());
    EXPECT_TRUE(w.errors.reports.empty());
    EXPECT_EQ(w->SBFileName->text().toStdString(), BuiltFixture("numbered.dll").string());
    EXPECT_EQ(w->DG->IconCount(), 3);
    EXPECT_EQ(w->SBList->text(), "アイコンデータ (計6個のアイコン)");
    ASSERT_EQ(w->ListView1->rowCount(), 6);
    EXPECT_EQ(ListText(*w, 0, 0), "1");
    EXPECT_EQ(ListText(*w, 0, 1), "32px");
    EXPECT_EQ(ListText(*w, 1, 2), "16px");
    EXPECT_EQ(ListText(*w, 5, 3), "32bit");
    EXPECT_EQ(ListText(*w, 2, 3), "4bit");
    EXPECT_EQ(w->SelectedImageIndex(), 0);
    EXPECT_EQ(w->SBInfo->text(), "No.1 : 32px × 32px  色数:1ビット");
    EXPECT_EQ(w->WorkBitmap.width(), 32);
    EXPECT_EQ(w->WorkBitmap.height(), 33);
    EXPECT_EQ(w->RecentFiles.at(0), BuiltFixture("numbered.dll").string());
    ExpectImageCommandsEnabled(*w, true);
    EXPECT_EQ(w->FileBaseName(), "numbered");

    // The second group holds a 256-pixel image, whose directory bytes are 0.
    w->DG->ClickCell(1, 0);
    EXPECT_EQ(w->GroupIndex(), 1);
    EXPECT_EQ(w->SBList->text(), "アイコンデータ (計2個のアイコン)");
    EXPECT_EQ(ListText(*w, 0, 1), "256px");
    EXPECT_EQ(ListText(*w, 1, 3), "32bit");
}

TEST(Document, ACellBeyondTheLastIconOnlyResetsTheBars) {
    test::WindowUnderTest w;
    w->DG->setFixedWidth(17 + 7 * 40 + 5);
    w->DG->SetScrollBarSize(17);
    w.Open(BuiltFixture("many.dll"));
    ASSERT_EQ(w->DG->IconCount(), 160);
    ASSERT_EQ(w->DG->ColCount(), 7);
    w->DG->ClickCell(2, 3);
    w->ListView1->selectRow(2);
    w->SBar_H->setValue(40);
    const QString info = w->SBInfo->text();
    const auto work = w->WorkBitmap.pixels();

    w->DG->ClickCell(6, 22);  // index 160
    EXPECT_EQ(w->SBar_H->value(), 0);
    EXPECT_EQ(w->LabelH->text(), "0");
    EXPECT_EQ(w->ListView1->rowCount(), 4);
    EXPECT_EQ(w->SelectedImageIndex(), 2);
    EXPECT_EQ(w->SBInfo->text(), info);
    EXPECT_EQ(w->WorkBitmap.pixels(), work);
}

TEST(Document, ARefusedPathWarnsOnlyWhileNoFileIsOpen) {
    TempDir dir;
    test::WriteFile(dir / "notes.txt", {1, 2, 3});
    test::WindowUnderTest w;
    w.Open(dir / "notes.txt");
    ASSERT_EQ(w.messages.messages.size(), 1u);
    EXPECT_EQ(w.messages.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(
        w.messages.messages[0].text,
        "このファイルまたはフォルダは開けません。\r\nアイコンを含まないファイルか、登録されていない拡張子である可能性があります。");
    EXPECT_TRUE(w->DG->ModuleName().isEmpty());

    // With a file open the refused path refreshes it: geometry and bars back to the start.
    w.Open(BuiltFixture("mixed.dll"));
    const auto recent = w->RecentFiles.entries();
    w->Rotate90->trigger();
    w->SBar_S->setValue(-30);
    w.Open(dir / "notes.txt");
    EXPECT_EQ(w.messages.messages.size(), 1u);
    EXPECT_EQ(w->Transform.Rotation, 0);
    EXPECT_EQ(w->SBar_S->value(), 0);
    EXPECT_EQ(w->RecentFiles.entries(), recent);
    EXPECT_EQ(w->ListView1->rowCount(), 6);
}

TEST(Document, AFileWithoutIconsClearsThePreviousFilesGroup) {
    TempDir dir;
    test::WriteFile(dir / "empty.dll", std::vector<std::uint8_t>(64, 0));
    test::WindowUnderTest w;
    w.Open(BuiltFixture("named.exe"));
    ASSERT_FALSE(w->WorkBitmap.empty());
    w.Open(dir / "empty.dll");
    EXPECT_TRUE(w.messages.messages.empty());
    EXPECT_EQ(w->DG->IconCount(), 0);
    EXPECT_TRUE(w->IconStream.empty());
    EXPECT_TRUE(w->WorkBitmap.empty());
    EXPECT_EQ(w->ListView1->rowCount(), 0);
    EXPECT_EQ(w->SBList->text(), "アイコンが含まれていません");
    EXPECT_TRUE(w->SBInfo->text().isEmpty());
    ExpectImageCommandsEnabled(*w, false);
}

TEST(Document, AnIconFileIsOneCellListingEveryImage) {
    TempDir dir;
    test::WriteFile(dir / "three.ico", test::MakeIconFile({{16, 16, 4}, {24, 24, 8}, {48, 48, 32}}));
    test::WindowUnderTest w;
    w.Open(dir / "three.ico");
    EXPECT_EQ(w->DG->IconCount(), 1);
    EXPECT_EQ(w->DG->ColCount(), 1);
    EXPECT_EQ(w->ListView1->rowCount(), 3);
    EXPECT_EQ(ListText(*w, 1, 1), "24px");
    EXPECT_EQ(ListText(*w, 2, 3), "32bit");
    // A cursor lists its images' bit counts, not the hot spots its directory holds there.
    test::WriteFile(dir / "two.cur", test::MakeCursorFile({{{16, 16, 4}, {1, 15}}, {{32, 32, 32}, {2, 8}}}));
    w.Open(dir / "two.cur");
    EXPECT_EQ(ListText(*w, 0, 3), "4bit");
    EXPECT_EQ(ListText(*w, 1, 3), "32bit");
    EXPECT_EQ(w->SBInfo->text(), "No.1 : 16px × 16px  色数:4ビット");
}

// What a file holds decides how it opens, whatever its name; the command line agrees.
TEST(Document, FilesOpenByTheirContentAsOnTheCommandLine) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        int groups;
        int firstGroupImages;
    };
    const auto pe = test::ReadFile(BuiltFixture("numbered.dll"));
    const auto ne = test::NeFixtures()[2].module.bytes;  // an icon library: FOLDER, 5
    const Case cases[] = {
        {"shell.mun", pe, 3, 6},
        {"library.icl", ne, 2, 1},
        {"saver.scr", pe, 3, 6},
        {"noextension", pe, 3, 6},
        {"control.ocx", ne, 2, 1},
        {"icon.dat", test::ReadFile(BuiltFixture("depths.ico")), 1, 6},
        {"text.dll", {'h', 'i', '\n'}, 0, 0},
    };
    TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::WriteFile(dir / c.name, c.bytes);
        const std::string path = (dir / c.name).string();
        test::WindowUnderTest w;
        w.Open(dir / c.name);
        EXPECT_TRUE(w.messages.messages.empty());
        EXPECT_EQ(w->DG->IconCount(), c.groups);
        EXPECT_EQ(w->ListView1->rowCount(), c.firstGroupImages);
        EXPECT_EQ(test::RunCli({"count", path}).out, std::to_string(c.groups) + "\n");
        const auto listed = test::RunCli({"list", path, "0"});
        EXPECT_EQ(std::count(listed.out.begin(), listed.out.end(), '\n'), c.firstGroupImages);
    }
}

TEST(Document, CloseForgetsTheFileAndLeavesTheGroupStripEmpty) {
    test::WindowUnderTest w;
    w.Open(BuiltFixture("mixed.dll"));
    w->HorzMirror->trigger();
    w->CloseFile->trigger();
    EXPECT_TRUE(w->DG->ModuleName().isEmpty());
    EXPECT_TRUE(w->IconStream.empty());
    EXPECT_TRUE(w->WorkBitmap.empty());
    EXPECT_EQ(w->ListView1->rowCount(), 0);
    EXPECT_TRUE(w->SBList->text().isEmpty());
    EXPECT_TRUE(w->SBFileName->text().isEmpty());
    EXPECT_TRUE(w->SBInfo->text().isEmpty());
    EXPECT_TRUE(w->Transform.Mirrored) << "the geometry stays until a group is listed";
    ExpectImageCommandsEnabled(*w, false);
    EXPECT_FALSE(w->ListView1ContextPopup(QPoint(1, 1)));
}

TEST(Document, RecentFilesKeepFiveAndIgnoreLetterCase) {
    test::WindowUnderTest w;
    for (const char* name : {"numbered.dll", "named.exe", "mixed.dll", "lang.dll", "pe32.dll", "pe32.exe"})
        w.Open(BuiltFixture(name));
    EXPECT_TRUE(w->RecentFiles.at(0).ends_with("pe32.exe"));
    EXPECT_TRUE(w->RecentFiles.at(4).ends_with("named.exe"));
    const auto before = w->RecentFiles.entries();
    w.Open(BuiltFixture("mixed.dll"));
    EXPECT_EQ(w->RecentFiles.entries(), before) << "a listed file keeps its place";

    // Letters of any script are compared without their case: two files whose names differ
    // only so are one entry.
    TempDir dir;
    for (const char* name : {"Ärger-Ｚ.dll", "äRGER-ｚ.DLL"}) fs::copy_file(BuiltFixture("numbered.dll"), dir / name);
    w.Open(dir / "Ärger-Ｚ.dll");
    w.Open(dir / "äRGER-ｚ.DLL");
    EXPECT_EQ(w->RecentFiles.at(0), (dir / "Ärger-Ｚ.dll").string());
    EXPECT_EQ(w->RecentFiles.at(1), before[0]);
}

TEST(Document, DialogsAnswerThroughTheServices) {
    test::WindowUnderTest w;
    w->ActionOpen->trigger();  // cancelled
    EXPECT_TRUE(w->DG->ModuleName().isEmpty());
    w.dialogs.colorAnswers.push_back(QColor(10, 20, 30));
    const QColor before = w->DG->Color();
    w->ChangeColor->trigger();
    ASSERT_EQ(w.dialogs.colorInitials.size(), 1u);
    EXPECT_EQ(w.dialogs.colorInitials[0], before);
    EXPECT_EQ(w->DG->Color(), QColor(10, 20, 30));
    w->ChangeColor->trigger();  // cancelled
    EXPECT_EQ(w->DG->Color(), QColor(10, 20, 30));
}

TEST(Document, AnErrorInACommandIsReportedAndTheWindowGoesOn) {
    // An 8-bit image whose directory says it ends right after its colour table.
    auto image = test::MakeIconImage({32, 32, 8});
    image.resize(40 + 1024 + 16);
    TempDir dir;
    test::WriteFile(dir / "cut.ico", test::MakeIconFileFromRaw({{32, 32, 8, image}}));
    test::WindowUnderTest w;
    w.Open(dir / "cut.ico");
    ASSERT_EQ(w.errors.reports.size(), 1u);
    EXPECT_FALSE(w.errors.reports[0].empty());
    EXPECT_EQ(w->ListView1->rowCount(), 1);

    w.Open(BuiltFixture("small.ico"));
    EXPECT_EQ(w.errors.reports.size(), 1u);
    EXPECT_FALSE(w->WorkBitmap.empty());
    EXPECT_EQ(w->SBInfo->text(), "No.1 : 16px × 16px  色数:8ビット");
}

TEST(Document, AGroupWhoseBitCountCannotBeReadLeavesNoStaleRows) {
    // One empty image with bit count 0: its header, 40 bytes at offset 0, runs past the file.
    std::vector<std::uint8_t> file = {0, 0, 1, 0, 1, 0, 16, 16, 0, 0, 1, 0, 0, 0};
    file.resize(22 + 8, 0);
    TempDir dir;
    test::WriteFile(dir / "short.ico", file);
    test::WindowUnderTest w;
    w.Open(BuiltFixture("numbered.dll"));
    ASSERT_GT(w->ListView1->rowCount(), 1);
    w.Open(dir / "short.ico");
    ASSERT_EQ(w.errors.reports.size(), 1u);
    EXPECT_EQ(w.errors.reports[0], "ストリームからの読み込みエラー");
    EXPECT_EQ(w->ListView1->rowCount(), 0);
}

TEST(Document, TheHintBarShowsTheLongPartOfAHint) {
    test::WindowUnderTest w;
    EXPECT_EQ(w->ActionOpen->toolTip(), "開く");
    EXPECT_EQ(w->ActionOpen->statusTip(), "ファイルを開きます。");
    QStatusTipEvent tip(w->SBar_H->statusTip());
    QApplication::sendEvent(w.form.get(), &tip);
    EXPECT_EQ(w->SBHint->currentMessage(), "色相(H)を-180°から+180°間で調整します。");
    // A hint without "|" is both parts.
    EXPECT_EQ(w->SBInfo->toolTip(), w->SBInfo->statusTip());
    EXPECT_TRUE(w->bgBox1->toolTip().isEmpty());
}

}  // namespace
}  // namespace zorvane

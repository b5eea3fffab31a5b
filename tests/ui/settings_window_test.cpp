#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QUrl>
#include <cstdlib>
#include <filesystem>

#include "controls/auto_adjust_icon_grid.h"
#include "platform/file_io.h"
#include "platform/folders.h"
#include "support/shell_link_builder.h"
#include "support/test_support.h"
#include "ui/version_dialog.h"
#include "ui_test_support.h"

namespace zorvane {
namespace {

namespace fs = std::filesystem;
using test::BuiltFixture;
using test::TempDir;

QStringList Captions(const QMenu* menu) {
    QStringList captions;
    for (const QAction* a : menu->actions()) captions << a->text();
    return captions;
}

// Six distinct modules to open.
struct SixModules {
    TempDir dir;
    std::vector<QString> paths;
    SixModules() {
        for (int i = 1; i <= 6; ++i) {
            const fs::path p = dir / ("m" + std::to_string(i) + ".dll");
            fs::copy_file(BuiltFixture("numbered.dll"), p);
            paths.push_back(QString::fromStdString(p.string()));
        }
    }
};

// Closes the window (writing its settings) and starts a new one on the same settings,
// after replacing them with settingsText when given.
void Restart(test::WindowUnderTest& w, const std::string& settingsText = "") { w.Restart(settingsText); }

TEST(SettingsWindow, AFirstRunStartsWithDefaultsAndEmptyRecentMenus) {
    test::WindowUnderTest w;
    EXPECT_TRUE(w->RecentMenu->actions().isEmpty());
    EXPECT_TRUE(w->RecentPopup->actions().isEmpty());
    EXPECT_EQ(w->DG->Color(), QColor(255, 255, 255));
    EXPECT_EQ(w->IconFolder.toStdString(), w.settingsFolder.path().string() + "/Icons");
    // The default folder is made so the first save succeeds; one the user chose is not.
    EXPECT_TRUE(fs::is_directory(w.settingsFolder / "Icons"));
    w.form.reset();
    EXPECT_TRUE(fs::exists(w.settingsFolder / "Set.ini"));
    const fs::path chosen = w.settingsFolder / "chosen";
    Restart(w, "[SET]\nICONDIR=" + chosen.string() + "\n");
    EXPECT_EQ(w->IconFolder.toStdString(), chosen.string());
    EXPECT_FALSE(fs::exists(chosen));
}

TEST(SettingsWindow, RecentFilesFillBothMenusAndSurviveARestart) {
    test::WindowUnderTest w;
    SixModules m;
    for (const QString& p : m.paths) w.Open(p.toStdString());
    const QStringList expected = {"0 :" + m.paths[5], "1 :" + m.paths[4], "2 :" + m.paths[3], "3 :" + m.paths[2],
                                  "4 :" + m.paths[1]};
    EXPECT_EQ(Captions(w->RecentMenu), expected);
    EXPECT_EQ(Captions(w->RecentPopup), expected);
    w.Open(m.paths[2].toStdString());  // listed as 3: stays there
    EXPECT_EQ(Captions(w->RecentMenu), expected);

    w->DG->SetColor(QColor(193, 220, 192));
    w->IconFolder = "/somewhere/アイコン";
    Restart(w);
    EXPECT_EQ(Captions(w->RecentMenu), expected);
    EXPECT_EQ(w->DG->Color(), QColor(193, 220, 192));
    EXPECT_EQ(w->IconFolder, "/somewhere/アイコン");
    const auto ini = test::ReadFile(w.settingsFolder / "Set.ini");
    EXPECT_NE(std::string(ini.begin(), ini.end()).find("BACKCOLOR=$00C0DCC1"), std::string::npos);

    // A recent item opens its entry.
    w->RecentPopup->actions()[3]->trigger();
    EXPECT_EQ(w->DG->ModuleName(), m.paths[2]);
}

TEST(SettingsWindow, ClosingStoresTheSettingsBeforeTheWindowGoesAndAnUnchangedStoreWritesNothing) {
    test::WindowUnderTest w;
    w->show();
    w->IconFolder = "/somewhere/アイコン";
    w->close();
    const auto ini = test::ReadFile(w.settingsFolder / "Set.ini");
    EXPECT_NE(std::string(ini.begin(), ini.end()).find("/somewhere/アイコン"), std::string::npos);

    Restart(w);
    int writes = 0;
    SetBeforeCreateHookForTesting([&](const std::string&) { ++writes; });
    Restart(w);
    SetBeforeCreateHookForTesting({});
    EXPECT_EQ(writes, 0);
    EXPECT_EQ(test::ReadFile(w.settingsFolder / "Set.ini"), ini);
}

TEST(SettingsWindow, SettingsThatCannotBeWrittenOnCloseAreReportedAndTheOldFileStays) {
    test::WindowUnderTest w;
    const std::string old = "[SET]\r\nBACKCOLOR=clRed\r\n";
    test::WriteText(w.settingsFolder / "Set.ini", old);
    w->IconFolder = "/somewhere/else";
    SetWriteFailureAfterBytesForTesting(8);
    w.form.reset();
    SetWriteFailureAfterBytesForTesting(-1);
    const auto kept = test::ReadFile(w.settingsFolder / "Set.ini");
    EXPECT_EQ(std::string(kept.begin(), kept.end()), old);
    ASSERT_EQ(w.messages.messages.size(), 1u);
    EXPECT_EQ(w.messages.messages[0].kind, MessageKind::Error);
    EXPECT_NE(w.messages.messages[0].text.find("Set.ini"), std::string::npos);
}

TEST(SettingsWindow, AGridColourThatCannotBeReadIsWhiteAndStartUpCompletes) {
    test::WindowUnderTest w;
    Restart(w, "[SET]\nBACKCOLOR=greenish\nICONDIR=/kept\n[RECENT]\n2=/x/y.dll\n[WINDOW]\nLEFT=$20\n");
    EXPECT_EQ(w->DG->Color(), QColor(255, 255, 255));
    EXPECT_EQ(w->IconFolder, "/kept");
    EXPECT_EQ(Captions(w->RecentMenu), QStringList{"2 :/x/y.dll"});
    EXPECT_FALSE(w->SystemFolder.isEmpty());
    Restart(w, "[SET]\nBACKCOLOR=clBtnFace\n");
    EXPECT_EQ(w->DG->Color(), QColor(240, 240, 240));
    w.form.reset();
    const auto ini = test::ReadFile(w.settingsFolder / "Set.ini");
    EXPECT_NE(std::string(ini.begin(), ini.end()).find("BACKCOLOR=clBtnFace"), std::string::npos);
}

// Drops go through the window's drop handling as the file manager delivers them.
void Drop(TForm1& form, const std::vector<fs::path>& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const auto& p : paths) urls << QUrl::fromLocalFile(QString::fromStdString(p.string()));
    data.setUrls(urls);
    // The drop goes to the widget the drag entered.
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form, &enter);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form, &drop);
}

TEST(SettingsWindow, DropsOpenOneFileOrAShortcutsTargetAndRefuseTheRest) {
    test::WindowUnderTest w;
    TempDir dir;
    fs::create_directories(dir / "drive_c/Apps");
    fs::create_directories(dir / "dosdevices");
    fs::create_directory_symlink("../drive_c", dir / "dosdevices/c:");
    fs::copy_file(BuiltFixture("mixed.dll"), dir / "drive_c/Apps/target.dll");

    Drop(*w, {BuiltFixture("numbered.dll"), BuiltFixture("mixed.dll")});
    ASSERT_EQ(w.messages.messages.size(), 1u);
    EXPECT_EQ(w.messages.messages[0].kind, MessageKind::Plain);
    EXPECT_EQ(w.messages.messages[0].text, "ドロップするファイルは１個にしてください。");
    EXPECT_TRUE(w->DG->ModuleName().isEmpty());

    test::ShellLinkSpec local;
    local.localBasePath = "C:\\APPS\\Target.dll";
    test::WriteFile(dir / "local.lnk", test::MakeShellLink(local));
    setenv("WINEPREFIX", dir.path().c_str(), 1);
    Drop(*w, {dir / "local.lnk"});
    unsetenv("WINEPREFIX");
    EXPECT_EQ(fs::path(w->DG->ModuleName().toStdString()), dir / "dosdevices/c:/Apps/target.dll");

    test::ShellLinkSpec relative;
    relative.relativePath = "..\\numbered.dll";
    fs::create_directories(dir / "links");
    fs::copy_file(BuiltFixture("numbered.dll"), dir / "numbered.dll");
    test::WriteFile(dir / "links" / "rel.LNK", test::MakeShellLink(relative));
    Drop(*w, {dir / "links" / "rel.LNK"});
    EXPECT_EQ(w->DG->ModuleName().toStdString(), (dir / "numbered.dll").string());

    test::WriteFile(dir / "broken.lnk", {1, 2, 3});
    for (const fs::path& refused : {dir / "drive_c", dir / "broken.lnk"}) {
        w.messages.messages.clear();
        Drop(*w, {refused});
        ASSERT_EQ(w.messages.messages.size(), 1u) << refused;
        EXPECT_EQ(w.messages.messages[0].kind, MessageKind::Information);
        EXPECT_EQ(w.messages.messages[0].text, "フォルダは開けません。ファイルをドロップしてください。");
    }
    EXPECT_EQ(w->DG->ModuleName().toStdString(), (dir / "numbered.dll").string());
}

TEST(SettingsWindow, TheHomePageOpensOnlyAfterConfirmation) {
    test::WindowUnderTest w;
    std::vector<QUrl> opened;
    w->OpenUrl = [&](const QUrl& url) {
        opened.push_back(url);
        return true;
    };
    w.messages = RecordingMessageSink(false);
    w->HomePageItem->trigger();
    EXPECT_TRUE(opened.empty());
    ASSERT_EQ(w.messages.messages.size(), 1u);
    EXPECT_EQ(w.messages.messages[0].kind, MessageKind::Confirmation);
    EXPECT_EQ(w.messages.messages[0].text, "インターネットに接続して、ホームページに移動します。\r\nよろしいですか？");
    w.messages = RecordingMessageSink(true);
    w->HomePageItem->trigger();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].scheme(), "https");
    EXPECT_EQ(w.messages.messages.size(), 1u);

    // No browser to start: an error naming the address.
    w->OpenUrl = [](const QUrl&) { return false; };
    w->HomePageItem->trigger();
    ASSERT_EQ(w.messages.messages.size(), 3u);
    EXPECT_EQ(w.messages.messages[2].kind, MessageKind::Error);
    EXPECT_NE(w.messages.messages[2].text.find(opened[0].toString().toStdString()), std::string::npos);
}

TEST(VersionDialog, TheLatticeAlternatesItsTwoColoursAndStopsAtTheEdge) {
    QImage image(30, 20, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QPainter p(&image);
        PaintLattice(p, 30, 20);
    }
    const QColor light(255, 170, 85), dark(204, 170, 85);
    EXPECT_EQ(image.pixelColor(5, 3), light);
    EXPECT_EQ(image.pixelColor(10, 3), dark);
    EXPECT_EQ(image.pixelColor(25, 19), light);
    EXPECT_EQ(image.pixelColor(3, 5), dark);  // horizontal lines come last
    EXPECT_EQ(image.pixelColor(5, 10), light);
    EXPECT_EQ(image.pixelColor(7, 7), QColor(Qt::black));
    test::EnsureQtApp();
    TVersionDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "バージョン情報");
    EXPECT_TRUE(dialog.Message->text().startsWith("　Zorvane　v1.10\t\n\n"));
}

}  // namespace
}  // namespace zorvane

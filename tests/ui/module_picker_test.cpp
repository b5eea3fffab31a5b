#include <gtest/gtest.h>

#include <QApplication>
#include <QWindow>
#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <filesystem>

#include "controls/auto_adjust_icon_grid.h"
#include "support/test_support.h"
#include "ui/list_builder.h"
#include "ui/module_picker.h"
#include "ui/radio_group.h"
#include "ui_test_support.h"

namespace zorvane {
namespace {

namespace fs = std::filesystem;
using test::BuiltFixture;
using test::TempDir;
using test::WriteText;

std::string Text(const fs::path& path) {
    const auto bytes = test::ReadFile(path);
    return std::string(bytes.begin(), bytes.end());
}

// A system folder, a programs folder and a settings folder, all fresh.
struct PickerFolders {
    TempDir dir;
    fs::path system = dir / "system32";
    fs::path programs = dir / "Program Files";
    fs::path settings = dir / "settings";
    PickerFolders() {
        fs::create_directories(system);
        fs::create_directories(programs);
        fs::create_directories(settings);
        fs::copy_file(BuiltFixture("numbered.dll"), system / "b.dll");
        fs::copy_file(BuiltFixture("mixed.dll"), system / "A.DLL");
        WriteText(system / "plain.dll", "no module");
        test::EnsureQtApp();
    }
    static QString folder(const fs::path& p) { return QString::fromStdString(p.string() + "/"); }
    std::unique_ptr<TForm3> picker(MessageSink& sink) const {
        return std::make_unique<TForm3>(folder(system), folder(programs), folder(settings), sink);
    }
};

QStringList Column(const TForm3& p, int column) {
    QStringList texts;
    const QAbstractItemModel& rows = *p.ListView1->model();
    for (int i = 0; i < rows.rowCount(); ++i) texts << rows.index(i, column).data().toString();
    return texts;
}

// The names of the selected rows.
QStringList Selected(const TForm3& p) {
    QStringList names;
    for (const QModelIndex& row : p.ListView1->selectionModel()->selectedRows()) names << row.data().toString();
    return names;
}

TEST(ModulePicker, AMissingListIsBuiltFirstThenRowZeroIsPreviewed) {
    PickerFolders f;
    RecordingMessageSink sink;
    auto p = f.picker(sink);
    p->RadioGroup1->SetItemIndex(0);
    p->RadioGroup1Click();
    EXPECT_EQ(Text(f.settings / "Shell_dllList.txt"), "A.DLL,3\r\nb.dll,3\r\n");
    EXPECT_EQ(Column(*p, 0), (QStringList{"A.DLL", "b.dll"}));
    EXPECT_EQ(Selected(*p), QStringList{"A.DLL"});
    EXPECT_EQ(p->IconGrid1->ModuleName().toStdString(), (f.system / "A.DLL").string());
    EXPECT_EQ(p->StatusBar1->currentMessage(), p->IconGrid1->ModuleName());
    EXPECT_FALSE(p->ProgressBar1->isVisible());
    EXPECT_TRUE(p->isEnabled());
    EXPECT_TRUE(sink.messages.empty());
}

TEST(ModulePicker, VanishedEntriesAreSkippedAndKindsSwitchOnlyOnChange) {
    PickerFolders f;
    RecordingMessageSink sink;
    WriteText(f.settings / "Shell_dllList.txt", "gone.dll,4\r\nb.dll,3\r\nfolder.dll,1\r\n");
    fs::create_directories(f.system / "folder.dll");
    fs::create_directories(f.programs / "Vendor");
    fs::copy_file(BuiltFixture("numbered.dll"), f.programs / "Vendor" / "tool.dll");
    WriteText(f.settings / "Program_dllList.txt", "Vendor/tool.dll,3\r\nVendor/old.dll,1\r\n");
    auto p = f.picker(sink);
    p->RadioGroup1Click();
    EXPECT_EQ(Column(*p, 0), QStringList{"b.dll"});
    EXPECT_EQ(Text(f.settings / "Shell_dllList.txt"), "gone.dll,4\r\nb.dll,3\r\nfolder.dll,1\r\n");  // never rewritten
    p->RadioGroup1->SetItemIndex(3);
    p->RadioGroup1Click();
    EXPECT_EQ(p->CurrentKind(), "DLL");
    EXPECT_EQ(Column(*p, 0), QStringList{"Vendor/tool.dll"});
    EXPECT_EQ(p->IconGrid1->ModuleName().toStdString(), (f.programs / "Vendor" / "tool.dll").string());
    // The same kind again changes nothing, even after the list file changed.
    WriteText(f.settings / "Program_dllList.txt", "");
    p->RadioGroup1Click();
    EXPECT_EQ(Column(*p, 0), QStringList{"Vendor/tool.dll"});
    // Refreshing rebuilds from the folder and shows the new list.
    p->BitBtn3->click();
    EXPECT_EQ(Text(f.settings / "Program_dllList.txt"), "Vendor/tool.dll,3\r\n");
    EXPECT_EQ(Column(*p, 0), QStringList{"Vendor/tool.dll"});
}

TEST(ModulePicker, HeaderClicksSortByNameOrCountAndASecondClickReverses) {
    PickerFolders f;
    RecordingMessageSink sink;
    for (const char* name : {"c.dll", "B.dll", "a.dll"}) WriteText(f.system / name, "x");
    WriteText(f.settings / "Shell_dllList.txt", "c.dll,10\r\nB.dll,9\r\na.dll,100\r\n");
    auto p = f.picker(sink);
    p->RadioGroup1Click();
    p->ListView1ColumnClick(0);
    EXPECT_EQ(Column(*p, 0), (QStringList{"a.dll", "B.dll", "c.dll"}));
    p->ListView1ColumnClick(1);
    EXPECT_EQ(Column(*p, 1), (QStringList{"9", "10", "100"}));
    p->ListView1ColumnClick(1);
    EXPECT_EQ(Column(*p, 1), (QStringList{"100", "10", "9"}));
    EXPECT_EQ(Selected(*p), QStringList{"a.dll"});
    EXPECT_EQ(p->IconGrid1->ModuleName().toStdString(), (f.system / "a.dll").string());
}

TEST(ModulePicker, ItsSizesComeFromTheSettingsAndAreWrittenBackOnClose) {
    PickerFolders f;
    RecordingMessageSink sink;
    WriteText(f.settings / "Set.ini", "[selectdlg]\nwidth=610\nHEIGHT=470\nLISTWIDTH=222\nCOLUMNWIDTH=140\n");
    auto p = f.picker(sink);
    EXPECT_EQ(p->width(), 610);
    EXPECT_EQ(p->height(), 470);
    EXPECT_EQ(p->ListView1->columnWidth(0), 140);
    p->show();
    QApplication::processEvents();
    EXPECT_EQ(p->Splitter1->sizes().value(0), 222);
    p->ListView1->setColumnWidth(0, 150);
    p->reject();
    p.reset();
    const std::string ini = Text(f.settings / "Set.ini");
    EXPECT_NE(ini.find("\nwidth=610"), std::string::npos) << ini;  // the key keeps its spelling
    EXPECT_NE(ini.find("LISTWIDTH=222"), std::string::npos) << ini;
    EXPECT_NE(ini.find("COLUMNWIDTH=150"), std::string::npos) << ini;
}

TEST(ModulePicker, TheChosenModuleAndItsCurrentGroupOpenInTheMainWindow) {
    PickerFolders f;
    test::WindowUnderTest w;
    auto p = f.picker(w.messages);
    p->RadioGroup1Click();
    p->ListView1->selectRow(1);
    ASSERT_EQ(p->IconGrid1->ModuleName().toStdString(), (f.system / "b.dll").string());
    p->IconGrid1->SelectIndex(2);
    w->OpenPickedModule(*p);
    EXPECT_EQ(w->DG->ModuleName(), p->IconGrid1->ModuleName());
    EXPECT_EQ(w->GroupIndex(), 2);
    // The module already open, picked again: the main window ends with the group picked,
    // group 0 included.
    for (const int picked : {0, 1, 0}) {
        if (picked == 0)
            p->IconGrid1->ClickCell(0, 0);
        else
            p->IconGrid1->SelectIndex(picked);
        w->OpenPickedModule(*p);
        EXPECT_EQ(w->GroupIndex(), picked);
    }
    // A module deleted meanwhile opens nothing.
    fs::remove(f.system / "A.DLL");
    p->ListView1->selectRow(0);
    w->OpenPickedModule(*p);
    EXPECT_EQ(w->DG->ModuleName().toStdString(), (f.system / "b.dll").string());
}

// Follows the blocked state a window gets while another is modal.
struct BlockWatch : QObject {
    explicit BlockWatch(QWidget* w) { w->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::WindowBlocked) blocked = true;
        if (e->type() == QEvent::WindowUnblocked) blocked = false;
        return false;
    }
    bool blocked = false;
};

// Whether the build starts before the picker is on screen (a missing list) or inside the
// open modal picker (リスト更新), only the builder takes input: Cancel reaches it, and the
// main window cannot start a second build.
TEST(ListBuilder, DuringABuildOnlyTheBuilderTakesInputAndCancelKeepsTheOldList) {
    struct Case {
        const char* name;
        bool pickerOnScreen;
    };
    for (const Case c : {Case{"missing list", false}, Case{"refresh", true}}) {
        SCOPED_TRACE(c.name);
        PickerFolders f;
        test::WindowUnderTest w;
        w->show();
        if (c.pickerOnScreen) WriteText(f.settings / "Shell_dllList.txt", "b.dll,3\r\n");
        auto p = f.picker(w.messages);
        BlockWatch mainWatch(w.form.get()), pickerWatch(p.get());
        if (c.pickerOnScreen) {
            p->RadioGroup1Click();
            p->setWindowModality(Qt::ApplicationModal);  // as exec() shows it
            p->show();
            QApplication::processEvents();
        }
        bool builderFree = false, mainBlocked = false, pickerBlocked = false;
        p->SetIconCounterForTesting([&](const std::string&) {
            auto* builder = qobject_cast<TForm4*>(QApplication::activeModalWidget());
            if (builder) {
                // On screen before the walk: listing a big folder handles no events.
                builderFree = builder->isVisible() && builder->isEnabled() && builder->windowHandle()->isExposed();
                mainBlocked = mainWatch.blocked;
                pickerBlocked = pickerWatch.blocked;
                builder->BitBtn1->click();
            }
            return 3;
        });
        if (c.pickerOnScreen)
            p->BitBtn3->click();
        else
            p->RadioGroup1Click();
        EXPECT_TRUE(builderFree);
        EXPECT_TRUE(mainBlocked);
        EXPECT_EQ(pickerBlocked, c.pickerOnScreen);
        EXPECT_EQ(QApplication::activeModalWidget(), c.pickerOnScreen ? p.get() : nullptr);
        if (c.pickerOnScreen) {
            EXPECT_EQ(Text(f.settings / "Shell_dllList.txt"), "b.dll,3\r\n");
            EXPECT_EQ(Column(*p, 0), QStringList{"b.dll"});
        } else {
            EXPECT_FALSE(fs::exists(f.settings / "Shell_dllList.txt"));
        }
    }
}

TEST(ListBuilder, CancelStopsTheWalkAndKeepsTheOldList) {
    PickerFolders f;
    RecordingMessageSink sink;
    WriteText(f.settings / "Shell_dllList.txt", "old.dll,1\r\n");
    TForm4 builder(PickerFolders::folder(f.system), PickerFolders::folder(f.programs),
                   PickerFolders::folder(f.settings), sink);
    EXPECT_EQ(builder.windowTitle(), "ファイルリストを作成中");
    builder.SetIconCounterForTesting([&](const std::string&) {
        builder.BitBtn1->click();
        return 2;
    });
    builder.show();
    EXPECT_FALSE(builder.ScanSystemFolder("Shell_dllList.txt", "dll"));
    EXPECT_EQ(Text(f.settings / "Shell_dllList.txt"), "old.dll,1\r\n");
    EXPECT_EQ(builder.Label2->text(), "有効ファイル数　1");
    EXPECT_EQ(builder.ProgressBar1->value(),
              1);  // "A.DLL": the first letter's place
}

}  // namespace
}  // namespace zorvane

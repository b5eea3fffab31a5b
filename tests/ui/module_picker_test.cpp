#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTreeWidget>
#include <filesystem>

#include "controls/auto_adjust_icon_grid.h"
#include "support/test_support.h"
#include "ui/module_picker.h"
#include "ui/list_builder.h"
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
    for (int i = 0; i < p.ListView1->topLevelItemCount(); ++i) texts << p.ListView1->topLevelItem(i)->text(column);
    return texts;
}

TEST(ModulePicker, AMissingListIsBuiltFirstThenRowZeroIsPreviewed) {
    PickerFolders f;
    RecordingMessageSink sink;
    auto p = f.picker(sink);
    p->RadioGroup1->SetItemIndex(0);
    p->RadioGroup1Click();
    EXPECT_EQ(Text(f.settings / "Shell_dllList.txt"), "A.DLL,3\r\nb.dll,3\r\n");
    EXPECT_EQ(Column(*p, 0), (QStringList{"A.DLL", "b.dll"}));
    ASSERT_EQ(p->ListView1->selectedItems().size(), 1);
    EXPECT_EQ(p->ListView1->selectedItems()[0]->text(0), "A.DLL");
    EXPECT_EQ(p->IconGrid1->ModuleName().toStdString(), (f.system / "A.DLL").string());
    EXPECT_EQ(p->StatusBar1->currentMessage(), p->IconGrid1->ModuleName());
    EXPECT_FALSE(p->ProgressBar1->isVisible());
    EXPECT_TRUE(p->isEnabled());
    EXPECT_TRUE(sink.messages.empty());
}

TEST(ModulePicker, VanishedEntriesAreSkippedAndKindsSwitchOnlyOnChange) {
    PickerFolders f;
    RecordingMessageSink sink;
    WriteText(f.settings / "Shell_dllList.txt", "gone.dll,4\r\nb.dll,3\r\n");
    fs::create_directories(f.programs / "Vendor");
    fs::copy_file(BuiltFixture("numbered.dll"), f.programs / "Vendor" / "tool.dll");
    WriteText(f.settings / "Program_dllList.txt", "Vendor/tool.dll,3\r\nVendor/old.dll,1\r\n");
    auto p = f.picker(sink);
    p->RadioGroup1Click();
    EXPECT_EQ(Column(*p, 0), QStringList{"b.dll"});
    EXPECT_EQ(Text(f.settings / "Shell_dllList.txt"), "gone.dll,4\r\nb.dll,3\r\n");  // never rewritten
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
    EXPECT_EQ(p->ListView1->selectedItems()[0]->text(0), "a.dll");
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
    p->ListView1->setCurrentItem(p->ListView1->topLevelItem(1));
    ASSERT_EQ(p->IconGrid1->ModuleName().toStdString(), (f.system / "b.dll").string());
    p->IconGrid1->SelectIndex(2);
    w->OpenPickedModule(*p);
    EXPECT_EQ(w->DG->ModuleName(), p->IconGrid1->ModuleName());
    EXPECT_EQ(w->GroupIndex(), 2);
    // A module deleted meanwhile opens nothing.
    fs::remove(f.system / "A.DLL");
    p->ListView1->setCurrentItem(p->ListView1->topLevelItem(0));
    w->OpenPickedModule(*p);
    EXPECT_EQ(w->DG->ModuleName().toStdString(), (f.system / "b.dll").string());
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
    EXPECT_EQ(builder.ProgressBar1->value(), 1);  // "A.DLL": the first letter's place
}

}  // namespace
}  // namespace zorvane

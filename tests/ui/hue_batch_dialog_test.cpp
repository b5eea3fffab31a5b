#include "ui/hue_batch_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <memory>

#include "controls/num_edit.h"
#include "controls/select_folder.h"
#include "platform/ini_file.h"
#include "platform/message_sink.h"
#include "support/test_support.h"
#include "ui_test_support.h"
#include "ui/radio_group.h"
#include "ui/up_down.h"

namespace zorvane {
namespace {

constexpr const char* kInvalidInput = "入力された値が不正です。\r\n範囲内の値を指定してください。";

class HueBatchDialog : public ::testing::Test {
protected:
    void SetUp() override { test::EnsureQtApp(); }

    std::unique_ptr<TForm5> Open() { return std::make_unique<TForm5>(ini, selectFolder, messages); }
    void SetStoredCount(const std::string& text) {
        test::WriteFile(iniPath, std::vector<std::uint8_t>(text.begin(), text.end()));
        ini = IniFile(iniPath.string());
    }

    test::TempDir dir;
    std::filesystem::path iniPath = dir / "Set.ini";
    IniFile ini{iniPath.string()};
    TSelectFolder selectFolder;
    RecordingMessageSink messages;
};

TEST_F(HueBatchDialog, OpensWithDefaults) {
    auto form = Open();
    form->SetSaveFolder("/icons");
    EXPECT_EQ(form->NumEdit1->Value(), 45);
    EXPECT_EQ(form->NumEdit2->Value(), 8);
    EXPECT_EQ(form->RadioGroup1->ItemIndex(), 0);
    EXPECT_TRUE(form->CheckBox1->isChecked());
    EXPECT_FALSE(form->CheckBox1->isEnabled());
    EXPECT_EQ(form->Edit1->text(), "/icons");
    EXPECT_TRUE(form->Edit1->isReadOnly());
}

TEST_F(HueBatchDialog, StepAndCountFollowEachOtherUntilBothStandStill) {
    auto form = Open();
    form->NumEdit2->setText("7");
    EXPECT_EQ(form->NumEdit1->Value(), 51);
    EXPECT_EQ(form->NumEdit2->Value(), 7);
    form->NumEdit2->setText("28");
    EXPECT_EQ(form->NumEdit1->Value(), 12);
    EXPECT_EQ(form->NumEdit2->Value(), 30);
    form->NumEdit1->setText("100");
    EXPECT_EQ(form->NumEdit2->Value(), 3);
    EXPECT_EQ(form->NumEdit1->Value(), 120);
    form->NumEdit1->setText("");  // empty reads 0 and leaves the count alone
    EXPECT_EQ(form->NumEdit2->Value(), 3);
}

TEST_F(HueBatchDialog, ArrowsStepWithinTheirRanges) {
    auto form = Open();
    form->NumEdit1->SetValue(180);
    form->UpDown1->StepBy(1);
    EXPECT_EQ(form->NumEdit1->Value(), 180);
    EXPECT_EQ(form->NumEdit2->Value(), 2);
    form->NumEdit2->SetValue(36);
    form->UpDown2->StepBy(1);
    EXPECT_EQ(form->NumEdit2->Value(), 36);
    EXPECT_EQ(form->NumEdit1->Value(), 10);
    form->UpDown1->StepBy(-1);
    EXPECT_EQ(form->NumEdit1->Value(), 10);
}

TEST_F(HueBatchDialog, StoredCountDecidesTheOpeningValues) {
    SetStoredCount("[MAKEALLDLG]\nCOUNT=28\n");
    auto form = Open();
    EXPECT_EQ(form->NumEdit1->Value(), 12);
    EXPECT_EQ(form->NumEdit2->Value(), 30);

    SetStoredCount("[MAKEALLDLG]\nCOUNT=-4\n");
    form = Open();
    EXPECT_EQ(form->NumEdit1->Value(), 45);
    EXPECT_EQ(form->NumEdit2->text(), "-4");
    form->BitBtn1Click();
    EXPECT_NE(form->result(), QDialog::Accepted);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, kInvalidInput);
}

TEST_F(HueBatchDialog, OkValidatesBothFields) {
    struct Case {
        const char* field;  // which box is typed into
        const char* text;
        bool accepted;
    };
    for (const Case& c :
         {Case{"count", "1", false}, Case{"count", "0", false}, Case{"count", "37", false}, Case{"step", "9", false},
          Case{"step", "10", true}, Case{"step", "180", true}, Case{"count", "36", true}, Case{"count", "2", true}}) {
        SCOPED_TRACE(std::string(c.field) + " " + c.text);
        messages.messages.clear();
        auto form = Open();
        form->NumEdit2->setFocus();
        (std::string(c.field) == "step" ? form->NumEdit1 : form->NumEdit2)->setText(c.text);
        form->BitBtn1Click();
        EXPECT_EQ(form->result() == QDialog::Accepted, c.accepted);
        EXPECT_EQ(messages.messages.size(), c.accepted ? 0u : 1u);
        if (!c.accepted) {
            EXPECT_EQ(messages.messages[0].kind, MessageKind::Warning);
            EXPECT_EQ(form->NumEdit1->selectedText(), form->NumEdit1->text());
        }
    }
}

TEST_F(HueBatchDialog, TransparencyBoxFollowsFormatAndKeepsItsCheck) {
    auto form = Open();
    for (int index : {3, 4, 2, 0, 1}) {
        form->RadioGroup1->item(index)->click();
        EXPECT_EQ(form->CheckBox1->isEnabled(), index > 2) << index;
        if (index == 4) form->CheckBox1->setChecked(false);
    }
    EXPECT_FALSE(form->CheckBox1->isChecked());
    EXPECT_FALSE(form->Options().transparent);
    EXPECT_EQ(form->Options().format, 1);
}

TEST_F(HueBatchDialog, CountIsStoredOnlyAfterOk) {
    SetStoredCount("[MAKEALLDLG]\nCOUNT=12\n");
    {
        auto form = Open();
        form->NumEdit2->setText("20");
        form->BitBtn2->click();
    }
    EXPECT_EQ(IniFile(iniPath.string()).ReadInteger("MAKEALLDLG", "COUNT", 0), 12);
    {
        auto form = Open();
        form->NumEdit2->setText("20");
        form->BitBtn1Click();
    }
    EXPECT_EQ(IniFile(iniPath.string()).ReadInteger("MAKEALLDLG", "COUNT", 0), 20);
}

TEST_F(HueBatchDialog, FolderButtonTakesTheBrowsersChoiceAndLongPathsAreShortened) {
    test::TempDir chosen;
    selectFolder.SetChooser([&](const TSelectFolder::Request&) {
        return std::optional<QString>(QString::fromStdString(chosen.path().string()));
    });
    auto form = Open();
    form->SpeedButton1Click();
    EXPECT_EQ(form->SaveFolder().toStdString(), chosen.path().string());

    const QString longPath = "/" + QString("very long folder name/").repeated(20) + "Icons";
    form->SetSaveFolder(longPath);
    EXPECT_EQ(form->SaveFolder(), longPath);
    EXPECT_TRUE(form->Edit1->text().startsWith("/.../")) << form->Edit1->text().toStdString();
    EXPECT_TRUE(form->Edit1->text().endsWith("/Icons"));
}

}  // namespace
}  // namespace zorvane

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEnterEvent>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTranslator>
#include <chrono>
#include <thread>

#include "controls/auto_adjust_icon_grid.h"
#include "controls/focus_edge_scroll_bar.h"
#include "support/test_support.h"
#include "ui/message_box_sink.h"
#include "ui/name_filters.h"
#include "ui/qt_file_dialogs.h"
#include "ui/qt_translation.h"
#include "ui/save_dialogs.h"
#include "ui_test_support.h"

namespace zorvane {
namespace {

using test::BuiltFixture;

void SendKey(QWidget* widget, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

TEST(MainWindow, KeysMoveTheColourBarsAsTheirArrowButtonsDo) {
    test::WindowUnderTest w;
    w.Open(BuiltFixture("numbered.dll"));
    const struct {
        int key;
        int value;
    } cases[] = {
        {Qt::Key_Right, 1},     {Qt::Key_Left, -1},    {Qt::Key_Down, 1},  {Qt::Key_Up, -1},
        {Qt::Key_PageDown, 10}, {Qt::Key_PageUp, -10}, {Qt::Key_End, 180}, {Qt::Key_Home, -180},
    };
    for (const auto& c : cases) {
        w->ResetColorBars();
        SendKey(w->SBar_H, c.key);
        EXPECT_EQ(w->SBar_H->value(), c.value) << c.key;
        EXPECT_EQ(w->LabelH->text(), QString::number(c.value)) << c.key;
    }
    w->ResetColorBars();
    SendKey(w->SBar_S, Qt::Key_End);
    EXPECT_EQ(w->SBar_S->value(), 100);
}

// Opens the recent-files submenu from the File menu as hovering it does; says whether it
// showed.
bool HoverRecentMenu(TForm1& form) {
    QMenu* file = form.menuBar()->actions().first()->menu();
    file->popup(form.mapToGlobal(QPoint(10, 10)));
    file->setActiveAction(form.RecentMenu->menuAction());
    for (int i = 0; i < 20 && !form.RecentMenu->isVisible(); ++i) {
        QApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    const bool shown = form.RecentMenu->isVisible();
    file->hide();
    form.RecentMenu->hide();
    QApplication::processEvents();
    return shown;
}

TEST(MainWindow, TheRecentFilesSubmenuOpensWheneverItHasEntries) {
    test::WindowUnderTest w;
    EXPECT_FALSE(HoverRecentMenu(*w));
    w.Open(BuiltFixture("numbered.dll"));
    EXPECT_TRUE(HoverRecentMenu(*w));
    EXPECT_TRUE(HoverRecentMenu(*w));
}

TEST(MainWindow, TheCloseItemShowsItsKey) {
    test::WindowUnderTest w;
    QStringList shown;
    for (const QAction* item : w->menuBar()->actions().first()->menu()->actions())
        if (item->text().startsWith("ファイルを閉じる(&Q)")) shown << item->text().section('\t', 1);
    EXPECT_EQ(shown, QStringList{QKeySequence("Ctrl+Q").toString(QKeySequence::NativeText)});
}

TEST(MainWindow, AClickOnACellPastTheLastIconResetsTheBarsAndKeepsTheGroup) {
    test::WindowUnderTest w;
    w->DG->setFixedWidth(17 + 7 * 40 + 5);
    w->DG->SetScrollBarSize(17);
    w.Open(BuiltFixture("many.dll"));
    ASSERT_EQ(w->DG->ColCount(), 7);  // 160 icons: the last row holds 6 of 7 cells
    w->DG->verticalScrollBar()->setValue(w->DG->verticalScrollBar()->maximum());
    w->ListView1->selectRow(2);
    w->SBar_H->setValue(40);
    const QPoint at(6 * 40 + 20, 22 * 40 + 20 - w->DG->verticalScrollBar()->value());
    QMouseEvent press(QEvent::MouseButtonPress, at, w->DG->viewport()->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(w->DG->viewport(), &press);
    EXPECT_EQ(QPoint(w->DG->Col(), w->DG->Row()), QPoint(6, 22));
    EXPECT_EQ(w->SBar_H->value(), 0);
    EXPECT_EQ(w->LabelH->text(), "0");
    EXPECT_EQ(w->SelectedImageIndex(), 2);
}

TEST(MainWindow, OnlyAnEnabledControlPutsItsHintIntoTheHintBar) {
    test::WindowUnderTest w;
    auto* bar = w->findChild<QToolBar*>();
    ASSERT_NE(bar, nullptr);
    auto enter = [&](QAction* command) {
        QWidget* button = bar->widgetForAction(command);
        QEnterEvent event(QPointF(2, 2), QPointF(2, 2), button->mapToGlobal(QPointF(2, 2)));
        QApplication::sendEvent(button, &event);
        return w->SBHint->currentMessage();
    };
    w->SBHint->showMessage("kept");
    ASSERT_FALSE(w->ActionSave->isEnabled());
    EXPECT_EQ(enter(w->ActionSave), "kept");
    EXPECT_EQ(enter(w->ActionOpen), "ファイルを開きます。");
    w.Open(BuiltFixture("numbered.dll"));
    EXPECT_EQ(enter(w->ActionSave), "現在選択中のアイコングループを指定されているアイコンフォルダに保存します。");
}

TEST(MainWindow, TheOuterSizeIsTheStoredSizeAndNoControlIsCutWhenSmall) {
    test::WindowUnderTest w;
    w.form.reset();
    test::WriteText(w.settingsFolder / "Set.ini", "[WINDOW]\nWIDTH=800\nHEIGHT=600\n");
    w.form = std::make_unique<TForm1>(Form1Services{&w.dialogs, &w.messages, &w.errors, &w.saveDialogs});
    w->show();
    QApplication::processEvents();
    EXPECT_EQ(w->frameGeometry().size(), QSize(800, 600));

    w->resize(200, 100);
    QApplication::processEvents();
    EXPECT_EQ(w->size(), w->minimumSize());
    const QWidget* panel = w->DG->parentWidget();
    EXPECT_LE(panel->geometry().right(), w->centralWidget()->width() - 1);
    EXPECT_GE(w->DG->viewport()->height(), w->DG->DefaultRowHeight());
    EXPECT_TRUE(w->ComboZoom->isVisible());
    EXPECT_LE(w->ComboZoom->geometry().right(), w->ComboZoom->parentWidget()->width() - 1);
    const QAction* help = w->menuBar()->actions().last();
    EXPECT_LE(w->menuBar()->actionGeometry(const_cast<QAction*>(help)).right(), w->menuBar()->width() - 1);
    // The preview area takes what is left.
    EXPECT_GT(w->ImgBox->width(), 0);
}

TEST(MessageBoxes, EachKindHasItsIconCaptionAndButtonsAndBreaksOnlyAtItsLineBreaks) {
    const test::WindowUnderTest w;  // sets the application title
    const struct {
        MessageKind kind;
        QMessageBox::Icon icon;
        QString caption;
        int buttons;
    } cases[] = {
        {MessageKind::Warning, QMessageBox::Warning, "警告", 1},
        {MessageKind::Error, QMessageBox::Critical, "エラー", 1},
        {MessageKind::Information, QMessageBox::Information, "情報", 1},
        {MessageKind::Confirmation, QMessageBox::Question, "確認", 2},
        {MessageKind::Plain, QMessageBox::NoIcon, "Zorvane", 1},
    };
    for (const auto& c : cases) {
        const auto box = MakeMessageBox(c.kind, "text", nullptr);
        EXPECT_EQ(box->icon(), c.icon);
        EXPECT_EQ(box->windowTitle(), c.caption);
        EXPECT_EQ(box->buttons().size(), c.buttons);
        EXPECT_EQ(box->defaultButton()->text(), "OK");
    }
    const std::string line = "アイコンを含まないファイルか、登録されていない拡張子である可能性があります。";
    const auto box = MakeMessageBox(MessageKind::Warning, "一行目\r\n" + line + line, nullptr);
    box->show();
    QApplication::processEvents();
    const auto* label = box->findChild<QLabel*>("qt_msgbox_label");
    ASSERT_NE(label, nullptr);
    EXPECT_FALSE(label->wordWrap());
    EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(QString::fromStdString(line + line)));
    box->hide();
}

// The combo box of a file dialog's filters, as the user reads it.
QStringList FilterNames(const QFileDialog& dialog) {
    QStringList names;
    const auto* combo = dialog.findChild<QComboBox*>("fileTypeCombo");
    for (int i = 0; combo && i < combo->count(); ++i) names << combo->itemText(i);
    return names;
}

QStringList Descriptions(const char* filter) {
    const QStringList parts = QString(filter).split('|');
    QStringList names;
    for (int i = 0; i < parts.size(); i += 2) names << parts[i];
    return names;
}

TEST(FileDialogs, SpeakJapaneseAndShowEachFilterNameOnce) {
    test::EnsureQtApp();
    QTranslator* translation = InstallQtTranslation(*QApplication::instance());
    ASSERT_NE(translation, nullptr) << "Qt's Japanese translation (qt6-translations-l10n) is not installed";

    PictureSaveDialogState state;
    state.FilterIndex = 3;
    QFileDialog save;
    PreparePictureSaveDialog(save, state);
    EXPECT_EQ(FilterNames(save), Descriptions(kPictureSaveFilter));
    EXPECT_EQ(save.findChild<QComboBox*>("fileTypeCombo")->currentIndex(), 2);
    const auto* buttons = save.findChild<QDialogButtonBox*>("buttonBox");
    ASSERT_NE(buttons, nullptr);
    EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text().remove('&'), "キャンセル");
    EXPECT_TRUE(buttons->button(QDialogButtonBox::Save)->text().startsWith("保存"));

    QFileDialog open;
    PrepareOpenDialog(open);
    EXPECT_EQ(open.windowTitle(), "ファイルを開く");
    EXPECT_EQ(FilterNames(open), Descriptions(kOpenFilter));

    QCoreApplication::removeTranslator(translation);
    delete translation;
}

}  // namespace
}  // namespace zorvane

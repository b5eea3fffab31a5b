#include "controls/num_edit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>

#include "support/qt_app.h"

namespace zorvane {
namespace {

void Type(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

TEST(NumEditValue, ReadsDecimalWithin32Bits) {
    EXPECT_EQ(NumEditValue("007"), 7);
    EXPECT_EQ(NumEditValue(""), 0);
    EXPECT_EQ(NumEditValue("99999999999"), 0);
    EXPECT_EQ(NumEditValue("-5"), -5);
    EXPECT_EQ(NumEditValue("+12"), 12);
    EXPECT_EQ(NumEditValue("+-5"), 0);
    EXPECT_EQ(NumEditValue("12a"), 0);
    EXPECT_EQ(NumEditValue(" 3"), 0);
    EXPECT_EQ(NumEditValue("2147483647"), 2147483647);
    EXPECT_EQ(NumEditValue("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(NumEditValue("１２"), 0);  // full-width digits are no number
}

TEST(NumEdit, TypingTakesDigitsOnlyUpToMaxLength) {
    test::EnsureQtApp();
    TNumEdit edit;
    EXPECT_EQ(edit.text(), "0");
    EXPECT_TRUE(edit.alignment() & Qt::AlignRight);
    edit.clear();
    edit.SetMaxLength(3);
    Type(&edit, "1a-2.34");
    EXPECT_EQ(edit.text(), "123");
    EXPECT_EQ(edit.Value(), 123);
    // The limit is for typing: the program may show longer values and negatives.
    edit.SetValue(-5000);
    EXPECT_EQ(edit.text(), "-5000");
    EXPECT_EQ(edit.Value(), -5000);
}

TEST(NumEdit, WritingTheShownValueRaisesNoChange) {
    test::EnsureQtApp();
    TNumEdit edit;
    int changes = 0;
    QObject::connect(&edit, &QLineEdit::textChanged, [&changes] { ++changes; });
    edit.SetValue(0);
    EXPECT_EQ(changes, 0);
    edit.SetValue(42);
    edit.SetValue(42);
    EXPECT_EQ(changes, 1);
    edit.setText("042");
    edit.SetValue(42);  // same number, other text: a change
    EXPECT_EQ(changes, 3);
}

TEST(NumEdit, RightAlignCanBeTurnedOff) {
    test::EnsureQtApp();
    TNumEdit edit;
    edit.SetRightAlign(false);
    EXPECT_FALSE(edit.RightAlign());
    EXPECT_TRUE(edit.alignment() & Qt::AlignLeft);
}

}  // namespace
}  // namespace zorvane

#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QTableWidget>
#include <sstream>

#include "controls/auto_adjust_icon_grid.h"
#include "support/test_support.h"
#include "ui/command_line.h"
#include "ui_test_support.h"

namespace zorvane {
namespace {

using test::BuiltFixture;

QString Fixture(const char* name) { return QString::fromStdString(BuiltFixture(name).string()); }

TEST(CommandLine, AFileOpensAsTheOpenCommandOpensItAndOtherUseShowsTheUsage) {
    struct Case {
        QStringList arguments;
        QString opened;  // empty: the window stays without a file
        bool usage;
    };
    const QString module = Fixture("numbered.dll");
    const QString fixtures = QString::fromStdString(BuiltFixture("").string());
    const Case cases[] = {
        {{}, "", false},
        {{module}, module, false},
        {{"numbered.dll"}, module, false},  // relative to the current folder, kept absolute
        {{"--help"}, "", true},
        {{module, module}, "", true},
    };
    const QString previous = QDir::currentPath();
    QDir::setCurrent(fixtures);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(" ").toStdString());
        test::WindowUnderTest w;
        std::ostringstream err;
        OpenFromArguments(*w, c.arguments, err);
        EXPECT_EQ(err.str(), c.usage ? "usage: zorvane [FILE]\n" : "");
        EXPECT_TRUE(w.messages.messages.empty());
        EXPECT_EQ(QDir::cleanPath(w->SBFileName->text()), QDir::cleanPath(c.opened));
        if (c.opened.isEmpty()) {
            EXPECT_EQ(w->ListView1->rowCount(), 0);
            continue;
        }
        EXPECT_EQ(w->DG->CellToIndex(w->DG->Col(), w->DG->Row()), 0);
        EXPECT_EQ(w->ListView1->rowCount(), 6);
        EXPECT_EQ(w->ListView1->currentRow(), 0);
    }
    QDir::setCurrent(previous);
}

TEST(CommandLine, AFileThatCannotBeOpenedWarnsAsTheOpenCommandDoes) {
    test::WindowUnderTest w;
    std::ostringstream err;
    OpenFromArguments(*w, {Fixture("lang_group.bin")}, err);
    EXPECT_EQ(w.messages.messages.size(), 1u);
    EXPECT_TRUE(err.str().empty());
}

}  // namespace
}  // namespace zorvane

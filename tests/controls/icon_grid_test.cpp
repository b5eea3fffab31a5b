#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QScrollBar>

#include "controls/auto_adjust_icon_grid.h"
#include "controls/grid_icon_source.h"
#include "controls/qt_image.h"
#include "core/icon_by_index.h"
#include "platform/folders.h"
#include "support/test_support.h"
#include "support/qt_app.h"

namespace zorvane {
namespace {

using test::TempDir;

// A file with a fixed number of icons; counts the icons drawn.
class FakeIcons : public GridIconSource {
public:
    explicit FakeIcons(int count) : count_(count) {}
    int Count(const QString&) override { return count_; }
    QImage Icon(const QString&, int index) override {
        drawn.push_back(index);
        QImage icon(32, 32, QImage::Format_ARGB32);
        icon.fill(Qt::red);
        return icon;
    }
    std::vector<int> drawn;

private:
    int count_;
};

// The cells the grid reported as selected.
struct SelectionLog {
    explicit SelectionLog(TAutoAdjustIconGrid& grid) {
        QObject::connect(&grid, &TAutoAdjustIconGrid::SelectCell,
                         [this](int col, int row) { cells.emplace_back(col, row); });
    }
    std::vector<std::pair<int, int>> cells;
};

class IconGridTest : public ::testing::Test {
protected:
    void SetUp() override { test::EnsureQtApp(); }

    // A grid of the given size with a 17-pixel scroll bar showing a file of n icons.
    std::unique_ptr<TAutoAdjustIconGrid> MakeGrid(int width, int height, int n,
                                                  TFixedDirection direction = fdHorizontal) {
        icons = std::make_unique<FakeIcons>(n);
        auto grid = std::make_unique<TAutoAdjustIconGrid>();
        grid->SetIconSource(icons.get());
        grid->SetScrollBarSize(17);
        grid->SetFixedDirection(direction);
        grid->resize(width, height);
        grid->SetModuleName(Module("icons.dll"));
        return grid;
    }
    QString Module(const std::string& name) {
        test::WriteFile(dir / name, {0});
        return QString::fromStdString((dir / name).string());
    }

    TempDir dir;
    std::unique_ptr<FakeIcons> icons;
};

TEST_F(IconGridTest, FillsRowsAndCountsTheScrollBarWhetherShownOrNot) {
    auto grid = MakeGrid(446, 300, 23);
    EXPECT_EQ(grid->ColCount(), 10);
    EXPECT_EQ(grid->RowCount(), 3);
    // The trailing cells of the last row lie beyond the last icon.
    EXPECT_EQ(grid->CellToIndex(2, 2), 22);
    EXPECT_EQ(grid->CellToIndex(3, 2), 23);
    EXPECT_EQ(grid->CellToIndex(9, 2), 29);

    auto few = MakeGrid(446, 300, 4);
    EXPECT_EQ(few->ColCount(), 4);
    EXPECT_EQ(few->RowCount(), 1);

    // Narrower than one cell plus the bar: one column, one row per icon.
    auto narrow = MakeGrid(40, 300, 5);
    EXPECT_EQ(narrow->ColCount(), 1);
    EXPECT_EQ(narrow->RowCount(), 5);

    auto none = MakeGrid(446, 300, 0);
    EXPECT_EQ(none->ColCount(), 1);
    EXPECT_EQ(none->RowCount(), 1);
}

TEST_F(IconGridTest, FillsColumnsInTheVerticalDirection) {
    auto grid = MakeGrid(300, 175, 8, fdVertical);
    EXPECT_EQ(grid->RowCount(), 3);
    EXPECT_EQ(grid->ColCount(), 3);
    EXPECT_EQ(grid->CellToIndex(1, 2), 5);

    SelectionLog log(*grid);
    grid->SelectIndex(7);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(log.cells.size(), 2u) << "each move raises the selection event";

    auto flat = MakeGrid(300, 20, 3, fdVertical);
    EXPECT_EQ(flat->RowCount(), 1);
    EXPECT_EQ(flat->ColCount(), 3);
}

TEST_F(IconGridTest, SelectIndexMovesAsAClickWouldAndIgnoresIndexZeroAndBelow) {
    auto grid = MakeGrid(446, 300, 23);
    SelectionLog log(*grid);
    grid->SelectIndex(0);
    grid->SelectIndex(-3);
    EXPECT_TRUE(log.cells.empty());
    grid->SelectIndex(13);
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_EQ(grid->Row(), 1);
    ASSERT_FALSE(log.cells.empty());
    EXPECT_EQ(log.cells.back(), std::make_pair(3, 1));
    // An index past the grid's cells moves nowhere.
    grid->SelectIndex(95);
    EXPECT_EQ(grid->CellToIndex(grid->Col(), grid->Row()), 13);
}

TEST_F(IconGridTest, TakesModulesAndIconFilesOnlyAndKeepsItsCellForTheSameName) {
    auto grid = MakeGrid(446, 300, 23);
    const QString module = grid->ModuleName();
    grid->ClickCell(4, 1);
    grid->SetModuleName(module);
    EXPECT_EQ(grid->Col(), 4) << "the same name again changes nothing";

    grid->SetModuleName(Module("notes.txt"));
    grid->SetModuleName(QString::fromStdString((dir / "missing.dll").string()));
    grid->SetModuleName(Module("noextension"));
    EXPECT_EQ(grid->ModuleName(), module);

    grid->SetModuleName(Module("Upper.ICO"));
    EXPECT_TRUE(grid->ModuleName().endsWith("Upper.ICO"));
    EXPECT_EQ(grid->Col(), 0);

    grid->SetModuleName(Module("page.html"));
    EXPECT_EQ(grid->ModuleName(), QString::fromStdString(ProgramFilesFolder()) + "Internet Explorer/iexplore.exe");

    grid->CloseModule();
    EXPECT_TRUE(grid->ModuleName().isEmpty());
    EXPECT_EQ(grid->IconCount(), 23) << "count and layout stay after closing";
}

TEST_F(IconGridTest, DrawsOnlyCellsThatHoldAnIcon) {
    auto grid = MakeGrid(446, 200, 23);
    grid->grab();
    ASSERT_FALSE(icons->drawn.empty());
    for (int index : icons->drawn) EXPECT_LT(index, 23);

    icons->drawn.clear();
    grid->CloseModule();
    grid->grab();
    EXPECT_TRUE(icons->drawn.empty());
}

TEST_F(IconGridTest, KeysMoveTheCurrentCellAsInAnyGrid) {
    // 10 columns, 10 rows (95 icons), three rows in view.
    auto grid = MakeGrid(17 + 10 * 40, 3 * 40 + 20, 95);
    grid->show();
    QApplication::processEvents();
    ASSERT_EQ(grid->viewport()->height() / 40, 3);
    struct Case {
        QPoint from;
        int key;
        Qt::KeyboardModifiers modifiers;
        QPoint to;
    };
    const Case cases[] = {
        {{4, 5}, Qt::Key_Home, Qt::NoModifier, {0, 5}},
        {{4, 5}, Qt::Key_End, Qt::NoModifier, {9, 5}},
        {{4, 5}, Qt::Key_Home, Qt::ControlModifier, {0, 0}},
        {{4, 5}, Qt::Key_End, Qt::ControlModifier, {9, 9}},  // past the last icon, as any cell
        {{4, 5}, Qt::Key_PageUp, Qt::NoModifier, {4, 2}},
        {{4, 5}, Qt::Key_PageDown, Qt::NoModifier, {4, 8}},
        {{4, 1}, Qt::Key_PageUp, Qt::NoModifier, {4, 0}},
        {{4, 8}, Qt::Key_PageDown, Qt::NoModifier, {4, 9}},
        {{4, 5}, Qt::Key_Left, Qt::NoModifier, {3, 5}},
        {{4, 5}, Qt::Key_Down, Qt::NoModifier, {4, 6}},
        {{0, 5}, Qt::Key_Left, Qt::NoModifier, {0, 5}},  // the arrows do not wrap
        {{0, 5}, Qt::Key_Home, Qt::NoModifier, {0, 5}},
        {{4, 0}, Qt::Key_PageUp, Qt::NoModifier, {4, 0}},
    };
    SelectionLog log(*grid);
    for (const Case& c : cases) {
        grid->ClickCell(c.from.x(), c.from.y());
        log.cells.clear();
        QKeyEvent press(QEvent::KeyPress, c.key, c.modifiers);
        QApplication::sendEvent(grid.get(), &press);
        EXPECT_EQ(QPoint(grid->Col(), grid->Row()), c.to)
            << "key " << c.key << " from " << c.from.x() << "," << c.from.y();
        // A key that leaves the cell where it is selects nothing again.
        EXPECT_EQ(log.cells.size(), c.to == c.from ? 0u : 1u);
    }
}

TEST_F(IconGridTest, AnEmptyGridMarksNoCellScrollsNowhereAndTakesNoClicks) {
    auto grid = MakeGrid(446, 200, 95);
    grid->show();
    ASSERT_GT(grid->verticalScrollBar()->maximum(), 0);
    const QRgb highlight = grid->palette().color(QPalette::Highlight).rgb();
    auto marked = [&] {
        const QImage shot = grid->viewport()->grab().toImage();
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (shot.pixel(x, y) == highlight) return true;
        return false;
    };
    ASSERT_TRUE(marked());
    grid->CloseModule();
    QApplication::processEvents();
    EXPECT_FALSE(marked());
    EXPECT_EQ(grid->verticalScrollBar()->maximum(), 0);
    EXPECT_FALSE(grid->verticalScrollBar()->isVisible());
    SelectionLog log(*grid);
    grid->ClickCell(1, 1);
    EXPECT_TRUE(log.cells.empty());

    TAutoAdjustIconGrid fresh;
    fresh.resize(446, 30);
    fresh.show();
    QApplication::processEvents();
    EXPECT_FALSE(fresh.verticalScrollBar()->isVisible());
}

// The core source keeps the counted module open: its icons stay those of the file read
// afresh, for every group, across files and after closing.
TEST(CoreGridIconSourceTest, GivesTheIconsOfTheFileReadAfresh) {
    test::EnsureQtApp();
    CoreGridIconSource source;
    for (const char* name : {"many.dll", "blue.ico", "numbered.dll", "many.dll"}) {
        const std::string path = test::BuiltFixture(name).string();
        const QString file = QString::fromStdString(path);
        const int count = source.Count(file);
        ASSERT_GT(count, 0) << name;
        for (int i = -1; i <= count; ++i)
            EXPECT_EQ(source.Icon(file, i), ToQImage(IconByIndex(path, i))) << name << " " << i;
    }
    const std::string other = test::BuiltFixture("mixed.dll").string();
    EXPECT_EQ(source.Icon(QString::fromStdString(other), 1), ToQImage(IconByIndex(other, 1)));
    source.Close();
    const std::string many = test::BuiltFixture("many.dll").string();
    EXPECT_EQ(source.Icon(QString::fromStdString(many), 2), ToQImage(IconByIndex(many, 2)));
}

}  // namespace
}  // namespace zorvane

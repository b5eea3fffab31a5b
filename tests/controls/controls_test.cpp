#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>

#include "controls/bg_box.h"
#include "controls/focus_edge_scroll_bar.h"
#include "controls/vista_alt_fix.h"
#include "support/qt_app.h"

namespace zorvane {
namespace {

const QRgb kSilver = qRgb(192, 192, 192);
const QRgb kWhite = qRgb(255, 255, 255);

TEST(BackgroundBox, RepeatsAFourPixelCheckerFromItsTopLeftCorner) {
    test::EnsureQtApp();
    TbgBox box;
    const QImage& tile = box.CheckerTile();
    ASSERT_EQ(tile.size(), QSize(8, 8));
    EXPECT_EQ(tile.pixel(0, 0), kSilver);
    EXPECT_EQ(tile.pixel(3, 3), kSilver);
    EXPECT_EQ(tile.pixel(4, 0), kWhite);
    EXPECT_EQ(tile.pixel(0, 4), kWhite);
    EXPECT_EQ(tile.pixel(7, 7), kSilver);

    // Ten pixels wide: two whole squares and half of a third in each row of squares.
    box.resize(10, 8);
    QImage shot = box.grab().toImage();
    EXPECT_EQ(shot.pixel(0, 0), kSilver);
    EXPECT_EQ(shot.pixel(4, 0), kWhite);
    EXPECT_EQ(shot.pixel(8, 0), kSilver);
    EXPECT_EQ(shot.pixel(9, 0), kSilver);
    box.resize(30, 30);
    shot = box.grab().toImage();
    EXPECT_EQ(shot.pixel(0, 0), kSilver) << "the pattern stays anchored after a resize";
    EXPECT_EQ(shot.pixel(12, 8), kWhite);
}

TEST(FocusEdgeScrollBar, StartsAsTheToolboxNeedsAndIgnoresACornerOfZero) {
    test::EnsureQtApp();
    TFocusEdgeScrollBar bar;
    EXPECT_EQ(bar.size(), QSize(175, 17));
    EXPECT_EQ(bar.pageStep(), 10);
    EXPECT_EQ(bar.singleStep(), 1);
    EXPECT_EQ(bar.orientation(), Qt::Horizontal);
    EXPECT_EQ(bar.FocusEdgeColor(), 255);
    EXPECT_EQ(bar.CornerSize(), 3u);
    bar.SetCornerSize(0);
    EXPECT_EQ(bar.CornerSize(), 3u);
    bar.SetCornerSize(5);
    EXPECT_EQ(bar.CornerSize(), 5u);
}

TEST(FocusEdgeScrollBar, BracketsCoverArmsOfTheCornerLengthWithoutTheirEndPoints) {
    const auto pixels = TFocusEdgeScrollBar::BracketPixels(179, 17, 3);
    auto has = [&](int x, int y) { return std::count(pixels.begin(), pixels.end(), QPoint(x, y)) > 0; };
    // Top left: (3,0) to (0,0) to (0,3), the last point of each segment left out.
    EXPECT_TRUE(has(3, 0));
    EXPECT_TRUE(has(0, 0));
    EXPECT_TRUE(has(0, 2));
    EXPECT_FALSE(has(0, 3));
    // Bottom right: (175,16) to (178,16) to (178,13).
    EXPECT_TRUE(has(175, 16));
    EXPECT_TRUE(has(178, 16));
    EXPECT_TRUE(has(178, 14));
    EXPECT_FALSE(has(178, 13));
    EXPECT_EQ(pixels.size(), 4u * 6u);
    for (const QPoint& p : pixels) {
        EXPECT_TRUE(p.x() >= 0 && p.x() < 179 && p.y() >= 0 && p.y() < 17);
    }
}

TEST(FocusEdgeScrollBar, ReportsUserStepsAfterThePositionMovedButNotProgramChanges) {
    test::EnsureQtApp();
    TFocusEdgeScrollBar bar;
    bar.setRange(-10, 10);
    std::vector<std::pair<int, int>> seen;  // code, value at the time
    QObject::connect(&bar, &TFocusEdgeScrollBar::Scrolled, [&](int code) { seen.emplace_back(code, bar.value()); });
    bar.triggerAction(QAbstractSlider::SliderSingleStepAdd);
    bar.triggerAction(QAbstractSlider::SliderPageStepSub);
    bar.setValue(10);
    bar.triggerAction(QAbstractSlider::SliderSingleStepAdd);  // at the end: no move, still reported
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], std::make_pair(int(SB_LINERIGHT), 1));
    EXPECT_EQ(seen[1], std::make_pair(int(SB_PAGELEFT), -9));
    EXPECT_EQ(seen[2], std::make_pair(int(SB_LINERIGHT), 10));
}

TEST(VistaAltFix, IsInactiveHere) {
    TVistaAltFix fix;
    EXPECT_TRUE(fix.RepaintAll());
    EXPECT_FALSE(fix.Active());
}

}  // namespace
}  // namespace zorvane

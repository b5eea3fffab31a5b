#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QScrollArea>
#include <QTableWidget>

#include "controls/auto_adjust_icon_grid.h"
#include "controls/focus_edge_scroll_bar.h"
#include "core/color_adjust.h"
#include "support/icon_builder.h"
#include "support/test_support.h"
#include "ui/preview_image.h"
#include "ui_test_support.h"

namespace zorvane {
namespace {

using test::BuiltFixture;
using test::TempDir;

struct Geometry {
    int rotation;
    bool mirrored;
};

Geometry After(TForm1& f, std::initializer_list<QAction*> commands) {
    for (QAction* command : commands) command->trigger();
    return {f.Transform.Rotation, f.Transform.Mirrored};
}

TEST(Preview, TransformCommandsComposeAsTheImageIsSeen) {
    test::WindowUnderTest w;
    w.Open(BuiltFixture("numbered.dll"));
    TForm1& f = *w;
    auto expect = [&](std::initializer_list<QAction*> commands, int rotation, bool mirrored) {
        f.Cancel->trigger();
        const Geometry g = After(f, commands);
        EXPECT_EQ(g.rotation, rotation);
        EXPECT_EQ(g.mirrored, mirrored);
    };
    expect({f.HorzMirror, f.Rotate90, f.VertMirror}, 1, false);
    expect({f.HorzMirror, f.HorzMirror}, 0, false);
    expect({f.Rotate90, f.Rotate90, f.Rotate90, f.Rotate90}, 0, false);
    expect({f.Rotate90, f.HorzMirror}, 3, true);
    expect({f.VertMirror}, 2, true);
    expect({f.Rotate270, f.Rotate180}, 1, false);

    // The reset also returns the bars to 0; listing a group starts unturned.
    f.SBar_V->setValue(25);
    f.Cancel->trigger();
    EXPECT_EQ(f.SBar_V->value(), 0);
    EXPECT_EQ(f.LabelV->text(), "0");
    f.Rotate90->trigger();
    f.DG->ClickCell(2, 0);
    EXPECT_EQ(f.Transform.Rotation, 0);
}

TEST(Preview, ZoomStretchesTheImageAndThePadRowAndCentresIt) {
    test::WindowUnderTest w;
    w.Open(BuiltFixture("many.dll"));
    TForm1& f = *w;
    f.ListView1->selectRow(3);  // 48 x 48
    ASSERT_EQ(f.WorkBitmap.width(), 48);
    ASSERT_EQ(f.WorkBitmap.height(), 49);
    EXPECT_EQ(f.Image->size(), QSize(48, 49));

    f.Iconnic->trigger();
    EXPECT_EQ(f.ComboZoom->currentIndex(), 0) << "zoom out at 100 % does nothing";
    for (int i = 0; i < 6; ++i) f.Zoom->trigger();
    EXPECT_EQ(f.ComboZoom->currentIndex(), 5);
    EXPECT_EQ(f.ZoomFactor(), 8);
    EXPECT_TRUE(f.ZoomItems[5]->isChecked());
    EXPECT_EQ(f.Image->size(), QSize(384, 385));
    EXPECT_EQ(f.Image->Picture().size(), QSize(384, 385));
    // The pad row's share is transparent, whatever the image's own bottom row.
    EXPECT_EQ(qAlpha(f.Image->Picture().pixel(100, 384)), 0);

    f.N8001Click(f.ZoomItems[2]);
    EXPECT_EQ(f.ComboZoom->currentIndex(), 2);
    EXPECT_EQ(f.Image->size(), QSize(144, 145));
    const QSize area = f.ImgBox->viewport()->size();
    EXPECT_EQ(f.Image->x(), std::max(0, (area.width() - 144) / 2));
    EXPECT_EQ(f.Image->y(), std::max(0, (area.height() - 145) / 2));

    f.CloseFile->trigger();
    EXPECT_EQ(f.Image->size(), QSize(0, 0));
}

// Opens an icon file of one 24-bit image in the window.
void OpenImage24(test::WindowUnderTest& w, const TempDir& dir, int width, int height,
                 test::Rgb24 (*pixel)(int x, int y)) {
    test::WriteFile(dir / "image.ico",
                    test::MakeIconFileFromRaw({{width, height, 24, test::MakeIcon24(width, height, pixel)}}));
    w.Open(dir / "image.ico");
}

test::Rgb24 KeyAndRed(int x, int) { return x < 4 ? test::Rgb24{255, 255, 254} : test::Rgb24{200, 0, 0}; }

TEST(Preview, KeyColouredPixelsAreTransparentAndNeverRecoloured) {
    TempDir dir;
    test::WindowUnderTest w;
    OpenImage24(w, dir, 8, 8, KeyAndRed);
    TForm1& f = *w;
    const auto work = f.WorkBitmap.pixels();
    f.SBar_H->setValue(120);
    f.ScrollBarScroll(f.SBar_H);
    EXPECT_EQ(f.LabelH->text(), "120");
    EXPECT_EQ(f.WorkBitmap.pixels(), work) << "the working bitmap never takes the adjustment";
    const QImage& shown = f.Image->Picture();
    EXPECT_EQ(qAlpha(shown.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(shown.pixel(3, 7)), 0);
    const QRgb moved = shown.pixel(5, 2);
    EXPECT_EQ(qAlpha(moved), 255);
    EXPECT_LT(qRed(moved), 10);
    EXPECT_GT(qGreen(moved), 150) << "red turned by 120 degrees is green";

    // A bar moved with no image shown changes only its label.
    f.CloseFile->trigger();
    f.SBar_S->setValue(-40);
    f.ScrollBarScroll(f.SBar_S);
    EXPECT_EQ(f.LabelS->text(), "-40");
    EXPECT_TRUE(f.Image->Picture().isNull());
}

test::Rgb24 Stripes(int, int y) { return y < 8 ? test::Rgb24{0, 0, 200} : test::Rgb24{0, 200, 0}; }

TEST(Preview, AQuarterTurnOfANonSquareImageTakesTheTurnedSize) {
    TempDir dir;
    test::WindowUnderTest w;
    OpenImage24(w, dir, 8, 16, Stripes);
    TForm1& f = *w;
    ASSERT_EQ(f.WorkBitmap.width(), 8);
    ASSERT_EQ(f.WorkBitmap.height(), 17);
    f.Rotate90->trigger();
    ASSERT_EQ(f.WorkBitmap.width(), 16);
    ASSERT_EQ(f.WorkBitmap.height(), 9);
    // Turned clockwise, the blue top half lies on the right.
    EXPECT_EQ(f.WorkBitmap.pixelColor(15, 0), (Rgb{0, 0, 200}));
    EXPECT_EQ(f.WorkBitmap.pixelColor(0, 0), (Rgb{0, 200, 0}));
    EXPECT_EQ(ToTColor(f.WorkBitmap.pixelColor(0, 8)), PreviewKeyColor) << "the pad row";
    EXPECT_EQ(f.Image->size(), QSize(16, 9));
}

}  // namespace
}  // namespace zorvane

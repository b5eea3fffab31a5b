#include "ui/picture_preview.h"

#include <gtest/gtest.h>

#include "core/bitmap_file.h"
#include "encoders/save_encoding.h"
#include "support/test_support.h"
#include "ui_test_support.h"

namespace zorvane {
namespace {

TEST(PicturePreview, ShowsSavedPicturesAndNothingForOtherFiles) {
    test::EnsureQtApp();
    test::TempDir dir;
    Bitmap bitmap(7, 5, 24);
    for (int x = 0; x < 7; ++x) bitmap.row(1)[3 * x + 2] = 200;  // a red second row
    test::WriteFile(dir / "a.png", EncodePngForSave(bitmap, true));
    SaveBitmapFile(bitmap, (dir / "a.bmp").string());
    test::WriteFile(dir / "bad.png", {0x89, 'P', 'N', 'G', 1, 2, 3});
    test::WriteFile(dir / "notes.txt", {'h', 'i'});

    const auto load = [&dir](const char* name) {
        return LoadPreviewPicture(QString::fromStdString((dir / name).string()));
    };
    for (const char* name : {"a.png", "a.bmp"}) {
        const QImage image = load(name);
        ASSERT_EQ(image.size(), QSize(7, 5)) << name;
        EXPECT_EQ(qRed(image.pixel(3, 1)), 200) << name;
    }
    // The PNG's bottom-left colour (black) is transparent.
    EXPECT_EQ(qAlpha(load("a.png").pixel(0, 4)), 0);
    EXPECT_EQ(qAlpha(load("a.png").pixel(0, 1)), 255);
    for (const char* name : {"bad.png", "notes.txt", "missing.gif"}) EXPECT_TRUE(load(name).isNull()) << name;
}

}  // namespace
}  // namespace zorvane

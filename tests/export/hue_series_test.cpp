#include "export/hue_series.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/bitmap_file.h"
#include "core/icon_encode.h"
#include "core/icon_file.h"
#include "export/export_names.h"
#include "platform/file_io.h"
#include "support/icon_builder.h"
#include "support/test_support.h"

namespace zorvane {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;

class HueSeriesTest : public ::testing::Test {
protected:
    void SetUp() override { LoadIconFile(stream, test::BuiltFixture("depths.ico").string()); }

    HueSeriesSource Source(int image, int hue) const {
        return {stream, "depths", 0, image, {hue, 10, -20, TransformState{1, true}}};
    }
    HueSeriesOptions Options(ExportFormat format, const fs::path& folder) const {
        return {folder.string(), 8, 45, format, true};
    }
    // The bitmap file the save command writes for this image at this hue.
    std::vector<std::uint8_t> ExpectedBitmapFile(int image, int hue) {
        RecordingMessageSink sink;
        const auto bitmap = ExportBitmap(stream, image, Source(image, hue).edit, sink);
        return bitmap ? EncodeBitmapFile(*bitmap) : std::vector<std::uint8_t>{};
    }
    static std::vector<std::string> FilesIn(const fs::path& folder) {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TIconStream stream;
    RecordingMessageSink messages;
    test::TempDir dir;
};

TEST_F(HueSeriesTest, DefaultsWriteEightFilesStepping45Degrees) {
    for (ExportFormat format : {ExportFormat::Png, ExportFormat::Bitmap}) {
        const fs::path folder = dir / ExtensionOf(format);
        fs::create_directory(folder);
        const auto written = WriteHueSeries(Source(4, 0), Options(format, folder), messages);
        ASSERT_EQ(written.size(), 8u);
        std::vector<std::string> expected;
        for (int k = 0; k < 8; ++k) expected.push_back("depths-0-4-" + std::to_string(k) + "." + ExtensionOf(format));
        EXPECT_EQ(FilesIn(folder), expected);
        EXPECT_EQ(written.back(), (folder / expected.back()).string());
    }
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(ReadFile(dir / "bmp" / ("depths-0-4-" + std::to_string(k) + ".bmp")), ExpectedBitmapFile(4, 45 * k))
            << k;
    EXPECT_NE(ReadFile(dir / "bmp" / "depths-0-4-0.bmp"), ReadFile(dir / "bmp" / "depths-0-4-1.bmp"));
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(HueSeriesTest, AFullTurnGivesTheSameImage) {
    const fs::path from0 = dir / "from0", from90 = dir / "from90";
    fs::create_directory(from0);
    fs::create_directory(from90);
    for (ExportFormat format : {ExportFormat::Bitmap, ExportFormat::SingleIcon}) {
        WriteHueSeries(Source(4, 0), Options(format, from0), messages);
        WriteHueSeries(Source(4, 90), Options(format, from90), messages);
        const std::string ext = ExtensionOf(format);
        EXPECT_EQ(ReadFile(from90 / ("depths-0-4-6." + ext)), ReadFile(from0 / ("depths-0-4-0." + ext))) << ext;
        EXPECT_NE(ReadFile(from90 / ("depths-0-4-5." + ext)), ReadFile(from0 / ("depths-0-4-0." + ext))) << ext;
    }
}

TEST_F(HueSeriesTest, GroupFormatWritesWholeGroupsNamedWithTheImage) {
    auto options = Options(ExportFormat::GroupIcon, dir.path());
    options.count = 3;
    options.step = 120;
    WriteHueSeries(Source(2, 30), options, messages);
    EXPECT_EQ(FilesIn(dir.path()),
              (std::vector<std::string>{"depths-0-2-0.ico", "depths-0-2-1.ico", "depths-0-2-2.ico"}));
    for (int k = 0; k < 3; ++k) {
        const auto edit = Source(2, 30 + 120 * k).edit;
        EXPECT_EQ(ReadFile(dir / ("depths-0-2-" + std::to_string(k) + ".ico")),
                  EncodeIconGroup(stream, edit.hue, edit.saturation, edit.value, edit.state, messages).value());
    }
}

TEST_F(HueSeriesTest, FileThatCannotBeCreatedStopsTheSeriesAndKeepsEarlierFiles) {
    fs::create_directory(dir / "depths-0-4-3.png");  // a folder where file 3 should go
    try {
        WriteHueSeries(Source(4, 0), Options(ExportFormat::Png, dir.path()), messages);
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find((dir / "depths-0-4-3.png").string()), std::string::npos) << e.what();
    }
    EXPECT_EQ(FilesIn(dir.path()), (std::vector<std::string>{"depths-0-4-0.png", "depths-0-4-1.png", "depths-0-4-2.png",
                                                             "depths-0-4-3.png"}));
    EXPECT_THROW(WriteHueSeries(Source(4, 0), Options(ExportFormat::GroupIcon, dir / "missing"), messages), FileError);
    EXPECT_FALSE(fs::exists(dir / "missing"));
}

TEST_F(HueSeriesTest, ImageThatCannotBeMadeStopsPicturesButNotIcons) {
    // A 2-bit image: no depth the core decodes or adjusts.
    auto image = test::MakeIconImage({16, 16, 1, 3});
    image[14] = 2;
    stream.clear();
    const auto file = test::MakeIconFileFromRaw({{16, 16, 2, image}});
    stream.write(file);
    for (ExportFormat format : {ExportFormat::Gif, ExportFormat::SingleIcon}) {
        SCOPED_TRACE(ExtensionOf(format));
        messages.messages.clear();
        const auto written = WriteHueSeries(Source(0, 0), Options(format, dir.path()), messages);
        EXPECT_TRUE(written.empty());
        if (format == ExportFormat::Gif) {
            ASSERT_FALSE(messages.messages.empty());
            EXPECT_EQ(messages.messages.back().text, kBitmapFailedMessage);
            EXPECT_LE(messages.messages.size(), 2u);  // the core's reason, then ours, once
        } else {
            EXPECT_GE(messages.messages.size(), 8u);  // every file was tried
        }
    }
    EXPECT_TRUE(FilesIn(dir.path()).empty());
}

TEST(ExportNames, FollowTheDocumentGroupAndImage) {
    EXPECT_EQ(DocumentBaseName("/windows/system32/shell32.dll"), "shell32");
    EXPECT_EQ(DocumentBaseName("archive.tar.gz"), "archive.tar");
    EXPECT_EQ(GroupFileName("shell32", 3), "shell32-3.ico");
    EXPECT_EQ(GroupFileName("arrow", 0, "cur"), "arrow-0.cur");
    EXPECT_EQ(ImageFileName("shell32", 3, 0, "png"), "shell32-3-0.png");
    EXPECT_EQ(SeriesFileName(SeriesName("b", 10, 2), 7, "gif"), "b-10-2-7.gif");
    EXPECT_EQ(PathInFolder("/icons", "a.ico"), "/icons/a.ico");
    EXPECT_EQ(PathInFolder("/", "a.ico"), "/a.ico");
    EXPECT_EQ(HueSeriesConfirmation("/icons", 8), "/icons\r\nに、計8枚の画像を作成します。よろしいですか？");
}

}  // namespace
}  // namespace zorvane

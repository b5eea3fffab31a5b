#include "export/ordered_picture_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "platform/file_io.h"
#include "support/test_support.h"

namespace zorvane {
namespace {

namespace fs = std::filesystem;

// Calls back at each message, to look at the disk as the user would see it then.
class WatchingSink : public MessageSink {
public:
    explicit WatchingSink(std::function<void()> watch) : watch_(std::move(watch)) {}
    bool show(MessageKind, const std::string&) override {
        watch_();
        return true;
    }

private:
    std::function<void()> watch_;
};

// Files are encoded out of turn but reach the disk in order, each as the save command writes
// it, none after the first that cannot be created, and all before a message is shown.
TEST(OrderedPictureWriterTest, WritesInOrderStopsAtAFailureAndFlushesBeforeMessages) {
    test::TempDir dir;
    std::vector<Bitmap> bitmaps;
    for (int k = 0; k < 6; ++k) {
        bitmaps.emplace_back(8 + k, 8, 24);
        auto& pixels = bitmaps.back().pixels();
        std::fill(pixels.begin(), pixels.end(), static_cast<std::uint8_t>(40 * k));
    }
    const auto path = [&](std::size_t k) { return (dir / ("f" + std::to_string(k) + ".bmp")).string(); };
    fs::create_directory(path(4));  // file 4 cannot be created

    OrderedPictureWriter writer(ExportFormat::Bitmap, false);
    std::size_t onDiskAtMessage = 0;
    WatchingSink watching([&] { onDiskAtMessage = writer.written().size(); });
    FlushingMessageSink sink(watching, writer);
    for (std::size_t k = 0; k < 3; ++k) writer.Add(bitmaps[k], path(k));
    sink.show(MessageKind::Warning, "image 3");
    EXPECT_EQ(onDiskAtMessage, 3u);
    EXPECT_THROW(
        {
            for (std::size_t k = 3; k < 6; ++k) writer.Add(bitmaps[k], path(k));
            writer.Flush();
        },
        FileError);
    EXPECT_EQ(writer.written().size(), 4u);
    for (std::size_t k = 0; k < 4; ++k)
        EXPECT_EQ(test::ReadFile(path(k)), EncodePictureFile(bitmaps[k], ExportFormat::Bitmap, false));
    EXPECT_FALSE(fs::exists(path(5)));
}

}  // namespace
}  // namespace zorvane

#include "export/ordered_picture_writer.h"

#include <algorithm>
#include <memory>
#include <system_error>
#include <thread>

#include "platform/file_io.h"

namespace zorvane {

OrderedPictureWriter::OrderedPictureWriter(ExportFormat format, bool transparent)
    : format_(format),
      transparent_(transparent),
      inFlight_(std::max(1u, std::thread::hardware_concurrency())),
      // One core: encode in turn at the write, with no thread to start.
      policy_(inFlight_ > 1 ? std::launch::async : std::launch::deferred) {}

void OrderedPictureWriter::Add(Bitmap bitmap, std::string path) {
    while (pending_.size() >= inFlight_) WriteOldest();
    auto encode = [shared = std::make_shared<const Bitmap>(std::move(bitmap)), format = format_,
                   transparent = transparent_] { return EncodePictureFile(*shared, format, transparent); };
    pending_.push_back({std::move(path), Start(encode)});
}

std::future<std::vector<std::uint8_t>> OrderedPictureWriter::Start(
    const std::function<std::vector<std::uint8_t>()>& encode) {
    try {
        return std::async(policy_, encode);
    } catch (const std::system_error&) {
        // No thread to be had (a process limit): this file is encoded in turn at its write.
        return std::async(std::launch::deferred, encode);
    }
}

void OrderedPictureWriter::Flush() {
    while (!pending_.empty()) WriteOldest();
}

void OrderedPictureWriter::WriteOldest() {
    Pending file = std::move(pending_.front());
    pending_.pop_front();
    WriteFileReplacing(file.path, file.bytes.get());
    written_.push_back(std::move(file.path));
}

}  // namespace zorvane

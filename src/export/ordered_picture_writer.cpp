#include "export/ordered_picture_writer.h"

#include <algorithm>
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
    auto encode = [bitmap = std::move(bitmap), format = format_, transparent = transparent_] {
        return EncodePictureFile(bitmap, format, transparent);
    };
    pending_.push_back({std::move(path), std::async(policy_, std::move(encode))});
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

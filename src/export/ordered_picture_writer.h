#pragma once
// The files of a picture series encoded on the other cores while the next image is made,
// and written on the calling thread in series order: what is on disk, and when, matches
// encoding and writing each file in turn, only sooner. Encoding is the bulk of a file's
// cost (deflate, the colour reduction), and it needs nothing but the bitmap.

#include <deque>
#include <functional>
#include <future>
#include <string>
#include <vector>

#include "bitmap/bitmap.h"
#include "export/picture_export.h"
#include "platform/message_sink.h"

namespace zorvane {

class OrderedPictureWriter {
public:
    // Destroyed, it waits for encodings still running and writes nothing more.
    OrderedPictureWriter(ExportFormat format, bool transparent);
    OrderedPictureWriter(const OrderedPictureWriter&) = delete;
    OrderedPictureWriter& operator=(const OrderedPictureWriter&) = delete;

    // Starts encoding bitmap as the file at path, after writing the oldest pending files
    // when as many are in hand as there are cores.
    void Add(Bitmap bitmap, std::string path);
    // Writes every pending file, oldest first. Raises what encoding or writing raises
    // (FileError for a file that cannot be created); the files before it stay written.
    void Flush();
    // The paths written so far, in order.
    const std::vector<std::string>& written() const { return written_; }

private:
    struct Pending {
        std::string path;
        std::future<std::vector<std::uint8_t>> bytes;
    };
    std::future<std::vector<std::uint8_t>> Start(const std::function<std::vector<std::uint8_t>()>& encode);
    void WriteOldest();

    ExportFormat format_;
    bool transparent_;
    std::size_t inFlight_;
    std::launch policy_;
    std::deque<Pending> pending_;
    std::vector<std::string> written_;
};

// Forwards to another sink after writing every pending file, so a message about image k
// is shown with files 0 .. k-1 already on disk, as when each was written at once.
class FlushingMessageSink : public MessageSink {
public:
    FlushingMessageSink(MessageSink& inner, OrderedPictureWriter& writer) : inner_(inner), writer_(writer) {}
    bool show(MessageKind kind, const std::string& text) override {
        writer_.Flush();
        return inner_.show(kind, text);
    }

private:
    MessageSink& inner_;
    OrderedPictureWriter& writer_;
};

}  // namespace zorvane

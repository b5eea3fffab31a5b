#include <algorithm>
#include <filesystem>

#include "bitmap/texts.h"
#include "cli/commands.h"
#include "cli/edit_options.h"
#include "cli/group_address.h"
#include "cli/open_group.h"
#include "core/bitmap_file.h"
#include "core/icon_decode.h"
#include "core/icon_encode.h"
#include "core/texts.h"
#include "encoders/save_encoding.h"
#include "platform/file_io.h"

namespace zorvane::cli {
namespace {

struct ImageRequest {
    const TIconStream& stream;
    int index;
    EditOptions edit;
    bool transparent;  // for formats that can mark a transparent colour
    std::string out;
    MessageSink& sink;
};

// The decoded image with the adjustment and geometry, as the bitmap-based saves use it.
Bitmap DecodedImage(const ImageRequest& r) {
    auto bitmap = IconImageToBitmap(r.stream, r.index, r.edit.hue, r.edit.saturation, r.edit.value, r.edit.state,
                                    r.sink);
    if (!bitmap || bitmap->empty()) throw CommandFailed(kBitmapFailedMessage);
    return std::move(*bitmap);
}

void WriteSingleIcon(const ImageRequest& r) {
    if (!SaveIconImage(r.stream, r.out, r.index, r.edit.hue, r.edit.saturation, r.edit.value, r.edit.state, r.sink))
        throw CommandFailed(kSingleIconFailedMessage);
}

void WriteBitmapFile(const ImageRequest& r) { SaveBitmapFile(DecodedImage(r), r.out); }

void WritePngFile(const ImageRequest& r) {
    WriteFileReplacing(r.out, EncodePngForSave(DecodedImage(r), r.transparent));
}

void WriteGifFile(const ImageRequest& r) {
    WriteFileReplacing(r.out, EncodeGifForSave(DecodedImage(r), r.transparent));
}

struct OutputFormat {
    const char* extension;  // lower case, with the dot
    void (*write)(const ImageRequest&);
};

// One entry per output type; the extension of OUT picks it.
constexpr OutputFormat kFormats[] = {
    {".ico", WriteSingleIcon},
    {".bmp", WriteBitmapFile},
    {".png", WritePngFile},
    {".gif", WriteGifFile},
};

const OutputFormat& FormatFor(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    for (const OutputFormat& f : kFormats)
        if (ext == f.extension) return f;
    std::string known;
    for (const OutputFormat& f : kFormats) known += std::string(known.empty() ? "" : ", ") + f.extension;
    throw UsageError("image: OUT must end in one of " + known);
}

}  // namespace

// One image of a group written in the format OUT's extension names.
int RunImage(Args args, std::ostream&) {
    std::vector<std::string> rest;
    const EditOptions edit = ParseEditOptions(args, rest);
    const bool transparent = !TakeFlag(rest, "--no-transparent");
    const GroupQuery query = TakeGroupQuery(rest);
    ExpectPositional(rest, 4, "image: expected FILE G I OUT [EDIT] [--no-transparent] [--cursors] [--lang ID]");
    const OutputFormat& format = FormatFor(rest[3]);
    const int index = ParseInt(rest[2], "I");
    const TIconStream stream = OpenIconGroup(rest[0], ResolveGroup(rest[0], rest[1], query), query);
    ExpectImage(stream, rest[1], rest[2], index);
    ConsoleMessageSink sink;
    format.write({stream, index, edit, transparent, rest[3], sink});
    return 0;
}

}  // namespace zorvane::cli

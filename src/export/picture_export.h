#pragma once
// Writing one image of the icon stream, adjusted and transformed, in each output format:
// the group or the image as an icon file, or the decoded image as a bitmap, PNG or GIF file.

#include <optional>
#include <string>
#include <vector>

#include "bitmap/bitmap.h"
#include "bitmap/texts.h"
#include "core/icon_stream.h"
#include "core/transform_state.h"
#include "platform/message_sink.h"

namespace zorvane {

// Numbered as the batch's format choice lists them.
enum class ExportFormat { GroupIcon = 0, SingleIcon = 1, Bitmap = 2, Png = 3, Gif = 4 };

// "ico", "bmp", "png" or "gif".
const char* ExtensionOf(ExportFormat format);
bool IsPictureFormat(ExportFormat format);

// The adjustment and geometry an output is made with, and where the core reports.
struct ExportEdit {
    int hue = 0;
    int saturation = 0;
    int value = 0;
    TransformState state;
};

// The bitmap when it holds pixels, else nothing after the error kBitmapFailedMessage.
std::optional<Bitmap> ExportableBitmap(std::optional<Bitmap> bitmap, MessageSink& sink);

// The decoded image with the edit applied, or nothing after the error kBitmapFailedMessage
// (a missing or empty bitmap) was shown through sink.
std::optional<Bitmap> ExportBitmap(const TIconStream& stream, int image, const ExportEdit& edit, MessageSink& sink);

// The bytes of the bitmap, PNG or GIF file WritePictureFile writes; safe on any thread.
std::vector<std::uint8_t> EncodePictureFile(const Bitmap& bitmap, ExportFormat format, bool transparent);

// Writes a decoded image as a bitmap, PNG or GIF file. transparent: for PNG the
// bottom-left pixel's colour becomes transparent, for GIF the bitmap's transparent colour
// is written; bitmap files have none. A file that cannot be written raises FileError and
// leaves nothing under path.
void WritePictureFile(const Bitmap& bitmap, ExportFormat format, const std::string& path, bool transparent);

// One output of image (or, for GroupIcon, of its whole group) at path. Icon formats give
// the writer's result; picture formats give false when the bitmap could not be made.
bool ExportImage(const TIconStream& stream, int image, ExportFormat format, const std::string& path,
                 const ExportEdit& edit, bool transparent, MessageSink& sink);

}  // namespace zorvane

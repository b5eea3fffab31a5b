#include "export/picture_export.h"

#include <stdexcept>

#include "core/bitmap_file.h"
#include "core/icon_decode.h"
#include "core/icon_encode.h"
#include "encoders/save_encoding.h"
#include "platform/file_io.h"

namespace zorvane {

const char* ExtensionOf(ExportFormat format) {
    switch (format) {
    case ExportFormat::Bitmap: return "bmp";
    case ExportFormat::Png: return "png";
    case ExportFormat::Gif: return "gif";
    case ExportFormat::GroupIcon:
    case ExportFormat::SingleIcon: break;
    }
    return "ico";
}

bool IsPictureFormat(ExportFormat format) {
    return format == ExportFormat::Bitmap || format == ExportFormat::Png || format == ExportFormat::Gif;
}

std::optional<Bitmap> ExportableBitmap(std::optional<Bitmap> bitmap, MessageSink& sink) {
    if (!bitmap || bitmap->empty()) {
        sink.show(MessageKind::Error, kBitmapFailedMessage);
        return std::nullopt;
    }
    return bitmap;
}

std::optional<Bitmap> ExportBitmap(const TIconStream& stream, int image, const ExportEdit& edit, MessageSink& sink) {
    return ExportableBitmap(IconImageToBitmap(stream, image, edit.hue, edit.saturation, edit.value, edit.state, sink),
                            sink);
}

std::vector<std::uint8_t> EncodePictureFile(const Bitmap& bitmap, ExportFormat format, bool transparent) {
    switch (format) {
    case ExportFormat::Bitmap: return EncodeBitmapFile(bitmap);
    case ExportFormat::Png: return EncodePngForSave(bitmap, transparent);
    case ExportFormat::Gif: return EncodeGifForSave(bitmap, transparent);
    case ExportFormat::GroupIcon:
    case ExportFormat::SingleIcon: break;
    }
    throw std::invalid_argument("not a picture format");
}

void WritePictureFile(const Bitmap& bitmap, ExportFormat format, const std::string& path, bool transparent) {
    WriteFileReplacing(path, EncodePictureFile(bitmap, format, transparent));
}

bool ExportImage(const TIconStream& stream, int image, ExportFormat format, const std::string& path,
                 const ExportEdit& edit, bool transparent, MessageSink& sink) {
    switch (format) {
    case ExportFormat::GroupIcon:
        return SaveIconGroup(stream, path, edit.hue, edit.saturation, edit.value, edit.state, sink);
    case ExportFormat::SingleIcon:
        return SaveIconImage(stream, path, image, edit.hue, edit.saturation, edit.value, edit.state, sink);
    case ExportFormat::Bitmap:
    case ExportFormat::Png:
    case ExportFormat::Gif: break;
    }
    const std::optional<Bitmap> bitmap = ExportBitmap(stream, image, edit, sink);
    if (!bitmap) return false;
    WritePictureFile(*bitmap, format, path, transparent);
    return true;
}

}  // namespace zorvane

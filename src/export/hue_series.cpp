#include "export/hue_series.h"

#include "core/icon_decode.h"
#include "export/export_names.h"
#include "export/ordered_picture_writer.h"

namespace zorvane {

std::string HueSeriesConfirmation(const std::string& folder, int count) {
    return folder + "\r\n" + "に、計" + std::to_string(count) + "枚の画像を作成します。よろしいですか？";
}

namespace {

// The paths of a series, the part every file shares built once.
class SeriesPaths {
public:
    SeriesPaths(const HueSeriesSource& source, const HueSeriesOptions& options)
        : folder_(options.folder),
          series_(SeriesName(source.baseName, source.group, source.image)),
          // Icon outputs of a cursor group are cursor files.
          extension_(IsPictureFormat(options.format) ? ExtensionOf(options.format) : IconFileExtension(source.stream)) {
    }
    std::string operator()(int k) const { return PathInFolder(folder_, SeriesFileName(series_, k, extension_)); }

private:
    const std::string& folder_;
    std::string series_;
    std::string extension_;
};

// A picture series decodes its image once; each file costs only its hue's share of the
// colour work, made here, and the encoding, made on the other cores. It stops at the
// first image that cannot be made.
std::vector<std::string> WritePictureSeries(const HueSeriesSource& source, const HueSeriesOptions& options,
                                            MessageSink& sink) {
    const SeriesPaths paths(source, options);
    const ExportEdit& edit = source.edit;
    IconImageHues image(source.stream, source.image, edit.saturation, edit.value, edit.state);
    OrderedPictureWriter writer(options.format, options.transparent);
    FlushingMessageSink flushing(sink, writer);
    for (int k = 0; k < options.count; ++k) {
        std::optional<Bitmap> bitmap = ExportableBitmap(image.WithHue(edit.hue + options.step * k, flushing), flushing);
        if (!bitmap) break;
        writer.Add(std::move(*bitmap), paths(k));
    }
    writer.Flush();
    return writer.written();
}

}  // namespace

std::string HueSeriesPath(const HueSeriesSource& source, const HueSeriesOptions& options, int k) {
    return SeriesPaths(source, options)(k);
}

std::vector<std::string> WriteHueSeries(const HueSeriesSource& source, const HueSeriesOptions& options,
                                        MessageSink& sink) {
    if (IsPictureFormat(options.format)) return WritePictureSeries(source, options, sink);
    const SeriesPaths paths(source, options);
    std::vector<std::string> written;
    for (int k = 0; k < options.count; ++k) {
        ExportEdit edit = source.edit;
        edit.hue += options.step * k;
        const std::string path = paths(k);
        // Transparency is a PNG and GIF option; the other writers never look at it.
        const bool made = ExportImage(source.stream, source.image, options.format, path, edit, options.transparent,
                                      sink);
        if (made) written.push_back(path);
    }
    return written;
}

}  // namespace zorvane

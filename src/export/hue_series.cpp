#include "export/hue_series.h"

#include "export/export_names.h"

namespace zorvane {

std::string HueSeriesConfirmation(const std::string& folder, int count) {
    return folder + "\r\n" + "に、計" + std::to_string(count) + "枚の画像を作成します。よろしいですか？";
}

std::string HueSeriesPath(const HueSeriesSource& source, const HueSeriesOptions& options, int k) {
    const std::string series = SeriesName(source.baseName, source.group, source.image);
    // Icon outputs of a cursor group are cursor files.
    const char* extension = IsPictureFormat(options.format) ? ExtensionOf(options.format)
                                                            : IconFileExtension(source.stream);
    return PathInFolder(options.folder, SeriesFileName(series, k, extension));
}

std::vector<std::string> WriteHueSeries(const HueSeriesSource& source, const HueSeriesOptions& options,
                                        MessageSink& sink) {
    std::vector<std::string> written;
    for (int k = 0; k < options.count; ++k) {
        ExportEdit edit = source.edit;
        edit.hue += options.step * k;
        const std::string path = HueSeriesPath(source, options, k);
        // Transparency is a PNG and GIF option; the other writers never look at it.
        const bool made = ExportImage(source.stream, source.image, options.format, path, edit, options.transparent,
                                      sink);
        if (made) written.push_back(path);
        if (!made && IsPictureFormat(options.format)) break;
    }
    return written;
}

}  // namespace zorvane

#pragma once
// The all-hue batch: n files of one image (or its group) whose hue steps round the colour
// circle. File k is X-k.ext in the output folder, X = B-G-I, with hue H + step * k.

#include <string>
#include <vector>

#include "export/picture_export.h"

namespace zorvane {

struct HueSeriesOptions {
    std::string folder;
    int count = 8;
    int step = 45;
    ExportFormat format = ExportFormat::GroupIcon;
    bool transparent = true;  // PNG and GIF only
};

// Which image the series is made of and the names it carries.
struct HueSeriesSource {
    const TIconStream& stream;
    std::string baseName;  // B
    int group = 0;         // G
    int image = 0;         // I
    ExportEdit edit;       // H, S, V and the geometry of file 0
};

// The question asked before a series is written.
std::string HueSeriesConfirmation(const std::string& folder, int count);

// The path of file k of a series.
std::string HueSeriesPath(const HueSeriesSource& source, const HueSeriesOptions& options, int k);

// Writes the series and returns the paths written. Icon formats go on past a writer's
// failure; picture formats stop at the first image that cannot be made, after its message.
// A file that cannot be created raises FileError; the files written before it stay.
std::vector<std::string> WriteHueSeries(const HueSeriesSource& source, const HueSeriesOptions& options,
                                        MessageSink& sink);

}  // namespace zorvane

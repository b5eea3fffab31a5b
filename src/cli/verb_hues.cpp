#include <algorithm>
#include <iterator>

#include "cli/commands.h"
#include "cli/edit_options.h"
#include "cli/group_address.h"
#include "cli/open_group.h"
#include "export/export_names.h"
#include "export/hue_series.h"

namespace zorvane::cli {
namespace {

constexpr const char* kHuesUsage =
    "hues: expected FILE G I DIR --format icon|single|bmp|png|gif [--step S] [--count N] [EDIT] "
    "[--no-transparent] [--cursors] [--lang ID]";
constexpr int kFullTurn = 360;

ExportFormat ParseFormat(const std::optional<std::string>& name) {
    constexpr std::pair<const char*, ExportFormat> kNames[] = {
        {"icon", ExportFormat::GroupIcon}, {"single", ExportFormat::SingleIcon}, {"bmp", ExportFormat::Bitmap},
        {"png", ExportFormat::Png},        {"gif", ExportFormat::Gif},
    };
    if (!name) throw UsageError("hues: --format is required");
    for (const auto& [text, format] : kNames)
        if (*name == text) return format;
    throw UsageError("hues: unknown format " + *name);
}

// Step and count as the options dialog leaves them: one given alone sets the other to
// 360 div it; each must lie in the dialog's range, and together they turn at most once.
void ResolveStepAndCount(std::vector<std::string>& rest, HueSeriesOptions& options) {
    const auto step = TakeValue(rest, "--step");
    const auto count = TakeValue(rest, "--count");
    if (step) options.step = ParseInt(*step, "--step");
    if (count) options.count = ParseInt(*count, "--count");
    if (step && !count && options.step > 0) options.count = kFullTurn / options.step;
    if (count && !step && options.count > 0) options.step = kFullTurn / options.count;
    if (options.step < 10 || options.step > 180 || options.count < 2 || options.count > 36 ||
        options.step * options.count > kFullTurn)
        throw UsageError("hues: the step must lie in 10..180, the count in 2..36, and step x count in 360");
}

}  // namespace

// The all-hue series of one image, named and written as the window's batch writes it.
int RunHues(Args args, std::ostream& out) {
    std::vector<std::string> rest;
    const EditOptions edit = ParseEditOptions(args, rest);
    HueSeriesOptions options;
    options.transparent = !TakeFlag(rest, "--no-transparent");
    options.format = ParseFormat(TakeValue(rest, "--format"));
    ResolveStepAndCount(rest, options);
    const GroupQuery query = TakeGroupQuery(rest);
    ExpectPositional(rest, 4, kHuesUsage);
    const int group = ResolveGroup(rest[0], rest[1], query);
    const int image = ParseInt(rest[2], "I");
    options.folder = rest[3];
    const TIconStream stream = OpenIconGroup(rest[0], group, query);
    ExpectImage(stream, rest[1], rest[2], image);

    ConsoleMessageSink sink;
    const HueSeriesSource source{stream,
                                 DocumentBaseName(rest[0]),
                                 group,
                                 image,
                                 {edit.hue, edit.saturation, edit.value, edit.state}};
    const std::vector<std::string> written = WriteHueSeries(source, options, sink);
    for (const std::string& path : written) out << path << "\n";
    // A picture series that stopped early has said why.
    const bool complete = static_cast<int>(written.size()) == options.count || !IsPictureFormat(options.format);
    return complete ? 0 : 1;
}

}  // namespace zorvane::cli

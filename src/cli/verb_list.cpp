#include <iostream>

#include "cli/commands.h"
#include "cli/file_messages.h"
#include "core/icon_file.h"

namespace zorvane::cli {
namespace {

// One line per image: group, image, width, height, bit count, image size.
void ListStream(TIconStream& stream, int group, std::ostream& out) {
    FillMissingBitCounts(stream);
    for (int i = 0; i < ImageCount(stream); ++i) {
        const IconDirEntry e = DirEntry(stream, i);
        out << group << ' ' << i << ' ' << e.pixelWidth() << ' ' << e.pixelHeight() << ' ' << e.bitCount << ' '
            << e.imageSize << "\n";
    }
}

}  // namespace

int RunList(Args args, std::ostream& out) {
    if (args.empty() || args.size() > 2) throw UsageError("list: expected FILE [G]");
    const std::string& path = args[0];
    const int count = IconCountOfFile(path);
    if (count == 0) throw CommandFailed(kCannotOpenFile);
    const bool one = args.size() == 2;
    const int first = one ? ParseInt(args[1], "G") : 0;
    const int last = one ? first : count - 1;
    int status = 0;
    TIconStream stream;
    for (int g = first; g <= last; ++g) {
        LoadGroupOfFile(stream, path, g);
        if (stream.empty()) {
            std::cerr << g << ": " << kNoIconsMessage << "\n";
            status = 1;
            continue;
        }
        ListStream(stream, g, out);
    }
    return status;
}

}  // namespace zorvane::cli

#pragma once

namespace zorvane::cli {

inline constexpr const char* kUsage =
    "usage:\n"
    "  zorvane-cli count FILE\n"
    "  zorvane-cli list FILE [G]\n"
    "  zorvane-cli group FILE G|all OUT\n"
    "  zorvane-cli save FILE G OUT.ico [EDIT]\n"
    "  zorvane-cli image FILE G I OUT [EDIT] [--no-transparent]\n"
    "  zorvane-cli hues FILE G I DIR --format icon|single|bmp|png|gif [--step S] [--count N]\n"
    "              [EDIT] [--no-transparent]\n"
    "  zorvane-cli scan ROOT EXT [--tree]\n"
    "  zorvane-cli --version\n"
    "EDIT: --hue H --sat S --val V --turn OPS (OPS: comma list of r90, r270, r180, h, v, reset)\n"
    "G and I are 0-based group and image indices.\n";

}  // namespace zorvane::cli

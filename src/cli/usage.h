#pragma once

namespace zorvane::cli {

inline constexpr const char* kUsage =
    "usage:\n"
    "  zorvane-cli count FILE [GROUPS]\n"
    "  zorvane-cli list FILE [G] [--json] [GROUPS]\n"
    "  zorvane-cli group FILE G|all OUT [GROUPS]\n"
    "  zorvane-cli save FILE G OUT.ico [EDIT] [GROUPS]\n"
    "  zorvane-cli image FILE G I OUT [EDIT] [--no-transparent] [GROUPS]\n"
    "  zorvane-cli hues FILE G I DIR --format icon|single|bmp|png|gif [--step S] [--count N]\n"
    "              [EDIT] [--no-transparent] [GROUPS]\n"
    "  zorvane-cli scan ROOT EXT [--tree]\n"
    "  zorvane-cli --version\n"
    "EDIT: --hue H --sat S --val V --turn OPS (OPS: comma list of r90, r270, r180, h, v, reset)\n"
    "GROUPS: --cursors reads a module's cursor groups instead of its icon groups (group writes .cur);\n"
    "        --lang ID reads groups and images in language ID (decimal, e.g. 1033) where stored\n"
    "G: a 0-based group index, #ID for a numbered group or a group's NAME; I: a 0-based image index.\n"
    "list prints one line per image: G I WIDTH HEIGHT BITS SIZE NAME LANGUAGE (NAME #ID or the\n"
    "name, - for an icon file). list --json prints one JSON document:\n"
    "  {\"file\": F, \"groups\": [{\"index\": G, \"name\": NAME|null, \"id\": ID|null, \"language\": L|null,\n"
    "    \"images\": [{\"width\": W, \"height\": H, \"bitCount\": B, \"size\": S, \"format\": \"png\"|\"bitmap\"}]}]}\n"
    "  (width and height 256 where the directory stores 0).\n";

}  // namespace zorvane::cli

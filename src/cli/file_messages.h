#pragma once
// The texts the program shows when a file gives no icons (with kNoIconsMessage of core/texts.h).

#include "core/texts.h"

namespace zorvane::cli {

inline constexpr const char* kCannotOpenFile =
    "このファイルまたはフォルダは開けません。\nアイコンを含まないファイルか、登録されていない拡張子である可能性があります。";

}  // namespace zorvane::cli

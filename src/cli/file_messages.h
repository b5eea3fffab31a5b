#pragma once
// The texts the program shows when a file gives no icons.

namespace zorvane::cli {

inline constexpr const char* kCannotOpenFile =
    "このファイルまたはフォルダは開けません。\nアイコンを含まないファイルか、登録されていない拡張子である可能性があります。";
inline constexpr const char* kNoIcons = "アイコンが含まれていません";

}  // namespace zorvane::cli

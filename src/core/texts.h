#pragma once
// The icon core's user texts that the command line and the window show as well.

namespace zorvane {

inline constexpr const char* kIconFailedMessage = "アイコンの作成に失敗しました。";
inline constexpr const char* kSingleIconFailedMessage = "単一アイコンの作成に失敗しました。";
inline constexpr const char* kNoIconsMessage = "アイコンが含まれていません";

}  // namespace zorvane

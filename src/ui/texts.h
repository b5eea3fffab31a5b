#pragma once
// Texts several windows show.

namespace zorvane {

inline constexpr const char* kCancelCaption = "キャンセル";

}  // namespace zorvane

#pragma once
// The bitmap's user text, shown by the layers above as well as thrown here.

namespace zorvane {

inline constexpr const char* kBitmapFailedMessage = "ビットマップの作成に失敗しました。";

}  // namespace zorvane

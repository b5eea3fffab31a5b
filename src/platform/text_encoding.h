#pragma once
// Conversions of the text that Windows files carry into the UTF-8 used everywhere here.

#include <cstdint>
#include <string>
#include <string_view>

namespace zorvane {

// UTF-16LE code units to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view units);

// Text in the narrow code page of the files' home system. Valid UTF-8 (plain ASCII
// included) is kept as it is; anything else is read as Shift-JIS (code page 932), and
// bytes that are not even that become U+FFFD.
std::string AnsiToUtf8(std::string_view bytes);

// UTF-8 to code points. A byte that starts no well-formed sequence stands for itself as
// U+DC80..U+DCFF (a lone surrogate, so it never equals a real character).
std::u32string DecodeUtf8(std::string_view text);

}  // namespace zorvane

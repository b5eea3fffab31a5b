#pragma once
// Letter case without regard to script: Unicode's simple case folding, so that "Ä" and "ä",
// "Ω" and "ω" or the full-width "Ｚ" and "ｚ" match as "A" and "a" do. Paths that users see
// as the same name in other letters (the recent files) are compared this way.

#include <string_view>

namespace zorvane {

// The code point's simple case folding (mostly its lower-case form); itself when it has none.
char32_t FoldCase(char32_t c);

// Two UTF-8 texts equal after folding every code point. Bytes that are not UTF-8 compare
// as they are.
bool EqualsFoldingCase(std::string_view a, std::string_view b);

}  // namespace zorvane

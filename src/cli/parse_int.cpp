#include <charconv>

#include "cli/commands.h"

namespace zorvane::cli {

int ParseInt(const std::string& text, const char* what) {
    int value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || text.empty())
        throw UsageError(std::string("expected a number for ") + what + ": " + text);
    return value;
}

}  // namespace zorvane::cli

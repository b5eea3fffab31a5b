#pragma once
// The EDIT options shared by the verbs that write adjusted images:
//   --hue H --sat S --val V (decimal, default 0) and --turn OPS, OPS a comma list of
//   r90, r270, r180, h, v, reset applied in order as the edit commands do
//   (h mirrors left-right, v top-bottom). --turn may be given more than once.

#include <optional>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "core/transform_state.h"

namespace zorvane::cli {

struct EditOptions {
    int hue = 0;
    int saturation = 0;
    int value = 0;
    TransformState state;
};

// Takes the EDIT options out of args; every other argument is appended to rest in order.
// A missing value or an unknown turn raises UsageError.
EditOptions ParseEditOptions(Args args, std::vector<std::string>& rest);

// Applies one --turn list to state.
void ApplyTurnOps(const std::string& ops, TransformState& state);

// Removes "option VALUE" from args and gives VALUE; nothing when the option is absent.
std::optional<std::string> TakeValue(std::vector<std::string>& args, const std::string& option);
// Removes flag from args; true when it was there.
bool TakeFlag(std::vector<std::string>& args, const std::string& flag);
// Raises UsageError unless args are exactly `count` plain (non-option) arguments.
void ExpectPositional(const std::vector<std::string>& args, std::size_t count, const char* usage);

}  // namespace zorvane::cli

#include "cli/commands.h"

namespace zorvane::cli {

int RunHues(Args, std::ostream&) { throw UsageError("hues: not available yet"); }

}  // namespace zorvane::cli

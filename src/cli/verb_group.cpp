#include "cli/commands.h"

namespace zorvane::cli {

int RunGroup(Args, std::ostream&) { throw UsageError("group: not available yet"); }

}  // namespace zorvane::cli

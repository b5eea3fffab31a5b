#include "cli/commands.h"

namespace zorvane::cli {

int RunList(Args, std::ostream&) { throw UsageError("list: not available yet"); }

}  // namespace zorvane::cli

#include "cli/commands.h"

namespace zorvane::cli {

int RunCount(Args, std::ostream&) { throw UsageError("count: not available yet"); }

}  // namespace zorvane::cli

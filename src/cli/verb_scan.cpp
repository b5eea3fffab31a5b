#include "cli/commands.h"

namespace zorvane::cli {

int RunScan(Args, std::ostream&) { throw UsageError("scan: not available yet"); }

}  // namespace zorvane::cli

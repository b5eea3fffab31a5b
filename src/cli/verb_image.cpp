#include "cli/commands.h"

namespace zorvane::cli {

int RunImage(Args, std::ostream&) { throw UsageError("image: not available yet"); }

}  // namespace zorvane::cli

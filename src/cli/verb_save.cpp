#include "cli/commands.h"

namespace zorvane::cli {

int RunSave(Args, std::ostream&) { throw UsageError("save: not available yet"); }

}  // namespace zorvane::cli

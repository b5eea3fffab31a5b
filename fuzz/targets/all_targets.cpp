#include "targets/fuzz_targets.h"

namespace zorvane::fuzz {

std::span<const Target> AllTargets() {
#define ZORVANE_HARNESS(name, entry) {#name, entry},
    static constexpr Target kTargets[] = {
#include "targets/harnesses.inc"
    };
#undef ZORVANE_HARNESS
    return kTargets;
}

}  // namespace zorvane::fuzz

// libFuzzer entry: runs the harness named at build time.

#include <cstdlib>

#include "targets/fuzz_targets.h"

namespace {

zorvane::fuzz::Target FindTarget() {
    for (const auto& t : zorvane::fuzz::AllTargets())
        if (t.name == ZORVANE_FUZZ_TARGET) return t;
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const zorvane::fuzz::Target target = FindTarget();
    target.run({data, size});
    return 0;
}

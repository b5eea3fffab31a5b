#include "core/icon_extraction.h"
#include "targets/fuzz_targets.h"
#include "targets/memory_file.h"
#include "targets/refusals.h"

namespace zorvane::fuzz {

// Opens the bytes as a module and assembles and lists every group (at most 64).
Outcome FuzzPeResources(Bytes data) {
    MemoryFile file(data);
    const auto module = PeModule::Open(file.path());
    if (!module) return Outcome::Refused;
    Outcome outcome = Outcome::Accepted;
    const auto groups = module->Names(kResourceTypeGroupIcon);
    const int count = static_cast<int>(std::min<std::size_t>(groups.size(), 64));
    for (int i = 0; i < count; ++i) {
        TIconStream stream;
        LoadIconGroup(stream, *module, i);
        if (stream.empty()) continue;
        outcome |= RefusalsAllowed([&] {
            FillMissingBitCounts(stream);
            for (int k = 0; k < ImageCount(stream); ++k) ReadIconImage(stream, k);
        });
    }
    return outcome;
}

}  // namespace zorvane::fuzz

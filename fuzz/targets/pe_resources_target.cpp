#include "core/icon_extraction.h"
#include "platform/ne_module.h"
#include "platform/pe_module.h"
#include "targets/fuzz_targets.h"
#include "targets/memory_file.h"
#include "targets/refusals.h"

namespace zorvane::fuzz {
namespace {

// Assembles and lists every group of the module (at most 64).
Outcome DriveGroups(const ResourceModule& module) {
    Outcome outcome = Outcome::Accepted;
    const auto groups = module.Names(kResourceTypeGroupIcon);
    const int count = static_cast<int>(std::min<std::size_t>(groups.size(), 64));
    for (int i = 0; i < count; ++i) {
        TIconStream stream;
        LoadIconGroup(stream, module, i);
        if (stream.empty()) continue;
        outcome |= RefusalsAllowed([&] {
            FillMissingBitCounts(stream);
            for (int k = 0; k < ImageCount(stream); ++k) ReadIconImage(stream, k);
        });
    }
    return outcome;
}

}  // namespace

// Opens the bytes as a module of each format and drives its groups.
Outcome FuzzPeResources(Bytes data) {
    MemoryFile file(data);
    const auto module = PeModule::Open(file.path());
    return module ? DriveGroups(*module) : Outcome::Refused;
}

Outcome FuzzNeResources(Bytes data) {
    MemoryFile file(data);
    const auto module = NeModule::Open(file.path());
    return module ? DriveGroups(*module) : Outcome::Refused;
}

}  // namespace zorvane::fuzz

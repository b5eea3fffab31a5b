#include "targets/fuzz_targets.h"

namespace zorvane::fuzz {

std::span<const Target> AllTargets() {
    static constexpr Target kTargets[] = {
        {"pe_resources", FuzzPeResources},
        {"icon_stream", FuzzIconStream},
        {"dib", FuzzDib},
        {"ini_file", FuzzIniFile},
        {"module_list", FuzzModuleList},
        {"shell_link", FuzzShellLink},
        {"png", FuzzPng},
        {"thumbnail", FuzzThumbnail},
    };
    return kTargets;
}

}  // namespace zorvane::fuzz

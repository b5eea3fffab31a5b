#include "platform/resource_module.h"

#include "platform/ne_module.h"
#include "platform/pe_module.h"

namespace zorvane {

std::unique_ptr<ResourceModule> OpenResourceModule(const std::string& path) {
    if (auto pe = PeModule::Open(path)) return std::make_unique<PeModule>(std::move(*pe));
    if (auto ne = NeModule::Open(path)) return std::make_unique<NeModule>(std::move(*ne));
    return nullptr;
}

}  // namespace zorvane

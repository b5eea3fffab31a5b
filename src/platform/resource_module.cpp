#include "platform/resource_module.h"

#include "platform/ne_module.h"
#include "platform/pe_module.h"

namespace zorvane {

std::optional<std::vector<std::uint8_t>> ResourceModule::Load(const ResourceLocation& where) const {
    return file().ReadAt(where.fileOffset, where.size);
}

bool ResourceModule::LoadAll(std::span<const ResourceLocation> where, std::vector<std::uint8_t>& out) const {
    std::vector<RandomAccessFile::Range> ranges;
    ranges.reserve(where.size());
    for (const ResourceLocation& w : where) ranges.push_back({w.fileOffset, w.size});
    return file().AppendRanges(ranges, out);
}

std::unique_ptr<ResourceModule> OpenResourceModule(const std::string& path) {
    if (auto pe = PeModule::Open(path)) return std::make_unique<PeModule>(std::move(*pe));
    if (auto ne = NeModule::Open(path)) return std::make_unique<NeModule>(std::move(*ne));
    return nullptr;
}

}  // namespace zorvane

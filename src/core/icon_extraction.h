#pragma once
// Icon groups out of modules and icon files, assembled into the icon stream in icon-file
// layout. Failure never raises: a group that cannot be read leaves the stream empty.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/icon_stream.h"
#include "platform/pe_module.h"

namespace zorvane {

// Fills the stream with the group at index (0-based, enumeration order) of the module at
// path. The stream is left as it is when the file is no module or has no such group; the
// caller empties it beforehand.
void LoadIconGroup(TIconStream& stream, const std::string& path, int index);
// Same with a module already open (for callers that walk every group).
void LoadIconGroup(TIconStream& stream, const PeModule& module, int index);

// Writes one group as an icon file image into the stream: header, 16-byte entries with
// back-to-back image offsets, then the images. Writes nothing when the group or any of
// its images is missing or shorter than the group says, so no half group is ever held.
void BuildIconFileFromGroup(const PeModule& module, const ResourceName& group, TIconStream& stream);

// A copy of the icon image resource with that id (at most its first maxBytes): in the given
// language when stored, else language 0, else the first stored. Nothing when absent or
// unreadable.
std::optional<std::vector<std::uint8_t>> CopyIconImageResource(const PeModule& module, std::uint16_t id,
                                                               std::optional<std::uint16_t> language = std::nullopt,
                                                               std::uint64_t maxBytes = UINT64_MAX);

// The group-icon names of the module at path, in enumeration order (empty when it is no module).
std::vector<ResourceName> IconGroupNames(const std::string& path);

}  // namespace zorvane

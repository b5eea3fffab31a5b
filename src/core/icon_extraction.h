#pragma once
// Icon and cursor groups out of modules and icon files, assembled into the icon stream in
// icon-file (or cursor-file) layout. Failure never raises: a group that cannot be read
// leaves the stream empty.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/icon_stream.h"
#include "platform/resource_module.h"

namespace zorvane {

// Which groups are read, and in which language.
struct GroupQuery {
    bool cursors = false;                   // cursor groups (type 12, images type 1) instead of icons
    std::optional<std::uint16_t> language;  // asked for; else each group's own

    std::uint32_t groupType() const { return cursors ? kResourceTypeGroupCursor : kResourceTypeGroupIcon; }
    std::uint32_t imageType() const { return cursors ? kResourceTypeCursor : kResourceTypeIcon; }
};

// Fills the stream with the group at index (0-based, enumeration order) of the module at
// path. The stream is left as it is when the file is no module or has no such group; the
// caller empties it beforehand.
void LoadIconGroup(TIconStream& stream, const std::string& path, int index, const GroupQuery& query = {});
// Same with a module already open (for callers that walk every group).
void LoadIconGroup(TIconStream& stream, const ResourceModule& module, int index, const GroupQuery& query = {});

// Writes one group as an icon file image into the stream: header, 16-byte entries with
// back-to-back image offsets, then the images. Writes nothing when the group or any of
// its images is missing or shorter than the group says, so no half group is ever held.
// The images all come from one language: the group's, else neutral, else the first
// stored of the first image; never a mix. A cursor group becomes a cursor file: each
// entry carries its image's hot spot, and the image data follows without it.
void BuildIconFileFromGroup(const ResourceModule& module, const ResourceName& group, TIconStream& stream,
                            const GroupQuery& query = {});

// A copy of the icon image resource with that id (at most its first maxBytes): in the given
// language when stored, else language 0, else the first stored. Nothing when absent or
// unreadable.
std::optional<std::vector<std::uint8_t>> CopyIconImageResource(const ResourceModule& module, std::uint16_t id,
                                                               std::optional<std::uint16_t> language = std::nullopt,
                                                               std::uint64_t maxBytes = UINT64_MAX);

// The group names of the module at path, in enumeration order (empty when it is no module).
std::vector<ResourceName> IconGroupNames(const std::string& path, const GroupQuery& query = {});

// A group's name and the language its directory is read in.
struct GroupLabel {
    ResourceName name;
    std::uint16_t language = 0;
};
// Every group of the module in enumeration order; language 0 for one that cannot be found.
std::vector<GroupLabel> GroupLabels(const ResourceModule& module, const GroupQuery& query = {});

}  // namespace zorvane

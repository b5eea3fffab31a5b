#pragma once
// Whole icon files, and the files the program can take icons from. What a file's first bytes
// show decides: an icon or cursor directory is an icon file, a PE or NE module a module,
// whatever the name. Other files go by their extension: ".ico" and ".cur" in any case are
// icon files, everything else is tried as a module.

#include <string>

#include "core/icon_extraction.h"
#include "core/icon_stream.h"

namespace zorvane {

bool IsIconFilePath(const std::string& path);
// The extension rule alone.
bool IsIconFileExtension(const std::string& path);

// Loads the whole file into the stream as one group. The stream stays empty when the file
// cannot be read or its directory claims more than the file holds.
void LoadIconFile(TIconStream& stream, const std::string& path);

// The number of icon groups: for an icon file 1 when its directory is readable and names at
// least one image; for a module the number of its group-icon (or group-cursor) resources;
// otherwise 0.
// A module is examined through its headers and resource directory only.
int IconCountOfFile(const std::string& path);
// Same for the groups the query asks for.
int GroupCountOfFile(const std::string& path, const GroupQuery& query);

// Empties the stream and fills it with the file's first group, the format told by the content
// whatever the name: an icon file up to the end of its last image, else group 0 of a module.
// Only the headers, the directories and that group are read. Empty when neither.
void LoadPrimaryGroup(TIconStream& stream, const std::string& path);

// Empties the stream and fills it with group index of the file: the whole icon file for
// index 0 of an icon file, the module's group otherwise.
void LoadGroupOfFile(TIconStream& stream, const std::string& path, int index, const GroupQuery& query = {});

}  // namespace zorvane

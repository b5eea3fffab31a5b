#pragma once
// The file names the save commands propose and the all-hue batch writes, built from the
// document's base name B, the group index G and the 0-based image index I.

#include <string>

namespace zorvane {

// The document's file name without its folder and its last extension.
std::string DocumentBaseName(const std::string& documentPath);

// B-G.ico (B-G.cur for a cursor group): a whole group; extension without the dot.
std::string GroupFileName(const std::string& base, int group, const std::string& extension = "ico");
// B-G-I.ext: one image; extension without the dot.
std::string ImageFileName(const std::string& base, int group, int image, const std::string& extension);
// B-G-I: the name every file of a hue series starts with.
std::string SeriesName(const std::string& base, int group, int image);
// X-k.ext: file k of a hue series.
std::string SeriesFileName(const std::string& series, int k, const std::string& extension);

// folder + separator + name.
std::string PathInFolder(const std::string& folder, const std::string& name);

}  // namespace zorvane

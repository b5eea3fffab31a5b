#pragma once
// Shows a folder path in a box of limited width by cutting leading folders, replacing them
// with "..." so that the end of the path, which tells folders apart, stays readable.

#include <functional>
#include <string>

namespace zorvane {

// Width of a text in pixels in the font of the box that will show it.
using TextWidthMeasure = std::function<int(const std::string&)>;

// The path itself when it is narrower than maxWidth; otherwise the path with leading
// folders cut one at a time until it fits or only the last name is left (which may still
// be too wide). separator is the path separator of the path's notation.
std::string FitPathToWidth(const std::string& path, const TextWidthMeasure& width, int maxWidth, char separator = '/');

}  // namespace zorvane

#pragma once
// Measures the largest single allocation a piece of code makes, so that a test can show a
// hostile size was refused before anything was allocated from it. Linking this file
// replaces the global operator new of the test program that uses it.

#include <cstddef>
#include <functional>

namespace zorvane::test {

std::size_t LargestAllocationDuring(const std::function<void()>& body);

}  // namespace zorvane::test

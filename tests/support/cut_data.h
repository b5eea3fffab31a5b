#pragma once
// Every prefix of a file given to a reader: a file cut inside its data must be refused, one
// cut only in its trailer (checksums and end markers the reader need not see) must still give
// the whole result, never a partial one.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace zorvane::test {

// decode(bytes) gives an optional result, empty when the bytes were refused.
template <typename Decode>
void ExpectCutsRefusedBeforeTrailer(const std::vector<std::uint8_t>& data, std::size_t trailerBytes, Decode decode) {
    const auto whole = decode(data);
    ASSERT_TRUE(whole);
    for (std::size_t n = 0; n < data.size(); ++n) {
        const auto cut = decode(std::vector<std::uint8_t>(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(n)));
        if (n < data.size() - trailerBytes)
            EXPECT_FALSE(cut) << "cut at " << n;
        else
            EXPECT_EQ(cut, whole) << "cut at " << n;
    }
}

}  // namespace zorvane::test

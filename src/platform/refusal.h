#pragma once
// The base of every error by which the program refuses bad input or a file it cannot use,
// with the message the user sees: a read past the data, a file that cannot be opened, a
// bitmap too large, a malformed bitmap or PNG. Whoever runs a parser over hostile bytes
// catches this one type; anything else escaping is a fault.

#include <stdexcept>

namespace zorvane {

class Refusal : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace zorvane

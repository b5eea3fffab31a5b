#pragma once
// The one error type of the PNG writer and reader; it carries only its message.

#include <stdexcept>

namespace zorvane {

class EZNBPNG : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace zorvane

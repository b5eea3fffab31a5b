#pragma once
// The one error type of the PNG writer and reader; it carries only its message.

#include "platform/refusal.h"

namespace zorvane {

class EZNBPNG : public Refusal {
public:
    using Refusal::Refusal;
};

}  // namespace zorvane

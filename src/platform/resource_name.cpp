#include "platform/resource_name.h"

#include "platform/text_encoding.h"

namespace zorvane {

std::string ResourceName::ToUtf8() const {
    if (!named) return std::to_string(id);
    return Utf16ToUtf8(text);
}

}  // namespace zorvane

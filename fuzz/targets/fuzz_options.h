#pragma once
// Options chosen by the input's last bytes, so that one input covers adjustments and
// geometry as well as the parse.

#include <cstdint>
#include <span>

#include "core/transform_state.h"

namespace zorvane::fuzz {

struct EditOptions {
    int hue = 0, saturation = 0, value = 0;
    TransformState state;
};

// Takes four trailing bytes (when there are more than four) off data.
inline EditOptions TakeEditOptions(std::span<const std::uint8_t>& data) {
    EditOptions o;
    if (data.size() <= 4) return o;
    const auto t = data.last(4);
    data = data.first(data.size() - 4);
    o.hue = static_cast<std::int8_t>(t[0]) * 3;
    o.saturation = static_cast<std::int8_t>(t[1]) % 101;
    o.value = static_cast<std::int8_t>(t[2]) % 101;
    o.state.Rotation = t[3] & 3;
    o.state.Mirrored = (t[3] & 4) != 0;
    return o;
}

}  // namespace zorvane::fuzz

#pragma once
// The geometry the edit commands build up. Meaning: the untransformed image, mirrored
// left-right when Mirrored, then turned clockwise by Rotation quarter turns. Each command
// composes its operation after those already applied by a fixed update of the pair.

#include <cstdint>

namespace zorvane {

struct TransformState {
    std::uint8_t Rotation = 0;  // 0..3 quarter turns clockwise
    bool Mirrored = false;

    bool active() const { return Rotation != 0 || Mirrored; }

    void TurnRight() { Rotation = static_cast<std::uint8_t>((Rotation + 1) % 4); }
    void TurnLeft() { Rotation = static_cast<std::uint8_t>((Rotation + 3) % 4); }
    void Turn180() { Rotation = static_cast<std::uint8_t>((Rotation + 2) % 4); }
    // A left-right mirror after a turn equals a mirror before the opposite turn.
    void MirrorLeftRight() {
        Mirrored = !Mirrored;
        Rotation = static_cast<std::uint8_t>((4 - Rotation % 4) % 4);
    }
    // Top-bottom is left-right followed by a half turn.
    void MirrorTopBottom() {
        Mirrored = !Mirrored;
        Rotation = static_cast<std::uint8_t>((6 - Rotation % 4) % 4);
    }
    void Reset() { *this = TransformState{}; }

    friend bool operator==(const TransformState&, const TransformState&) = default;
};

}  // namespace zorvane

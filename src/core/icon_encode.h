#pragma once
// Icon files written from the icon stream with the colour adjustment and the geometry
// applied. Each bitmap-format image keeps its depth, colour-table size and byte size;
// colours change in place, and a transform re-encodes the colour rows and the mask of
// square images. A PNG image is decoded, turned when square, recoloured with its alpha
// kept and compressed again as RGBA, so its size and the offsets after it change; with no
// edit at all, or when it cannot be decoded, its bytes are copied as they are. With no
// offset and no turn a group thus comes out byte for byte as it went in.
// The Encode functions build the file in memory; the Save functions write it at the end,
// replacing the target only once every byte is ready.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/icon_stream.h"
#include "core/transform_state.h"
#include "platform/message_sink.h"

namespace zorvane {

// Rewrites a private copy of one image's data with the geometry applied to its colour image
// and its mask. Non-square images are left as they are, silently; an unsupported depth or
// an image the DIB reader cannot turn into a bitmap is left as it is after a message.
void TransformIconImage(std::span<std::uint8_t> image, const TransformState& state, MessageSink& sink);

// The whole group: the stream's header and directory with the image offsets recomputed back
// to back, then every image transformed and adjusted. An image whose depth the adjustment
// refuses is written without colour change, after its message. Nothing for an empty group.
std::optional<std::vector<std::uint8_t>> EncodeIconGroup(const TIconStream& stream, int hue, int saturation, int value,
                                                         const TransformState& state, MessageSink& sink);
// A single-image icon file (count 1, image at offset 22); nothing when the adjustment refuses.
std::optional<std::vector<std::uint8_t>> EncodeIconImage(const TIconStream& stream, int index, int hue, int saturation,
                                                         int value, const TransformState& state, MessageSink& sink);

// True when the file was written. File errors raise FileError.
bool SaveIconGroup(const TIconStream& stream, const std::string& path, int hue, int saturation, int value,
                   const TransformState& state, MessageSink& sink);
bool SaveIconImage(const TIconStream& stream, const std::string& path, int index, int hue, int saturation, int value,
                   const TransformState& state, MessageSink& sink);

}  // namespace zorvane

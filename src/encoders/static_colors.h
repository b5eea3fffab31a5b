#pragma once
// The twenty colours every palette of the default display palette starts and ends with.

#include <array>

#include "bitmap/bitmap.h"

namespace zorvane {

inline constexpr std::array<Rgb, 20> kStaticColors{{
    {0, 0, 0},       {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128},     {128, 0, 128},   {0, 128, 128},
    {192, 192, 192}, {192, 220, 192}, {166, 202, 240}, {255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},
    {0, 255, 0},     {255, 255, 0},   {0, 0, 255},     {255, 0, 255},   {0, 255, 255},   {255, 255, 255},
}};

}  // namespace zorvane

#pragma once

#include "BgrImage.h"

#include <cstdint>

// A colour value: red in the low byte, green in the second, blue in the third. A value with
// the high byte set names a system colour, which the desktop layer resolves to RGB.
using TColor = std::int32_t;

constexpr TColor RGB(int r, int g, int b)
{
    return static_cast<TColor>(static_cast<std::uint32_t>(r & 0xFF) |
                               (static_cast<std::uint32_t>(g & 0xFF) << 8) |
                               (static_cast<std::uint32_t>(b & 0xFF) << 16));
}

// The three channels of a colour value; the high byte is ignored.
constexpr Rgb ColorToRgb(TColor c)
{
    const auto u = static_cast<std::uint32_t>(c);
    return Rgb{static_cast<std::uint8_t>(u & 0xFF), static_cast<std::uint8_t>((u >> 8) & 0xFF),
               static_cast<std::uint8_t>((u >> 16) & 0xFF)};
}

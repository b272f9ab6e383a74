// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BgrImage.h"

#include <cstdint>

// A colour value: red in the low byte, green in the second, blue in the third. A value with
// the high byte set names a system colour, which the desktop layer resolves to RGB.
using TColor = std::int32_t;

// The colour value of red, green and blue (0 to 255 each). Named so that it cannot meet the
// RGB macro of the Windows headers.
constexpr TColor ColorFromRgb(int r, int g, int b)
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

// The standard named colours the windows use.
constexpr TColor clBlack = ColorFromRgb(0, 0, 0);
constexpr TColor clMaroon = ColorFromRgb(128, 0, 0);
constexpr TColor clGreen = ColorFromRgb(0, 128, 0);
constexpr TColor clNavy = ColorFromRgb(0, 0, 128);
constexpr TColor clPurple = ColorFromRgb(128, 0, 128);
constexpr TColor clRed = ColorFromRgb(255, 0, 0);
constexpr TColor clBlue = ColorFromRgb(0, 0, 255);
constexpr TColor clFuchsia = ColorFromRgb(255, 0, 255);
constexpr TColor clAqua = ColorFromRgb(0, 255, 255);
constexpr TColor clYellow = ColorFromRgb(255, 255, 0);

// Named system colours. They are resolved through a fixed table of the classic desktop
// defaults, so the program looks the same on every desktop and theme.
constexpr TColor clSystemColor = static_cast<TColor>(0xFF000000u);
constexpr TColor clWindowText = clSystemColor | 8;
constexpr TColor clBtnFace = clSystemColor | 15;
constexpr TColor clBtnShadow = clSystemColor | 16;
constexpr TColor clBtnHighlight = clSystemColor | 20;
constexpr TColor cl3DLight = clSystemColor | 22;
constexpr TColor clInfoBk = clSystemColor | 24;

constexpr bool IsSystemColor(TColor c)
{
    return (static_cast<std::uint32_t>(c) & 0xFF000000u) == 0xFF000000u;
}

// A colour value as RGB: system colours from the fixed table (an unknown one as its low
// three bytes, like a plain value), plain values as they are.
constexpr Rgb ResolveColor(TColor c)
{
    switch (c) {
    case clWindowText:
        return Rgb{0, 0, 0};
    case clBtnFace:
        return Rgb{240, 240, 240};
    case clBtnShadow:
        return Rgb{160, 160, 160};
    case clBtnHighlight:
        return Rgb{255, 255, 255};
    case cl3DLight:
        return Rgb{227, 227, 227};
    case clInfoBk:
        return Rgb{255, 255, 225};
    default:
        return ColorToRgb(c);
    }
}

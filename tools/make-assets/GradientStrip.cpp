// SPDX-License-Identifier: GPL-3.0-or-later
#include "GradientStrip.h"

#include <cstdint>

namespace {

constexpr int kWidth = 211;
constexpr int kHeight = 92;
constexpr Rgb kLeft{255, 255, 154};
constexpr Rgb kRight{255, 204, 255};

// The channel value in column x of `columns`, rounded to the nearer integer (halves up). Integer
// arithmetic, so both end columns are exactly the end colours.
std::uint8_t step(int from, int to, int x, int columns)
{
    const int last = columns - 1;
    const int scaled = from * last + (to - from) * x; // the value times `last`
    return static_cast<std::uint8_t>((2 * scaled + last) / (2 * last));
}

} // namespace

BgrImage DrawGradientStrip(int scale)
{
    const int width = kWidth * scale;
    const int height = kHeight * scale;
    BgrImage image(width, height);
    for (int x = 0; x < width; ++x) {
        const Rgb c{step(kLeft.r, kRight.r, x, width), step(kLeft.g, kRight.g, x, width),
                    step(kLeft.b, kRight.b, x, width)};
        for (int y = 0; y < height; ++y) {
            image.setPixel(x, y, c);
        }
    }
    return image;
}

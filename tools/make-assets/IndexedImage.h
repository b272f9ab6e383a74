// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BgrImage.h"

#include <cstdint>
#include <vector>

// A picture of at most 256 colours: a palette and one palette index per pixel.
struct IndexedImage
{
    int width = 0;
    int height = 0;
    std::vector<Rgb> palette;
    std::vector<std::uint8_t> indices; // row by row, the top row first

    Rgb pixel(int x, int y) const
    {
        return palette[indices[static_cast<std::size_t>(y) * width + x]];
    }
};

// Reduces a picture to at most 256 colours, the same way every time. A picture with 256 colours
// or fewer keeps them all exactly. Otherwise the colours that cover many pixels (the flat areas
// of a drawing) are kept exactly, the rest (mostly the antialiased edges between them) are
// shared out by median cut, and every pixel takes the nearest palette colour, without dither.
IndexedImage Quantise(const BgrImage &image);

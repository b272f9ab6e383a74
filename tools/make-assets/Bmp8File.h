// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "IndexedImage.h"

#include <cstdint>
#include <vector>

// Stores a picture of at most 256 colours as a 256-colour BMP: BITMAPINFOHEADER, a full table of
// 256 palette entries (unused ones black), one byte per pixel, bottom-up rows padded with zero
// bytes to a multiple of four, 96 dpi, uncompressed. The same picture always gives the same
// bytes. Throws std::invalid_argument for an empty picture or a palette of more than 256.
std::vector<std::uint8_t> WriteBmp8(const IndexedImage &image);

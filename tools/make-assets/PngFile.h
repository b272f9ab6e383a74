// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <cstdint>
#include <vector>

// Stores an image as a PNG with 8-bit red, green, blue and alpha. The pixel data is kept in
// uncompressed deflate blocks: the window icons are tiny, and the bytes then depend on nothing
// but the pixels, not on the zlib at hand. No timestamp, text or other optional chunks.
std::vector<std::uint8_t> WritePng(const QImage &image);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BgrImage.h"

#include <cstdint>
#include <stdexcept>
#include <vector>

// The JPEG encoder failed; the message is libjpeg's.
class JpegError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Stores an image as a baseline JPEG (JFIF, no subsampling of the colour, optimised Huffman
// tables, no timestamps or comments) at the given quality, 1 to 100. The same pixels and
// quality always give the same bytes. Throws JpegError for an empty image or an encoder error.
std::vector<std::uint8_t> WriteJpeg(const BgrImage &image, int quality);

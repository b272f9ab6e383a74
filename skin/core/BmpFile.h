// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BgrImage.h"

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

// A BMP file that cannot be read or written. The message names the file (or the memory
// buffer's name) and says what is wrong with it.
class BmpError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Reads an uncompressed 24-bit BMP with bottom-up rows (BITMAPINFOHEADER or a later, longer
// info header). Any other kind of BMP, a truncated file or a file that is no BMP at all throws
// BmpError. `name` is used only in error messages.
BgrImage ReadBmp(std::span<const std::uint8_t> bytes, const std::string &name);

// Reads a BMP file from disk; a missing or unreadable file throws BmpError as well.
BgrImage ReadBmpFile(const std::string &path);

// Stores an image as a 24-bit BMP: BITMAPINFOHEADER, bottom-up rows padded with zero bytes to
// a multiple of four, 96 dpi. The same pixels always give the same bytes. An empty image
// throws BmpError.
std::vector<std::uint8_t> WriteBmp(const BgrImage &image);

// Writes WriteBmp's bytes to a file, replacing it; throws BmpError when that fails.
void WriteBmpFile(const std::string &path, const BgrImage &image);

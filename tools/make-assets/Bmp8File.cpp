// SPDX-License-Identifier: GPL-3.0-or-later
#include "Bmp8File.h"

#include "LittleEndian.h"

#include <cstring>
#include <stdexcept>

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40; // BITMAPINFOHEADER
constexpr std::size_t kPaletteEntries = 256;
constexpr std::uint32_t kPixelsPerMetre = 3780; // 96 dpi

} // namespace

std::vector<std::uint8_t> WriteBmp8(const IndexedImage &image)
{
    if (image.width <= 0 || image.height <= 0 ||
        image.indices.size() != static_cast<std::size_t>(image.width) * image.height) {
        throw std::invalid_argument("cannot store an empty or inconsistent picture as BMP");
    }
    if (image.palette.empty() || image.palette.size() > kPaletteEntries) {
        throw std::invalid_argument("a 256-colour BMP needs a palette of 1 to 256 colours, not " +
                                    std::to_string(image.palette.size()));
    }
    const std::size_t stride = (static_cast<std::size_t>(image.width) + 3) & ~std::size_t{3};
    const std::size_t pixelBytes = stride * static_cast<std::size_t>(image.height);
    const std::size_t offset = kFileHeaderSize + kInfoHeaderSize + 4 * kPaletteEntries;

    std::vector<std::uint8_t> out(offset + pixelBytes, 0);
    std::uint8_t *d = out.data();
    d[0] = 'B';
    d[1] = 'M';
    putLe32(d + 2, static_cast<std::uint32_t>(out.size()));
    putLe32(d + 10, static_cast<std::uint32_t>(offset));

    std::uint8_t *info = d + kFileHeaderSize;
    putLe32(info, kInfoHeaderSize);
    putLe32(info + 4, static_cast<std::uint32_t>(image.width));
    putLe32(info + 8, static_cast<std::uint32_t>(image.height));
    putLe16(info + 12, 1); // colour planes
    putLe16(info + 14, 8); // bits per pixel
    putLe32(info + 16, 0); // BI_RGB: uncompressed
    putLe32(info + 20, static_cast<std::uint32_t>(pixelBytes));
    putLe32(info + 24, kPixelsPerMetre);
    putLe32(info + 28, kPixelsPerMetre);
    putLe32(info + 32, kPaletteEntries); // colours in the table
    putLe32(info + 36, 0);               // all of them important

    // Palette entries are blue, green, red and a zero byte.
    std::uint8_t *palette = info + kInfoHeaderSize;
    for (std::size_t i = 0; i < image.palette.size(); ++i) {
        palette[4 * i] = image.palette[i].b;
        palette[4 * i + 1] = image.palette[i].g;
        palette[4 * i + 2] = image.palette[i].r;
    }

    for (int y = 0; y < image.height; ++y) {
        const std::size_t storedRow = static_cast<std::size_t>(image.height - 1 - y);
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t index = image.indices[static_cast<std::size_t>(y) * image.width + x];
            if (index >= image.palette.size()) {
                throw std::invalid_argument("pixel index " + std::to_string(index) +
                                            " lies outside the palette");
            }
            d[offset + storedRow * stride + static_cast<std::size_t>(x)] = index;
        }
    }
    return out;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "BgrImage.h"

#include <algorithm>
#include <bit>
#include <cstring>

static_assert(std::endian::native == std::endian::little,
              "FillRow builds its 64-bit pixel words for little-endian memory");

namespace {
int strideFor(int width)
{
    return ((width * 3) + 3) & ~3;
}
} // namespace

BgrImage::BgrImage(int width, int height)
{
    resize(width, height);
}

void BgrImage::resize(int width, int height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == m_width && height == m_height) {
        return;
    }
    m_width = width;
    m_height = height;
    m_stride = strideFor(width);
    m_data.assign(static_cast<std::size_t>(m_stride) * height, 0);
}

Rgb BgrImage::pixel(int x, int y) const
{
    const std::uint8_t *p = row(y) + 3 * x;
    return Rgb{p[2], p[1], p[0]};
}

void BgrImage::setPixel(int x, int y, Rgb c)
{
    std::uint8_t *p = row(y) + 3 * x;
    p[0] = c.b;
    p[1] = c.g;
    p[2] = c.r;
}

void BgrImage::fill(Rgb c)
{
    for (int y = 0; y < m_height; ++y) {
        FillRow(row(y), 0, m_width, c);
    }
}

bool operator==(const BgrImage &a, const BgrImage &b)
{
    if (a.m_width != b.m_width || a.m_height != b.m_height) {
        return false;
    }
    const std::size_t bytes = static_cast<std::size_t>(a.m_width) * 3;
    if (bytes == 0) {
        return true; // no pixels, and no buffer: memcmp must not see its null pointer
    }
    for (int y = 0; y < a.m_height; ++y) {
        if (std::memcmp(a.row(y), b.row(y), bytes) != 0) {
            return false;
        }
    }
    return true;
}

void FillRow(std::uint8_t *row, int x0, int x1, Rgb c)
{
    if (x1 <= x0) {
        return;
    }
    // Eight pixels are 24 bytes, three 64-bit words: the row is written a word at a time and
    // only the last few pixels one by one. This runs for every row of every button render.
    const std::uint64_t px = c.b | (std::uint64_t{c.g} << 8) | (std::uint64_t{c.r} << 16);
    const std::uint64_t w0 = px | (px << 24) | (px << 48);
    const std::uint64_t w1 = (px >> 16) | (px << 8) | (px << 32) | (px << 56);
    const std::uint64_t w2 = (px >> 8) | (px << 16) | (px << 40);
    std::uint8_t *p = row + 3 * static_cast<std::size_t>(x0);
    int count = x1 - x0;
    for (; count >= 8; count -= 8, p += 24) {
        std::memcpy(p, &w0, 8);
        std::memcpy(p + 8, &w1, 8);
        std::memcpy(p + 16, &w2, 8);
    }
    for (; count > 0; --count, p += 3) {
        p[0] = c.b;
        p[1] = c.g;
        p[2] = c.r;
    }
}

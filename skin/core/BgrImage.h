// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

// One pixel as the three colour channels; memory order in a BgrImage is blue, green, red.
struct Rgb
{
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    friend bool operator==(const Rgb &, const Rgb &) = default;
};

// A 24-bit image: blue, green, red bytes per pixel, rows padded to a multiple of four bytes.
// The layout is exactly that of QImage::Format_BGR888 with the same stride, so the button can
// wrap the buffer in a QImage (no copy) to draw its caption into it.
class BgrImage
{
public:
    BgrImage() = default;
    BgrImage(int width, int height);

    int width() const { return m_width; }
    int height() const { return m_height; }
    int stride() const { return m_stride; }
    bool isEmpty() const { return m_width <= 0 || m_height <= 0; }

    // Changes the size. The same size keeps the pixels as they are; a new size starts black.
    void resize(int width, int height);

    std::uint8_t *bits() { return m_data.data(); }
    const std::uint8_t *bits() const { return m_data.data(); }
    std::uint8_t *row(int y) { return m_data.data() + static_cast<std::size_t>(y) * m_stride; }
    const std::uint8_t *row(int y) const
    {
        return m_data.data() + static_cast<std::size_t>(y) * m_stride;
    }

    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }
    Rgb pixel(int x, int y) const;
    void setPixel(int x, int y, Rgb c);
    void fill(Rgb c);

    friend bool operator==(const BgrImage &a, const BgrImage &b);

private:
    int m_width = 0;
    int m_height = 0;
    int m_stride = 0;
    std::vector<std::uint8_t> m_data;
};

// Fills the pixels [x0, x1) of one row with one colour: the first pixel is written, then the
// filled part is doubled with wide copies.
void FillRow(std::uint8_t *row, int x0, int x1, Rgb c);

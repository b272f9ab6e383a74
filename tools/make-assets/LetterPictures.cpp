// SPDX-License-Identifier: GPL-3.0-or-later
#include "LetterPictures.h"

#include "Canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <vector>

namespace {

constexpr Colour kWhite{255, 255, 255};
constexpr Colour kShadow{150, 150, 158};

// A deterministic pseudo-random sequence (the classic 32-bit linear congruential generator), so
// that the mottled grounds come out the same every time.
class Lcg
{
public:
    explicit Lcg(std::uint32_t seed) : m_state(seed) {}

    // The next value in [-1, 1).
    double next()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return (m_state >> 8) / double(1 << 23) - 1.0;
    }

private:
    std::uint32_t m_state;
};

// A ground of one colour with faint, soft blotches: random brightness offsets on a coarse grid,
// smoothly interpolated between the grid points, plus a trace of grain. The grid is laid in 1×
// pixels, so a finer canvas gets the same blotches and a grain of its own finer pixels.
void mottle(Canvas &canvas, Colour ground, std::uint32_t seed, double blotches, double grain)
{
    constexpr int kCell = 6;
    const int cols = canvas.width() / kCell + 2;
    const int rows = canvas.height() / kCell + 2;
    Lcg random(seed);
    std::vector<double> grid(static_cast<std::size_t>(cols) * rows);
    for (double &value : grid) {
        value = random.next() * blotches;
    }
    auto smooth = [](double t) { return t * t * (3 - 2 * t); };
    const int scale = canvas.scale();
    for (int y = 0; y < canvas.pixelHeight(); ++y) {
        for (int x = 0; x < canvas.pixelWidth(); ++x) {
            // The pixel's centre in 1× pixels, and where it lies in its grid cell.
            const double px = (x + 0.5) / scale;
            const double py = (y + 0.5) / scale;
            const int gx = static_cast<int>(px) / kCell;
            const int gy = static_cast<int>(py) / kCell;
            const double fx = smooth((px - gx * kCell) / kCell);
            const double fy = smooth((py - gy * kCell) / kCell);
            auto g = [&](int i, int j) { return grid[static_cast<std::size_t>(j) * cols + i]; };
            const double top = g(gx, gy) + (g(gx + 1, gy) - g(gx, gy)) * fx;
            const double bottom = g(gx, gy + 1) + (g(gx + 1, gy + 1) - g(gx, gy + 1)) * fx;
            const double shift = top + (bottom - top) * fy + random.next() * grain;
            canvas.setPixel(x, y, Colour{ground.r + shift, ground.g + shift, ground.b + shift});
        }
    }
}

// The double frame round the first `width` columns: from the outside in a white edge, a thin
// line, a thin white line and a band of four pixels in the frame colour.
void frame(Canvas &canvas, int width, Colour colour)
{
    const int h = canvas.height();
    const Colour rings[] = {kWhite, colour, kWhite, colour, colour, colour, colour};
    for (int i = 0; i < 7; ++i) {
        canvas.fillRect(i, i, width - 2 * i, 1, rings[i]);
        canvas.fillRect(i, h - 1 - i, width - 2 * i, 1, rings[i]);
        canvas.fillRect(i, i, 1, h - 2 * i, rings[i]);
        canvas.fillRect(width - 1 - i, i, 1, h - 2 * i, rings[i]);
    }
}

// The colour of a letter stroke at the fraction t of the letter's height (0 at the top, 1 at
// the bottom): symmetric about the middle, where the orange band lies.
Colour letterColour(double t)
{
    struct Stop
    {
        double at; // 0 at half height, 1 at the top and bottom ends
        Colour colour;
    };
    // clang-format off
    static const Stop stops[] = {
        {0.00, {244, 154, 4}}, // the bright orange band
        {0.16, {244, 154, 4}},
        {0.34, {226, 70, 30}},
        {0.52, {184, 16, 64}}, // crimson
        {0.74, {88, 16, 112}}, // dark violet
        {1.00, {14, 10, 52}},  // near-black navy
    };
    // clang-format on
    const double d = std::min(1.0, std::abs(t - 0.5) * 2);
    for (std::size_t i = 1; i < std::size(stops); ++i) {
        if (d <= stops[i].at) {
            const Stop &a = stops[i - 1];
            const Stop &b = stops[i];
            return Mix(a.colour, b.colour, (d - a.at) / (b.at - a.at));
        }
    }
    return stops[std::size(stops) - 1].colour;
}

// A capital Н: two stems and a crossbar at half height, with slightly rounded corners.
QPainterPath letterN(double left, double top, double width, double height, double stem, double bar)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(left, top, stem, height), 1.2, 1.2);
    path.addRoundedRect(QRectF(left + width - stem, top, stem, height), 1.2, 1.2);
    path.addRect(QRectF(left + stem - 0.5, top + (height - bar) / 2, width - 2 * stem + 1, bar));
    return path;
}

struct LetterBox
{
    double left;
    double width;
};

// Letters of one height standing side by side, with their shadow, drawn over the ground.
void drawLetters(Canvas &canvas, const std::vector<LetterBox> &boxes, double top, double height,
                 double stem, double bar)
{
    QPainterPath letters;
    for (const LetterBox &box : boxes) {
        letters.addPath(letterN(box.left, top, box.width, height, stem, bar));
    }
    const Coverage shape = canvas.coverage(letters);
    canvas.fill(shape.shifted(3, 3), kShadow, 0.75);
    canvas.fill(shape,
                [top, height](double, double y) { return letterColour((y - top) / height); });
}

} // namespace

BgrImage DrawPictureN(int scale)
{
    Canvas canvas(102, 88, scale);
    mottle(canvas, Colour{215, 232, 250}, 20240601u, 3.0, 1.0);
    frame(canvas, 102, Colour{102, 0, 255});
    drawLetters(canvas, {{27, 48}}, 17, 54, 13, 11);
    return canvas.toBgr();
}

BgrImage DrawPictureNN(int scale)
{
    Canvas canvas(103, 87, scale);
    mottle(canvas, Colour{255, 243, 217}, 20240602u, 2.0, 0.8);
    frame(canvas, 102, Colour{204, 102, 0});
    canvas.fillRect(102, 0, 1, canvas.height(), kWhite);
    drawLetters(canvas, {{11, 34}, {55, 34}}, 17, 52, 10, 10);
    return canvas.toBgr();
}

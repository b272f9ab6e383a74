// SPDX-License-Identifier: GPL-3.0-or-later
#include "Bord1.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace {

constexpr int kTile = 10;
// The outer outline of each corner is a quarter circle of this radius (in pixels). Pixels whose
// centre lies outside it are the five holes of a corner; the diagonal pixel (1, 1) lies just
// inside, which is why some corners may lose it as a sixth hole.
constexpr int kCornerRadius = 5;

constexpr Rgb kHole{255, 0, 255};
constexpr Rgb kPurpleLine{72, 52, 72};

// A cross-section through one side of the border in grey values, outermost pixel first; every
// pixel deeper than the listed ones takes `inside`.
struct Profile
{
    std::vector<int> outer;
    int inside;

    double at(int depth) const
    {
        return depth < static_cast<int>(outer.size()) ? outer[depth] : inside;
    }

    // Depths between two pixels (in the rounded corners) take a linear mix of both.
    double at(double depth) const
    {
        const int whole = static_cast<int>(depth);
        const double t = depth - whole;
        return at(whole) * (1 - t) + at(whole + 1) * t;
    }
};

// One half (picture or opacity) of a look: the top and left sides share one cross-section, the
// right and bottom sides another.
struct Half
{
    Profile topLeft;
    Profile bottomRight;
};

struct Look
{
    Half picture;
    Half opacity;
    // The top-right and bottom-left corners lose their diagonal pixel (1, 1) as well.
    bool sixHoleCorners;
    // The outermost row of the bottom is faintly purple instead of grey.
    bool purpleBottomLine;
};

constexpr int kPictureInside = 128;
constexpr int kOpacityInside = 255;

Half picture(std::vector<int> light, std::vector<int> dark)
{
    return Half{{std::move(light), kPictureInside}, {std::move(dark), kPictureInside}};
}

Half opacity(std::vector<int> topLeft, std::vector<int> bottomRight)
{
    return Half{{std::move(topLeft), kOpacityInside}, {std::move(bottomRight), kOpacityInside}};
}

std::vector<Look> looks()
{
    return {
        // Normal: a thin light line at the top and left, a dark one at the right and bottom,
        // mostly see-through.
        Look{picture({255, 209}, {53, 113}), opacity({102, 186, 241, 254}, {103, 186, 241, 254}),
             true, true},
        // Hot: a wide, soft raised bevel.
        Look{picture({217, 217, 212, 199, 179}, {51, 51, 68, 101, 138, 163}),
             opacity({57, 60, 96, 148, 204, 245, 253}, {55, 48, 62, 97, 148, 204, 244, 253}), false,
             false},
        // Pressed: a two-pixel, almost opaque frame, dark at the top and left, light at the
        // right and bottom.
        Look{picture({54, 117}, {232, 192}), opacity({31, 30}, {32, 30}), true, false},
    };
}

// Depth of a corner pixel below the border's outline, in 1× pixels: u columns in from the
// vertical side, v rows in from the horizontal side, both in pixels of a mask drawn at `scale`.
// Near the corner the outline is the quarter circle and the depth is the distance from it, so
// the bands of the border bend round; elsewhere the depth is the distance from the nearer side,
// counted in whole 1× pixels so the straight edges repeat each cross-section value `scale` times.
// Pixels cut by the circle count as depth 0.
double cornerDepth(int u, int v, int scale)
{
    const int r = kCornerRadius * scale;
    if (u >= r || v >= r) {
        return std::min(u, v) / scale;
    }
    const double dx = r - (u + 0.5);
    const double dy = r - (v + 0.5);
    return std::max(0.0, (r - std::sqrt(dx * dx + dy * dy)) / scale - 0.5);
}

// A corner pixel whose centre lies outside the quarter circle is a hole: at 1× the three
// outermost pixels of the outer row and column. The six-hole corners also lose the area of the
// 1× diagonal pixel (1, 1), which lies just inside the circle: `scale` × `scale` pixels.
bool isHole(int u, int v, bool sixHoles, int scale)
{
    const int r = kCornerRadius * scale;
    if (u >= r || v >= r) {
        return false;
    }
    if (sixHoles && u / scale == 1 && v / scale == 1) {
        return true;
    }
    const double dx = r - (u + 0.5);
    const double dy = r - (v + 0.5);
    return dx * dx + dy * dy > double(r) * r;
}

// The grey value of one half of a look in tile (tx, ty) (tiles numbered 0-2), at the pixel u
// columns in from the nearer left or right side and v rows in from the nearer top or bottom.
// Edge tiles repeat their side's cross-section along the edge. A corner pixel takes the side it
// is nearer to; on the diagonal both sides are averaged, which gives the mitre where a light
// and a dark side meet.
double tileValue(const Half &half, int inside, int tx, int ty, int u, int v, int scale)
{
    const Profile &vertical = tx == 0 ? half.topLeft : half.bottomRight;
    const Profile &horizontal = ty == 0 ? half.topLeft : half.bottomRight;
    if (tx == 1 && ty == 1) {
        return inside;
    }
    if (tx == 1) {
        return horizontal.at(v / scale);
    }
    if (ty == 1) {
        return vertical.at(u / scale);
    }
    const double depth = cornerDepth(u, v, scale);
    if (u < v) {
        return vertical.at(depth);
    }
    if (v < u) {
        return horizontal.at(depth);
    }
    return (vertical.at(depth) + horizontal.at(depth)) / 2;
}

Rgb grey(double value)
{
    const auto g = static_cast<std::uint8_t>(std::clamp(std::lround(value), 0L, 255L));
    return Rgb{g, g, g};
}

} // namespace

BgrImage DrawBord1(int scale)
{
    const int tile = kTile * scale;
    BgrImage image(9 * tile, 6 * tile);
    const std::vector<Look> all = looks();
    for (int look = 0; look < 3; ++look) {
        const Look &l = all[look];
        const int x0 = look * 3 * tile;
        for (int ty = 0; ty < 3; ++ty) {
            for (int tx = 0; tx < 3; ++tx) {
                const bool corner = tx != 1 && ty != 1;
                // Top-right and bottom-left are the corners that may have six holes.
                const bool sixHoles = l.sixHoleCorners && tx != ty;
                for (int y = 0; y < tile; ++y) {
                    for (int x = 0; x < tile; ++x) {
                        const int u = tx == 0 ? x : tile - 1 - x;
                        const int v = ty == 0 ? y : tile - 1 - y;
                        const int px = x0 + tx * tile + x;
                        const int py = ty * tile + y;
                        Rgb pixel = grey(tileValue(l.picture, kPictureInside, tx, ty, u, v, scale));
                        if (corner && isHole(u, v, sixHoles, scale)) {
                            pixel = kHole;
                        } else if (l.purpleBottomLine && ty == 2 && v < scale) {
                            pixel = kPurpleLine;
                        }
                        image.setPixel(px, py, pixel);
                        image.setPixel(
                            px, py + 3 * tile,
                            grey(tileValue(l.opacity, kOpacityInside, tx, ty, u, v, scale)));
                    }
                }
            }
        }
    }
    return image;
}

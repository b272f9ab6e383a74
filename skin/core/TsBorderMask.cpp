// SPDX-License-Identifier: GPL-3.0-or-later
#include "TsBorderMask.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

// Where the tiles of one look come from and how they are mixed in.
struct MaskSource
{
    const BgrImage &mask;
    int opacityRows;               // distance from a picture row to its opacity row
    Rgb holeColor;                 // picture colour of holes in corner and edge tiles
    std::vector<HolePixel> *holes; // receives the holes; null when nobody needs them
};

// Mixes `bytes` channel values: out = (out · s + m · (256 − s)) div 256, one channel at a time.
// A plain loop over the bytes of a run, which the compiler can vectorise.
void blendRun(std::uint8_t *out, const std::uint8_t *pic, const std::uint8_t *opacity, int bytes)
{
    for (int k = 0; k < bytes; ++k) {
        const unsigned s = opacity[k];
        out[k] = static_cast<std::uint8_t>((out[k] * s + pic[k] * (256 - s)) >> 8);
    }
}

// Mixes the w × h mask pixels at (sx, sy) into the image at (dx, dy). With `withHoles`, picture
// pixels of the hole colour leave the image alone and are reported.
void blendBlock(BgrImage &image, int dx, int dy, int w, int h, const MaskSource &src, int sx,
                int sy, bool withHoles)
{
    const Rgb hole = src.holeColor;
    for (int j = 0; j < h; ++j) {
        std::uint8_t *out = image.row(dy + j) + 3 * dx;
        const std::uint8_t *pic = src.mask.row(sy + j) + 3 * sx;
        const std::uint8_t *opacity = src.mask.row(sy + j + src.opacityRows) + 3 * sx;
        // Runs of ordinary pixels are mixed in one go; only hole pixels break a run.
        int runStart = 0;
        if (withHoles) {
            for (int i = 0; i < w; ++i) {
                const std::uint8_t *p = pic + 3 * i;
                if (p[0] == hole.b && p[1] == hole.g && p[2] == hole.r) {
                    blendRun(out + 3 * runStart, pic + 3 * runStart, opacity + 3 * runStart,
                             3 * (i - runStart));
                    runStart = i + 1;
                    if (src.holes != nullptr) {
                        src.holes->push_back(HolePixel{dx + i, dy + j});
                    }
                }
            }
        }
        blendRun(out + 3 * runStart, pic + 3 * runStart, opacity + 3 * runStart,
                 3 * (w - runStart));
    }
}

// Repeats the tileW × tileH mask block at (sx, sy) over [x0, x1) × [y0, y1), starting with a
// whole copy at (x0, y0); the copies in the last column and row are cut off. Each tile row is
// laid out once across the whole width and mixed into every image row that uses it as one run,
// so the work per pixel stays a few instructions however small the tiles are.
void tileArea(BgrImage &image, int x0, int y0, int x1, int y1, const MaskSource &src, int sx,
              int sy, int tileW, int tileH, bool withHoles)
{
    const int width = x1 - x0;
    if (width <= 0 || y1 <= y0) {
        return;
    }
    thread_local std::vector<std::uint8_t> picRow;
    thread_local std::vector<std::uint8_t> opacityRow;
    picRow.resize(3 * static_cast<std::size_t>(width));
    opacityRow.resize(3 * static_cast<std::size_t>(width));
    const Rgb hole = src.holeColor;
    for (int j = 0; j < tileH && y0 + j < y1; ++j) {
        const std::uint8_t *pic = src.mask.row(sy + j) + 3 * sx;
        const std::uint8_t *opacity = src.mask.row(sy + j + src.opacityRows) + 3 * sx;
        bool rowHasHoles = false;
        for (int i = 0; withHoles && i < tileW; ++i) {
            const std::uint8_t *p = pic + 3 * i;
            rowHasHoles |= p[0] == hole.b && p[1] == hole.g && p[2] == hole.r;
        }
        for (int x = 0; x < width; x += tileW) {
            const std::size_t n = 3 * static_cast<std::size_t>(std::min(tileW, width - x));
            std::memcpy(picRow.data() + 3 * x, pic, n);
            std::memcpy(opacityRow.data() + 3 * x, opacity, n);
        }
        for (int y = y0 + j; y < y1; y += tileH) {
            std::uint8_t *out = image.row(y) + 3 * x0;
            if (!rowHasHoles) {
                blendRun(out, picRow.data(), opacityRow.data(), 3 * width);
                continue;
            }
            int runStart = 0;
            for (int i = 0; i < width; ++i) {
                const std::uint8_t *p = picRow.data() + 3 * i;
                if (p[0] == hole.b && p[1] == hole.g && p[2] == hole.r) {
                    blendRun(out + 3 * runStart, picRow.data() + 3 * runStart,
                             opacityRow.data() + 3 * runStart, 3 * (i - runStart));
                    runStart = i + 1;
                    if (src.holes != nullptr) {
                        src.holes->push_back(HolePixel{x0 + i, y});
                    }
                }
            }
            blendRun(out + 3 * runStart, picRow.data() + 3 * runStart,
                     opacityRow.data() + 3 * runStart, 3 * (width - runStart));
        }
    }
}

} // namespace

void DrawBorderMask(BgrImage &image, const BgrImage &mask, BorderState state,
                    TColor transparentColor, std::vector<HolePixel> *holes)
{
    const int W = image.width();
    const int H = image.height();
    const int tw = mask.width() / 9;
    const int th = mask.height() / 6;
    const int look = static_cast<int>(state);
    if (W <= 2 || H <= 2 || tw == 0 || th == 0 || look < 0 || look > 2) {
        return;
    }

    // A button narrower (lower) than two tiles splits its width (height) between the corners.
    const int left = W < 2 * tw ? W / 2 : tw;
    const int right = W < 2 * tw ? W - W / 2 : tw;
    const int top = H < 2 * th ? H / 2 : th;
    const int bottom = H < 2 * th ? H - H / 2 : th;

    const MaskSource src{mask, 3 * th, ColorToRgb(transparentColor), holes};
    // Tile columns and rows of this look's picture.
    const int col0 = look * 3 * tw;
    const int col1 = col0 + tw;
    const int col2 = col0 + 2 * tw;
    const int row1 = th;
    const int row2 = 2 * th;
    // Right and bottom parts are taken from the right and bottom of their tiles.
    const int rightPart = col2 + tw - right;
    const int bottomPart = row2 + th - bottom;

    blendBlock(image, 0, 0, left, top, src, col0, 0, true);
    blendBlock(image, W - right, 0, right, top, src, rightPart, 0, true);
    blendBlock(image, 0, H - bottom, left, bottom, src, col0, bottomPart, true);
    blendBlock(image, W - right, H - bottom, right, bottom, src, rightPart, bottomPart, true);

    tileArea(image, tw, 0, W - right, top, src, col1, 0, tw, top, true);
    tileArea(image, tw, H - bottom, W - right, H, src, col1, bottomPart, tw, bottom, true);
    tileArea(image, 0, th, left, H - bottom, src, col0, row1, left, th, true);
    tileArea(image, W - right, th, W, H - bottom, src, rightPart, row1, right, th, true);

    tileArea(image, tw, th, W - tw, H - th, src, col1, row1, tw, th, false);
}

int BorderMaskScale(double devicePixelRatio)
{
    // A ratio a rounding error above a whole number (2.0000001) still takes that mask.
    constexpr double kSlack = 1e-6;
    return std::clamp(static_cast<int>(std::ceil(devicePixelRatio - kSlack)), 1, 3);
}

namespace {
// The logical pixel a device pixel's centre lies in.
int logicalOf(int device, double ratio)
{
    return static_cast<int>(std::floor((device + 0.5) / ratio));
}

// The holes inside a width × height image, each once, sorted by row, then column: the logical
// holes where device and logical pixels are the same.
std::vector<HolePixel> holesInRowOrder(const std::vector<HolePixel> &holes, int width, int height)
{
    std::vector<HolePixel> inside;
    inside.reserve(holes.size());
    for (const HolePixel &h : holes) {
        if (h.x >= 0 && h.y >= 0 && h.x < width && h.y < height) {
            inside.push_back(h);
        }
    }
    std::sort(inside.begin(), inside.end(), [](const HolePixel &a, const HolePixel &b) {
        return a.y != b.y ? a.y < b.y : a.x < b.x;
    });
    inside.erase(std::unique(inside.begin(), inside.end()), inside.end());
    return inside;
}
} // namespace

std::vector<HolePixel> LogicalHoles(const std::vector<HolePixel> &deviceHoles, int deviceWidth,
                                    int deviceHeight, double devicePixelRatio)
{
    if (deviceWidth <= 0 || deviceHeight <= 0 || !(devicePixelRatio > 0)) {
        return {};
    }
    if (devicePixelRatio == 1.0) {
        return holesInRowOrder(deviceHoles, deviceWidth, deviceHeight);
    }
    const double r = devicePixelRatio;
    const int logicalWidth = logicalOf(deviceWidth - 1, r) + 1;
    const int logicalHeight = logicalOf(deviceHeight - 1, r) + 1;
    // How many device columns (rows) each logical column (row) owns.
    std::vector<int> columns(static_cast<std::size_t>(logicalWidth), 0);
    std::vector<int> rows(static_cast<std::size_t>(logicalHeight), 0);
    for (int x = 0; x < deviceWidth; ++x) {
        ++columns[static_cast<std::size_t>(logicalOf(x, r))];
    }
    for (int y = 0; y < deviceHeight; ++y) {
        ++rows[static_cast<std::size_t>(logicalOf(y, r))];
    }
    std::vector<int> count(static_cast<std::size_t>(logicalWidth) * logicalHeight, 0);
    for (const HolePixel &h : deviceHoles) {
        if (h.x < 0 || h.y < 0 || h.x >= deviceWidth || h.y >= deviceHeight) {
            continue;
        }
        ++count[static_cast<std::size_t>(logicalOf(h.y, r)) * logicalWidth + logicalOf(h.x, r)];
    }
    std::vector<HolePixel> holes;
    for (int y = 0; y < logicalHeight; ++y) {
        for (int x = 0; x < logicalWidth; ++x) {
            const int n = count[static_cast<std::size_t>(y) * logicalWidth + x];
            const int owned = columns[static_cast<std::size_t>(x)] * rows[static_cast<std::size_t>(y)];
            if (n > 0 && 2 * n >= owned) {
                holes.push_back(HolePixel{x, y});
            }
        }
    }
    return holes;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "PixelEffects.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <vector>

int FadeWeight256(int position, int iterations)
{
    return 255 - (position * 255) / iterations;
}

double FadeWeight(int position, int iterations)
{
    return FadeWeight256(position, iterations) / 256.0;
}

namespace {

// One row of a fade frame with 0 ≤ k ≤ 256. The value times 256, v = k · a + (256 − k) · b,
// lies in 0..65280 and so fits an unsigned 16-bit lane; q = v div 256 and r = v mod 256, and
// round-to-even adds one when r > 128, or r = 128 with q odd, that is when r + (q mod 2) > 128.
// q + 1 never passes 255: q = 255 only for v = 65280, where r = 0. No branches, no widening
// beyond 16 bits, so GCC turns the loop into 16-bit vector multiplies and shifts.
// One channel value of a fade frame, with ka + kb = 256 and 0 ≤ ka ≤ 256.
inline std::uint8_t mixChannel(std::uint8_t a, std::uint8_t b, std::uint16_t ka, std::uint16_t kb)
{
    const auto v = static_cast<std::uint16_t>(a * ka + b * kb);
    const auto q = static_cast<std::uint16_t>(v >> 8);
    const auto r = static_cast<std::uint16_t>(v & 0xFF);
    // r + (q mod 2) ≤ 256, so adding 127 carries into bit 8 exactly when it passes 128.
    const auto up = static_cast<std::uint16_t>((r + (q & 1) + 127) >> 8);
    return static_cast<std::uint8_t>(q + up);
}

// The rows must not overlap (restrict): the caller mixes in place through a separate row. The
// bytes go in blocks of a fixed 32, which GCC vectorises even at -O2 (its cheap cost model
// takes only loops of a known trip count), and the rest one by one.
void mixRowInRange(const std::uint8_t *__restrict pa, const std::uint8_t *__restrict pb,
                   std::uint8_t *__restrict po, int n, unsigned k)
{
    constexpr int kBlock = 32;
    const auto ka = static_cast<std::uint16_t>(k);
    const auto kb = static_cast<std::uint16_t>(256 - k);
    int i = 0;
    for (; i + kBlock <= n; i += kBlock) {
        for (int j = 0; j < kBlock; ++j) {
            po[i + j] = mixChannel(pa[i + j], pb[i + j], ka, kb);
        }
    }
    for (; i < n; ++i) {
        po[i] = mixChannel(pa[i], pb[i], ka, kb);
    }
}

// Any other k (a fade position outside its steps): the same rounding in 32 bits, kept within
// 0..255.
void mixRowAnyWeight(const std::uint8_t *pa, const std::uint8_t *pb, std::uint8_t *po, int n,
                     int k)
{
    for (int i = 0; i < n; ++i) {
        const int v = k * (pa[i] - pb[i]) + 256 * pb[i];
        const int q = v >> 8; // arithmetic shift: rounds toward minus infinity
        const int r = v & 0xFF;
        const int rounded = q + ((r + (q & 1)) > 128 ? 1 : 0);
        po[i] = static_cast<std::uint8_t>(std::clamp(rounded, 0, 255));
    }
}

} // namespace

void MixFadeFrame256(const BgrImage &a, const BgrImage &b, int k, BgrImage &out)
{
    const int w = std::min({a.width(), b.width(), out.width()});
    const int h = std::min({a.height(), b.height(), out.height()});
    const bool inRange = k >= 0 && k <= 256;
    // The vectorised row mix takes rows that do not overlap, so a frame mixed in place goes
    // through a row of its own first. A separate output (the fade's case) needs no copy.
    const bool inPlace = &out == &a || &out == &b;
    thread_local std::vector<std::uint8_t> scratch;
    if (inPlace && inRange) {
        scratch.resize(3 * static_cast<std::size_t>(w));
    }
    for (int y = 0; y < h; ++y) {
        if (inRange && inPlace) {
            mixRowInRange(a.row(y), b.row(y), scratch.data(), 3 * w, static_cast<unsigned>(k));
            std::memcpy(out.row(y), scratch.data(), scratch.size());
        } else if (inRange) {
            mixRowInRange(a.row(y), b.row(y), out.row(y), 3 * w, static_cast<unsigned>(k));
        } else {
            mixRowAnyWeight(a.row(y), b.row(y), out.row(y), 3 * w, k);
        }
    }
}

void MixFadeFrame(const BgrImage &a, const BgrImage &b, double x, BgrImage &out)
{
    const double scaled = x * 256;
    if (std::abs(scaled) < 1 << 20 && scaled == std::floor(scaled)) {
        MixFadeFrame256(a, b, static_cast<int>(scaled), out);
        return;
    }
    const int w = std::min({a.width(), b.width(), out.width()});
    const int h = std::min({a.height(), b.height(), out.height()});
    for (int y = 0; y < h; ++y) {
        const std::uint8_t *pa = a.row(y);
        const std::uint8_t *pb = b.row(y);
        std::uint8_t *po = out.row(y);
        for (int i = 0; i < 3 * w; ++i) {
            const double v = std::nearbyint(x * (pa[i] - pb[i]) + pb[i]);
            po[i] = static_cast<std::uint8_t>(std::clamp(v, 0.0, 255.0));
        }
    }
}

void BlendDisabled(BgrImage &img, Rgb parent)
{
    std::array<std::array<std::uint8_t, 256>, 3> lut{};
    const int channel[3] = {parent.b, parent.g, parent.r};
    for (int c = 0; c < 3; ++c) {
        for (int v = 0; v < 256; ++v) {
            lut[c][v] = static_cast<std::uint8_t>((128 * channel[c] + 127 * v) >> 8);
        }
    }
    for (int y = 0; y < img.height(); ++y) {
        std::uint8_t *p = img.row(y);
        for (int x = 0; x < img.width(); ++x, p += 3) {
            p[0] = lut[0][p[0]];
            p[1] = lut[1][p[1]];
            p[2] = lut[2][p[2]];
        }
    }
}

namespace {
void dot(BgrImage &img, int x, int y, Rgb c)
{
    if (img.contains(x, y)) {
        img.setPixel(x, y, c);
    }
}
} // namespace

void DrawFocusDots(BgrImage &img, TsRect frame)
{
    constexpr Rgb black{0, 0, 0};
    constexpr Rgb white{255, 255, 255};
    for (int k = 0; k <= (frame.right - frame.left) / 3; ++k) {
        const int x = frame.left + 3 * k;
        dot(img, x, frame.top, black);
        dot(img, x, frame.bottom, black);
        dot(img, x - 1, frame.top - 1, white);
        dot(img, x - 1, frame.bottom - 1, white);
    }
    for (int k = 0; k <= (frame.bottom - frame.top) / 3; ++k) {
        const int y = frame.top + 3 * k;
        dot(img, frame.left, y, black);
        dot(img, frame.right, y, black);
        dot(img, frame.left - 1, y - 1, white);
        dot(img, frame.right - 1, y - 1, white);
    }
}

namespace {
// A square dot of `size` pixels with its top-left corner at (x, y), clipped to the image.
void square(BgrImage &img, int x, int y, int size, Rgb c)
{
    for (int j = 0; j < size; ++j) {
        for (int i = 0; i < size; ++i) {
            dot(img, x + i, y + j, c);
        }
    }
}
} // namespace

void DrawFocusDots(BgrImage &img, TsRect frame, double ratio)
{
    constexpr Rgb black{0, 0, 0};
    constexpr Rgb white{255, 255, 255};
    const int size = std::max(1, static_cast<int>(std::lround(ratio)));
    // The right and bottom dots lie inside the frame, ending on its edge.
    const int rightDot = frame.right - size + 1;
    const int bottomDot = frame.bottom - size + 1;
    for (int k = 0;; ++k) {
        const int x = frame.left + static_cast<int>(std::nearbyint(3 * k * ratio));
        if (x > rightDot) {
            break;
        }
        square(img, x, frame.top, size, black);
        square(img, x, bottomDot, size, black);
        square(img, x - size, frame.top - size, size, white);
        square(img, x - size, bottomDot - size, size, white);
    }
    for (int k = 0;; ++k) {
        const int y = frame.top + static_cast<int>(std::nearbyint(3 * k * ratio));
        if (y > bottomDot) {
            break;
        }
        square(img, frame.left, y, size, black);
        square(img, rightDot, y, size, black);
        square(img, frame.left - size, y - size, size, white);
        square(img, rightDot - size, y - size, size, white);
    }
}

void GrayImage(BgrImage &img)
{
    for (int y = 0; y < img.height(); ++y) {
        std::uint8_t *p = img.row(y);
        for (int x = 0; x < img.width(); ++x, p += 3) {
            const auto grey = static_cast<std::uint8_t>((p[0] * 29 + p[1] * 150 + p[2] * 77) >> 8);
            p[0] = p[1] = p[2] = grey;
        }
    }
}

namespace {
// Mixes one pixel with a colour: share/256 of the colour, the rest of the old pixel.
void mixPixel(BgrImage &img, int x, int y, Rgb c, int share)
{
    const Rgb old = img.pixel(x, y);
    auto mix = [share](int o, int n) {
        return static_cast<std::uint8_t>((o * (256 - share) + n * share) >> 8);
    };
    img.setPixel(x, y, Rgb{mix(old.r, c.r), mix(old.g, c.g), mix(old.b, c.b)});
}
} // namespace

void DrawBevel(BgrImage &img, TsControlBevel bevel, int width)
{
    if (bevel == TsControlBevel::cbNone) {
        return;
    }
    const bool raised =
        bevel == TsControlBevel::cbRaisedSoft || bevel == TsControlBevel::cbRaisedHard;
    const bool hard =
        bevel == TsControlBevel::cbRaisedHard || bevel == TsControlBevel::cbLoweredHard;
    const Rgb light{255, 255, 255};
    const Rgb dark{0, 0, 0};
    const Rgb topLeft = raised ? light : dark;
    const Rgb bottomRight = raised ? dark : light;
    const int w = img.width();
    const int h = img.height();
    width = std::min({width, w / 2, h / 2});
    for (int ring = 0; ring < width; ++ring) {
        // The outer ring mixes most; each ring further in mixes less.
        const int share = (hard ? 192 : 128) * (width - ring) / width;
        for (int x = ring; x < w - ring; ++x) {
            mixPixel(img, x, ring, topLeft, share);
            mixPixel(img, x, h - 1 - ring, bottomRight, share);
        }
        for (int y = ring + 1; y < h - 1 - ring; ++y) {
            mixPixel(img, ring, y, topLeft, share);
            mixPixel(img, w - 1 - ring, y, bottomRight, share);
        }
    }
}

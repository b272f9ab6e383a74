#include "PixelEffects.h"

#include <algorithm>
#include <array>
#include <cmath>

double FadeWeight(int position, int iterations)
{
    return (255 - (position * 255) / iterations) / 256.0;
}

void MixFadeFrame(const BgrImage &a, const BgrImage &b, double x, BgrImage &out)
{
    const int w = std::min({a.width(), b.width(), out.width()});
    const int h = std::min({a.height(), b.height(), out.height()});
    for (int y = 0; y < h; ++y) {
        const std::uint8_t *pa = a.row(y);
        const std::uint8_t *pb = b.row(y);
        std::uint8_t *po = out.row(y);
        for (int i = 0; i < 3 * w; ++i) {
            // x is a multiple of 1/256, so the product and sum are exact and a tie rounds
            // to even exactly as intended.
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

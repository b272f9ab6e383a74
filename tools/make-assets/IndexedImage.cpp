// SPDX-License-Identifier: GPL-3.0-or-later
#include "IndexedImage.h"

#include <algorithm>
#include <limits>
#include <map>

namespace {

constexpr std::size_t kPaletteSize = 256;
// A colour covering at least this many pixels is a flat area and keeps its exact value.
constexpr int kFlatColourPixels = 24;
// At most this many flat colours; the rest of the palette is left for the edges.
constexpr std::size_t kMaxFlatColours = 96;

std::uint32_t key(Rgb c)
{
    return (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b;
}

struct Count
{
    Rgb colour;
    int pixels;
};

int channel(Rgb c, int which)
{
    return which == 0 ? c.r : which == 1 ? c.g : c.b;
}

// One box of the median cut: a run of colours in `counts`.
struct Box
{
    std::size_t begin;
    std::size_t end;
};

// The channel over which a box's colours spread most, and how far.
std::pair<int, int> widestChannel(const std::vector<Count> &counts, const Box &box)
{
    int best = 0;
    int bestRange = -1;
    for (int ch = 0; ch < 3; ++ch) {
        int lo = 255;
        int hi = 0;
        for (std::size_t i = box.begin; i < box.end; ++i) {
            lo = std::min(lo, channel(counts[i].colour, ch));
            hi = std::max(hi, channel(counts[i].colour, ch));
        }
        if (hi - lo > bestRange) {
            best = ch;
            bestRange = hi - lo;
        }
    }
    return {best, bestRange};
}

// Splits the colours into at most `boxes` groups by median cut and returns each group's
// pixel-weighted mean colour.
std::vector<Rgb> medianCut(std::vector<Count> counts, std::size_t boxes)
{
    std::vector<Box> all;
    if (!counts.empty() && boxes > 0) {
        all.push_back(Box{0, counts.size()});
    }
    while (all.size() < boxes) {
        // Split the box with the widest spread (the first of equals).
        int widest = 0;
        std::size_t which = all.size();
        int widestCh = 0;
        for (std::size_t i = 0; i < all.size(); ++i) {
            if (all[i].end - all[i].begin < 2) {
                continue;
            }
            const auto [ch, range] = widestChannel(counts, all[i]);
            if (range > widest) {
                widest = range;
                which = i;
                widestCh = ch;
            }
        }
        if (which == all.size()) {
            break; // every box holds a single colour
        }
        Box &box = all[which];
        const auto first = counts.begin() + static_cast<std::ptrdiff_t>(box.begin);
        const auto last = counts.begin() + static_cast<std::ptrdiff_t>(box.end);
        std::stable_sort(first, last, [widestCh](const Count &a, const Count &b) {
            return channel(a.colour, widestCh) < channel(b.colour, widestCh);
        });
        long total = 0;
        for (auto it = first; it != last; ++it) {
            total += it->pixels;
        }
        // The split comes after the colour that reaches half the pixels, but leaves at least
        // one colour on each side.
        long running = 0;
        std::size_t split = box.begin + 1;
        for (std::size_t i = box.begin; i + 1 < box.end; ++i) {
            running += counts[i].pixels;
            split = i + 1;
            if (2 * running >= total) {
                break;
            }
        }
        const Box upper{split, box.end};
        box.end = split;
        all.push_back(upper);
    }

    std::vector<Rgb> means;
    for (const Box &box : all) {
        double r = 0;
        double g = 0;
        double b = 0;
        double n = 0;
        for (std::size_t i = box.begin; i < box.end; ++i) {
            r += counts[i].colour.r * double(counts[i].pixels);
            g += counts[i].colour.g * double(counts[i].pixels);
            b += counts[i].colour.b * double(counts[i].pixels);
            n += counts[i].pixels;
        }
        means.push_back(Rgb{static_cast<std::uint8_t>(r / n + 0.5),
                            static_cast<std::uint8_t>(g / n + 0.5),
                            static_cast<std::uint8_t>(b / n + 0.5)});
    }
    return means;
}

std::uint8_t nearest(const std::vector<Rgb> &palette, Rgb c)
{
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const int dr = palette[i].r - c.r;
        const int dg = palette[i].g - c.g;
        const int db = palette[i].b - c.b;
        // Weighted roughly by how strongly the eye sees each channel.
        const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = static_cast<int>(i);
        }
    }
    return static_cast<std::uint8_t>(best);
}

} // namespace

IndexedImage Quantise(const BgrImage &image)
{
    // An ordered map, so the order of the colours depends only on the pixels.
    std::map<std::uint32_t, Count> histogram;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const Rgb c = image.pixel(x, y);
            auto [it, added] = histogram.try_emplace(key(c), Count{c, 0});
            ++it->second.pixels;
        }
    }
    std::vector<Count> counts;
    for (const auto &[k, count] : histogram) {
        counts.push_back(count);
    }
    // Most used first; equal counts keep the order of their colour values.
    std::stable_sort(counts.begin(), counts.end(),
                     [](const Count &a, const Count &b) { return a.pixels > b.pixels; });

    IndexedImage out;
    out.width = image.width();
    out.height = image.height();
    if (counts.size() <= kPaletteSize) {
        for (const Count &c : counts) {
            out.palette.push_back(c.colour);
        }
    } else {
        std::size_t flat = 0;
        while (flat < counts.size() && flat < kMaxFlatColours &&
               counts[flat].pixels >= kFlatColourPixels) {
            out.palette.push_back(counts[flat].colour);
            ++flat;
        }
        const std::vector<Count> rest(counts.begin() + static_cast<std::ptrdiff_t>(flat),
                                      counts.end());
        for (Rgb mean : medianCut(rest, kPaletteSize - flat)) {
            out.palette.push_back(mean);
        }
    }

    std::map<std::uint32_t, std::uint8_t> indexOf;
    out.indices.reserve(static_cast<std::size_t>(out.width) * out.height);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const Rgb c = image.pixel(x, y);
            auto [it, added] = indexOf.try_emplace(key(c), 0);
            if (added) {
                it->second = nearest(out.palette, c);
            }
            out.indices.push_back(it->second);
        }
    }
    return out;
}

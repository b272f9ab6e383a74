// SPDX-License-Identifier: GPL-3.0-or-later
#include "TsGradient.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <cstring>

TsConvertError::TsConvertError(const std::string &word)
    : std::runtime_error("'" + word + "' is not a valid integer value"), m_word(word)
{
}

std::int32_t StrToInt(std::string_view word)
{
    std::size_t i = 0;
    while (i < word.size() && (word[i] == ' ' || word[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < word.size() && (word[i] == '+' || word[i] == '-')) {
        negative = word[i] == '-';
        ++i;
    }
    if (i == word.size()) {
        throw TsConvertError(std::string(word));
    }
    // Accumulate in 64 bits; the limit check after every digit keeps it from overflowing.
    constexpr std::int64_t limit = std::int64_t{1} << 31;
    std::int64_t value = 0;
    for (; i < word.size(); ++i) {
        const char ch = word[i];
        if (ch < '0' || ch > '9') {
            throw TsConvertError(std::string(word));
        }
        value = value * 10 + (ch - '0');
        if (value > limit) {
            throw TsConvertError(std::string(word));
        }
    }
    if (negative) {
        value = -value;
    }
    if (value > limit - 1) {
        throw TsConvertError(std::string(word));
    }
    return static_cast<std::int32_t>(value);
}

TsGradArray ParseGradient(std::string_view text)
{
    std::vector<std::string_view> words;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t next = text.find(';', pos);
        if (next == std::string_view::npos) {
            next = text.size();
        }
        if (next > pos) {
            words.push_back(text.substr(pos, next - pos));
        }
        pos = next + 1;
    }

    TsGradArray stops(words.size() / 5);
    for (std::size_t k = 0; k < stops.size(); ++k) {
        TsGradientStop &s = stops[k];
        s.Color1 = StrToInt(words[5 * k]);
        s.Color2 = StrToInt(words[5 * k + 1]);
        s.Percent = static_cast<std::uint8_t>(StrToInt(words[5 * k + 2]) & 0xFF);
        s.Direction = StrToInt(words[5 * k + 3]);
        // The fifth word is reserved and never converted.
    }
    return stops;
}

namespace {

std::uint8_t roundChannel(double v)
{
    // Rounds to the nearest integer with ties to even: adding and taking away 1.5 * 2^52 drops
    // the fraction in the default rounding mode, exactly as nearbyint would, without a call
    // into the maths library (this runs for every row of every button render).
    // Where intermediate results may carry extra precision the trick is unsafe; use the library.
    const double c = std::clamp(v, 0.0, 255.0);
#if FLT_EVAL_METHOD == 0
    constexpr double magic = 6755399441055744.0;
    return static_cast<std::uint8_t>((c + magic) - magic);
#else
    return static_cast<std::uint8_t>(std::nearbyint(c));
#endif
}

// The colour blend: new = round(f * old + (1 - f) * colour) per channel, f = percent / 100.
class Blend
{
public:
    Blend(int percent, Rgb colour)
        : m_f(percent / 100.0), m_rest(1.0 - m_f), m_colour(colour)
    {
    }

    Rgb operator()(Rgb c) const
    {
        return Rgb{channel(c.r, m_colour.r), channel(c.g, m_colour.g), channel(c.b, m_colour.b)};
    }

    // Blends `count` pixels in place. The result depends only on the old channel value, so a
    // 256-entry table per channel is built (once, on first use) and the pixels look it up.
    void apply(std::uint8_t *p, int count) const
    {
        if (count <= 0) {
            return;
        }
        if (!m_tableReady) {
            for (int v = 0; v < 256; ++v) {
                m_b[v] = channel(v, m_colour.b);
                m_g[v] = channel(v, m_colour.g);
                m_r[v] = channel(v, m_colour.r);
            }
            m_tableReady = true;
        }
        for (std::uint8_t *const stop = p + 3 * count; p != stop; p += 3) {
            p[0] = m_b[p[0]];
            p[1] = m_g[p[1]];
            p[2] = m_r[p[2]];
        }
    }

private:
    std::uint8_t channel(int old, int colour) const
    {
        return roundChannel(m_f * old + m_rest * colour);
    }

    double m_f;
    double m_rest;
    Rgb m_colour;
    mutable bool m_tableReady = false;
    mutable std::array<std::uint8_t, 256> m_b{};
    mutable std::array<std::uint8_t, 256> m_g{};
    mutable std::array<std::uint8_t, 256> m_r{};
};

// The pixels a paint has written: columns x0..x1 and rows y0..y1, both inclusive.
struct Region
{
    int x0 = 0;
    int y0 = 0;
    int x1 = -1;
    int y1 = -1;
};

// Interpolates the bands along one axis: the colour of each position from a band's start to its
// end, advanced by repeated addition of the step so that the result matches the classic painter
// exactly.
template <typename Emit>
void walkBands(const TsGradArray &stops, int lo, int hi, int limit, Emit putBand)
{
    int end = lo;
    const int extent = hi - lo;
    for (std::size_t i = 0; i < stops.size(); ++i) {
        const bool last = i + 1 == stops.size();
        const int start = end;
        end = start + stops[i].Percent * extent / 100;
        if (last) {
            end = limit - 1;
        }
        if (end - start <= 0) {
            continue; // an empty band: its colours never appear
        }
        if (last || end > limit - 1) {
            end = std::min(hi - 1, limit - 1);
            if (end == start) {
                return; // the cut left nothing: later bands are not painted either
            }
        }
        const int n = end - start;
        const Rgb a = ColorToRgb(stops[i].Color1);
        const Rgb b = ColorToRgb(stops[i].Color2);
        double r = a.r;
        double g = a.g;
        double bl = a.b;
        const double dr = (static_cast<double>(b.r) - a.r) / n;
        const double dg = (static_cast<double>(b.g) - a.g) / n;
        const double db = (static_cast<double>(b.b) - a.b) / n;
        for (int p = start; p <= end; ++p) {
            putBand(p, Rgb{roundChannel(r), roundChannel(g), roundChannel(bl)});
            r += dr;
            g += dg;
            bl += db;
        }
    }
}

TsRect clipped(TsRect r, const BgrImage &img)
{
    r.left = std::max(r.left, 0);
    r.top = std::max(r.top, 0);
    r.right = std::min(r.right, img.width());
    r.bottom = std::min(r.bottom, img.height());
    return r;
}

// Paints the bands and returns what was written. With a blend table every written pixel
// receives the blended colour, so a uniform row is blended once instead of pixel by pixel.
Region paintBands(BgrImage &img, TsRect rect, const TsGradArray &stops, const Blend *blend)
{
    Region done;
    rect = clipped(rect, img);
    if (stops.empty() || rect.right <= rect.left || rect.bottom <= rect.top) {
        return done;
    }
    const std::int32_t direction = stops.front().Direction;
    if (direction == 0) {
        // Vertical bands: one colour per row, the row filled with wide copies. The bands run
        // on from the top without gaps, so the written rows are top..the furthest end.
        done = Region{rect.left, rect.top, rect.right - 1, rect.top - 1};
        walkBands(stops, rect.top, rect.bottom, img.height(), [&](int y, Rgb c) {
            FillRow(img.row(y), rect.left, rect.right, blend ? (*blend)(c) : c);
            done.y1 = std::max(done.y1, y);
        });
    } else if (direction == 1) {
        // Horizontal bands: the run of colours is built once in the top row (and blended
        // there once) and copied to every other row of the rectangle.
        std::uint8_t *first = img.row(rect.top);
        done = Region{rect.left, rect.top, rect.left - 1, rect.bottom - 1};
        walkBands(stops, rect.left, rect.right, img.width(), [&](int x, Rgb c) {
            std::uint8_t *p = first + 3 * x;
            p[0] = c.b;
            p[1] = c.g;
            p[2] = c.r;
            done.x1 = std::max(done.x1, x);
        });
        if (done.x1 < done.x0) {
            return Region{};
        }
        const int count = done.x1 - done.x0 + 1;
        if (blend) {
            blend->apply(first + 3 * done.x0, count);
        }
        for (int y = rect.top + 1; y < rect.bottom; ++y) {
            std::memcpy(img.row(y) + 3 * done.x0, first + 3 * done.x0,
                        static_cast<std::size_t>(count) * 3);
        }
    }
    if (done.y1 < done.y0) {
        return Region{};
    }
    return done;
}

// Blends every pixel of the image except those of `skip`, which already hold blended colours.
void blendOutside(BgrImage &img, const Blend &blend, Region skip)
{
    for (int y = 0; y < img.height(); ++y) {
        std::uint8_t *row = img.row(y);
        if (y < skip.y0 || y > skip.y1 || skip.x1 < skip.x0) {
            blend.apply(row, img.width());
            continue;
        }
        blend.apply(row, skip.x0);
        blend.apply(row + 3 * (skip.x1 + 1), img.width() - skip.x1 - 1);
    }
}

} // namespace

void PaintGradient(BgrImage &img, TsRect rect, const TsGradArray &stops)
{
    paintBands(img, rect, stops, nullptr);
}

void BlendWithColour(BgrImage &img, TsRect inclusive, int percent, Rgb colour)
{
    const int left = std::max(inclusive.left, 0);
    const int top = std::max(inclusive.top, 0);
    const int right = std::min(inclusive.right, img.width() - 1);
    const int bottom = std::min(inclusive.bottom, img.height() - 1);
    if (right < left || bottom < top) {
        return;
    }
    const Blend blend(percent, colour);
    for (int y = top; y <= bottom; ++y) {
        blend.apply(img.row(y) + 3 * left, right - left + 1);
    }
}

void FillRect(BgrImage &img, TsRect rect, Rgb colour)
{
    rect = clipped(rect, img);
    for (int y = rect.top; y < rect.bottom; ++y) {
        FillRow(img.row(y), rect.left, rect.right, colour);
    }
}

void ComposeBackground(BgrImage &img, TsRect rect, const TsGradArray &stops, int gradientShare,
                       int pictureShare, Rgb colour)
{
    const int total = gradientShare + pictureShare;
    if (total <= 0) {
        FillRect(img, rect, colour);
        return;
    }
    if (total >= 100) {
        if (gradientShare <= 0) {
            return; // the whole share is the picture's, and pictures are not drawn
        }
        if (stops.empty()) {
            FillRect(img, rect, colour);
        } else {
            PaintGradient(img, rect, stops);
        }
        return;
    }
    // A share between 1 and 99: the painted pixels are written already blended with the
    // colour, then everything the paint did not reach is blended in place. The result is the
    // same as painting first and blending the whole image afterwards.
    const Blend blend(total, colour);
    Region painted;
    if (gradientShare > 0) {
        if (stops.empty()) {
            const TsRect r = clipped(rect, img);
            FillRect(img, r, blend(colour));
            if (r.right > r.left && r.bottom > r.top) {
                painted = Region{r.left, r.top, r.right - 1, r.bottom - 1};
            }
        } else {
            painted = paintBands(img, rect, stops, &blend);
        }
    }
    blendOutside(img, blend, painted);
}

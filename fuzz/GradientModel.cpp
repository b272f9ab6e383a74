// SPDX-License-Identifier: GPL-3.0-or-later
// The plain models the gradient fuzz target checks the skin's painter against: the parsing and
// storing of a description, and the painting, blending and composition pixel by pixel.
#include "GradientModel.h"

#include "TsBackground.h"
#include "TsGradient.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace gradientmodel {

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "fuzz_gradient: %s\n", what);
    std::abort();
}

void check(bool ok, const char *what)
{
    if (!ok) {
        fail(what);
    }
}

// --- The description ------------------------------------------------------------------------

std::vector<std::string_view> splitWords(std::string_view text)
{
    std::vector<std::string_view> words;
    std::string_view::size_type from = 0;
    while (from <= text.size()) {
        auto to = text.find(';', from);
        if (to == std::string_view::npos) {
            to = text.size();
        }
        if (to > from) {
            words.push_back(text.substr(from, to - from));
        }
        from = to + 1;
    }
    return words;
}

// A decimal 32-bit integer: leading blanks, an optional sign, then at least one digit and
// nothing else.
std::optional<std::int32_t> decimal(std::string_view word)
{
    const auto first = word.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    word.remove_prefix(first);
    const bool negative = word.front() == '-';
    if (word.front() == '-' || word.front() == '+') {
        word.remove_prefix(1);
    }
    if (word.empty() || word.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    const auto significant = word.find_first_not_of('0');
    if (significant == std::string_view::npos) {
        return 0;
    }
    word.remove_prefix(significant);
    if (word.size() > 10) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (const char ch : word) {
        value = value * 10 + (ch - '0');
    }
    if (negative) {
        value = -value;
    }
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

// The stops of a description, or the first word that is not an integer.
std::variant<TsGradArray, std::string> expectedParse(std::string_view text)
{
    const std::vector<std::string_view> words = splitWords(text);
    TsGradArray stops;
    for (std::size_t k = 0; k + 5 <= words.size(); k += 5) {
        std::array<std::int32_t, 4> v{};
        for (std::size_t j = 0; j < v.size(); ++j) {
            const auto n = decimal(words[k + j]);
            if (!n) {
                return std::string(words[k + j]);
            }
            v[j] = *n;
        }
        stops.push_back(
            TsGradientStop{v[0], v[1], static_cast<std::uint8_t>(v[2] & 0xFF), v[3], 0});
    }
    return stops;
}

void checkParse(std::string_view text)
{
    const auto expected = expectedParse(text);
    try {
        const TsGradArray stops = ParseGradient(text);
        check(std::holds_alternative<TsGradArray>(expected), "a bad word was accepted");
        check(stops == std::get<TsGradArray>(expected), "stops differ from the words");
        check(stops.size() == splitWords(text).size() / 5, "stop count is not words / 5");
    } catch (const TsConvertError &e) {
        check(std::holds_alternative<std::string>(expected), "a valid description was refused");
        const std::string &word = std::get<std::string>(expected);
        check(e.word() == word, "the error names another word than the first bad one");
        // The message is a C string: a word with a NUL byte shows up to that byte.
        const std::string message = "'" + word + "' is not a valid integer value";
        check(std::strcmp(e.what(), message.c_str()) == 0, "wrong error message");
    }
}

std::size_t characterCount(std::string_view text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char ch) {
        return (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
    }));
}

// Stores a description in a background as a button's style would and checks what is kept.
void checkStoredDescription(TsHotBackground &bg, const int &changes, std::string_view text)
{
    TsBGGradient &gradient = *bg.Gradient();
    const std::string oldData = gradient.Data();
    const TsGradArray oldStops = gradient.Stops();
    const int oldChanges = changes;

    bool thrown = false;
    try {
        gradient.setData(text);
    } catch (const TsConvertError &) {
        thrown = true;
    }
    const std::string_view cut = CutToCharacters(text, kMaxGradientDataLength);
    check(cut == text.substr(0, cut.size()), "the cut text is not a prefix");
    check(characterCount(cut) <= kMaxGradientDataLength, "the cut text is too long");
    check(cut.size() == text.size() ||
              (characterCount(cut) == kMaxGradientDataLength &&
               (static_cast<unsigned char>(text[cut.size()]) & 0xC0) != 0x80),
          "the text was cut too early or inside a character");

    const auto expected = expectedParse(cut);
    if (cut == oldData) {
        check(!thrown && changes == oldChanges && gradient.Stops() == oldStops,
              "the same text again changed something");
    } else if (std::holds_alternative<std::string>(expected)) {
        check(thrown, "a bad description was stored");
        check(gradient.Data() == oldData && gradient.Stops() == oldStops && changes == oldChanges,
              "a refused description changed the background");
    } else {
        check(!thrown, "a valid description was refused");
        check(gradient.Data() == cut, "the stored text is not the cut text");
        check(gradient.Stops() == std::get<TsGradArray>(expected), "stored stops differ");
        check(changes == oldChanges + 1, "a new description was not reported once");
    }
}

// Sets both shares in the given order and checks the sum rule.
void checkShares(TsHotBackground &bg, const int &changes, int gradientShare, int pictureShare,
                 bool pictureFirst)
{
    const int before = changes;
    if (pictureFirst) {
        bg.Image()->setPercent(pictureShare);
        bg.Gradient()->setPercent(gradientShare);
    } else {
        bg.Gradient()->setPercent(gradientShare);
        bg.Image()->setPercent(pictureShare);
    }
    check(changes == before + 2, "a share change was not reported");
    const int g = bg.Gradient()->Percent();
    const int p = bg.Image()->Percent();
    const int lastWanted = std::clamp(pictureFirst ? gradientShare : pictureShare, 0, 100);
    const int last = pictureFirst ? g : p;
    const int other = pictureFirst ? p : g;
    const int otherWanted = std::clamp(pictureFirst ? pictureShare : gradientShare, 0, 100);
    check(last == lastWanted, "the share set last is not its clamped value");
    check(other == std::min(otherWanted, 100 - last), "the other share broke the sum rule");
    check(g >= 0 && p >= 0 && g + p <= 100, "shares out of range");
}

// --- The pixels -----------------------------------------------------------------------------

std::uint8_t channel(double v)
{
    return static_cast<std::uint8_t>(std::nearbyint(std::clamp(v, 0.0, 255.0)));
}

Rgb colourOf(TColor c)
{
    const auto u = static_cast<std::uint32_t>(c);
    return Rgb{static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
               static_cast<std::uint8_t>(u >> 16)};
}

struct Write
{
    int at;
    Rgb colour;
};

// The band walk along one axis: every position written, with its colour, in writing order.
std::vector<Write> bandWalk(const TsGradArray &stops, int from, int to, int size)
{
    std::vector<Write> out;
    int end = from;
    for (std::size_t i = 0; i < stops.size(); ++i) {
        const bool last = i + 1 == stops.size();
        const int start = end;
        end = start + stops[i].Percent * (to - from) / 100;
        if (last) {
            end = size - 1;
        }
        if (end - start <= 0) {
            continue;
        }
        if (last || end > size - 1) {
            end = std::min(to - 1, size - 1);
            if (end == start) {
                break;
            }
        }
        const int n = end - start;
        const Rgb a = colourOf(stops[i].Color1);
        const Rgb b = colourOf(stops[i].Color2);
        std::array<double, 3> value{double(a.r), double(a.g), double(a.b)};
        const std::array<double, 3> step{(double(b.r) - a.r) / n, (double(b.g) - a.g) / n,
                                         (double(b.b) - a.b) / n};
        for (int p = start; p <= end; ++p) {
            out.push_back(Write{p, Rgb{channel(value[0]), channel(value[1]), channel(value[2])}});
            for (std::size_t c = 0; c < 3; ++c) {
                value[c] += step[c];
            }
        }
    }
    return out;
}

TsRect clip(TsRect r, const BgrImage &img)
{
    return TsRect{std::max(r.left, 0), std::max(r.top, 0), std::min(r.right, img.width()),
                  std::min(r.bottom, img.height())};
}

void modelPaint(BgrImage &img, TsRect rect, const TsGradArray &stops)
{
    const TsRect r = clip(rect, img);
    if (stops.empty() || r.right <= r.left || r.bottom <= r.top) {
        return;
    }
    if (stops.front().Direction == 0) {
        for (const Write &w : bandWalk(stops, r.top, r.bottom, img.height())) {
            for (int x = r.left; x < r.right; ++x) {
                img.setPixel(x, w.at, w.colour);
            }
        }
    } else if (stops.front().Direction == 1) {
        const std::vector<Write> run = bandWalk(stops, r.left, r.right, img.width());
        for (int y = r.top; y < r.bottom; ++y) {
            for (const Write &w : run) {
                img.setPixel(w.at, y, w.colour);
            }
        }
    }
}

void modelFill(BgrImage &img, TsRect rect, Rgb colour)
{
    const TsRect r = clip(rect, img);
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            img.setPixel(x, y, colour);
        }
    }
}

void modelBlend(BgrImage &img, TsRect inclusive, int percent, Rgb colour)
{
    const double f = percent / 100.0;
    const double g = 1.0 - f;
    const int right = std::min(inclusive.right, img.width() - 1);
    const int bottom = std::min(inclusive.bottom, img.height() - 1);
    for (int y = std::max(inclusive.top, 0); y <= bottom; ++y) {
        for (int x = std::max(inclusive.left, 0); x <= right; ++x) {
            const Rgb o = img.pixel(x, y);
            img.setPixel(x, y,
                         Rgb{channel(f * o.r + g * colour.r), channel(f * o.g + g * colour.g),
                             channel(f * o.b + g * colour.b)});
        }
    }
}

// The composition step by step: the gradient (or the plain colour) if the gradient has a share,
// then the blend of the whole image by the total share, or the plain colour for no share.
void modelCompose(BgrImage &img, TsRect rect, const TsGradArray &stops, int gradientShare,
                  int pictureShare, Rgb colour)
{
    if (gradientShare > 0) {
        if (stops.empty()) {
            modelFill(img, rect, colour);
        } else {
            modelPaint(img, rect, stops);
        }
    }
    const int total = gradientShare + pictureShare;
    if (total >= 1 && total <= 99) {
        modelBlend(img, TsRect{0, 0, img.width() - 1, img.height() - 1}, total, colour);
    } else if (total <= 0) {
        modelFill(img, rect, colour);
    }
}

void seedPixels(BgrImage &img, unsigned seed)
{
    std::uint32_t state = 0x9E3779B9u ^ (seed * 0x85EBCA6Bu);
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            img.setPixel(x, y,
                         Rgb{static_cast<std::uint8_t>(state),
                             static_cast<std::uint8_t>(state >> 8),
                             static_cast<std::uint8_t>(state >> 16)});
        }
    }
}

// The bytes that pad each row to four bytes belong to no pixel: nothing may write them.
void checkPadding(const BgrImage &img)
{
    const int pixelBytes = 3 * img.width();
    for (int y = 0; y < img.height(); ++y) {
        const std::uint8_t *row = img.row(y);
        for (int i = pixelBytes; i < img.stride(); ++i) {
            check(row[i] == 0, "a padding byte was written");
        }
    }
}

void checkSame(const BgrImage &got, const BgrImage &want, const char *what)
{
    checkPadding(got);
    check(got == want, what);
}

} // namespace gradientmodel

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BgrImage.h"
#include "TsColor.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// One stop of a banded gradient: a band from Color1 to Color2 that takes Percent of the
// rectangle's height (vertical bands) or width (horizontal bands).
struct TsGradientStop
{
    TColor Color1 = 0;
    TColor Color2 = 0;
    std::uint8_t Percent = 0;
    std::int32_t Direction = 0; // only the first stop's value counts: 0 vertical, 1 horizontal
    std::int32_t Reserved = 0;

    friend bool operator==(const TsGradientStop &, const TsGradientStop &) = default;
};

using TsGradArray = std::vector<TsGradientStop>;

// A rectangle as left, top, right, bottom; right and bottom are exclusive unless a function
// says otherwise.
struct TsRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// A word of a gradient description that is not a decimal 32-bit integer.
class TsConvertError : public std::runtime_error
{
public:
    explicit TsConvertError(const std::string &word);
    const std::string &word() const { return m_word; }

private:
    std::string m_word;
};

// Converts one word as a decimal 32-bit signed integer: optional leading blanks, an optional
// sign, then digits only. Throws TsConvertError for anything else or a value out of range.
std::int32_t StrToInt(std::string_view word);

// Parses a gradient description: words separated by ';' (empty words skipped), five words a
// stop, an incomplete last group ignored. Throws TsConvertError on the first bad word.
TsGradArray ParseGradient(std::string_view text);

// Paints the bands into the image over the rectangle (clipped to the image). No stops, or a
// first direction other than 0 or 1, paints nothing.
void PaintGradient(BgrImage &img, TsRect rect, const TsGradArray &stops);

// Mixes every pixel of an inclusive rectangle (right and bottom are the last column and row)
// with a colour: new = round(percent/100 * old + (1 - percent/100) * colour), ties to even.
void BlendWithColour(BgrImage &img, TsRect inclusive, int percent, Rgb colour);

// Fills the rectangle (clipped to the image) with one colour.
void FillRect(BgrImage &img, TsRect rect, Rgb colour);

// The background of one button state: the gradient (or the plain colour when there are no
// stops) over the rectangle, then mixed with the painting colour by the total share of
// gradient and picture. Pictures are not drawn: no button has one; a picture share still
// counts toward the total.
void ComposeBackground(BgrImage &img, TsRect rect, const TsGradArray &stops, int gradientShare,
                       int pictureShare, Rgb colour);

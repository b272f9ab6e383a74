// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BgrImage.h"
#include "TsColor.h"

#include <vector>

// A border mask is a 24-bit image of 9 × 6 tiles. Tile columns 0-2 hold the normal look, 3-5
// the hot look and 6-8 the pressed look; in each look's 3 × 3 block the upper three tile rows
// are the picture of the nine border tiles (corners, edges, centre) and the lower three their
// opacity, pixel for pixel. An opacity channel value s keeps s/256 of the background under the
// pixel: 255 leaves it almost unchanged, 0 replaces it with the picture. The built-in masks are
// stored as 24-bit BMP files (see BmpFile.h, ReadBmp).

enum class BorderState { Normal = 0, Hot = 1, Pressed = 2 };

// The colour of hole pixels in the built-in masks.
constexpr TColor kMaskTransparentColor = ColorFromRgb(255, 0, 255);

// A button pixel that a hole of the mask cuts out of the button's window shape.
struct HolePixel
{
    int x = 0;
    int y = 0;

    friend bool operator==(const HolePixel &, const HolePixel &) = default;
};

// Mixes the border of one look of `mask` into `image` (the button's freshly composed
// background): corner tiles at the four corners, edge tiles repeated along the sides and the
// centre tile over the inside, each copied pixel for pixel, never stretched. Every placed pixel
// becomes (old · s + m · (256 − s)) div 256 per channel, m the picture, s the opacity. A corner
// or edge pixel whose picture is exactly `transparentColor` is a hole: the background stays and,
// when `holes` is given, the pixel is appended to it (so the caller can cut it out of the
// window shape). In the centre tile that colour is mixed like any other.
// Nothing is drawn for an image of 2 pixels or less in either direction or for a mask smaller
// than 9 × 6 pixels. Buttons narrower or lower than two tiles get corners of half their size.
void DrawBorderMask(BgrImage &image, const BgrImage &mask, BorderState state,
                    TColor transparentColor, std::vector<HolePixel> *holes = nullptr);

// The built-in masks are drawn at 1×, 2× and 3× (BORD1, BORD1@2x, BORD1@3x): the same border at
// 10, 20 and 30 device pixels a tile. The scale of the mask a button drawn at a device pixel
// ratio uses: the smallest drawn scale at or above the ratio (3 above that). A fractional ratio
// takes the next larger mask, drawn pixel for pixel like any other: its edges stay as crisp as
// they were drawn and its holes stay whole pixels, where a mask scaled by 1.5 or 1.25 would blur
// its lines into their neighbours and smear the hole colour, so that holes could no longer be
// told apart. The price is a border line that is up to a third of a logical pixel wider.
int BorderMaskScale(double devicePixelRatio);

// The window shape at a device pixel ratio. The border is drawn into a device-sized image, so
// its holes are device pixels, while a widget's shape is given in logical pixels. Each device
// pixel belongs to the logical pixel its centre lies in; a logical pixel is cut out when at least
// half of its device pixels are holes. At ratio 1 this returns the holes unchanged (sorted by
// row, then column).
std::vector<HolePixel> LogicalHoles(const std::vector<HolePixel> &deviceHoles, int deviceWidth,
                                    int deviceHeight, double devicePixelRatio);

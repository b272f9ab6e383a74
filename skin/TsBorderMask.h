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

#pragma once

#include "BgrImage.h"
#include "TsGradient.h"
#include "TsStyle.h"

// The hover fade runs only when it is switched on and has at least one step; zero steps would
// divide by zero in the step weight.
constexpr bool FadeActive(bool enabled, int iterations)
{
    return enabled && iterations > 0;
}

// The weight of fade step p of `iterations` steps: (255 - (p * 255) div iterations) / 256.
// `iterations` must be above zero.
double FadeWeight(int position, int iterations);

// One fade frame: per channel round(x * (a - b) + b), nearest integer with ties to even.
// a, b and out must have the same size; out may be a or b.
void MixFadeFrame(const BgrImage &a, const BgrImage &b, double x, BgrImage &out);

// The disabled look: every pixel mixed about half way with the parent's colour,
// per channel (128 * parent + 127 * old) div 256.
void BlendDisabled(BgrImage &img, Rgb parent);

// The dotted focus frame around a rectangle given by its edge coordinates (all four lie on the
// frame): every third pixel black, with a white pixel diagonally above-left of it. Pixels
// outside the image are skipped.
void DrawFocusDots(BgrImage &img, TsRect frame);

// Turns every pixel grey (its luminance in all three channels).
void GrayImage(BgrImage &img);

// A plain bevel along the edges, used when a button draws no border mask: `width` rings, light
// at the top and left and dark at the right and bottom when raised, the other way round when
// lowered; the hard kinds mix more strongly than the soft ones. cbNone draws nothing.
void DrawBevel(BgrImage &img, TsControlBevel bevel, int width);

// SPDX-License-Identifier: GPL-3.0-or-later
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

// The weight of fade step p of `iterations` steps in 256ths: 255 - (p * 255) div iterations.
// `iterations` must be above zero.
int FadeWeight256(int position, int iterations);

// The same weight as a fraction: FadeWeight256 / 256.
double FadeWeight(int position, int iterations);

// One fade frame with the weight k/256: per channel round((k · (a − b) + 256 · b) / 256), nearest
// integer with ties to even, kept within 0..255. All integer; for 0 ≤ k ≤ 256 (every weight a
// fade step has) the whole frame is mixed in 16-bit lanes that the compiler vectorises.
// The images may differ in size: the common part is mixed. out may be a or b.
void MixFadeFrame256(const BgrImage &a, const BgrImage &b, int k, BgrImage &out);

// One fade frame: per channel round(x * (a - b) + b), nearest integer with ties to even.
// A weight that is a multiple of 1/256 (every FadeWeight) is mixed by MixFadeFrame256 with the
// same result; any other weight falls back to per-pixel floating point.
void MixFadeFrame(const BgrImage &a, const BgrImage &b, double x, BgrImage &out);

// The disabled look: every pixel mixed about half way with the parent's colour,
// per channel (128 * parent + 127 * old) div 256.
void BlendDisabled(BgrImage &img, Rgb parent);

// The dotted focus frame around a rectangle given by its edge coordinates (all four lie on the
// frame): every third pixel black, with a white pixel diagonally above-left of it. Pixels
// outside the image are skipped.
void DrawFocusDots(BgrImage &img, TsRect frame);

// The dotted focus frame at a device pixel ratio: `frame` is in device pixels (all four edges lie
// on the frame), and the dots keep the rhythm and weight they have at 1× in logical pixels: a
// dot of round(ratio) × round(ratio) device pixels at every round(3k · ratio) device pixels from
// the left (top) edge, each with its white companion one dot diagonally above-left. The dots of
// the right and bottom edges end on those edges. At ratio 1 this is DrawFocusDots exactly.
void DrawFocusDots(BgrImage &img, TsRect frame, double ratio);

// Turns every pixel grey (its luminance in all three channels).
void GrayImage(BgrImage &img);

// A plain bevel along the edges, used when a button draws no border mask: `width` rings, light
// at the top and left and dark at the right and bottom when raised, the other way round when
// lowered; the hard kinds mix more strongly than the soft ones. cbNone draws nothing.
void DrawBevel(BgrImage &img, TsControlBevel bevel, int width);

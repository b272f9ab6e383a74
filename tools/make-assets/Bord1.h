// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BgrImage.h"

// BORD1, the border mask of every button: 90 × 60 pixels, tiles of 10 × 10, the normal, hot and
// pressed looks side by side (layout in skin/core/TsBorderMask.h). Grey throughout except the holes
// (RGB 255, 0, 255) that round the corners off and the faintly purple bottom line of the normal
// look. The same call always gives the same pixels.
//
// `scale` 2 or 3 draws the same border for screens of that device pixel ratio (BORD1@2x,
// BORD1@3x): tiles of 20 or 30 pixels, each value of the cross-sections over `scale` pixels of
// depth, the bottom line `scale` rows high, and the rounded corners drawn anew at that size from
// the same outline, so their curves and holes follow the circle at the finer pixels.
BgrImage DrawBord1(int scale = 1);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "IndexedImage.h"

// The picture shown on a failed check in the writing window: 190 × 195 pixels, 256 colours, on
// white. The head of a cartoon boy with spiky yellow hair in front of a blue disc, winking one
// eye and sticking out a red tongue.
// `scale` 2 draws the same picture at twice the size, for screens of twice the density (the
// "@2x" file beside the 1× one): the same shapes rasterised over twice as many pixels each way.
IndexedImage DrawTeasingFace(int scale = 1);

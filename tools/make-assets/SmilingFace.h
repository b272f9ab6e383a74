// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "IndexedImage.h"

// The picture shown on a passed check in the writing window: 190 × 181 pixels, 256 colours, on
// white. The head of a cheerful cartoon boy with yellow hair and freckles under a wide-brimmed
// blue hat with a tuft on top, laughing with his mouth open.
// `scale` 2 draws the same picture at twice the size, for screens of twice the density (the
// "@2x" file beside the 1× one): the same shapes rasterised over twice as many pixels each way.
IndexedImage DrawSmilingFace(int scale = 1);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BgrImage.h"

// The two drop targets of the sorting window, also shown on the help card. Both show capital
// letters whose strokes shade from near-black navy at the top and bottom through violet and
// crimson to a bright orange band at half height, with a light grey shadow to the lower right,
// on a faintly mottled ground inside a double frame: from the outside in a white edge, a thin
// coloured line, a thin white line and a coloured band four pixels wide.
//
// `scale` 2 draws either picture at twice the size, for screens of twice the density (the
// "@2x" file beside the 1× one): the letters and their shading over twice as many pixels each
// way, the frame's lines twice as wide, the ground's grain at the finer pixels.

// The single-н picture: 102 × 88, one letter Н on pale blue RGB(215, 232, 250), framed in violet
// RGB(102, 0, 255).
BgrImage DrawPictureN(int scale = 1);

// The double-нн picture: 103 × 87, two letters НН on cream RGB(255, 243, 217), framed in
// orange-brown RGB(204, 102, 0). Its box in the windows is one pixel narrower, so the frame is
// laid out in the first 102 columns and the last column only repeats the white edge.
BgrImage DrawPictureNN(int scale = 1);

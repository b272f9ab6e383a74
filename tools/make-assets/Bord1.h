#pragma once

#include "BgrImage.h"

// BORD1, the border mask of every button: 90 × 60 pixels, tiles of 10 × 10, the normal, hot and
// pressed looks side by side (layout in skin/TsBorderMask.h). Grey throughout except the holes
// (RGB 255, 0, 255) that round the corners off and the faintly purple bottom line of the normal
// look. The same call always gives the same pixels.
BgrImage DrawBord1();

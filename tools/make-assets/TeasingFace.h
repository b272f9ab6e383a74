#pragma once

#include "IndexedImage.h"

// The picture shown on a failed check in the writing window: 190 × 195 pixels, 256 colours, on
// white. The head of a cartoon boy with spiky yellow hair in front of a blue disc, winking one
// eye and sticking out a red tongue.
IndexedImage DrawTeasingFace();

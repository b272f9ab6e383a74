#pragma once

#include "IndexedImage.h"

// The picture shown on a passed check in the writing window: 190 × 181 pixels, 256 colours, on
// white. The head of a cheerful cartoon boy with yellow hair and freckles under a wide-brimmed
// blue hat with a tuft on top, laughing with his mouth open.
IndexedImage DrawSmilingFace();

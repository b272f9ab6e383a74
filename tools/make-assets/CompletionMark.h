#pragma once

#include "BgrImage.h"

// The mark beside a passed variant on the board: 35 × 35 pixels, a glossy red check mark with a
// grey shadow on the pale yellow RGB(255, 255, 225) of the board's panel.
BgrImage DrawCompletionMark();

// The mark is stored as a JPEG of this quality.
constexpr int kCompletionMarkQuality = 92;

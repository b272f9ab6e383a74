// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BgrImage.h"

// The mark beside a passed variant on the board: 35 × 35 pixels, a glossy red check mark with a
// grey shadow on the pale yellow RGB(255, 255, 225) of the board's panel.
// `scale` 2 draws the same picture at twice the size, for screens of twice the density (the
// "@2x" file beside the 1× one): the same shapes rasterised over twice as many pixels each way.
BgrImage DrawCompletionMark(int scale = 1);

// The mark is stored as a JPEG of this quality.
constexpr int kCompletionMarkQuality = 92;

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BgrImage.h"

// The strip behind the instruction of the sorting window: 211 × 92 pixels, each column one
// colour, from pale yellow RGB(255, 255, 154) in the first column to pink RGB(255, 204, 255) in
// the last, in even steps.
// `scale` 2 draws it at twice the size for screens of twice the density, in as many even steps
// as it has columns.
BgrImage DrawGradientStrip(int scale = 1);

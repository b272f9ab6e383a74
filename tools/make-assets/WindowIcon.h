// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// The icon of every window: a computer monitor with a red check mark on its blue screen, beside
// a grey system unit, on a transparent ground. Drawn for 16 × 16 and 32 × 32 pixels, each size
// laid out on its own pixel grid so that the edges stay sharp; and for the desktop's menus at 48,
// 64, 128 and 256 pixels, the 32-pixel layout scaled up. Other sizes throw std::invalid_argument.
QImage DrawWindowIcon(int size);

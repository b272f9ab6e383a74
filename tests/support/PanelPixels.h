// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a bevelled panel shows: its two bevels and its colour, read from its pixels.

#include "BevelPanel.h"
#include "Grab.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

// The classic bevel colours: light on the lit sides of a raised bevel, grey on its shaded ones.
inline const QColor kBevelLight(255, 255, 255);
inline const QColor kBevelShade(160, 160, 160);

// Across the panel at half its height: from the left edge inwards `width` pixels of the outer
// bevel's lit-side colour, `width` of the inner's, then the panel's colour; from the right edge
// inwards the shaded sides in the same order.
inline void expectBevelledPixels(QWidget *panel, BevelPanel::Bevel outer, BevelPanel::Bevel inner,
                                 int width, const QColor &fill)
{
    const QImage image = grabbed(panel);
    const int y = image.height() / 2;
    const int right = image.width() - 1;
    const auto lit = [](BevelPanel::Bevel b) {
        return b == BevelPanel::Bevel::Raised ? kBevelLight : kBevelShade;
    };
    const auto shaded = [](BevelPanel::Bevel b) {
        return b == BevelPanel::Bevel::Raised ? kBevelShade : kBevelLight;
    };
    for (int i = 0; i < width; ++i) {
        EXPECT_EQ(image.pixelColor(i, y), lit(outer)) << "outer bevel, left, ring " << i;
        EXPECT_EQ(image.pixelColor(width + i, y), lit(inner)) << "inner bevel, left, ring " << i;
        EXPECT_EQ(image.pixelColor(right - i, y), shaded(outer))
            << "outer bevel, right, ring " << i;
        EXPECT_EQ(image.pixelColor(right - width - i, y), shaded(inner))
            << "inner bevel, right, ring " << i;
    }
    EXPECT_EQ(image.pixelColor(2 * width, y), fill) << "inside the bevels";
    EXPECT_EQ(image.pixelColor(right - 2 * width, y), fill) << "inside the bevels";
}

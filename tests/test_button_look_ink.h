// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where a program button's caption is inked in its rendered look.
#include "ButtonFixture.h"

#include <QRect>

namespace fixture {

// The box around every pixel darker than `limit` (the caption ink), in the middle band of the
// button that holds the caption.
inline QRect inkBox(const BgrImage &img, int limit = 90)
{
    QRect box;
    for (int y = 3; y < img.height() - 3; ++y) {
        for (int x = 12; x < img.width() - 12; ++x) {
            const Rgb p = img.pixel(x, y);
            if (p.r < limit && p.g < limit && p.b < limit) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

} // namespace fixture

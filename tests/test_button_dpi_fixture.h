// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A program button on a screen of the density the binary was started at: the device ratio, the
// look's size in device pixels, and the rows and ink of a look read at that size.
#include "ButtonFixture.h"

#include <QLineEdit>

#include <algorithm>
#include <cmath>
#include <vector>

namespace fixture {

class ButtonAtDeviceRatio : public ProgramButton
{
protected:
    void SetUp() override
    {
        ProgramButton::SetUp();
        edit = addFocusHolder();
        edit->setFocus();
        button->sStyle()->BtnEffects()->Fading()->setEnabled(false);
        showActive();
        r = button->devicePixelRatioF();
        w = qRound(111 * r);
        h = qRound(25 * r);
        s = std::max(1, static_cast<int>(std::lround(r)));
        maskScale = BorderMaskScale(r);
    }

    const BgrImage &render()
    {
        probe(button).Render();
        return probe(button).RenderCache();
    }

    // The look of a device row between the border's edges: the row's grey composed with the
    // painting colour, under the border's centre (picture 128, opacity 255).
    static Rgb expectedRow(const std::vector<int> &greys, int y, Rgb colour)
    {
        return masked(composed(greys[y], colour), 128, 255);
    }

    // Rows clear of the border's edges, which are drawn five logical pixels deep at most.
    int edgeDepth() const { return 5 * maskScale; }

    // The box around every nearly black device pixel (the core of the caption's strokes, whose
    // smoothed edges depend on the background) inside the border.
    QRect inkBox(const BgrImage &img) const
    {
        QRect box;
        for (int y = edgeDepth(); y < h - edgeDepth(); ++y) {
            for (int x = 12 * maskScale; x < w - 12 * maskScale; ++x) {
                const Rgb p = img.pixel(x, y);
                if (p.r < 40 && p.g < 40 && p.b < 40) {
                    box |= QRect(x, y, 1, 1);
                }
            }
        }
        return box;
    }

    QLineEdit *edit = nullptr;
    double r = 1;
    int w = 0;
    int h = 0;
    int s = 1;
    int maskScale = 1;
};

} // namespace fixture

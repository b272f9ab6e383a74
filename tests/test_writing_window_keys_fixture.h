// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The writing window driven by the keyboard: keys sent to its handle, and the focus frame found
// on the window as the pupil sees it.
#include "test_writing_window_fixture.h"

#include "FocusMark.h"

namespace writingwindow {

class WritingKeys : public WritingWindowTest
{
protected:
    QWindow *window() const { return form->windowHandle(); }
    void key(Qt::Key k, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(window(), k, mods); }

    // Opens the window from the board and lets the activation finish.
    void openWindow()
    {
        open();
        QCoreApplication::processEvents();
    }

    // The control the focus frame is drawn round, as the pupil sees it: the one word or edit
    // box with the frame just outside it and no frame colour anywhere else in the word list;
    // nullptr with no frame colour at all, the window itself for anything else.
    QWidget *markedControl() const
    {
        const QWidget *panel = named(QStringLiteral("Panel3"));
        const QImage shown = grabbed(form);
        QWidget *marked = nullptr;
        for (int k = 1; k <= 20; ++k) {
            for (QWidget *control :
                 {static_cast<QWidget *>(wordLabel(k)), static_cast<QWidget *>(edit(k))}) {
                if (control->isVisible() && framedIn(shown, control)) {
                    if (marked) {
                        return form;
                    }
                    marked = control;
                }
            }
        }
        const int out = FocusMark::kWidth + FocusMark::kGap;
        const QRect ring = marked ? QRect(marked->mapTo(form, QPoint(0, 0)), marked->size())
                                        .adjusted(-out, -out, out, out)
                                  : QRect();
        const QRect list(panel->mapTo(form, QPoint(0, 0)), panel->size());
        for (int y = list.top(); y <= list.bottom(); ++y) {
            for (int x = list.left(); x <= list.right(); ++x) {
                if (shown.pixelColor(x, y) == FocusMark::kColor && !ring.contains(x, y)) {
                    return form;
                }
            }
        }
        return marked;
    }

    // Whether the focus frame's colour is drawn on the window in a band just outside `control`:
    // the pixels 1 to 3 outside its left edge, at its middle height.
    bool framed(QWidget *control) const { return framedIn(grabbed(form), control); }
    bool framedIn(const QImage &shown, QWidget *control) const
    {
        const QPoint left = control->mapTo(form, QPoint(-2, control->height() / 2));
        const QPoint above = control->mapTo(form, QPoint(control->width() / 2, -3));
        return shown.pixelColor(left) == FocusMark::kColor &&
               shown.pixelColor(above) == FocusMark::kColor;
    }
    // Whether the frame's colour is anywhere in the word list.
    bool anyFrame() const
    {
        const QWidget *panel = named(QStringLiteral("Panel3"));
        const QImage shown =
            grabbed(form).copy(QRect(panel->mapTo(form, QPoint(0, 0)), panel->size()));
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                if (shown.pixelColor(x, y) == FocusMark::kColor) {
                    return true;
                }
            }
        }
        return false;
    }
};

} // namespace writingwindow

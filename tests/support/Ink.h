// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where a widget's text stands, read from its pixels.

#include "Grab.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

// The smallest rectangle, in the widget's own coordinates, that holds every pixel of its
// rendering that differs from `ground`; empty when nothing does. A label sized to its text keeps
// all of its ink inside its own rectangle.
inline QRect inkBounds(QWidget *widget, const QColor &ground)
{
    const QImage image = grabbed(widget);
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != ground) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    return ink;
}

// The ink of `text` drawn alone in `font`, black on white, with room all round: what the text
// looks like uncut, to compare a control's ink with.
inline QRect inkOfText(const QFont &font, const QString &text)
{
    QImage image(400, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPoint(50, 60), text);
    }
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    return ink;
}

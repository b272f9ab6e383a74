// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a widget shows, as the tests read its pixels.

#include <QImage>
#include <QWidget>

// The widget rendered as a plain RGB32 image at one device pixel per pixel, so that pixel
// (x, y) is the widget's logical pixel (x, y) at every scale.
inline QImage grabbed(QWidget *widget)
{
    QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (image.devicePixelRatio() != 1.0) {
        image = image.scaled(widget->size());
    }
    return image;
}

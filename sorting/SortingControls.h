#pragma once

#include "BevelPanel.h"

#include <QRect>
#include <QString>

class QLabel;
class QWidget;

// Builders for the controls of the sorting window that are made the same way several times.

// A panel with no caption: named, at its place, in its colour, with its two bevels.
BevelPanel *makeSortingPanel(QWidget *parent, const QString &name, const QString &accessibleName,
                             const QRect &geometry, TColor color, BevelPanel::Bevel outer,
                             BevelPanel::Bevel inner, int bevelWidth);

// How a picture fills its box: drawn at its natural size from the top-left corner and cut off
// at the box's edges, or stretched to the box.
enum class PictureFit { Natural, Stretched };

// A picture from the program's assets in a box of its own. It takes no focus and shows no hint.
QLabel *makeSortingPicture(QWidget *parent, const QString &name, const QString &shows,
                           const QString &file, const QRect &box, PictureFit fit);

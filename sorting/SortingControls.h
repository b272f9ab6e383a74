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

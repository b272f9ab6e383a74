// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TsColor.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>

class QApplication;
class QWidget;

// The desktop as the program sees it: a fixed table of system colours (the classic defaults, so
// the program looks the same on every desktop and theme), the fonts the windows name, and the
// common look of labels.

// A colour value (system colours resolved through the skin's fixed table, TsColor.h) as a
// QColor.
QColor toQColor(TColor color);

// The face asked for when the windows name `family`: that face where it is installed, else its
// stand-in from the fonts the program depends on (DejaVu Sans for Verdana and MS Sans Serif,
// Liberation Serif for Times New Roman) where that is installed, else the name itself, left to
// the desktop's font matching. The one table of stand-ins.
QString askedFamily(const QString &family);

// A font by the name the windows give it (Verdana, MS Sans Serif, Times New Roman), with the
// given character height in pixels. A missing face is replaced by its stand-in (DejaVu Sans for
// the two sans faces, Liberation Serif for Times New Roman), else by the desktop's font matching.
QFont desktopFont(const QString &family, int pixelSize, bool bold = false, bool underline = false);

// The faces the windows name, each at a character height in pixels, by what they return.
QFont verdanaBold(int pixelSize);
QFont msSansSerif(int pixelSize);
QFont msSansSerifBold(int pixelSize);
QFont timesNewRomanBold(int pixelSize);

// The palette built from the fixed system colours.
QPalette desktopPalette();

// Gives the application the Fusion style and the fixed palette.
void applyDesktopLook(QApplication &app);

// Sets the background a widget fills itself with.
void setBackground(QWidget *widget, const QColor &color);

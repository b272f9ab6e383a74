#pragma once

#include <QColor>
#include <QSize>
#include <QString>

class QLabel;
class QFont;
class QWidget;

// The frames of the program's windows are given as outer sizes of a classic desktop frame:
// 4-pixel borders and a 30-pixel top (border and caption). The client area is what is left.
QSize clientSizeFor(QSize outer);

enum class TitleBar { SystemMenuAndClose, CaptionOnly };

// Makes a top-level window of the program: caption, icon, title bar buttons, client size for
// the given outer size, and background colour.
void setupFormFrame(QWidget *form, const QString &caption, QSize outer, const QColor &background,
                    TitleBar titleBar);

// A label as the windows use them: named, at its place, in its font and colour, sized to its
// text, opaque in `background` or transparent when that is invalid. A label with a wrap width
// keeps that width and grows downwards by whole lines.
QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, int x, int y,
                  const QFont &font, const QColor &color, const QColor &background,
                  int wrapWidth = 0);

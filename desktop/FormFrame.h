// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>

class QLabel;
class QFont;
class QWidget;

// The frames of the program's windows are given as outer sizes of a classic desktop frame:
// 4-pixel borders and a 30-pixel top (border and caption). This is what such a frame adds to the
// client area, in width and in height.
inline constexpr QSize kClassicFrameExtra(8, 34);

// The client area left inside a classic frame of the given outer size.
QSize clientSizeFor(QSize outer);

// The outer size of a classic frame around the given client area.
QSize outerSizeFor(QSize client);

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

// The same label at (x, y) but not yet sized: measuring loads the font's face, which a label
// that stays hidden until its text is replaced need not pay for at start-up.
QLabel *makeUnsizedLabel(QWidget *parent, const QString &name, const QString &text, int x, int y,
                         const QFont &font, const QColor &color, const QColor &background);

// Sets up a label of one of our own label classes as makeUnsizedLabel sets up a plain one.
void setUpLabel(QLabel *label, const QString &name, const QString &text, int x, int y,
                const QFont &font, const QColor &color, const QColor &background);

// How many lines `text` takes in `font` when a label wraps it at word boundaries within
// `wrapWidth` (1 when it does not wrap): the one measure of every wrapped label's height.
int wrappedLineCount(const QFont &font, const QString &text, int wrapWidth);

// Gives a label a new text and sizes it to that text, as makeLabel sized it to its first one.
void setLabelText(QLabel *label, const QString &text);

// How a picture fills its box: drawn at its natural size from the top-left corner and cut off
// at the box's edges, or stretched to the box.
enum class PictureFit { Natural, Stretched };

// A picture from the program's assets in a box of its own, read aloud as `shows`. It takes no
// focus and accepts no drops. The file is decoded when the picture's window is first shown (or
// at once if it is already on screen): the windows that wait hidden at start-up pay for their
// pictures only when the pupil first opens them. A picture that cannot be decoded stays empty
// and is reported on the standard error output.
QLabel *makePicture(QWidget *parent, const QString &name, const QString &shows, const QString &file,
                    const QRect &box, PictureFit fit);
// Sets up a picture of one of our own label classes as makePicture sets up a plain one.
void setUpPicture(QLabel *picture, const QString &name, const QString &shows, const QString &file,
                  const QRect &box, PictureFit fit);

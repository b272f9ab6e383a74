// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>

#include <utility>
#include <vector>

class QWidget;

// The rules every window of the program follows for showing and hiding.

// Where a window goes the first time it is shown; afterwards it keeps the place it was left at.
enum class FirstPlacement { CentreOnScreen, DesignedPlace };

// Records how a window is placed at its first showing (the designed place is its top-left
// corner, frame included, on the screen).
void setFirstPlacement(QWidget *window, FirstPlacement placement, QPoint designed = {});

// Shows a window: a hidden one is placed (at its first showing only), shown, brought to the
// front and activated; a visible one is left exactly as it is (not raised).
void showWindow(QWidget *window);

// Hides a window; a hidden one stays as it is.
void hideWindow(QWidget *window);

// Centres a window's frame on the whole screen it is on: left = (screen width - frame width) / 2,
// top = (screen height - frame height) / 2. The frame size is the outer size of the window
// (the client area and the frame around it).
void centreOnScreen(QWidget *window);

// Shows and hides a window's controls as one change: each control is shown or hidden as its
// flag says. A control that goes while it (or a control inside it) holds the window's keyboard
// focus takes the focus with it to the window itself, never on to another control, whether or
// not the window is active: no control is left focused that the pupil did not choose, and the
// window's next activation gives the focus to its first control, as at its first showing.
void setControlsShown(const std::vector<std::pair<QWidget *, bool>> &controls);

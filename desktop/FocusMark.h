// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QRect>

#include <vector>

class QPainter;
class QWidget;

// The one mark of the keyboard's place in both exercise windows, as a web page's
// :focus-visible: a two-pixel navy frame drawn on the controls' parent just outside the control
// the keyboard is on. A pupil who works with the mouse never sees it.
//
// A FocusMark object frames one child of its parent at a time: either the tracked control that
// holds the focus, when the focus came from the keyboard, or the control its owner marks (a
// picture the keyboard chose). A widget that knows itself where the keyboard is in it (the
// sorting window's word list) paints the same frame in its own paintEvent with paint().
//
// Whether the focus came from the keyboard is decided when it arrives, by the pupil's last
// input: a key press (Tab, Shift+Tab, or a key that moved the focus, such as Enter on a word)
// shows the mark; a press of the mouse button or a touch does not. Coming back to the window
// keeps the mark as it was left. It is painted, not a widget of its own, so the window's
// controls and their accessibility tree stay what they are.
class FocusMark : public QObject
{
    Q_OBJECT
public:
    // The classic desktop's selection navy, which stands out against the pale panels and edit
    // boxes (contrast above 3 : 1 with each of them).
    static const QColor kColor;
    // The frame's thickness and its gap to the control.
    static constexpr int kWidth = 2;
    static constexpr int kGap = 1;

    // Paints the frame around `control`, a rectangle in the painter's coordinates.
    static void paint(QPainter &painter, const QRect &control);
    // The rectangle the frame around `control` covers.
    static QRect frameAround(const QRect &control);

    // The mark of controls that are children of `parent`, painted on `parent`.
    explicit FocusMark(QWidget *parent);

    // Adds a control whose keyboard focus the mark shows.
    void track(QWidget *control);
    // Frames `control` (nullptr: nothing) until told otherwise, whatever holds the focus: for a
    // control the keyboard is on without its holding the focus.
    void mark(QWidget *control);

    // Whether the pupil's last input was the keyboard (true) or a pointer (false). Tracked for the
    // whole application from the first FocusMark on.
    static bool lastInputWasKeyboard();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onFocusChanged(QWidget *old, QWidget *now);
    void setTarget(QWidget *control);
    // Where the frame stands on the parent around the marked control, or an empty rectangle.
    QRect frameRect() const;
    void setShown(bool shown);

    QWidget *m_parent;
    std::vector<QPointer<QWidget>> m_controls;
    QPointer<QWidget> m_target;
    bool m_keyboardFocus = false;
    bool m_shown = false;
    QRect m_painted;
    bool m_inPaint = false;
};

#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QRect>

#include <vector>

class QWidget;

// A focus mark that shows only when the pupil moves with the keyboard, as a web page's
// :focus-visible: a two-pixel frame drawn on the controls' parent just outside the control that
// holds the focus. A pupil who works with the mouse never sees it, so the window looks as it
// always has.
//
// The mark follows the application's focus among the controls it was given. Whether the focus
// came from the keyboard is decided when it arrives, by the pupil's last input: a key press (Tab,
// Shift+Tab, or a key that moved the focus, such as Enter on a word) shows the mark; a press of
// the mouse button or a touch does not. Coming back to the window keeps the mark as it was left.
// It is painted, not a widget of its own, so the window's controls and their accessibility tree
// stay what they are.
class FocusMark : public QObject
{
    Q_OBJECT
public:
    // The colour of the frame: the classic desktop's selection navy, which stands out against
    // the pale panels and edit boxes (contrast above 3 : 1 with each of them).
    static const QColor kColor;
    // The frame's thickness and its gap to the control.
    static constexpr int kWidth = 2;
    static constexpr int kGap = 1;

    // The mark of controls that are children of `parent`, painted on `parent`.
    explicit FocusMark(QWidget *parent);

    // Adds a control whose keyboard focus the mark shows.
    void track(QWidget *control);

    // The control the mark is shown around, or nullptr while none is marked.
    QWidget *markedControl() const;

    // Whether the pupil's last input was the keyboard (true) or a pointer (false). Tracked for the
    // whole application from the first FocusMark on.
    static bool lastInputWasKeyboard();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onFocusChanged(QWidget *old, QWidget *now);
    // Where the frame stands on the parent around the marked control, or an empty rectangle.
    QRect frameRect() const;
    void setShown(bool shown);
    void paintFrame();

    QWidget *m_parent;
    std::vector<QPointer<QWidget>> m_controls;
    QPointer<QWidget> m_target;
    bool m_keyboardFocus = false;
    bool m_shown = false;
    QRect m_painted;
    bool m_inPaint = false;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QPointer>

// A word of the word list that the pupil clicks: a label with the hand pointer that reports a
// click of the left button, a press and a release both inside it. The second press of a double
// click is a double click, not another click, as with the desktop's own controls.
//
// It is also a stop of the keyboard order (Tab and Shift+Tab reach it; the mouse never gives it
// the focus), where Enter, or Space when released, counts as a click, as on a push button. A
// screen reader offers the click as the word's press action, while the word can be clicked
// (shown and enabled). A letter typed on the word goes to its edit box once that is open: the
// box takes the focus and the letter, which goes in where the box's caret was left (after the
// typed word), never in place of what is there; on a word whose box is not open yet it does
// nothing, as on any label.
class WritingEditBox;

class WordLabel : public QLabel
{
    Q_OBJECT
public:
    // A word shows plain text, set once here.
    explicit WordLabel(const QString &text, QWidget *parent = nullptr);

    // The click the pupil asked for by key or through assistive technology.
    void activate();

    // The edit box the word's letters go to while it is shown.
    void setEditBox(WritingEditBox *box) { m_editBox = box; }

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // Hands a typed character to the open edit box; false when there is none to take it.
    bool typeIntoEditBox(QKeyEvent *event);

    QPointer<WritingEditBox> m_editBox;
    bool m_pressed = false;
    bool m_spacePressed = false;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

// An edit box of the word list: one line, no border, no length limit. It selects all of its
// text whenever it receives the keyboard focus, so that typing replaces the word typed before,
// except when the focus comes from a mouse press inside the box itself, which places the caret
// where the pupil pressed. Coming back to the window (activation, a closed popup) restores the
// caret or selection as it was left, so no keystroke can replace a word the pupil did not mean to.
class WritingEditBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit WritingEditBox(QWidget *parent = nullptr);

    // Gives the box the keyboard focus on the program's behalf (a click on its word) with its
    // whole text selected, whichever control had the focus before, so typing replaces the word.
    void takeFocusSelectingAll();

    // Gives the box the keyboard focus for a key typed on its word, which then goes on into the
    // box: the caret stays where it was left (after the typed word) and nothing is selected, so
    // the key adds to the word and never replaces it.
    void takeFocusKeepingText();

protected:
    void focusInEvent(QFocusEvent *event) override;

private:
    bool m_keepCaret = false; // the focus arriving now leaves the caret alone
};

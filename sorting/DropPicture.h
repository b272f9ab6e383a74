// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

class FocusMark;

// A picture of the sorting window that takes words: the single-н or the double-нн one, with the
// answer code of the words that belong on it ("n" or "nn"), never shown.
//
// It takes every word, whatever the word and whenever it comes, as long as it is shown: a word
// dragged onto it and let go there is handed to it (takeWord), and it reports the drop. A click
// on it, or a screen reader's action "Drop", asks for the picked word to be put here. The
// keyboard chooses it with the arrows; while chosen it wears the navy frame of the keyboard's
// place.
class DropPicture : public QLabel
{
    Q_OBJECT
public:
    DropPicture(const QString &answerCode, QWidget *parent);

    const QString &answerCode() const { return m_answerCode; }

    // Whether a word let go over it now would be taken.
    bool takesWords() const { return isVisible(); }
    // A dragged word was let go over the picture.
    void takeWord(int word);
    // Asks for the picked word to be put here (a click, or a screen reader's action).
    void requestDrop();

    // Chosen by the keyboard: the frame shows round the picture; `keyboardHere` says whether the
    // keyboard is in the word list, which makes the chosen picture the focus a screen reader
    // reads.
    void setChosen(bool chosen, bool keyboardHere);
    bool isChosen() const { return m_chosen; }
    bool hasKeyboardChoice() const { return m_chosen && m_keyboardHere; }

Q_SIGNALS:
    // A dragged word, word number `word`, was let go over the picture.
    void wordDropped(int word);
    // The picked word is to be put on this picture.
    void dropRequested();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    const QString m_answerCode;
    FocusMark *m_chosenMark = nullptr;
    bool m_chosen = false;
    bool m_keyboardHere = false;
    bool m_pressed = false;
};

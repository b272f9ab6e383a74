// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BevelPanel.h"
#include "SortingPick.h"

#include <QString>

#include <array>
#include <optional>

class Announcer;
class DropPicture;
class SortingWordLabel;

// The sorting window's word list (Panel3): one stop of the keyboard order, in which the arrows,
// Home and End move the keyboard's mark over the words. It also keeps what the pupil holds
// without dragging (SortingPick): a word picked by a click, by Space or Enter or by a screen
// reader's action, and the picture chosen for it with Left, Right or Tab. It shows that on the
// words and pictures (the picked word inverted, the chosen picture framed), paints the keyboard's
// mark on its word, and says picks and let-gos on the window's announcer.
//
// A drop made from here (Space or Enter on a chosen picture, "1" and "2", a click or an action
// on a picture) ends the pick first and is then handed on with dropRequested, for the window to
// carry out as it carries out a dragged word's drop; the list hears the result with the view.
//
// The list keeps its own copy of the exercise's view, handed to it after every change, and never
// reaches back into the window for it: whatever it hears while its window goes (the window
// hiding, the focus leaving) finds everything it reads still alive.
class WordPicker : public BevelPanel
{
    Q_OBJECT
public:
    explicit WordPicker(QWidget *parent);

    // Word n (1 to 20) of the list, a child of the list.
    void setWord(int n, SortingWordLabel *word);
    // The pictures the words are dropped on, and where the picks are told.
    void setPictures(DropPicture *doubleN, DropPicture *singleN, Announcer *announcer);

    // Picks word n; returns whether it did.
    bool pick(int n);
    // Lets the picked word go, if there is one (Esc, a press elsewhere in the window).
    void letGo();

    // The exercise's view was rendered anew: the list keeps a copy, and the marks follow it.
    void viewChanged(const SortingView &view);
    // A drop reached the exercise, whichever way it came, and `view` is the view after it: the
    // keyboard's mark goes on to the next word after a right drop.
    void dropped(const SortingView &view);

    int pickedWord() const { return m_pick.pickedWord(); }

    // The keys, as the controls' accessible descriptions tell them: all of them for the list,
    // the few that act on a word for each word (read at every word, so kept short).
    static QString wordListKeys();
    static QString wordKeys();
    static QString pictureKeys();

Q_SIGNALS:
    // Word `word` is to be put on `picture`; the pick is already over.
    void dropRequested(int word, DropPicture *picture);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool handlePickKey(const QKeyEvent *key);
    bool choosePicture(bool forward);
    void dropOn(DropPicture *picture);
    void dropFrom(const std::optional<SortingPick::Drop> &drop);
    void updateMarks();
    void announceFocus();
    SortingWordLabel *word(int n) const;
    DropPicture *pictureOf(SortingPick::Picture picture) const;
    // Where the keyboard's mark stands in the list: round its word, or round the whole list
    // when no word is left; empty while the list has no focus.
    QRect focusFrame() const;

    std::array<SortingWordLabel *, kSortingWordCount> m_words{};
    DropPicture *m_doubleN = nullptr;
    DropPicture *m_singleN = nullptr;
    Announcer *m_announcer = nullptr;
    SortingView m_view;
    SortingPick m_pick;

    int m_markedPick = 0; // the word shown as picked
    QRect m_focusFrame;   // where the keyboard's mark was painted last
};

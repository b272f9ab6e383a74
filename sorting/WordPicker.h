#pragma once

#include "BevelPanel.h"
#include "SortingPick.h"

#include <QPointer>
#include <QString>

#include <array>
#include <functional>

class FocusMark;
class Announcer;
class QLabel;
class QWindow;

// The sorting window's word list (Panel3), and the ways to move a word other than dragging it:
// a click on a word picks it and a click on a picture drops it there; from the keyboard the list
// is a stop of its own where the arrows move over the words, Space or Enter picks, Left, Right or
// Tab choose a picture and Space or Enter drops, "1" and "2" drop straight away, Esc lets go;
// and assistive technology picks and drops through the controls' actions. What is picked and
// chosen is kept by SortingPick; the list shows it (the picked word inverted, the focus mark on
// the word the keyboard is on and on the chosen picture) and says what happened on the window's
// announcer.
//
// The list keeps its own copy of the exercise's view, handed to it after every change, and never
// reaches back into the window for it: whatever it hears while its window goes (the window
// hiding, the focus leaving) finds everything it reads still alive.
//
// Every drop goes to the window's drop handler, the one a drag ends in.
class WordPicker : public BevelPanel
{
    Q_OBJECT
public:
    using DropHandler = std::function<void(QLabel *picture, int word)>;

    explicit WordPicker(QWidget *parent);

    // Word n (1 to 20) of the list, a child of the list.
    void setWord(int n, QLabel *word);
    // The pictures the words are dropped on, where the picks and drops are told, and who takes
    // a drop.
    void setTargets(QLabel *doubleN, QLabel *singleN, Announcer *announcer, DropHandler drop);

    // A click on word n (a press and a release on it) picks it.
    void wordClicked(int n);
    // Accessibility actions: pick word n; drop the picked word on `picture`. Each returns
    // whether it did something.
    bool pick(int n);
    bool dropOn(const QLabel *picture);

    // The exercise's view was rendered anew: the list keeps a copy, and the marks follow it.
    void viewChanged(const SortingView &view);
    // A drop reached the exercise, whichever way it came, and `view` is the view after it: the
    // pick is over.
    void dropped(const SortingView &view);

    // Whether word n carries the keyboard's mark: the list has the focus and is on it.
    bool isFocusOn(int n) const;
    // Whether `picture` carries the chosen picture's mark while the list has the keyboard.
    bool isChosenWithFocus(const QWidget *picture) const;
    int pickedWord() const { return m_pick.pickedWord(); }
    SortingPick::Picture chosenPicture() const { return m_pick.chosenPicture(); }

    // The keys, as the controls' accessible descriptions tell them: all of them for the list,
    // the few that act on a word for each word (read at every word, so kept short).
    static QString wordListKeys();
    static QString wordKeys();
    static QString pictureKeys();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool handlePickKey(const QKeyEvent *key);
    bool choosePicture(bool forward);
    bool watchClicks(QEvent *event);
    void dropFrom(const std::optional<SortingPick::Drop> &drop);
    void cancel();
    void updateMarks();
    void updateClickWatch();
    void announceFocus();
    QLabel *label(int n) const;
    QLabel *pictureOf(SortingPick::Picture picture) const;
    QString captionOf(int n) const;
    // Where the keyboard's mark stands in the list: round its word, or round the whole list
    // when no word is left; empty while the list has no focus.
    QRect focusFrame() const;

    std::array<QLabel *, kSortingWordCount> m_words{};
    QLabel *m_doubleN = nullptr;
    QLabel *m_singleN = nullptr;
    Announcer *m_announcer = nullptr;
    DropHandler m_drop;
    SortingView m_view;
    SortingPick m_pick;

    FocusMark *m_pictureMark = nullptr;
    int m_markedPick = 0; // the word shown as picked
    QRect m_focusFrame;   // where the keyboard's mark was painted last
    // While a word is picked, every click and Esc of the window, before any control has it.
    QPointer<QWindow> m_watchedWindow;
    QPointer<QWidget> m_pressedPicture;
};

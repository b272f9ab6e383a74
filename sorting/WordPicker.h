#pragma once

#include "SortingPick.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <array>
#include <functional>

class Announcer;
class OutlineMark;
class QKeyEvent;
class QLabel;
class QWidget;

// The ways to move a word other than dragging it, on the sorting window's controls: a click on
// a word picks it and a click on a picture drops it there; from the keyboard the word list is a
// stop of its own where the arrows move over the words, Space or Enter picks, Left, Right or Tab
// choose a picture and Space or Enter drops, "1" and "2" drop straight away, Esc lets go; and
// assistive technology picks and drops through the controls' actions. What is picked and
// chosen is kept by SortingPick; this shows it (a mark on the picked word, on the chosen picture
// and, while the list has the keyboard, on the word the keyboard is on) and says what happened
// through the window's announcer.
//
// Every drop goes to the window's drop handler, the one a drag ends in.
class WordPicker : public QObject
{
    Q_OBJECT
public:
    using View = std::function<const SortingView &()>;
    using DropHandler = std::function<void(QLabel *picture, int word)>;

    WordPicker(QWidget *wordList, const std::array<QLabel *, kSortingWordCount> &words,
               QLabel *doubleN, QLabel *singleN, Announcer *announcer, View view, DropHandler drop);

    // A click on word n (a press and a release on it) picks it.
    void wordClicked(int n);
    // Accessibility actions: pick word n; drop the picked word on `picture`. Each returns
    // whether it did something.
    bool pick(int n);
    bool dropOn(const QLabel *picture);

    // The view was rendered anew: the marks follow it.
    void viewChanged();
    // A drop reached the exercise, whichever way it came: the pick is over.
    void dropped();

    // Whether word n carries the keyboard's mark: the list has the focus and is on it.
    bool isFocusOn(int n) const;
    // Whether `picture` carries the chosen picture's band while the list has the keyboard.
    bool isChosenWithFocus(const QWidget *picture) const;
    int pickedWord() const { return m_pick.pickedWord(); }
    SortingPick::Picture chosenPicture() const { return m_pick.chosenPicture(); }

    // The keys, as the controls' accessible descriptions tell them: all of them for the list,
    // the few that act on a word for each word (read at every word, so kept short).
    static QString wordListKeys();
    static QString wordKeys();
    static QString pictureKeys();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool handleKey(const QKeyEvent *key);
    bool handlePickKey(const QKeyEvent *key);
    bool watchClicks(QObject *watched, QEvent *event);
    void dropFrom(const std::optional<SortingPick::Drop> &drop);
    void cancel();
    void updateMarks();
    void updateClickWatch();
    void announceFocus();
    QLabel *label(int n) const;
    QLabel *pictureOf(SortingPick::Picture picture) const;
    QString captionOf(int n) const;

    QWidget *m_list;
    std::array<QLabel *, kSortingWordCount> m_words;
    QLabel *m_doubleN;
    QLabel *m_singleN;
    Announcer *m_announcer;
    View m_view;
    DropHandler m_drop;
    SortingPick m_pick;

    OutlineMark *m_focusMark = nullptr;
    OutlineMark *m_pictureMark = nullptr;
    int m_markedPick = 0;            // the word shown as picked
    bool m_watchingClicks = false;   // the application's clicks are watched while a word is picked
    QPointer<QWidget> m_pressedPicture;
};

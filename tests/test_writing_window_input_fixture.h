// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The writing window driven with the mouse as the pupil drives it: what each state of the
// exercise shows right of the word list, and a witness that notes the world at chosen events.
#include "test_writing_window_fixture.h"

#include <QEvent>

#include <functional>
#include <set>
#include <vector>

namespace writingwindow {

const QColor kWindowColour(227, 227, 227);

// The controls right of the word list. What a state shows of them is listed below; the rest is
// unseen (hidden, or inside a hidden panel).
const char *const kCheckArea[] = {"Panel4",   "sButton1", "Label24", "sButton3", "Label23",
                                  "sButton2", "Panel2",   "Image1",  "Image2",   "Panel1",
                                  "sButton4", "Panel5",   "Label25"};
const QStringList kReady{"Panel4", "sButton1"};
const QStringList kFailed{"Panel4", "Label24", "sButton3", "Panel2", "Image2"};
const QStringList kRetrying{"Panel4", "sButton1", "Panel2", "Image2",
                            "Panel1", "sButton4", "Panel5", "Label25"};
const QStringList kHelped{"Panel4", "sButton1", "Panel2", "Image2"};
const QStringList kPassed{"Panel4", "Label23", "sButton2", "Panel2", "Image1"};

// Notes one thing about the world each time a watched object gets an event of a type.
class Witness : public QObject
{
    Q_OBJECT
public:
    Witness(QEvent::Type type, std::function<QString()> note) : m_type(type), m_note(note) {}
    QStringList notes;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == m_type) {
            notes << m_note();
        }
        return false;
    }

private:
    QEvent::Type m_type;
    std::function<QString()> m_note;
};

class WritingInput : public WritingWindowTest
{
protected:
    // Every control of the check area as a state shows it, the prompt, the edit boxes of the
    // words clicked so far, and the window's width.
    void expectState(const char *state, const QStringList &shown, const std::set<int> &boxes,
                     int outerWidth, int outerHeight = 579)
    {
        SCOPED_TRACE(state);
        for (const char *name : kCheckArea) {
            EXPECT_EQ(named(name)->isVisibleTo(form), shown.contains(QLatin1String(name))) << name;
        }
        EXPECT_EQ(label("Label2")->isVisibleTo(form), !boxes.empty());
        for (int word = 1; word <= 20; ++word) {
            EXPECT_EQ(edit(word)->isVisibleTo(form), boxes.count(word) == 1) << "Edit" << word;
            EXPECT_TRUE(wordLabel(word)->isVisibleTo(form));
        }
        EXPECT_EQ(form->width() + 8, outerWidth);
        EXPECT_EQ(form->height() + 34, outerHeight);
    }

    // Clicks the words in turn, typing each one's answer (or the given wrong one).
    void writeAll(const std::vector<int> &order, int wrongWord = 0, const QString &wrong = {})
    {
        for (int word : order) {
            write(word, word == wrongWord ? wrong : answer(word));
        }
    }

    static std::vector<int> inOrder(int from, int to)
    {
        std::vector<int> words;
        for (int w = from; w <= to; ++w) {
            words.push_back(w);
        }
        return words;
    }

    static std::set<int> allWords()
    {
        const std::vector<int> words = inOrder(1, 20);
        return std::set<int>(words.begin(), words.end());
    }

    QLabel *boardLabel(const char *name) { return windows->board()->findChild<QLabel *>(name); }
};

} // namespace writingwindow

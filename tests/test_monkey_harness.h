// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The monkey's harness over the real four windows: the Monkey that drives seeded random input
// (its steps in test_monkey_actions.cpp) and checks the program's rules after every step (in
// test_monkey_invariants.cpp), with the catchers that keep the board open and no link opened.
#include "test_monkey_input.h"

#include "SortingExercise.h"
#include "TsButton.h"
#include "WindowSet.h"
#include "WritingExercise.h"

#include <QEvent>
#include <QLabel>
#include <QObject>
#include <QUrl>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// Catches what the board hands to the desktop to open, so no mail program or browser starts.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    int opened = 0;
public Q_SLOTS:
    void open(const QUrl &) { ++opened; }
};

namespace monkey {

// Closing the board ends the program; the monkey may press its close button and its close box
// as often as it likes, and the request is counted and dropped here.
class BoardCloseGuard : public QObject
{
    Q_OBJECT
public:
    int swallowed = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Close) {
            ++swallowed;
            event->ignore();
            return true;
        }
        return false;
    }
};

struct Snapshot2
{
    SortingView view;
    std::int32_t help = 0;
};
struct Snapshot3
{
    WritingView view;
    QStringList texts;
    std::int32_t help = 0;
};

class Monkey
{
public:
    Monkey(std::uint64_t seed, long events)
        : m_seed(seed), m_budget(events), m_dice(seed), m_in(m_dice)
    {
        m_trace = qEnvironmentVariableIntValue("NN_MONKEY_TRACE") != 0;
        m_in.setTrace(m_trace);
    }

    // Runs the whole sequence; returns an empty string, or what went wrong.
    std::string run();

    struct Stats
    {
        long steps = 0;
        int swallowedCloses = 0;
        int marks = 0;
        int passes2 = 0;
        int passes3 = 0;
        std::int32_t help2 = 0;
        std::int32_t help3 = 0;
        int urls = 0;
    };
    const Stats &stats() const { return m_stats; }
    long events() const { return m_in.events(); }

private:
    static TsButton *button(QWidget *window, const char *name)
    {
        return window->findChild<TsButton *>(QString::fromLatin1(name));
    }
    static QLabel *label(QWidget *window, const QString &name)
    {
        return window->findChild<QLabel *>(name);
    }

    void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void finish();

    std::vector<QWidget *> shownWindows() const;

    // A window to aim the mouse at: an open popup menu now and then, else a shown window.
    QWidget *mouseWindow();

    // A control of `window` worth aiming at (a word, a picture, a button, an edit box, the menu
    // bar), or none for anywhere in the window.
    const QWidget *controlIn(QWidget *window);

    Qt::MouseButton anyButton();

    QWindow *keyWindow();

    void act();

    void chaotic();

    void click();

    // A word of the sorting window dragged somewhere: mostly onto its own picture (so that
    // exercises get passed and "Дальше" gets pressed), sometimes onto the other, sometimes
    // anywhere at all, in whichever window.
    void drag(bool right);

    void keys();

    // A whole word typed: into the focused edit box of the writing window its right answer
    // most of the time (so that the exercise gets passed), otherwise a word from the list.
    void typeText();

    // A word of the writing window clicked and its answer typed, as the pupil does it.
    void writeWord();

    // A press and release on a skinned button that is shown in an exercise window.
    void pressShownButton();

    void closeWindow();

    void reopenSorting() { pressBoardButton("sButton1"); }

    void reopen();

    void pressBoardButton(const char *name);

    void activate();

    // What must hold after every step; empty when all of it does.
    std::string check();

    std::string keepsWhileClosed();

    static std::string state();

    std::string report(const std::string &failure) const;

    std::uint64_t m_seed;
    long m_budget;
    Dice m_dice;
    Input m_in;
    long m_step = 0;
    bool m_trace = false;
    bool m_diligent = false;
    std::unique_ptr<WindowSet> m_windows;
    BoardCloseGuard m_guard;
    UrlCatcher m_urls;
    int m_next2 = 0;
    int m_next3 = 0;
    std::int32_t m_helpAtNext2 = 0;
    std::int32_t m_helpAtNext3 = 0;
    std::int32_t m_help2 = 0;
    std::int32_t m_help3 = 0;
    std::optional<Snapshot2> m_closed2;
    std::optional<Snapshot3> m_closed3;
    Stats m_stats;
};

} // namespace monkey

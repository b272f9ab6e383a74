// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Real input for the monkey test: presses, moves, releases, double clicks, keys and typed text,
// all through the windows' handles as the desktop delivers them, each described in a line of
// the event log so that a failing run can be read and replayed.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <cstdint>
#include <deque>
#include <iterator>
#include <random>
#include <string>

namespace monkey {

// The seeded source of every choice the monkey makes.
class Dice
{
public:
    explicit Dice(std::uint64_t seed) : m_engine(seed) {}

    // 0 to n - 1.
    int below(int n) { return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(m_engine); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool chance(int percent) { return below(100) < percent; }
    template <class List> auto pick(const List &list) -> decltype(list[0])
    {
        return list[below(static_cast<int>(std::size(list)))];
    }

private:
    std::mt19937_64 m_engine;
};

// The input devices, counting every event they deliver and remembering the latest steps.
class Input
{
public:
    explicit Input(Dice &dice) : m_dice(dice) {}

    long events() const { return m_events; }
    const std::deque<std::string> &tail() const { return m_tail; }
    void note(const std::string &line)
    {
        if (m_trace) {
            std::fprintf(stderr, "monkey: %s\n", line.c_str());
        }
        m_tail.push_back(line);
        if (m_tail.size() > kTail) {
            m_tail.pop_front();
        }
    }
    void setTrace(bool on) { m_trace = on; }

    // A point of `window` (window coordinates): inside `target` when one is given, anywhere
    // in the window or just beyond its edges otherwise.
    QPoint pointIn(QWidget *window, const QWidget *target)
    {
        if (target) {
            const QRect r = target->rect();
            const QPoint local(m_dice.between(r.left(), r.right()),
                               m_dice.between(r.top(), r.bottom()));
            return target->mapTo(window, local);
        }
        return QPoint(m_dice.between(-6, window->width() + 5),
                      m_dice.between(-6, window->height() + 5));
    }

    void press(QWidget *window, QPoint at, Qt::MouseButton button)
    {
        note(describe("press", window, at, button));
        QTest::mousePress(window->windowHandle(), button, {}, at);
        ++m_events;
    }
    void release(QWidget *window, QPoint at, Qt::MouseButton button)
    {
        note(describe("release", window, at, button));
        QTest::mouseRelease(window->windowHandle(), button, {}, at);
        ++m_events;
    }
    void move(QWidget *window, QPoint at)
    {
        note(describe("move", window, at, Qt::NoButton));
        QTest::mouseMove(window->windowHandle(), at);
        ++m_events;
    }
    void doubleClick(QWidget *window, QPoint at, Qt::MouseButton button)
    {
        note(describe("double click", window, at, button));
        // Press, release, the second press (a double click) and its release.
        QTest::mouseDClick(window->windowHandle(), button, {}, at);
        m_events += 4;
    }

    // A key pressed and released in the window that has the keyboard, carrying `text`.
    void key(QWindow *window, int key, const QString &text = {},
             Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        note("key " + std::to_string(key) + " '" + text.toStdString() + "' mods " +
             std::to_string(modifiers.toInt()) + " to " + window->objectName().toStdString());
        QTest::sendKeyEvent(QTest::Click, window, static_cast<Qt::Key>(key), text, modifiers);
        m_events += 2;
    }
    // Each character as the key that makes it, as the fixtures type Cyrillic.
    void type(QWindow *window, const QString &text)
    {
        note("type '" + text.toStdString() + "' to " + window->objectName().toStdString());
        for (const QChar c : text) {
            const int code = c.toUpper().unicode();
            const Qt::KeyboardModifiers shift = c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier;
            QTest::sendKeyEvent(QTest::Click, window, static_cast<Qt::Key>(code), QString(c),
                                shift);
            m_events += 2;
        }
    }

    void countEvent() { ++m_events; }

private:
    static constexpr std::size_t kTail = 40;

    static std::string describe(const char *what, QWidget *window, QPoint at,
                                Qt::MouseButton button)
    {
        std::string line = std::string(what) + " " + window->objectName().toStdString() + " at " +
                           std::to_string(at.x()) + "," + std::to_string(at.y());
        if (button != Qt::NoButton) {
            line += " button " + std::to_string(static_cast<int>(button));
        }
        if (QWidget *under = window->childAt(at)) {
            line += " on " + under->objectName().toStdString();
        }
        return line;
    }

    Dice &m_dice;
    long m_events = 0;
    bool m_trace = false;
    std::deque<std::string> m_tail;
};

} // namespace monkey

// SPDX-License-Identifier: GPL-3.0-or-later
// The monkey's run: the windows started and watched, a step taken and the rules checked until the
// events run out or a rule breaks, what a seed did, and the report that lets a failure be replayed.

#include "test_monkey_harness.h"

#include "BoardWindow.h"
#include "HelpWindow.h"
#include "SortingWindow.h"
#include "VariantOneWords.h"
#include "WritingEditBox.h"
#include "WritingWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QMenu>
#include <QPointer>

#include <cstdio>
#include <cstdlib>

namespace monkey {

// Runs the whole sequence; returns an empty string, or what went wrong.
std::string Monkey::run()
{
    m_windows = std::make_unique<WindowSet>();
    m_windows->start();
    m_windows->board()->installEventFilter(&m_guard);
    for (const char *scheme : {"mailto", "http", "https"}) {
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &m_urls, "open");
    }
    QObject::connect(button(m_windows->sorting(), "sButton2"), &QAbstractButton::clicked, [this] {
        ++m_next2;
        m_helpAtNext2 = m_windows->sorting()->exercise().helpCount();
    });
    QObject::connect(button(m_windows->writing(), "sButton2"), &QAbstractButton::clicked, [this] {
        ++m_next3;
        m_helpAtNext3 = m_windows->writing()->exercise().helpCount();
    });
    settle();

    std::string failure;
    while (failure.empty() && m_in.events() < m_budget) {
        ++m_step;
        act();
        settle();
        failure = check();
        if (m_trace) {
            std::fputs(state().c_str(), stderr);
        }
    }
    const std::string result = failure.empty() ? std::string() : report(failure);
    m_stats.steps = m_step;
    m_stats.swallowedCloses = m_guard.swallowed;
    finish();
    return result;
}

void Monkey::finish()
{
    // Let go of whatever the last steps left held, so the next seed starts clean.
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        if (QGuiApplication::mouseButtons() & b) {
            QTest::mouseRelease(m_windows->board()->windowHandle(), b, {}, QPoint(-3, -3));
        }
    }
    while (QWidget *popup = QApplication::activePopupWidget()) {
        popup->close();
    }
    settle();
    m_stats.urls = m_urls.opened;
    m_stats.help2 = m_windows->sorting()->exercise().helpCount();
    m_stats.help3 = m_windows->writing()->exercise().helpCount();
    m_stats.passes2 = m_windows->sorting()->exercise().view().nextButtonVisible;
    m_stats.passes3 = m_windows->writing()->exercise().view().nextButtonVisible;
    m_stats.marks = m_next2 + m_next3;
    for (const char *scheme : {"mailto", "http", "https"}) {
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    m_windows.reset();
    settle();
}

std::vector<QWidget *> Monkey::shownWindows() const
{
    std::vector<QWidget *> shown;
    for (QWidget *w : std::initializer_list<QWidget *>{m_windows->board(), m_windows->sorting(),
                                                       m_windows->writing(), m_windows->help()}) {
        if (w->isVisible()) {
            shown.push_back(w);
        }
    }
    return shown;
}

// A window to aim the mouse at: an open popup menu now and then, else a shown window.
QWidget *Monkey::mouseWindow()
{
    QWidget *popup = QApplication::activePopupWidget();
    if (popup && m_dice.chance(50)) {
        return popup;
    }
    return m_dice.pick(shownWindows());
}

// A control of `window` worth aiming at (a word, a picture, a button, an edit box, the menu
// bar), or none for anywhere in the window.
const QWidget *Monkey::controlIn(QWidget *window)
{
    if (m_dice.chance(30)) {
        return nullptr;
    }
    std::vector<const QWidget *> controls;
    for (const QWidget *c : window->findChildren<QWidget *>()) {
        const bool wanted = qobject_cast<const QLabel *>(c) ||
                            qobject_cast<const QAbstractButton *>(c) ||
                            qobject_cast<const QLineEdit *>(c) || qobject_cast<const QMenuBar *>(c);
        if (wanted && c->isVisible()) {
            controls.push_back(c);
        }
    }
    return controls.empty() ? nullptr : m_dice.pick(controls);
}

Qt::MouseButton Monkey::anyButton()
{
    const int roll = m_dice.below(10);
    return roll < 8 ? Qt::LeftButton : roll == 8 ? Qt::RightButton : Qt::MiddleButton;
}

QWindow *Monkey::keyWindow()
{
    if (QWindow *focus = QGuiApplication::focusWindow()) {
        return focus;
    }
    return m_dice.pick(shownWindows())->windowHandle();
}

std::string Monkey::report(const std::string &failure) const
{
    std::string text = "monkey: " + failure + "\n  seed " + std::to_string(m_seed) + ", step " +
                       std::to_string(m_step) + ", after " + std::to_string(m_in.events()) +
                       " events; replay with NN_MONKEY_SEEDS=" + std::to_string(m_seed) +
                       " NN_MONKEY_EVENTS=" + std::to_string(m_in.events()) +
                       " NN_MONKEY_TRACE=1\n" + state() + "  the latest steps:\n";
    for (const std::string &line : m_in.tail()) {
        text += "    " + line + "\n";
    }
    return text;
}

} // namespace monkey

// SPDX-License-Identifier: GPL-3.0-or-later
// The monkey's steps: chaotic input anywhere or the pupil's diligent moves, each as real input
// through the windows' handles.

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

namespace {

// The words the pupil might type: the right ones, and a few near misses.
const char *const kTypedWords[] = {"ледяной", "лунный", "лунный", "ветренный", "стеклянный",
                                   "ё",       "НН",     "нн",     "н",         "сонный",
                                   "abc",     "Hello",  "туманый"};
const char kCyrillic[] = "абвгдеёжзийклмнопрстуфхцчшщъыьэюяАБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ";

} // namespace

void Monkey::act()
{
    // Now and then the monkey turns into a diligent pupil for a while: right drops, right
    // words, the buttons pressed; so that the exercises get passed and "Дальше" pressed
    // amid all the rest.
    if (m_dice.below(400) == 0) {
        m_diligent = !m_diligent;
        m_in.note(m_diligent ? "diligent" : "chaotic");
    }
    if (m_diligent) {
        const int roll = m_dice.below(100);
        if (roll < 35) {
            drag(true);
        } else if (roll < 65) {
            writeWord();
        } else if (roll < 90) {
            pressShownButton();
        } else {
            chaotic();
        }
        return;
    }
    chaotic();
}

void Monkey::chaotic()
{
    const int roll = m_dice.below(100);
    if (roll < 14) {
        QWidget *w = mouseWindow();
        m_in.press(w, m_in.pointIn(w, controlIn(w)), anyButton());
    } else if (roll < 26) {
        QWidget *w = mouseWindow();
        m_in.release(w, m_in.pointIn(w, controlIn(w)), anyButton());
    } else if (roll < 38) {
        QWidget *w = mouseWindow();
        m_in.move(w, m_in.pointIn(w, controlIn(w)));
    } else if (roll < 50) {
        click();
    } else if (roll < 54) {
        QWidget *w = mouseWindow();
        m_in.doubleClick(w, m_in.pointIn(w, controlIn(w)), anyButton());
    } else if (roll < 64) {
        drag(false);
    } else if (roll < 78) {
        keys();
    } else if (roll < 86) {
        typeText();
    } else if (roll < 90) {
        closeWindow();
    } else if (roll < 96) {
        reopen();
    } else {
        activate();
    }
}

void Monkey::click()
{
    QWidget *w = mouseWindow();
    const QPoint at = m_in.pointIn(w, controlIn(w));
    const Qt::MouseButton b = m_dice.chance(90) ? Qt::LeftButton : anyButton();
    // A press on a popup menu's item may close the menu and schedule its deletion.
    const QPointer<QWidget> target = w;
    m_in.press(w, at, b);
    if (target && target->isVisible()) {
        m_in.release(w, at, b);
    } else {
        m_in.release(m_windows->board(), QPoint(-2, -2), b);
    }
}

// A word of the sorting window dragged somewhere: mostly onto its own picture (so that
// exercises get passed and "Дальше" gets pressed), sometimes onto the other, sometimes
// anywhere at all, in whichever window.
void Monkey::drag(bool right)
{
    if (!m_windows->sorting()->isVisible()) {
        reopenSorting();
        return;
    }
    std::vector<int> shown;
    for (int k = 1; k <= kSortingWordCount; ++k) {
        if (m_windows->sorting()->exercise().view().isWordVisible(k)) {
            shown.push_back(k);
        }
    }
    if (shown.empty()) {
        click();
        return;
    }
    const int k = m_dice.pick(shown);
    QLabel *word = label(m_windows->sorting(), QStringLiteral("Label%1").arg(k + 2));
    m_in.note("drag word " + std::to_string(k));
    m_in.press(m_windows->sorting(), m_in.pointIn(m_windows->sorting(), word), Qt::LeftButton);
    const int moves = m_dice.between(0, 4);
    for (int i = 0; i < moves; ++i) {
        QWidget *w = m_dice.pick(shownWindows());
        m_in.move(w, m_in.pointIn(w, controlIn(w)));
    }
    const bool single = std::string_view(kVariantOneWords.at(std::size_t(k - 1)).code) == "n";
    const int aim = right ? 0 : m_dice.below(10);
    QWidget *onto = nullptr;
    if (aim < 6) {
        onto = label(m_windows->sorting(), QString::fromLatin1(single ? "Image1" : "Image2"));
    } else if (aim < 8) {
        onto = label(m_windows->sorting(), QString::fromLatin1(single ? "Image2" : "Image1"));
    }
    if (onto && onto->isVisible() && m_windows->sorting()->isVisible()) {
        const QPoint at = m_in.pointIn(m_windows->sorting(), onto);
        m_in.move(m_windows->sorting(), at);
        m_in.release(m_windows->sorting(), at, Qt::LeftButton);
    } else {
        QWidget *w = m_dice.pick(shownWindows());
        m_in.release(w, m_in.pointIn(w, controlIn(w)), Qt::LeftButton);
    }
}

void Monkey::keys()
{
    QWindow *window = keyWindow();
    const int roll = m_dice.below(12);
    switch (roll) {
    case 0:
    case 1:
        m_in.key(window, Qt::Key_Tab, QStringLiteral("\t"));
        break;
    case 2:
        m_in.key(window, Qt::Key_Backtab, {}, Qt::ShiftModifier);
        break;
    case 3:
    case 4:
        m_in.key(window, Qt::Key_Space, QStringLiteral(" "));
        break;
    case 5:
        m_in.key(window, Qt::Key_Return, QStringLiteral("\r"));
        break;
    case 6:
        m_in.key(window, Qt::Key_Enter, QStringLiteral("\r"), Qt::KeypadModifier);
        break;
    case 7:
        m_in.key(window, Qt::Key_Escape, QStringLiteral("\x1b"));
        break;
    case 8:
        m_in.key(window, Qt::Key_Backspace, QStringLiteral("\b"));
        break;
    case 9: {
        const QString letters = QString::fromUtf8(kCyrillic);
        m_in.type(window, QString(letters[m_dice.below(int(letters.size()))]));
        break;
    }
    case 10:
        m_in.type(window, QString(QChar(char16_t(u'a' + m_dice.below(26)))));
        break;
    default:
        m_in.key(window, m_dice.chance(50) ? Qt::Key_Left : Qt::Key_Delete);
        break;
    }
}

// A whole word typed: into the focused edit box of the writing window its right answer
// most of the time (so that the exercise gets passed), otherwise a word from the list.
void Monkey::typeText()
{
    QWindow *window = keyWindow();
    auto *box = qobject_cast<WritingEditBox *>(QApplication::focusWidget());
    if (box && box->window() == m_windows->writing() && m_dice.chance(75)) {
        const int word = box->objectName().mid(4).toInt();
        const std::string_view expected = kVariantOneWords.at(std::size_t(word - 1)).written;
        // Select what is there, as the pupil does before typing a word anew.
        m_in.key(window, Qt::Key_A, QStringLiteral("a"), Qt::ControlModifier);
        m_in.type(window, QString::fromUtf8(expected.data(), qsizetype(expected.size())));
        return;
    }
    m_in.type(window, QString::fromUtf8(m_dice.pick(kTypedWords)));
}

// A word of the writing window clicked and its answer typed, as the pupil does it.
void Monkey::writeWord()
{
    if (!m_windows->writing()->isVisible()) {
        pressBoardButton("sButton5");
        return;
    }
    // A word not yet written right, if any is left.
    std::vector<int> unwritten;
    for (int k = 1; k <= WritingView::kWordCount; ++k) {
        const std::string_view expected = kVariantOneWords.at(std::size_t(k - 1)).written;
        auto *box =
            m_windows->writing()->findChild<WritingEditBox *>(QStringLiteral("Edit%1").arg(k));
        if (box->isHidden() ||
            box->text() != QString::fromUtf8(expected.data(), qsizetype(expected.size()))) {
            unwritten.push_back(k);
        }
    }
    const int word =
        unwritten.empty() ? m_dice.between(1, WritingView::kWordCount) : m_dice.pick(unwritten);
    QLabel *caption = label(m_windows->writing(), QStringLiteral("Label%1").arg(word + 2));
    const QPoint at = m_in.pointIn(m_windows->writing(), caption);
    m_in.press(m_windows->writing(), at, Qt::LeftButton);
    m_in.release(m_windows->writing(), at, Qt::LeftButton);
    settle();
    typeText();
}

// A press and release on a skinned button that is shown in an exercise window.
void Monkey::pressShownButton()
{
    std::vector<TsButton *> shown;
    for (QWidget *w : {static_cast<QWidget *>(m_windows->sorting()),
                       static_cast<QWidget *>(m_windows->writing())}) {
        for (TsButton *b : w->findChildren<TsButton *>()) {
            if (b->isVisible()) {
                shown.push_back(b);
            }
        }
    }
    if (shown.empty()) {
        reopen();
        return;
    }
    TsButton *b = m_dice.pick(shown);
    QWidget *w = b->window();
    const QPoint at = m_in.pointIn(w, b);
    m_in.note("button " + b->text().toStdString());
    m_in.press(w, at, Qt::LeftButton);
    m_in.release(w, at, Qt::LeftButton);
}

void Monkey::closeWindow()
{
    // As on the desktop, where the click on a close box first closes an open popup menu
    // (which holds the mouse and the keyboard), and Alt+F4 goes to the menu, not the window.
    if (QWidget *popup = QApplication::activePopupWidget()) {
        m_in.note("close popup");
        popup->close();
        m_in.countEvent();
        return;
    }
    QWidget *w = m_dice.pick(shownWindows());
    if (m_dice.chance(50)) {
        m_in.note("close " + w->objectName().toStdString());
        w->close();
    } else {
        // As the desktop's close box does: through the window.
        m_in.note("close box of " + w->objectName().toStdString());
        w->windowHandle()->close();
    }
    m_in.countEvent();
}

void Monkey::reopen()
{
    const int roll = m_dice.below(10);
    pressBoardButton(roll < 5 ? "sButton1" : roll < 9 ? "sButton5" : "sButton8");
}

void Monkey::pressBoardButton(const char *name)
{
    TsButton *b = button(m_windows->board(), name);
    const QPoint at = m_in.pointIn(m_windows->board(), b);
    m_in.note(std::string("board button ") + name);
    m_in.press(m_windows->board(), at, Qt::LeftButton);
    m_in.release(m_windows->board(), at, Qt::LeftButton);
}

void Monkey::activate()
{
    QWidget *w = m_dice.pick(shownWindows());
    m_in.note("activate " + w->objectName().toStdString());
    w->activateWindow();
    m_in.countEvent();
}

} // namespace monkey

// SPDX-License-Identifier: GPL-3.0-or-later
// What must hold after every step of the monkey: the board stays, help counts never go down, each
// slot is marked once after its "Дальше", the windows show their exercises' views, a closed
// window keeps everything, and no drag or grab outlives its button or window.

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

// What must hold after every step; empty when all of it does.
std::string Monkey::check()
{
    const SortingExercise &sorting = m_windows->sorting()->exercise();
    const WritingExercise &writing = m_windows->writing()->exercise();

    if (!m_windows->board()->isVisible()) {
        return "the board went away";
    }
    // Help counts never go down.
    if (sorting.helpCount() < m_help2 || writing.helpCount() < m_help3) {
        return "a help count went down";
    }
    m_help2 = sorting.helpCount();
    m_help3 = writing.helpCount();

    // Marks: slot 1 for the sorting, slot 5 for the writing exercise, each only after its
    // "Дальше" and only once; no other slot ever.
    for (int slot = 1; slot <= 8; ++slot) {
        QLabel *mark = label(m_windows->board(), QStringLiteral("Image%1").arg(slot));
        QLabel *count = label(m_windows->board(), QStringLiteral("Label%1").arg(2 * slot));
        const bool marked = !mark->isHidden();
        int nexts = 0;
        std::int32_t helpAtNext = 0;
        if (slot == 1) {
            nexts = m_next2;
            helpAtNext = m_helpAtNext2;
        } else if (slot == 5) {
            nexts = m_next3;
            helpAtNext = m_helpAtNext3;
        }
        if (nexts > 1) {
            return "\"Дальше\" of slot " + std::to_string(slot) + " was pressed again";
        }
        if (marked != (nexts == 1)) {
            return "slot " + std::to_string(slot) +
                   (marked ? " marked without" : " not marked after") + " its \"Дальше\"";
        }
        if (marked && (count->isHidden() || count->text() != QString::number(helpAtNext))) {
            return "slot " + std::to_string(slot) + " shows help count " +
                   count->text().toStdString() + ", not " + std::to_string(helpAtNext);
        }
        const char *variant = slot == 1 ? "sButton1" : "sButton5";
        if (marked && button(m_windows->board(), variant)->isEnabled()) {
            return "a passed variant can still be opened";
        }
    }

    // The sorting window shows its exercise's view: placed words are gone, the others there.
    for (int k = 1; k <= kSortingWordCount; ++k) {
        if (label(m_windows->sorting(), QStringLiteral("Label%1").arg(k + 2))->isHidden() ==
            sorting.view().isWordVisible(k)) {
            return "word " + std::to_string(k) + " of the sorting window shown wrongly";
        }
    }
    QStringList texts;
    for (int k = 1; k <= WritingView::kWordCount; ++k) {
        auto *box =
            m_windows->writing()->findChild<WritingEditBox *>(QStringLiteral("Edit%1").arg(k));
        texts << box->text();
        if (box->isHidden() == writing.view().isEditVisible(k)) {
            return "edit box " + std::to_string(k) + " shown wrongly";
        }
    }

    // A closed window keeps everything until it is opened again.
    if (std::string e = keepsWhileClosed(); !e.empty()) {
        return e;
    }
    if (!m_windows->writing()->isVisible()) {
        if (!m_closed3) {
            m_closed3 = Snapshot3{writing.view(), texts, writing.helpCount()};
        } else if (m_closed3->view != writing.view() || m_closed3->texts != texts ||
                   m_closed3->help != writing.helpCount()) {
            return "the closed writing window changed (typed texts: " +
                   texts.join(QLatin1Char('|')).toStdString() + ", were " +
                   m_closed3->texts.join(QLatin1Char('|')).toStdString() + ")";
        }
    } else if (m_closed3) {
        if (m_closed3->view != writing.view() || m_closed3->texts != texts) {
            return "the writing window came back changed (typed texts: " +
                   texts.join(QLatin1Char('|')).toStdString() + ", were " +
                   m_closed3->texts.join(QLatin1Char('|')).toStdString() + ")";
        }
        m_closed3.reset();
    }

    // No drag outlives the left button, and none outlives its window.
    const QCursor *cursor = QGuiApplication::overrideCursor();
    if (cursor && !m_windows->sorting()->isVisible()) {
        return "an override cursor with the sorting window closed";
    }
    if (!(QGuiApplication::mouseButtons() & Qt::LeftButton)) {
        if (cursor) {
            return "the override cursor " + std::to_string(int(cursor->shape())) +
                   " is left with the left button up";
        }
        QWidget *grabber = QWidget::mouseGrabber();
        if (grabber && !QApplication::activePopupWidget()) {
            return "the mouse is left grabbed by " + grabber->objectName().toStdString();
        }
    } else if (cursor && cursor->shape() != Qt::DragMoveCursor &&
               cursor->shape() != Qt::ForbiddenCursor) {
        return "an override cursor that is not the drag's";
    }
    return {};
}

std::string Monkey::keepsWhileClosed()
{
    const SortingExercise &sorting = m_windows->sorting()->exercise();
    if (!m_windows->sorting()->isVisible()) {
        if (!m_closed2) {
            m_closed2 = Snapshot2{sorting.view(), sorting.helpCount()};
        } else if (m_closed2->view != sorting.view() || m_closed2->help != sorting.helpCount()) {
            return "the closed sorting window changed";
        }
    } else if (m_closed2) {
        if (m_closed2->view != sorting.view()) {
            return "the sorting window came back changed (placed words lost?)";
        }
        m_closed2.reset();
    }
    return {};
}

std::string Monkey::state()
{
    const QCursor *cursor = QGuiApplication::overrideCursor();
    std::string text =
        "  cursor " + (cursor ? std::to_string(int(cursor->shape())) : "none") + "; shown:";
    for (const QWidget *w : QApplication::topLevelWidgets()) {
        // The program's windows (Form1 to Form4, and a teacher's variants' ones), by name.
        if (w->objectName().startsWith(QLatin1String("Form")) && w->isVisible()) {
            text += ' ';
            text += w->objectName().toStdString();
        }
    }
    const QWindow *focus = QGuiApplication::focusWindow();
    const QWidget *grabber = QWidget::mouseGrabber();
    const QWidget *popup = QApplication::activePopupWidget();
    text += "; buttons " + std::to_string(QGuiApplication::mouseButtons().toInt()) +
            "; keyboard in " + (focus ? focus->objectName().toStdString() : "none") + "; grab " +
            (grabber ? grabber->objectName().toStdString() : "none") + "; popup " +
            (popup ? popup->metaObject()->className() : "none") + "\n";
    return text;
}

} // namespace monkey

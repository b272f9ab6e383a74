// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sorting window in the real window set, opened from the board's "Вариант 1", and real input
// through the window's handle: presses, moves and releases at global positions, so that the
// window's own grab and hit testing decide where they go.

#include "BevelPanel.h"
#include "BoardWindow.h"
#include "DesktopLook.h"
#include "HelpWindow.h"
#include "QtPrinting.h"
#include "SortingWindow.h"
#include "TsButton.h"
#include "VariantOneWords.h"
#include "WindowRules.h"
#include "WindowSet.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>

namespace sorting_test {

// The word list as the pupil sees it (VariantOneWords.h): caption and answer code of word k at
// [k - 1].
inline constexpr const auto &kWords = kVariantOneWords;

// The cursor the pupil sees while the override cursor is set; -1 when none is.
inline int overrideShape()
{
    const QCursor *cursor = QGuiApplication::overrideCursor();
    return cursor ? static_cast<int>(cursor->shape()) : -1;
}
inline const int kNoOverride = -1;
inline const int kDragCursor = Qt::DragMoveCursor;
inline const int kNoDropCursor = Qt::ForbiddenCursor;

class SortingWindowTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        applyDesktopLook(*qApp);
        // The off-screen platform cannot grab the mouse for real and says so at every drag; the
        // grab inside the application, which routes the events, works all the same.
        static QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
                if (message.contains(QLatin1String("does not support grabbing the mouse")) ||
                    message.contains(QLatin1String("does not support grabbing the keyboard"))) {
                    return;
                }
                if (previous) {
                    previous(type, context, message);
                } else {
                    std::fprintf(stderr, "%s\n",
                                 qPrintable(qFormatLogMessage(type, context, message)));
                }
            });
    }

    void SetUp() override
    {
        set = std::make_unique<WindowSet>();
        set->start();
        board = set->board();
        form = set->sorting();
        help = set->help();
        // The board to the top left corner, so that most of it lies beside the sorting window,
        // then "Вариант 1" as the pupil presses it.
        board->move(0, 0);
        TsButton *variant1 = in<TsButton>(board, QStringLiteral("sButton1"));
        QTest::mouseClick(board->windowHandle(), Qt::LeftButton, {},
                          board->mapFromGlobal(centre(variant1)));
        ASSERT_TRUE(form->isVisible());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    }

    void TearDown() override
    {
        // No test may leave a drag, a grab or a cursor behind for the next one.
        EXPECT_EQ(overrideShape(), kNoOverride);
        EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    }

    template <class T = QWidget> T *in(QWidget *window, const QString &name) const
    {
        if (T *found = window->findChild<T *>(name)) {
            return found;
        }
        throw std::runtime_error("no control " + name.toStdString());
    }
    template <class T = QWidget> T *named(const QString &name) const { return in<T>(form, name); }
    QLabel *word(int k) const { return named<QLabel>(QStringLiteral("Label%1").arg(k + 2)); }
    QLabel *picture(const char *name) const { return named<QLabel>(QString::fromLatin1(name)); }
    TsButton *button(const char *name) const { return named<TsButton>(QString::fromLatin1(name)); }

    static QPoint centre(const QWidget *w) { return w->mapToGlobal(w->rect().center()); }

    // Real input, all of it through the sorting window's handle at global positions.
    QPoint local(QPoint global) const { return form->mapFromGlobal(global); }
    void pressAt(QPoint global, Qt::MouseButton b = Qt::LeftButton)
    {
        QTest::mousePress(form->windowHandle(), b, {}, local(global));
    }
    void moveTo(QPoint global) { QTest::mouseMove(form->windowHandle(), local(global)); }
    void releaseAt(QPoint global, Qt::MouseButton b = Qt::LeftButton)
    {
        QTest::mouseRelease(form->windowHandle(), b, {}, local(global));
    }
    void pressWord(int k) { pressAt(centre(word(k))); }

    // Drags word k onto a control (a picture, or anything else) with a move on the way.
    void drag(int k, const QWidget *onto)
    {
        pressWord(k);
        moveTo(centre(onto) + QPoint(-3, -2));
        moveTo(centre(onto));
        releaseAt(centre(onto));
    }
    void dragRight(int k)
    {
        drag(k, picture(std::string(kWords[k - 1].code) == "n" ? "Image1" : "Image2"));
    }
    void dragWrong(int k)
    {
        drag(k, picture(std::string(kWords[k - 1].code) == "n" ? "Image2" : "Image1"));
    }

    void click(const char *name)
    {
        TsButton *b = button(name);
        ASSERT_TRUE(b->isVisible()) << name << " is not shown";
        QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, local(centre(b)));
    }

    // How many words are left in the list.
    int wordsShown() const
    {
        int shown = 0;
        for (int k = 1; k <= 20; ++k) {
            shown += word(k)->isVisible();
        }
        return shown;
    }

    std::unique_ptr<WindowSet> set;
    BoardWindow *board = nullptr;
    SortingWindow *form = nullptr;
    HelpWindow *help = nullptr;
};

} // namespace sorting_test

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The writing exercise window among the real four windows, driven with real input: mouse
// clicks go through the window (so focus on click, double clicks and hidden controls behave as
// for the pupil), text is typed into whatever holds the keyboard focus.

#include "BoardWindow.h"
#include "DesktopLook.h"
#include "FormFrame.h"
#include "Grab.h"
#include "HelpWindow.h"
#include "QtPrinting.h"
#include "TsButton.h"
#include "VariantOneWords.h"
#include "WindowRules.h"
#include "WindowSet.h"
#include "WritingEditBox.h"
#include "WritingExercise.h"
#include "WritingWindow.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>

namespace writingwindow {

// The gapped caption and the expected word of word (1 to 20), from the word list as the pupil
// must see it (VariantOneWords.h), not from the program's own table.
inline QString caption(int word)
{
    return QString::fromUtf8(kVariantOneWords.at(std::size_t(word - 1)).caption);
}
inline QString answer(int word)
{
    return QString::fromUtf8(kVariantOneWords.at(std::size_t(word - 1)).written);
}

// Where a window stands when its frame is centred on its screen. At the first showing the
// platform's frame is not known yet and the classic one counts (4-pixel borders, a 30-pixel
// top); once the window has been on screen, its real frame does.
inline QPoint centredFor(const QWidget *w, QSize frame)
{
    const QRect screen = w->screen()->geometry();
    return QPoint(screen.left() + (screen.width() - frame.width()) / 2,
                  screen.top() + (screen.height() - frame.height()) / 2);
}
inline QSize classicFrame(const QWidget *w)
{
    return outerSizeFor(w->size());
}
inline QSize realFrame(const QWidget *w)
{
    const QSize frame = w->frameGeometry().size();
    return frame == w->size() ? classicFrame(w) : frame;
}

class WritingWindowTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        applyDesktopLook(*qApp);
    }

    void SetUp() override
    {
        windows = std::make_unique<WindowSet>();
        windows->start();
        ASSERT_TRUE(QTest::qWaitForWindowActive(windows->board()));
        form = windows->writing();
    }

    void TearDown() override { windows.reset(); }

    template <class T = QWidget> T *named(const QString &name) const
    {
        if (T *found = form->findChild<T *>(name)) {
            return found;
        }
        throw std::runtime_error("the writing window has no " + name.toStdString());
    }
    QLabel *label(const QString &name) const { return named<QLabel>(name); }
    TsButton *button(const QString &name) const { return named<TsButton>(name); }
    QLabel *wordLabel(int word) const { return label(QStringLiteral("Label%1").arg(word + 2)); }
    WritingEditBox *edit(int word) const
    {
        return named<WritingEditBox>(QStringLiteral("Edit%1").arg(word));
    }

    // A left click where the pupil would make it: through the widget's window.
    static void click(QWidget *widget, QPoint at = QPoint(-1, -1))
    {
        if (at == QPoint(-1, -1)) {
            at = widget->rect().center();
        }
        QWidget *window = widget->window();
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, widget->mapTo(window, at));
    }

    // "Вариант 1-1" on the board, and the window as the desktop makes it active.
    void open()
    {
        click(windows->board()->findChild<TsButton *>(QStringLiteral("sButton5")));
        ASSERT_TRUE(form->isVisible());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    }

    // Brings the window to the front as a click on it would on the desktop.
    void activate()
    {
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    }

    void clickWord(int word) { click(wordLabel(word)); }

    // Types text on the keyboard of the active window: each character as the key that makes
    // it, delivered to whatever holds the focus there.
    static void type(const QString &text)
    {
        QWindow *window = QGuiApplication::focusWindow();
        ASSERT_NE(window, nullptr) << "no window takes the keyboard";
        for (const QChar c : text) {
            const auto key = static_cast<Qt::Key>(c.toUpper().unicode());
            const Qt::KeyboardModifiers shift = c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier;
            QTest::sendKeyEvent(QTest::Click, window, key, QString(c), shift);
        }
    }

    // Reveals word and types into its box what the pupil wrote.
    void write(int word, const QString &text)
    {
        clickWord(word);
        ASSERT_EQ(QApplication::focusWidget(), edit(word));
        type(text);
    }

    // Keeps a picture of the window for the eyes when NN_WRITING_SHOTS names a folder.
    void shot(const QString &name) const
    {
        const QString dir = qEnvironmentVariable("NN_WRITING_SHOTS");
        if (!dir.isEmpty()) {
            QDir().mkpath(dir);
            grabbed(form).save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
        }
    }

    std::unique_ptr<WindowSet> windows;
    WritingWindow *form = nullptr;
};

} // namespace writingwindow

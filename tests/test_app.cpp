// SPDX-License-Identifier: GPL-3.0-or-later
// The window set: creation order, what is shown at start, the close rules and the show rule.
#include "BoardWindow.h"
#include "FormFrame.h"
#include "HelpWindow.h"
#include "SortingWindow.h"
#include "WindowRules.h"
#include "WindowSet.h"
#include "WritingWindow.h"

#include "TsButton.h"

#include <QAccessible>
#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>

namespace {
QPoint centredFor(const QWidget *w)
{
    const QRect screen = w->screen()->geometry();
    const QSize frame = outerSizeFor(w->size());
    return QPoint(screen.left() + (screen.width() - frame.width()) / 2,
                  screen.top() + (screen.height() - frame.height()) / 2);
}

TsButton *button(QWidget *window, const char *name)
{
    return window->findChild<TsButton *>(QString::fromLatin1(name));
}
} // namespace

TEST(WindowSet, CreatesTheFourWindowsInOrderTheHiddenOnesOnceTheBoardIsOnScreen)
{
    // Watches the start: whether any window but the board was shown, and what existed when the
    // board's window was first exposed.
    WindowSet set;
    struct StartWatch : QObject
    {
        const WindowSet *set = nullptr;
        QStringList shown;
        int exposedWithOthers = -1;
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::Show && watched->isWidgetType() &&
                static_cast<QWidget *>(watched)->isWindow()) {
                shown << watched->objectName();
            }
            if (event->type() == QEvent::Expose && watched == set->board()->windowHandle() &&
                set->board()->windowHandle()->isExposed() && exposedWithOthers < 0) {
                exposedWithOthers = int(set->sorting() != nullptr) +
                                    int(set->writing() != nullptr) + int(set->help() != nullptr);
            }
            return false;
        }
    } watch;
    watch.set = &set;
    ASSERT_TRUE(set.board());
    EXPECT_EQ(set.board()->objectName(), "Form1");
    EXPECT_FALSE(set.board()->isVisible());
    EXPECT_FALSE(set.sorting() || set.writing() || set.help());

    qApp->installEventFilter(&watch);
    set.start();
    qApp->removeEventFilter(&watch);
    // The board is up and has had its first frame before any other window is made, and the
    // others are made hidden.
    EXPECT_EQ(watch.exposedWithOthers, 0);
    EXPECT_EQ(watch.shown, QStringList{"Form1"});
    ASSERT_TRUE(set.board() && set.sorting() && set.writing() && set.help());
    // Each is named in the order it was made.
    EXPECT_EQ(set.sorting()->objectName(), "Form2");
    EXPECT_EQ(set.writing()->objectName(), "Form3");
    EXPECT_EQ(set.help()->objectName(), "Form4");
    EXPECT_TRUE(set.board()->isVisible());
    for (QWidget *w :
         std::initializer_list<QWidget *>{set.board(), set.sorting(), set.writing(), set.help()}) {
        EXPECT_TRUE(w->isWindow());
    }
    for (QWidget *w : std::initializer_list<QWidget *>{set.sorting(), set.writing(), set.help()}) {
        EXPECT_FALSE(w->isVisible());
    }
    EXPECT_EQ(set.board()->windowTitle(), QStringLiteral("Н и НН в прилагательных"));
    EXPECT_EQ(set.sorting()->windowTitle(), QStringLiteral("Н и НН в прилагательных"));
    EXPECT_EQ(set.writing()->windowTitle(), QStringLiteral("Н и НН в прилагательных"));
    EXPECT_EQ(set.help()->windowTitle(), QStringLiteral("Помощь"));
    // The exercise windows' frames: sizes less the frame, the 3-D light colour.
    EXPECT_EQ(set.sorting()->size(), QSize(397, 487));
    EXPECT_EQ(set.writing()->size(), QSize(319, 545)) << "the writing window opens narrow";
    EXPECT_EQ(set.sorting()->palette().color(QPalette::Window), QColor(227, 227, 227));
    EXPECT_EQ(set.writing()->palette().color(QPalette::Window), QColor(227, 227, 227));
    EXPECT_FALSE(set.sorting()->windowIcon().isNull());

    // The board's two live variants open the windows made after it.
    QTest::mouseClick(button(set.board(), "sButton1"), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(set.sorting()->isVisible());
    QTest::mouseClick(button(set.board(), "sButton5"), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(set.writing()->isVisible());

    // Started again, nothing is made twice.
    const QList<QWidget *> windows{set.board(), set.sorting(), set.writing(), set.help()};
    const qsizetype topLevelsBefore = QApplication::topLevelWidgets().size();
    set.start();
    EXPECT_EQ((QList<QWidget *>{set.board(), set.sorting(), set.writing(), set.help()}), windows);
    EXPECT_EQ(QApplication::topLevelWidgets().size(), topLevelsBefore);
}

TEST(WindowSet, BoardClosedBeforeTheProgramRunsStillEndsIt)
{
    // Closed while the board waits for its first frame, before the event loop runs: the
    // program ends as soon as it does, instead of running on without a window.
    WindowSet set;
    struct CloseOnExpose : QObject
    {
        QWidget *board = nullptr;
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Expose && board->isVisible()) {
                board->close();
            }
            return false;
        }
    } closer;
    closer.board = set.board();
    set.board()->winId();
    set.board()->windowHandle()->installEventFilter(&closer);
    set.start();
    set.board()->windowHandle()->removeEventFilter(&closer);
    EXPECT_FALSE(set.board()->isVisible());
    EXPECT_TRUE(set.sorting() && set.writing() && set.help())
        << "the windows are made all the same";
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
}

TEST(WindowSet, StartShowsOnlyTheBoardCentredWithTheFirstVariantFocused)
{
    WindowSet set;
    set.start();
    EXPECT_TRUE(set.board()->isVisible());
    EXPECT_FALSE(set.sorting()->isVisible());
    EXPECT_FALSE(set.writing()->isVisible());
    EXPECT_FALSE(set.help()->isVisible());
    EXPECT_EQ(set.board()->pos(), centredFor(set.board()));
    ASSERT_TRUE(QTest::qWaitForWindowActive(set.board()));
    ASSERT_TRUE(QApplication::focusWidget());
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("sButton1"));
}

TEST(WindowSet, ClosingAnotherWindowOnlyHidesItAndKeepsIt)
{
    WindowSet set;
    set.start();
    QPointer<QWidget> sorting = set.sorting();
    QTest::mouseClick(button(set.board(), "sButton1"), Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_TRUE(set.sorting()->isVisible());
    EXPECT_EQ(set.sorting()->pos(), centredFor(set.sorting()));
    set.sorting()->move(30, 40);
    EXPECT_TRUE(set.sorting()->close());
    EXPECT_FALSE(set.sorting()->isVisible());
    EXPECT_TRUE(sorting) << "closed windows are never destroyed";
    EXPECT_TRUE(set.board()->isVisible());
    // Opened again, it comes back where it was left.
    QTest::mouseClick(button(set.board(), "sButton1"), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(set.sorting()->isVisible());
    EXPECT_EQ(set.sorting()->pos(), QPoint(30, 40));

    showWindow(set.help());
    set.help()->close();
    EXPECT_FALSE(set.help()->isVisible());
    showWindow(set.help());
    EXPECT_TRUE(set.help()->isVisible());
}

TEST(WindowSet, ShowingAVisibleWindowChangesNothing)
{
    WindowSet set;
    set.start();
    QTest::mouseClick(button(set.board(), "sButton5"), Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_TRUE(QTest::qWaitForWindowActive(set.writing()));
    showWindow(set.help());
    ASSERT_TRUE(QTest::qWaitForWindowActive(set.help()));
    // "Вариант 1-1" again: the writing window is visible already and stays behind.
    QTest::mouseClick(button(set.board(), "sButton5"), Qt::LeftButton, {}, QPoint(10, 10));
    // The window system's events queued so far, an activation among them, are delivered first.
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), set.help()) << "the writing window was not raised";
    EXPECT_TRUE(set.writing()->isVisible());
}

TEST(WindowSet, ClosingTheBoardEndsTheProgramWhateverIsOpen)
{
    WindowSet set;
    set.start();
    QTimer::singleShot(0, [&set] {
        showWindow(set.sorting());
        showWindow(set.writing());
        showWindow(set.help());
        set.board()->close();
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
}

TEST(WindowSet, CloseButtonEndsTheProgram)
{
    WindowSet set;
    set.start();
    QTimer::singleShot(0, [&set] {
        QTest::mouseClick(button(set.board(), "sButton8"), Qt::LeftButton, {}, QPoint(30, 10));
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
}

TEST(WindowSet, WindowsDestroyedWhileShownAndBusyLeaveNothingBehind)
{
    // Every window still shown when the set goes, each in the middle of something: a word
    // picked in the sorting window with the keyboard's mark on the list, the writing window's
    // focus mark on a word, a button's hover fade running. What the controls hear while their
    // window goes (its hiding, the focus leaving) must not reach anything already destroyed;
    // the sanitizer build ends the test on any such access.
    auto set = std::make_unique<WindowSet>();
    set->start();
    QTest::mouseClick(button(set->board(), "sButton1"), Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_TRUE(QTest::qWaitForWindowActive(set->sorting()));
    QTest::keyClick(set->sorting()->windowHandle(), Qt::Key_Tab);
    QWidget *list = set->sorting()->findChild<QWidget *>(QStringLiteral("Panel3"));
    ASSERT_EQ(QApplication::focusWidget(), list);
    QTest::keyClick(set->sorting()->windowHandle(), Qt::Key_Space);
    QWidget *firstWord = set->sorting()->findChild<QWidget *>(QStringLiteral("Label3"));
    ASSERT_TRUE(QAccessible::queryAccessibleInterface(firstWord)->state().selected);
    TsButton *check = button(set->sorting(), "sButton5");
    QTest::mouseMove(set->sorting()->windowHandle(),
                     check->mapTo(set->sorting(), check->rect().center()));

    QTest::mouseClick(button(set->board(), "sButton5"), Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_TRUE(QTest::qWaitForWindowActive(set->writing()));
    QTest::keyClick(set->writing()->windowHandle(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(),
              set->writing()->findChild<QWidget *>(QStringLiteral("Label3")));
    showWindow(set->help());
    set.reset();
}

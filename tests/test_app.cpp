// The window set: creation order, what is shown at start, the close rules and the show rule.
#include "FormFrame.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "WindowRules.h"
#include "WindowSet.h"

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
    struct StartWatch : QObject
    {
        QStringList shown;
        int exposedWithOthers = -1;
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::Show && watched->isWidgetType() &&
                static_cast<QWidget *>(watched)->isWindow()) {
                shown << watched->objectName();
            }
            if (event->type() == QEvent::Expose && watched == Form1->windowHandle() &&
                Form1->windowHandle()->isExposed() && exposedWithOthers < 0) {
                exposedWithOthers =
                    int(Form2 != nullptr) + int(Form3 != nullptr) + int(Form4 != nullptr);
            }
            return false;
        }
    } watch;
    WindowSet set;
    ASSERT_TRUE(Form1);
    EXPECT_EQ(Form1->objectName(), "Form1");
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_FALSE(Form2 || Form3 || Form4);

    qApp->installEventFilter(&watch);
    set.start();
    qApp->removeEventFilter(&watch);
    // The board is up and has had its first frame before any other window is made, and the
    // others are made hidden.
    EXPECT_EQ(watch.exposedWithOthers, 0);
    EXPECT_EQ(watch.shown, QStringList{"Form1"});
    ASSERT_TRUE(Form1 && Form2 && Form3 && Form4);
    // Each is named in the order it was made.
    EXPECT_EQ(Form2->objectName(), "Form2");
    EXPECT_EQ(Form3->objectName(), "Form3");
    EXPECT_EQ(Form4->objectName(), "Form4");
    EXPECT_TRUE(Form1->isVisible());
    for (QWidget *w : std::initializer_list<QWidget *>{Form1, Form2, Form3, Form4}) {
        EXPECT_TRUE(w->isWindow());
    }
    for (QWidget *w : std::initializer_list<QWidget *>{Form2, Form3, Form4}) {
        EXPECT_FALSE(w->isVisible());
    }
    EXPECT_EQ(Form1->windowTitle(), QStringLiteral("Н и НН в прилагательных"));
    EXPECT_EQ(Form2->windowTitle(), QStringLiteral("Н и НН в прилагательных"));
    EXPECT_EQ(Form3->windowTitle(), QStringLiteral("Н и НН в прилагательных"));
    EXPECT_EQ(Form4->windowTitle(), QStringLiteral("Помощь"));
    // The exercise windows' frames: sizes less the frame, the 3-D light colour.
    EXPECT_EQ(Form2->size(), QSize(397, 487));
    EXPECT_EQ(Form3->size(), QSize(319, 545)) << "the writing window opens narrow";
    EXPECT_EQ(Form2->palette().color(QPalette::Window), QColor(227, 227, 227));
    EXPECT_EQ(Form3->palette().color(QPalette::Window), QColor(227, 227, 227));
    EXPECT_FALSE(Form2->windowIcon().isNull());

    // The board's two live variants open the windows made after it.
    QTest::mouseClick(button(Form1, "sButton1"), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(Form2->isVisible());
    QTest::mouseClick(button(Form1, "sButton5"), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(Form3->isVisible());

    // Started again, nothing is made twice.
    const QList<QWidget *> windows{Form1, Form2, Form3, Form4};
    const qsizetype topLevelsBefore = QApplication::topLevelWidgets().size();
    set.start();
    EXPECT_EQ((QList<QWidget *>{Form1, Form2, Form3, Form4}), windows);
    EXPECT_EQ(QApplication::topLevelWidgets().size(), topLevelsBefore);
}

TEST(WindowSet, BoardClosedBeforeTheProgramRunsStillEndsIt)
{
    // Closed while the board waits for its first frame, before the event loop runs: the
    // program ends as soon as it does, instead of running on without a window.
    WindowSet set;
    struct CloseOnExpose : QObject
    {
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Expose && Form1->isVisible()) {
                Form1->close();
            }
            return false;
        }
    } closer;
    Form1->winId();
    Form1->windowHandle()->installEventFilter(&closer);
    set.start();
    Form1->windowHandle()->removeEventFilter(&closer);
    EXPECT_FALSE(Form1->isVisible());
    EXPECT_TRUE(Form2 && Form3 && Form4) << "the windows are made all the same";
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
    EXPECT_TRUE(Form1->isVisible());
    EXPECT_FALSE(Form2->isVisible());
    EXPECT_FALSE(Form3->isVisible());
    EXPECT_FALSE(Form4->isVisible());
    EXPECT_EQ(Form1->pos(), centredFor(Form1));
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
    ASSERT_TRUE(QApplication::focusWidget());
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("sButton1"));
}

TEST(WindowSet, ClosingAnotherWindowOnlyHidesItAndKeepsIt)
{
    WindowSet set;
    set.start();
    QPointer<QWidget> sorting = Form2;
    QTest::mouseClick(button(Form1, "sButton1"), Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_TRUE(Form2->isVisible());
    EXPECT_EQ(Form2->pos(), centredFor(Form2));
    Form2->move(30, 40);
    EXPECT_TRUE(Form2->close());
    EXPECT_FALSE(Form2->isVisible());
    EXPECT_TRUE(sorting) << "closed windows are never destroyed";
    EXPECT_TRUE(Form1->isVisible());
    // Opened again, it comes back where it was left.
    QTest::mouseClick(button(Form1, "sButton1"), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(Form2->isVisible());
    EXPECT_EQ(Form2->pos(), QPoint(30, 40));

    showWindow(Form4);
    Form4->close();
    EXPECT_FALSE(Form4->isVisible());
    showWindow(Form4);
    EXPECT_TRUE(Form4->isVisible());
}

TEST(WindowSet, ShowingAVisibleWindowChangesNothing)
{
    WindowSet set;
    set.start();
    QTest::mouseClick(button(Form1, "sButton5"), Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form3));
    showWindow(Form4);
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form4));
    // "Вариант 1-1" again: the writing window is visible already and stays behind.
    QTest::mouseClick(button(Form1, "sButton5"), Qt::LeftButton, {}, QPoint(10, 10));
    // The window system's events queued so far, an activation among them, are delivered first.
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), Form4) << "the writing window was not raised";
    EXPECT_TRUE(Form3->isVisible());
}

TEST(WindowSet, ClosingTheBoardEndsTheProgramWhateverIsOpen)
{
    WindowSet set;
    set.start();
    QTimer::singleShot(0, [] {
        showWindow(Form2);
        showWindow(Form3);
        showWindow(Form4);
        Form1->close();
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
    QTimer::singleShot(0, [] {
        QTest::mouseClick(button(Form1, "sButton8"), Qt::LeftButton, {}, QPoint(30, 10));
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
    QTest::mouseClick(button(Form1, "sButton1"), Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form2));
    QTest::keyClick(Form2->windowHandle(), Qt::Key_Tab);
    QWidget *list = Form2->findChild<QWidget *>(QStringLiteral("Panel3"));
    ASSERT_EQ(QApplication::focusWidget(), list);
    QTest::keyClick(Form2->windowHandle(), Qt::Key_Space);
    QWidget *firstWord = Form2->findChild<QWidget *>(QStringLiteral("Label3"));
    ASSERT_TRUE(QAccessible::queryAccessibleInterface(firstWord)->state().selected);
    TsButton *check = button(Form2, "sButton5");
    QTest::mouseMove(Form2->windowHandle(), check->mapTo(Form2, check->rect().center()));

    QTest::mouseClick(button(Form1, "sButton5"), Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form3));
    QTest::keyClick(Form3->windowHandle(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), Form3->findChild<QWidget *>(QStringLiteral("Label3")));
    showWindow(Form4);
    set.reset();
}

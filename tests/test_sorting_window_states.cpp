// SPDX-License-Identifier: GPL-3.0-or-later
// The sorting window after real drags and presses: what is shown in every state, the error count,
// and what "Дальше" and the close box do to the window, the board and the help window.
#include "Ink.h"
#include "test_sorting_window_look.h"

using namespace sorting_test;

namespace {

// Counts the Show events of the object it watches, and those that came while `window` was still
// visible.
class ShowWatch : public QObject
{
    Q_OBJECT
public:
    explicit ShowWatch(QWidget *window) : m_window(window) {}
    int shown = 0;
    int shownWhileWindowVisible = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            ++shown;
            shownWhileWindowVisible += m_window->isVisible();
        }
        return false;
    }

private:
    QWidget *m_window;
};

TEST_F(SortingWindowLook, EveryStateShowsItsControlsAfterRealDragsAndPresses)
{
    expectState(kPlacing, 20);
    EXPECT_FALSE(help->isVisible());

    dragRight(2);
    dragRight(1);
    dragWrong(4);
    dragRight(20);
    expectState(kPlacing, 17);

    click("sButton5");
    expectState(kFailed, 17);
    EXPECT_EQ(errorCount(), "1");

    click("sButton1");
    expectState(kHelpOffered, 20);

    click("sButton3");
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));
    expectState(kPlacing, 20);

    placeAll();
    expectState(kPlacing, 0);
    EXPECT_TRUE(help->isVisible());
    click("sButton5");
    expectState(kPassedLow, 0);
    EXPECT_FALSE(help->isVisible()) << "every check hides the help window";
}

TEST_F(SortingWindowLook, PassFromHelpOfferedKeepsTheTargetPanelRaised)
{
    click("sButton5");
    expectState(kFailed, 20);
    EXPECT_EQ(errorCount(), "0") << "the design text is never seen";
    click("sButton1");
    expectState(kHelpOffered, 20);
    placeAll();
    expectState(kHelpOffered, 0);
    click("sButton5");
    expectState(kPassedRaised, 0);
}

TEST_F(SortingWindowLook, ErrorCountIsTheWrongDropsAndItsLabelWidens)
{
    auto *count = named<QLabel>("Label2");
    for (int i = 0; i < 12; ++i) {
        dragWrong(1 + i % 20);
    }
    placeAll();
    EXPECT_EQ(wordsShown(), 0);
    click("sButton5");
    expectState(kFailed, 0);
    EXPECT_EQ(count->text(), "12");
    EXPECT_EQ(count->accessibleName(), "12");
    // Both digits are drawn, whole: the ink lies inside the label, which grew to hold it, and is
    // wider than it is tall, as two digits are and one is not.
    const QRect ink = inkBounds(count, kCheckViolet);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_TRUE(QRect(QPoint(0, 0), count->size()).contains(ink)) << ink.x() << "," << ink.width();
    EXPECT_GT(ink.right(), count->width() - 4) << "no room left empty after the text";
    EXPECT_EQ(ink.size(), inkOfText(count->font(), "12").size()) << "nothing of it cut off";
    EXPECT_GT(ink.width(), ink.height());
}

TEST_F(SortingWindowLook, NextHidesTheWindowThenTheBoardShowsMarkDisabledButtonAndHelpCount)
{
    click("sButton5");
    click("sButton1");
    click("sButton3");
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));
    placeAll();
    click("sButton5");
    expectState(kPassedLow, 0);

    // The board learns of the pass only after the window has gone.
    QWidget *mark = in(board, "Image1");
    ShowWatch watch(form);
    mark->installEventFilter(&watch);
    click("sButton2");
    mark->removeEventFilter(&watch);

    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(watch.shownWhileWindowVisible, 0);
    EXPECT_EQ(watch.shown, 1);
    EXPECT_TRUE(mark->isVisible());
    EXPECT_FALSE(in(board, "sButton1")->isEnabled());
    EXPECT_TRUE(in(board, "Label1")->isVisible());
    EXPECT_EQ(in<QLabel>(board, "Label2")->text(), "1");
    EXPECT_TRUE(in(board, "Label2")->isVisible());
    // The window cannot be opened again.
    QTest::mouseClick(board->windowHandle(), Qt::LeftButton, {},
                      board->mapFromGlobal(centre(in(board, "sButton1"))));
    EXPECT_FALSE(form->isVisible());
}

TEST_F(SortingWindowLook, CloseBoxKeepsEverythingAndReportsNothing)
{
    dragWrong(3);
    click("sButton5");
    click("sButton1");
    click("sButton3");
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));
    dragRight(5);
    dragRight(6);
    const QPoint placedAt = form->pos() + QPoint(17, 23);
    form->move(placedAt);

    EXPECT_TRUE(form->close());
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(help->isVisible()) << "the help window stays open";
    EXPECT_FALSE(in(board, "Image1")->isVisible());
    EXPECT_TRUE(in(board, "sButton1")->isEnabled());

    QTest::mouseClick(board->windowHandle(), Qt::LeftButton, {},
                      board->mapFromGlobal(centre(in(board, "sButton1"))));
    ASSERT_TRUE(form->isVisible());
    EXPECT_EQ(form->pos(), placedAt) << "back where it was left";
    expectState(kPlacing, 18);
    EXPECT_FALSE(word(5)->isVisible());
    EXPECT_FALSE(word(6)->isVisible());

    // A passed exercise closed with the close box still offers "Дальше", and the board waits.
    placeAll();
    click("sButton5");
    form->close();
    showWindow(form);
    expectState(kPassedLow, 0);
    EXPECT_FALSE(in(board, "Image1")->isVisible());
    EXPECT_TRUE(in(board, "sButton1")->isEnabled());
}

} // namespace

#include "test_sorting_window_states.moc"

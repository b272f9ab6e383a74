// SPDX-License-Identifier: GPL-3.0-or-later
// Dragging words with real presses, moves and releases: the cursor at each point of the way, drops
// on both pictures, releases elsewhere, every way a drag is cancelled, double clicks, hidden
// controls and the help window's pictures. Whether a drop counted is read where the pupil reads
// it: the word vanishes, and "Проверить" shows the number of wrong drops.
#include "test_sorting_window_fixture.h"

#include <QMouseEvent>

#include <functional>
#include <utility>
#include <vector>

using namespace sorting_test;

namespace {

class SortingDrag : public SortingWindowTest
{
protected:
    // The words' places, to see that none moves when another vanishes.
    std::vector<QRect> wordPlaces() const
    {
        std::vector<QRect> places;
        for (int k = 1; k <= 20; ++k) {
            places.push_back(word(k)->geometry());
        }
        return places;
    }
    // Judges the attempt and returns the error count shown.
    QString checkedErrors()
    {
        click("sButton5");
        return named<QLabel>("Label2")->isVisible() ? named<QLabel>("Label2")->text()
                                                    : QStringLiteral("passed");
    }
    void expectNoDrag() const
    {
        EXPECT_EQ(overrideShape(), kNoOverride);
        EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    }
    QPoint at(const QWidget *w, int x, int y) const { return w->mapToGlobal(QPoint(x, y)); }
};

TEST_F(SortingDrag, DragCursorOverThisWindowsPicturesOnlyAndTheHelpWindowsRefuseWords)
{
    showWindow(help);
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));
    QLabel *image1 = picture("Image1");
    QLabel *image2 = picture("Image2");
    QWidget *panel1 = named("Panel1");
    QWidget *helpImage1 = in(in(help, "Panel1"), "Image1");
    QWidget *helpImage2 = in(in(help, "Panel2"), "Image2");

    pressWord(2);
    // At once, before any move.
    EXPECT_EQ(overrideShape(), kNoDropCursor);
    EXPECT_EQ(QWidget::mouseGrabber(), word(2));

    struct Point
    {
        const char *where;
        QPoint global;
        int cursor;
    };
    const Point way[] = {
        {"the dragged word", centre(word(2)) + QPoint(2, 1), kNoDropCursor},
        {"another word", centre(word(10)), kNoDropCursor},
        {"the word list", at(named("Panel3"), 160, 440), kNoDropCursor},
        {"the instruction", centre(named("Label35")), kNoDropCursor},
        {"the strip", at(named("Image3"), 3, 3), kNoDropCursor},
        {"the НН picture", centre(image2), kDragCursor},
        {"the target panel between the pictures", at(panel1, 80, 115), kNoDropCursor},
        {"the Н picture", centre(image1), kDragCursor},
        {"the Н picture's top-left pixel", at(image1, 0, 0), kDragCursor},
        {"left of the Н picture", at(image1, -1, 0), kNoDropCursor},
        {"the НН picture's last column shown", at(image2, 101, 40), kDragCursor},
        {"the НН picture's cut column", at(image2, 102, 40), kNoDropCursor},
        {"the target panel's bevel", at(panel1, 1, 1), kNoDropCursor},
        {"Проверить", centre(button("sButton5")), kNoDropCursor},
        {"the check panel", at(named("Panel2"), 10, 70), kNoDropCursor},
        {"the window's background", form->mapToGlobal(QPoint(200, 5)), kNoDropCursor},
        {"the board", centre(in(board, "sButton1")), kNoDropCursor},
        {"the help window's Н picture", centre(helpImage1), kNoDropCursor},
        {"the help window's НН picture", centre(helpImage2), kNoDropCursor},
        {"the help window between its cards", at(help, 200, 153), kNoDropCursor},
        {"outside every window", QPoint(5, 595), kNoDropCursor},
        {"the Н picture again", centre(image1), kDragCursor},
        {"the word list again", centre(word(15)), kNoDropCursor},
    };
    for (const Point &p : way) {
        moveTo(p.global);
        EXPECT_EQ(overrideShape(), p.cursor) << "over " << p.where;
        EXPECT_EQ(QWidget::mouseGrabber(), word(2)) << "over " << p.where;
    }
    const std::vector<QRect> places = wordPlaces();
    releaseAt(centre(word(15)));
    expectNoDrag();

    // The help window's pictures take no word, not even one that belongs on them.
    for (const auto &[k, onto] : {std::pair{1, helpImage1}, std::pair{2, helpImage2}}) {
        drag(k, onto);
        expectNoDrag();
    }
    EXPECT_EQ(wordsShown(), 20);
    EXPECT_EQ(wordPlaces(), places);
    showWindow(form);
    EXPECT_EQ(checkedErrors(), "0") << "nothing was dropped, right or wrong";
}

TEST_F(SortingDrag, ARightDropHidesTheWordAloneAWrongDropLeavesItAndCounts)
{
    std::vector<QRect> places = wordPlaces();
    drag(2, picture("Image2")); // лу_ый: нн
    expectNoDrag();
    EXPECT_FALSE(word(2)->isVisible());
    drag(1, picture("Image1")); // ледя_ой: н
    EXPECT_FALSE(word(1)->isVisible());
    drag(4, picture("Image2")); // ветре_ый: н, not нн
    EXPECT_TRUE(word(4)->isVisible());
    drag(20, picture("Image1")); // деревя_ый: нн, not н
    EXPECT_TRUE(word(20)->isVisible());
    drag(20, picture("Image1")); // the same wrong drop twice counts twice
    expectNoDrag();
    EXPECT_EQ(wordsShown(), 18);
    // The words below a vanished one stay where they were.
    EXPECT_EQ(wordPlaces(), places);
    EXPECT_EQ(checkedErrors(), "3");
}

TEST_F(SortingDrag, TheReleaseDecidesWhereTheWordGoesWhateverTheLastMove)
{
    pressWord(3);
    releaseAt(centre(picture("Image1")));
    EXPECT_FALSE(word(3)->isVisible()) << "released over its picture with no move on the way";

    // A real X server merges fast moves, so the last move seen may lie anywhere: the release
    // alone decides. (Qt puts a move of its own before a release elsewhere; these releases come
    // as the merged ones do, straight after a move to somewhere else.)
    auto releaseOnly = [&](int k, QPoint global) {
        QMouseEvent up(QEvent::MouseButtonRelease, word(k)->mapFromGlobal(global), global,
                       Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(word(k), &up);
        // The same release as input, so the window's own record of the button agrees.
        releaseAt(global);
    };
    pressWord(5);
    moveTo(centre(picture("Image2")));
    EXPECT_EQ(overrideShape(), kDragCursor);
    releaseOnly(5, centre(word(5)));
    expectNoDrag();
    EXPECT_TRUE(word(5)->isVisible()) << "the move over the picture does not count";

    pressWord(6);
    EXPECT_EQ(overrideShape(), kNoDropCursor);
    releaseOnly(6, centre(picture("Image2")));
    expectNoDrag();
    EXPECT_FALSE(word(6)->isVisible()) << "the release over the picture does";
    EXPECT_EQ(checkedErrors(), "0");
}

TEST_F(SortingDrag, EscAReleaseElsewhereOrALostGrabCancelsWithNoEffect)
{
    QLabel *target = picture("Image1");
    struct Way
    {
        const char *name;
        std::function<void()> cancel;
        bool buttonStillDown;
    };
    const Way ways[] = {
        {"a release on the word list", [&] { releaseAt(centre(word(12))); }, false},
        {"a release outside the window", [&] { releaseAt(QPoint(5, 595)); }, false},
        {"Esc", [&] { QTest::keyClick(form->windowHandle(), Qt::Key_Escape); }, true},
        {"Esc into another window", [&] { QTest::keyClick(board->windowHandle(), Qt::Key_Escape); },
         true},
        {"another window activated",
         [&] {
             board->activateWindow();
             ASSERT_TRUE(QTest::qWaitForWindowActive(board));
         },
         true},
        {"another control grabbing the mouse",
         [&] {
             QWidget *other = named("Panel3");
             other->grabMouse();
             moveTo(centre(target) + QPoint(1, 1));
             other->releaseMouse();
         },
         true},
        {"the window closed", [&] { form->close(); }, true},
        {"a move with the button up",
         [&] {
             const QPoint g = centre(target);
             QMouseEvent up(QEvent::MouseMove, word(1)->mapFromGlobal(g), g, Qt::NoButton,
                            Qt::NoButton, Qt::NoModifier);
             QApplication::sendEvent(word(1), &up);
         },
         true},
    };
    for (const Way &way : ways) {
        SCOPED_TRACE(way.name);
        showWindow(form);
        pressWord(1);
        moveTo(centre(target));
        ASSERT_EQ(overrideShape(), kDragCursor);
        way.cancel();
        expectNoDrag();
        if (way.buttonStillDown) {
            showWindow(form);
            moveTo(centre(target));
            EXPECT_EQ(overrideShape(), kNoOverride);
            releaseAt(centre(target));
        }
        EXPECT_TRUE(word(1)->isVisible());
        expectNoDrag();
    }
    showWindow(form);
    EXPECT_EQ(wordsShown(), 20);
    EXPECT_EQ(checkedErrors(), "0");
}

TEST_F(SortingDrag, EveryPressOfADoubleClickStartsADrag)
{
    // What the pupil has at each release, as the window gets it and before the word does: the
    // drag's cursor and the word holding the mouse, or nothing.
    struct AtRelease : QObject
    {
        std::vector<std::pair<int, QWidget *>> seen;
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::MouseButtonRelease) {
                seen.emplace_back(overrideShape(), QWidget::mouseGrabber());
            }
            return false;
        }
    } atRelease;
    form->windowHandle()->installEventFilter(&atRelease);
    QTest::mouseDClick(form->windowHandle(), Qt::LeftButton, {}, local(centre(word(7))));
    const std::vector<std::pair<int, QWidget *>> twoDrags(2, {kNoDropCursor, word(7)});
    EXPECT_EQ(atRelease.seen, twoDrags);
    expectNoDrag();
    EXPECT_TRUE(word(7)->isVisible());
}

TEST_F(SortingDrag, OnlyTheLeftButtonDragsAndKeysWaitUntilTheDragIsOver)
{
    pressAt(centre(word(1)), Qt::RightButton);
    expectNoDrag();
    releaseAt(centre(word(1)), Qt::RightButton);

    ASSERT_EQ(QApplication::focusWidget(), button("sButton5"));
    pressWord(1);
    QTest::keyClick(form->windowHandle(), Qt::Key_Space);
    QTest::keyClick(form->windowHandle(), Qt::Key_Return);
    EXPECT_TRUE(button("sButton5")->isVisible()) << "no check in the middle of a drag";
    QTest::keyClick(form->windowHandle(), Qt::Key_Tab);
    QTest::keyClick(form->windowHandle(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), button("sButton5")) << "nor does Tab move the focus";
    // Other buttons of the mouse do nothing meanwhile.
    pressAt(centre(picture("Image1")), Qt::RightButton);
    releaseAt(centre(picture("Image1")), Qt::RightButton);
    EXPECT_EQ(overrideShape(), kDragCursor);
    releaseAt(centre(picture("Image1")));
    EXPECT_FALSE(word(1)->isVisible());
}

TEST_F(SortingDrag, HiddenControlsTakeNoPart)
{
    const QPoint placedWord = centre(word(2));
    dragRight(2);
    pressAt(placedWord);
    expectNoDrag();
    releaseAt(placedWord);

    // Failed: the target panel is hidden and there is nothing to drop on.
    const QPoint whereImage1Was = centre(picture("Image1"));
    EXPECT_EQ(checkedErrors(), "0");
    pressWord(1);
    EXPECT_EQ(overrideShape(), kNoDropCursor);
    moveTo(whereImage1Was);
    EXPECT_EQ(overrideShape(), kNoDropCursor);
    releaseAt(whereImage1Was);
    EXPECT_TRUE(word(1)->isVisible());
    EXPECT_FALSE(word(2)->isVisible()) << "a placed word stays away until Заново";

    click("sButton1");
    EXPECT_EQ(wordsShown(), 20);
    EXPECT_EQ(checkedErrors(), "0");
}

} // namespace

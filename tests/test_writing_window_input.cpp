// SPDX-License-Identifier: GPL-3.0-or-later
// The writing exercise window driven as the pupil drives it: clicks on words reveal and focus
// the edit boxes, typed text lands where the focus is, the twentieth click widens and centres
// the window, and a whole run goes through every state with every control checked after every
// step, the help window and the board included.
#include "test_writing_window_input_fixture.h"

#include <QPointer>

namespace writingwindow {
namespace {

TEST_F(WritingInput, AWholeRunThroughEveryStateWithTheBoardAndTheHelpWindow)
{
    open();
    std::set<int> boxes;
    expectState("Revealing, at first", {}, boxes, 327);

    // Word 1, typed wrong: a capital letter.
    write(1, QStringLiteral("Ледяной"));
    boxes.insert(1);
    EXPECT_EQ(edit(1)->text(), "Ледяной");
    expectState("Revealing, one word", {}, boxes, 327);
    shot(QStringLiteral("02-revealing-one-word"));
    for (int word = 2; word <= 19; ++word) {
        write(word, answer(word));
        boxes.insert(word);
        expectState("Revealing", {}, boxes, 327);
    }
    EXPECT_EQ(form->pos(), centredFor(form, classicFrame(form))) << "nineteen clicks move nothing";
    shot(QStringLiteral("03-revealing-nineteen-words"));

    // The twentieth click is on the last word: 560 wide, centred again, the check offered.
    form->move(10, 20);
    write(20, QStringLiteral("деревянный"));
    boxes.insert(20);
    expectState("Ready", kReady, boxes, 560);
    EXPECT_EQ(form->pos(), centredFor(form, realFrame(form)));
    EXPECT_EQ(QApplication::focusWidget(), edit(20)) << "the box keeps the focus";
    shot(QStringLiteral("04-ready"));

    // The help window, opened from the other exercise, goes away with the check.
    showWindow(windows->help());
    ASSERT_TRUE(windows->help()->isVisible());
    activate();
    click(button("sButton1"));
    expectState("Failed", kFailed, boxes, 560);
    EXPECT_FALSE(windows->help()->isVisible());
    // The pressed button took the focus with it to the window; the window, active again once
    // the help window went, may give it to its first stop, the first box, which keeps its caret.
    EXPECT_TRUE(QApplication::focusWidget() == nullptr || QApplication::focusWidget() == edit(1));
    EXPECT_FALSE(edit(1)->hasSelectedText()) << "nothing a keystroke would replace";
    for (int word = 1; word <= 20; ++word) {
        EXPECT_EQ(edit(word)->text(), word == 1 ? QStringLiteral("Ледяной") : answer(word))
            << "the check changes no text";
    }
    shot(QStringLiteral("05-failed"));

    click(button("sButton3"));
    expectState("Retrying", kRetrying, boxes, 560);
    EXPECT_EQ(form->exercise().retryCount(), 1);
    shot(QStringLiteral("06-retrying"));

    click(button("sButton4"));
    expectState("Helped", kHelped, boxes, 560);
    EXPECT_TRUE(windows->help()->isVisible());
    EXPECT_EQ(QApplication::activeWindow(), windows->help());
    EXPECT_EQ(form->exercise().helpCount(), 1);
    shot(QStringLiteral("07-helped"));

    // Back in the window, a click on the wrong word selects it, and the right one replaces it.
    activate();
    clickWord(1);
    EXPECT_EQ(QApplication::focusWidget(), edit(1));
    EXPECT_EQ(edit(1)->selectedText(), "Ледяной");
    type(QStringLiteral("ледяной"));
    EXPECT_EQ(edit(1)->text(), "ледяной");
    expectState("Helped, still", kHelped, boxes, 560);
    EXPECT_EQ(form->exercise().revealCount(), 21);

    click(button("sButton1"));
    expectState("Passed", kPassed, boxes, 560);
    EXPECT_FALSE(windows->help()->isVisible()) << "a passing check closes the help window too";
    EXPECT_EQ(QApplication::focusWidget(), nullptr);
    shot(QStringLiteral("08-passed"));

    // Closed with its close box and opened again from the board: all as it was left.
    const QPoint place = form->pos();
    ASSERT_TRUE(form->close());
    EXPECT_FALSE(form->isVisible());
    expectState("Passed, closed", kPassed, boxes, 560);
    EXPECT_FALSE(boardLabel("Label9")->isVisible()) << "closing reports nothing";
    open();
    EXPECT_EQ(form->pos(), place);
    expectState("Passed, reopened", kPassed, boxes, 560);
    for (int word = 1; word <= 20; ++word) {
        EXPECT_EQ(edit(word)->text(), answer(word));
    }

    // "Дальше": the window closes, then the board marks "Вариант 1-1" with one request for help.
    Witness marked(QEvent::Show, [this] {
        return QStringLiteral("mark shown, window %1")
            .arg(form->isVisible() ? "visible" : "hidden");
    });
    boardLabel("Image5")->installEventFilter(&marked);
    click(button("sButton2"));
    EXPECT_EQ(marked.notes, QStringList{"mark shown, window hidden"});
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(boardLabel("Image5")->isVisible());
    EXPECT_TRUE(boardLabel("Label9")->isVisible());
    EXPECT_EQ(boardLabel("Label10")->text(), "1");
    EXPECT_FALSE(windows->board()->findChild<TsButton *>("sButton5")->isEnabled());
    EXPECT_TRUE(windows->board()->findChild<TsButton *>("sButton1")->isEnabled());
    EXPECT_FALSE(boardLabel("Image1")->isVisible());
}

TEST_F(WritingInput, TwentiethClickOnAnotherWordWidensTo606KeepingTheHeightAndNeverAgain)
{
    open();
    form->resize(form->width(), 530); // the pupil makes it a little lower first
    // Twenty clicks on one word: only its box is shown, yet the check is offered.
    for (int n = 1; n <= 19; ++n) {
        clickWord(20);
    }
    expectState("Revealing", {}, {20}, 327, 564);
    clickWord(7);
    expectState("Ready", kReady, {7, 20}, 606, 564);
    shot(QStringLiteral("10-ready-606-wide"));
    EXPECT_EQ(form->pos(), centredFor(form, realFrame(form)));
    EXPECT_EQ(form->exercise().revealCount(), 20);

    // The pupil moves and widens it; later clicks (the last word's included) change neither.
    form->move(33, 44);
    form->resize(640, 530);
    for (int word : {20, 1, 2}) {
        clickWord(word);
    }
    EXPECT_EQ(form->pos(), QPoint(33, 44));
    EXPECT_EQ(form->size(), QSize(640, 530));
    EXPECT_EQ(QApplication::focusWidget(), edit(2));

    // The check fails: nineteen boxes are empty, or never shown.
    click(button("sButton1"));
    expectState("Failed", kFailed, {1, 2, 7, 20}, 648, 564);
}

TEST_F(WritingInput, RightHandAreaStaysUnseenWhenThePupilWidensTheNarrowWindow)
{
    open();
    write(1, QStringLiteral("ледяной"));
    form->resize(700, form->height());
    QApplication::processEvents();
    shot(QStringLiteral("09-revealing-widened-by-hand"));
    expectState("Revealing, widened", {}, {1}, 708);
    const QImage shown = grabbed(form);
    for (QPoint p : {QPoint(400, 120), QPoint(430, 190), QPoint(430, 300), QPoint(430, 480),
                     QPoint(690, 540)}) {
        EXPECT_EQ(shown.pixelColor(p), kWindowColour) << p.x() << "," << p.y();
    }
}

TEST_F(WritingInput, WordClickSelectsTheTextButAClickInTheBoxPlacesTheCaret)
{
    open();
    write(4, QStringLiteral("ветреный"));
    write(6, QStringLiteral("пустынный"));
    EXPECT_EQ(edit(4)->text(), "ветреный");
    EXPECT_FALSE(edit(4)->hasSelectedText());

    // A word click gives the focus and selects all; typing replaces the word.
    clickWord(4);
    EXPECT_EQ(QApplication::focusWidget(), edit(4));
    EXPECT_EQ(edit(4)->selectedText(), "ветреный");
    type(QStringLiteral("ветренный"));
    EXPECT_EQ(edit(4)->text(), "ветренный");

    // A press inside another box: the caret where it was pressed, nothing selected.
    click(edit(6), QPoint(2, 9));
    EXPECT_EQ(QApplication::focusWidget(), edit(6));
    EXPECT_FALSE(edit(6)->hasSelectedText());
    EXPECT_EQ(edit(6)->cursorPosition(), 0);
    type(QStringLiteral("о"));
    EXPECT_EQ(edit(6)->text(), "опустынный") << "inserted, nothing replaced";

    // A click on the word of the box that has the focus selects its whole text all the same.
    click(edit(6), QPoint(120, 9));
    clickWord(6);
    EXPECT_EQ(edit(6)->selectedText(), "опустынный");
    EXPECT_EQ(form->exercise().revealCount(), 4) << "yet it counts";

    // Tab to a box selects it as well; Shift+Tab back too. Shift+Tab from a box goes to its
    // word first, then to the word before, whose box is hidden and skipped, then to box 4.
    QTest::keyClick(form->windowHandle(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), wordLabel(6)) << "back to its word";
    QTest::keyClick(form->windowHandle(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), wordLabel(5));
    QTest::keyClick(form->windowHandle(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), edit(4)) << "hidden boxes are skipped";
    EXPECT_EQ(edit(4)->selectedText(), "ветренный");

    // Leaving the window and coming back restores the caret, so no keystroke replaces the word.
    click(edit(4), QPoint(2, 9));
    showWindow(windows->help());
    ASSERT_TRUE(QTest::qWaitForWindowActive(windows->help()));
    activate();
    EXPECT_EQ(QApplication::focusWidget(), edit(4));
    EXPECT_FALSE(edit(4)->hasSelectedText());
    type(QStringLiteral("Н"));
    EXPECT_EQ(edit(4)->text(), "Нветренный");

    // A word clicked in the window while another is active: the press arrives before the
    // desktop activates the window, and the word is selected all the same.
    windows->help()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(windows->help()));
    clickWord(6);
    activate();
    EXPECT_EQ(QApplication::focusWidget(), edit(6));
    EXPECT_EQ(edit(6)->selectedText(), "опустынный");
    // The word of the box the window's focus is in selects its text too, as when active.
    click(edit(6), QPoint(2, 9));
    windows->help()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(windows->help()));
    clickWord(6);
    activate();
    EXPECT_EQ(QApplication::focusWidget(), edit(6));
    EXPECT_EQ(edit(6)->selectedText(), "опустынный");
}

} // namespace
} // namespace writingwindow

// SPDX-License-Identifier: GPL-3.0-or-later
// The writing exercise window's check area driven by the pupil: a double click and a missed
// release on a word, checking, retrying and asking for help with the keyboard alone, the help
// offer after every retry, the order of the window's effects, and the check panel's buttons
// with the pointer resting where the pressed one was.
#include "test_writing_window_input_fixture.h"

#include "TsButtonProbe.h"

#include <QCursor>

namespace writingwindow {
namespace {

TEST_F(WritingInput, ADoubleClickIsOneClickAndAMissedReleaseIsNone)
{
    open();
    QWindow *window = form->windowHandle();
    const QPoint at = wordLabel(5)->mapTo(form, wordLabel(5)->rect().center());
    QTest::mouseDClick(window, Qt::LeftButton, {}, at);
    EXPECT_EQ(form->exercise().revealCount(), 1);
    EXPECT_TRUE(edit(5)->isVisible());

    // Pressed on a word, released off it: no click.
    QTest::mousePress(window, Qt::LeftButton, {}, wordLabel(8)->mapTo(form, QPoint(3, 8)));
    QTest::mouseRelease(window, Qt::LeftButton, {}, wordLabel(8)->mapTo(form, QPoint(3, 30)));
    EXPECT_EQ(form->exercise().revealCount(), 1);
    EXPECT_FALSE(edit(8)->isVisible());
    // The right button reveals nothing.
    QTest::mouseClick(window, Qt::RightButton, {}, wordLabel(8)->mapTo(form, QPoint(3, 8)));
    EXPECT_EQ(form->exercise().revealCount(), 1);
}

TEST_F(WritingInput, KeyboardAloneCanCheckRetryAndAskForHelp)
{
    open();
    writeAll(inOrder(1, 20), 20, QStringLiteral("деревяный"));
    expectState("Ready", kReady, allWords(), 560);
    QWindow *window = form->windowHandle();
    QTest::keyClick(window, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), button("sButton1"));
    // A key's click runs after the key handler.
    QTest::keyClick(window, Qt::Key_Space);
    EXPECT_TRUE(QTest::qWaitFor([&] { return button("sButton3")->isVisible(); }))
        << "failed: word 20 has one н";
    // The pressed button took the focus with it to the window; Shift+Tab reaches the last stop.
    ASSERT_EQ(QApplication::focusWidget(), nullptr);
    QTest::keyClick(window, Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), button("sButton3"));
    QTest::keyClick(window, Qt::Key_Space);
    EXPECT_TRUE(QTest::qWaitFor([&] { return named("Panel1")->isVisible(); }));
    ASSERT_EQ(QApplication::focusWidget(), nullptr) << "\"Буду искать\" went";
    QTest::keyClick(window, Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), button("sButton4"));
    QTest::keyClick(window, Qt::Key_Space);
    EXPECT_TRUE(QTest::qWaitFor([&] { return windows->help()->isVisible(); }));
    activate();
    // Back in the window with no control focused, the first stop the activation may give the
    // focus to is the first edit box; it keeps its caret, so a keystroke replaces nothing.
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == edit(1); }));
    EXPECT_FALSE(edit(1)->hasSelectedText());
    // From the last button the order wraps round to the first word, then its box, which
    // selects its word.
    QTest::keyClick(window, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), wordLabel(1));
    QTest::keyClick(window, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), edit(1));
    EXPECT_EQ(edit(1)->selectedText(), "ледяной");
    EXPECT_EQ(form->exercise().helpCount(), 1);
}

TEST_F(WritingInput, HelpIsOfferedAfterEveryRetryAndEveryPressCounts)
{
    open();
    writeAll(inOrder(1, 20), 9, QStringLiteral("журавлинный"));
    const std::set<int> all = allWords();
    for (int round = 1; round <= 3; ++round) {
        SCOPED_TRACE(round);
        click(button("sButton1"));
        expectState("Failed", kFailed, all, 560);
        click(button("sButton3"));
        expectState("Retrying", kRetrying, all, 560);
        if (round == 2) {
            showWindow(
                windows->help()); // already open, from the other exercise: the press still counts
        }
        if (round < 3) {
            click(button("sButton4"));
            expectState("Helped", kHelped, all, 560);
            activate();
        }
    }
    EXPECT_EQ(form->exercise().helpCount(), 2);
    EXPECT_EQ(form->exercise().retryCount(), 3);
    // Closed while the help window is open: the help window stays, the count stays.
    showWindow(windows->help());
    ASSERT_TRUE(form->close());
    EXPECT_TRUE(windows->help()->isVisible());
    open();
    expectState("Retrying, reopened", kRetrying, all, 560);
    write(9, QStringLiteral("журавлиный"));
    click(button("sButton1"));
    expectState("Passed", kPassed, all, 560);
    click(button("sButton2"));
    EXPECT_EQ(windows->board()->findChild<QLabel *>("Label10")->text(), "2");
}

TEST_F(WritingInput, EffectsComeInTheirOrder)
{
    open();
    // Widening: the window has its new size before the check area appears.
    Witness resized(QEvent::Resize, [this] {
        return QStringLiteral("resized, check panel %1")
            .arg(named("Panel4")->isVisibleTo(form) ? "shown" : "hidden");
    });
    form->installEventFilter(&resized);
    writeAll(inOrder(1, 20), 2, QStringLiteral("луный"));
    EXPECT_EQ(resized.notes, QStringList{"resized, check panel hidden"});
    form->removeEventFilter(&resized);

    // The check hides the help window before it shows its result.
    showWindow(windows->help());
    activate();
    Witness hidden(QEvent::Hide, [this] {
        return QStringLiteral("help hidden, picture panel %1")
            .arg(named("Panel2")->isVisibleTo(form) ? "shown" : "hidden");
    });
    windows->help()->installEventFilter(&hidden);
    click(button("sButton1"));
    EXPECT_EQ(hidden.notes, QStringList{"help hidden, picture panel hidden"});

    // "Помогите!" counts, then shows the help window, then withdraws the offer.
    click(button("sButton3"));
    Witness shown(QEvent::Show, [this] {
        return QStringLiteral("help shown, count %1, offer %2")
            .arg(form->exercise().helpCount())
            .arg(named("Panel1")->isVisibleTo(form) ? "shown" : "hidden");
    });
    windows->help()->installEventFilter(&shown);
    click(button("sButton4"));
    EXPECT_EQ(shown.notes, QStringList{"help shown, count 1, offer shown"});
    EXPECT_FALSE(named("Panel1")->isVisible());
}

} // namespace
} // namespace writingwindow

namespace writingwindow {
namespace {

// The check panel's buttons as the pupil meets them: with the pointer resting where the pressed
// button was, and with the focus handed over whatever window is active.
class CheckPanelFocus : public WritingWindowTest
{
protected:
    // Twenty words, the first one wrong, and the pointer resting on "Проверить".
    void readyWithOneWrong()
    {
        open();
        write(1, QStringLiteral("ледянной"));
        for (int word = 2; word <= 20; ++word) {
            write(word, answer(word));
        }
        ASSERT_TRUE(button("sButton1")->isVisible());
    }

    // The pointer moved onto the widget's centre, left to rest there, then a press and release
    // there. The pointer is moved through the platform, so a control that appears under it
    // later is entered as on the desktop.
    static void pressWhereItRests(QWidget *widget)
    {
        QWidget *window = widget->window();
        const QPoint at = widget->mapTo(window, widget->rect().center());
        QCursor::setPos(window->mapToGlobal(at));
        // The hover fade into the hot look runs out.
        if (auto *button = qobject_cast<TsButton *>(widget)) {
            EXPECT_TRUE(
                QTest::qWaitFor([button] { return probe(button).FadeMode() == TsFadeMode::None; }));
        }
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at);
    }

    // What the pupil sees of the button once every fade has run out: the hot look of the
    // pointer resting on it, rendered for its state now, without the dotted focus frame, since
    // the focus went with the pressed button to the window.
    static void expectHotWithoutFocusFrame(TsButton *b)
    {
        ASSERT_TRUE(QTest::qWaitFor([b] { return probe(b).FadeMode() == TsFadeMode::None; }))
            << "a fade still runs";
        ASSERT_EQ(b->window()->focusWidget(), nullptr);
        ASSERT_TRUE(b->underMouse()) << "the pointer rests on the button";
        const BgrImage shown = probe(b).LastShown();
        const TsRect caption = probe(b).CaptionRect();
        const int m = b->FocusMargin();
        EXPECT_NE(shown.pixel(caption.left - m, caption.top - m), (Rgb{0, 0, 0}))
            << "no focus frame's first dot";
        probe(b).Render();
        EXPECT_TRUE(shown == probe(b).RenderCache()) << "a stale look is on screen";
    }
};

TEST_F(CheckPanelFocus, TheButtonThatAppearsUnderTheRestingPointerIsHotWithoutAFocusFrame)
{
    readyWithOneWrong();
    pressWhereItRests(button("sButton1"));
    ASSERT_TRUE(button("sButton3")->isVisible()) << "failed: word 1 has one н too many";
    expectHotWithoutFocusFrame(button("sButton3"));

    pressWhereItRests(button("sButton3"));
    ASSERT_TRUE(button("sButton1")->isVisible());
    expectHotWithoutFocusFrame(button("sButton1"));

    clickWord(1);
    type(answer(1));
    pressWhereItRests(button("sButton1"));
    ASSERT_TRUE(button("sButton2")->isVisible()) << "passed";
    expectHotWithoutFocusFrame(button("sButton2"));
}

// "Проверить" pressed while the help window is the active one (the press reaches the writing
// window before the desktop activates it): the focus goes with it to the window all the same,
// and the window's activation then gives it to its first stop, an edit box that keeps its caret.
TEST_F(CheckPanelFocus, APressedButtonThatGoesTakesTheFocusToTheWindowWhicheverIsActive)
{
    readyWithOneWrong();
    click(button("sButton1"));
    EXPECT_EQ(form->focusWidget(), nullptr) << "the active window's case";
    click(button("sButton3"));
    EXPECT_EQ(form->focusWidget(), nullptr);
    click(button("sButton4"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(windows->help()));
    EXPECT_EQ(form->focusWidget(), nullptr) << "\"Помогите!\" went away";

    // The help window is active; "Проверить" is pressed in the writing window.
    click(button("sButton1"));
    ASSERT_TRUE(button("sButton3")->isVisible());
    EXPECT_FALSE(windows->help()->isVisible());
    EXPECT_EQ(form->focusWidget(), nullptr) << "the inactive window's case";
    activate();
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == edit(1); }));
    EXPECT_FALSE(edit(1)->hasSelectedText());
}

// Whichever control had the focus, a word click leaves the word's box focused with its whole
// text selected, so what the pupil types next replaces the word.
TEST_F(CheckPanelFocus, AWordClickAlwaysSelectsTheWholeWord)
{
    open();
    write(3, QStringLiteral("орлиный"));
    // The box itself has the focus, the caret placed by a click inside it.
    click(edit(3), QPoint(2, 9));
    ASSERT_FALSE(edit(3)->hasSelectedText());
    clickWord(3);
    EXPECT_EQ(QApplication::focusWidget(), edit(3));
    EXPECT_EQ(edit(3)->selectedText(), "орлиный");
    type(QStringLiteral("орлинный"));
    EXPECT_EQ(edit(3)->text(), "орлинный") << "typing replaces the word";

    // The same while the help window is active, the box being the window's focus.
    click(edit(3), QPoint(2, 9));
    showWindow(windows->help());
    windows->help()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(windows->help()));
    clickWord(3);
    activate();
    EXPECT_EQ(QApplication::focusWidget(), edit(3));
    EXPECT_EQ(edit(3)->selectedText(), "орлинный");
}

} // namespace
} // namespace writingwindow

// SPDX-License-Identifier: GPL-3.0-or-later
// The writing exercise done with the keyboard alone: the words as stops of the keyboard order,
// Enter and Space on a word as its click (the twentieth one widening the window) and the focus
// mark that only the keyboard brings.
#include "test_writing_window_keys_fixture.h"

#include <QKeyEvent>

namespace writingwindow {
namespace {

TEST_F(WritingKeys, TabReachesEachWordBeforeItsBoxAndEnterOrSpaceIsItsClick)
{
    openWindow();
    ASSERT_EQ(QApplication::focusWidget(), nullptr) << "opening gives the focus to nothing";
    key(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), wordLabel(1)) << "the first stop is the first word";
    EXPECT_FALSE(edit(1)->isVisible()) << "reaching a word is not clicking it";
    EXPECT_EQ(form->exercise().revealCount(), 0);

    key(Qt::Key_Return);
    EXPECT_EQ(form->exercise().revealCount(), 1);
    EXPECT_TRUE(edit(1)->isVisible());
    EXPECT_TRUE(label(QStringLiteral("Label2"))->isVisible()) << "the prompt";
    ASSERT_EQ(QApplication::focusWidget(), edit(1));
    type(QStringLiteral("ледяной"));

    // Shift+Tab from a box: back to its word; Space there is a click, which selects the word.
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), wordLabel(1));
    QTest::keyPress(window(), Qt::Key_Space);
    EXPECT_EQ(form->exercise().revealCount(), 1) << "Space clicks when released";
    QTest::keyRelease(window(), Qt::Key_Space);
    EXPECT_EQ(form->exercise().revealCount(), 2);
    ASSERT_EQ(QApplication::focusWidget(), edit(1));
    EXPECT_EQ(edit(1)->selectedText(), "ледяной") << "typing replaces it, as after a click";

    // On: box 1, word 2 (its box hidden, skipped), word 3; Enter on the keypad counts too.
    key(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), wordLabel(2));
    key(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), wordLabel(3));
    key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(QApplication::focusWidget(), edit(3));
    EXPECT_EQ(form->exercise().revealCount(), 3);
}

TEST_F(WritingKeys, OnlyAPlainKeyStrokeClicksAWord)
{
    openWindow();
    key(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), wordLabel(1));
    // Held down: the repeats of a key are not more clicks.
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(wordLabel(1), &repeat);
    key(Qt::Key_Return, Qt::ControlModifier);
    key(Qt::Key_Space, Qt::AltModifier);
    key(Qt::Key_A);
    EXPECT_EQ(form->exercise().revealCount(), 0);
    EXPECT_FALSE(edit(1)->isVisible());
    // Space pressed on the word and released after the focus left it clicks nothing.
    QTest::keyPress(window(), Qt::Key_Space);
    key(Qt::Key_Tab);
    QTest::keyRelease(window(), Qt::Key_Space);
    EXPECT_EQ(form->exercise().revealCount(), 0);
    EXPECT_EQ(QApplication::focusWidget(), wordLabel(2));
}

// Letters typed on a word go to its box once it is open (no click), else nowhere.
TEST_F(WritingKeys, LettersTypedOnAWordArriveInItsOpenBox)
{
    openWindow();
    key(Qt::Key_Tab);
    key(Qt::Key_Return);
    key(Qt::Key_Tab);
    type(QStringLiteral("Ж"));
    EXPECT_EQ(QApplication::focusWidget(), wordLabel(2)) << "its box is not open";
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    type(QStringLiteral("Ледяной"));
    EXPECT_EQ(edit(1)->text(), QStringLiteral("Ледяной"));
    // Back on the word with a word in its box: a letter goes on after it, never in its place.
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), wordLabel(1));
    type(QStringLiteral("Ж"));
    EXPECT_EQ(edit(1)->text(), QStringLiteral("ЛедянойЖ"));
    EXPECT_EQ(form->exercise().revealCount(), 1) << "no click counted";
}

TEST_F(WritingKeys, TheWholeExerciseWithTheKeyboardAlone)
{
    openWindow();
    // Word by word: Tab to the word, Enter, type, Tab on to the next word. Word 20 is typed wrong.
    key(Qt::Key_Tab);
    for (int word = 1; word <= 20; ++word) {
        ASSERT_EQ(QApplication::focusWidget(), wordLabel(word)) << word;
        EXPECT_EQ(form->width(), 327 - 8) << "narrow until the twentieth click";
        key(word % 2 ? Qt::Key_Return : Qt::Key_Space);
        ASSERT_EQ(QApplication::focusWidget(), edit(word)) << word;
        type(word == 20 ? QStringLiteral("деревяный") : answer(word));
        key(Qt::Key_Tab);
    }
    // The twentieth click, on the last word, widened the window to 560 and offered the check;
    // Tab from the last box went on to "Проверить".
    EXPECT_EQ(form->width(), 560 - 8);
    ASSERT_EQ(QApplication::focusWidget(), button(QStringLiteral("sButton1")));
    // A button's key click runs after the key handler.
    key(Qt::Key_Space);
    EXPECT_TRUE(QTest::qWaitFor([&] { return label(QStringLiteral("Label24"))->isVisible(); }))
        << "Есть ошибки.";
    // "Проверить" went and took the focus to the window; Shift+Tab reaches the last shown stop,
    // "Буду искать".
    ASSERT_EQ(QApplication::focusWidget(), nullptr);
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), button(QStringLiteral("sButton3")));
    key(Qt::Key_Space); // "Буду искать"
    ASSERT_TRUE(QTest::qWaitFor([&] { return !button(QStringLiteral("sButton3"))->isVisible(); }));
    ASSERT_EQ(QApplication::focusWidget(), nullptr);

    // Back to word 20 with Shift+Tab: "Помогите!" (offered now), "Проверить", the box, then the
    // word itself; Enter selects the wrong word, which the right one replaces.
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), button(QStringLiteral("sButton4")));
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), button(QStringLiteral("sButton1")));
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), edit(20));
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), wordLabel(20));
    key(Qt::Key_Return);
    EXPECT_EQ(form->width(), 560 - 8) << "the twenty-first click widens nothing";
    type(answer(20));
    key(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), button(QStringLiteral("sButton1")));
    key(Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return label(QStringLiteral("Label23"))->isVisible(); }))
        << "Отлично!";
    ASSERT_EQ(QApplication::focusWidget(), nullptr);
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), button(QStringLiteral("sButton2")));
    key(Qt::Key_Space); // "Дальше"
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form->isVisible(); }));
    EXPECT_FALSE(windows->board()->findChild<TsButton *>(QStringLiteral("sButton5"))->isEnabled());
    EXPECT_EQ(windows->board()->findChild<QLabel *>(QStringLiteral("Label10"))->text(), "0");
}

TEST_F(WritingKeys, TheTwentiethClickByKeyOnAnotherWordWidensTo606)
{
    openWindow();
    key(Qt::Key_Tab);
    for (int i = 1; i <= 19; ++i) {
        key(Qt::Key_Return);
        key(Qt::Key_Backtab, Qt::ShiftModifier);
    }
    ASSERT_EQ(QApplication::focusWidget(), wordLabel(1));
    EXPECT_EQ(form->width(), 327 - 8);
    key(Qt::Key_Space);
    EXPECT_EQ(form->exercise().revealCount(), 20);
    EXPECT_EQ(form->width(), 606 - 8);
    EXPECT_TRUE(button(QStringLiteral("sButton1"))->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), edit(1));
}

TEST_F(WritingKeys, TheFocusMarkShowsOnlyWhenTheKeyboardBroughtTheFocus)
{
    openWindow();
    clickWord(2);
    type(QStringLiteral("лунный"));
    EXPECT_EQ(markedControl(), nullptr);
    EXPECT_FALSE(anyFrame()) << "a mouse user sees no mark";

    key(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), wordLabel(2));
    EXPECT_EQ(markedControl(), wordLabel(2));
    EXPECT_TRUE(framed(wordLabel(2)));
    shot(QStringLiteral("keys-01-mark-on-word"));

    key(Qt::Key_Return);
    EXPECT_EQ(markedControl(), edit(2)) << "a key moved the focus to the box";
    EXPECT_TRUE(framed(edit(2)));
    EXPECT_FALSE(framed(wordLabel(2))) << "one mark at a time";
    shot(QStringLiteral("keys-02-mark-on-box"));

    // Away to the help window and back: the mark is as it was left.
    showWindow(windows->help());
    ASSERT_TRUE(QTest::qWaitForWindowActive(windows->help()));
    activate();
    EXPECT_EQ(markedControl(), edit(2));
    // Away to the board, where the focus is on a button and the mouse clicks, and back.
    windows->board()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(windows->board()));
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    click(windows->board()->findChild<QWidget *>(QStringLiteral("Panel1")), QPoint(4, 4));
    activate();
    EXPECT_EQ(QApplication::focusWidget(), edit(2));
    EXPECT_EQ(markedControl(), edit(2)) << "coming back is not a new focus";

    // A click on a word: its box has the focus, without a mark, even after keys typed in it.
    clickWord(3);
    type(QStringLiteral("орлиный"));
    EXPECT_EQ(markedControl(), nullptr);
    EXPECT_FALSE(anyFrame());
    // A press inside a box the keyboard had marked takes the mark away.
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(markedControl(), wordLabel(3));
    click(edit(2), QPoint(5, 9));
    EXPECT_EQ(QApplication::focusWidget(), edit(2));
    EXPECT_FALSE(anyFrame());
}

} // namespace
} // namespace writingwindow

// SPDX-License-Identifier: GPL-3.0-or-later
// How a program button reacts to the mouse, the keyboard and the focus: which paths click,
// which must not, and the state after each step.
#include "test_button_input_fixture.h"

#include <QMouseEvent>
#include <QPointer>

using namespace fixture;

TEST_F(ButtonInput, LeftPressAndReleaseInsideClicksOnceOnRelease)
{
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(30, 10));
    EXPECT_TRUE(button->isDown());
    EXPECT_TRUE(button->hasFocus()) << "a press takes the focus";
    EXPECT_EQ(clicks, 0) << "nothing on the press";
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(30, 10));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(button->isDown());
}

TEST_F(ButtonInput, ReleaseOutsideDoesNotClick)
{
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(30, 10));
    QTest::mouseMove(button, QPoint(200, 10));
    EXPECT_TRUE(button->isDown()) << "the button stays down while held";
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(200, 10));
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(button->isDown());
    // The edges belong to the button: a release on its last pixel still clicks.
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(110, 24));
    EXPECT_EQ(clicks, 1);
}

TEST_F(ButtonInput, RightAndMiddlePressesTakeTheFocusButNeverPressOrClick)
{
    edit->setFocus();
    for (Qt::MouseButton b : {Qt::RightButton, Qt::MiddleButton}) {
        edit->setFocus();
        ASSERT_FALSE(button->hasFocus());
        QTest::mousePress(button, b, {}, QPoint(30, 10));
        EXPECT_FALSE(button->isDown());
        EXPECT_TRUE(button->hasFocus());
        EXPECT_TRUE(button->IsHot()) << "focused, so hot";
        QTest::mouseRelease(button, b, {}, QPoint(30, 10));
        EXPECT_EQ(clicks, 0);
    }
}

TEST_F(ButtonInput, DoubleClickClicksTwice)
{
    // What the desktop delivers for a double click: press, release, double-click, release.
    const QPointF at(30, 10);
    QTest::mousePress(button, Qt::LeftButton, {}, at.toPoint());
    QTest::mouseRelease(button, Qt::LeftButton, {}, at.toPoint());
    QMouseEvent dbl(QEvent::MouseButtonDblClick, at, button->mapToGlobal(at), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(button, &dbl);
    EXPECT_TRUE(button->isDown()) << "the second press of a double click presses again";
    QTest::mouseRelease(button, Qt::LeftButton, {}, at.toPoint());
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(button->isDown());
}

TEST_F(ButtonInput, DisabledButtonDoesNothing)
{
    button->setEnabled(false);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(30, 10));
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(button->isDown());
}

TEST_F(ButtonInput, SpaceClicksOnTheKeyRelease)
{
    button->setFocus();
    QTest::keyPress(button, Qt::Key_Space);
    EXPECT_TRUE(button->isDown());
    EXPECT_EQ(clicks, 0);
    // A repeated key while held changes nothing.
    QTest::keyPress(button, Qt::Key_Space, {}, -1);
    QTest::keyRelease(button, Qt::Key_Space);
    settle();
    EXPECT_FALSE(button->isDown());
    EXPECT_EQ(clicks, 1);
    QTest::keyRelease(button, Qt::Key_Space);
    settle();
    EXPECT_EQ(clicks, 1) << "a release without a press does nothing";
}

TEST_F(ButtonInput, LosingTheFocusClearsDownSoSpaceDoesNotClick)
{
    button->setFocus();
    QTest::keyPress(button, Qt::Key_Space);
    ASSERT_TRUE(button->isDown());
    edit->setFocus();
    EXPECT_FALSE(button->isDown());
    EXPECT_FALSE(button->hasFocus());
    QTest::keyRelease(button, Qt::Key_Space);
    settle();
    EXPECT_EQ(clicks, 0);
}

TEST_F(ButtonInput, DestroyingTheFocusedButtonIsNotReportedToIt)
{
    // The focus leaves a button only in ~QWidget, when the button part is gone; a call into it
    // from the focus change would be undefined (the sanitizer build stops on it).
    button->setFocus();
    ASSERT_TRUE(button->hasFocus());
    QPointer<TsButton> gone = button;
    button->deleteLater();
    QCoreApplication::sendPostedEvents(button, QEvent::DeferredDelete);
    button = nullptr;
    EXPECT_TRUE(gone.isNull());
    other->setFocus();
    EXPECT_TRUE(other->ActsAsDefault());
}

TEST_F(ButtonInput, EnterClicksTheFocusedButtonAtOnce)
{
    button->setFocus();
    EXPECT_TRUE(button->ActsAsDefault());
    EXPECT_FALSE(other->ActsAsDefault());
    QTest::keyPress(button, Qt::Key_Return);
    settle();
    EXPECT_EQ(clicks, 1) << "on the press, not the release";
    EXPECT_FALSE(button->isDown());
    QTest::keyRelease(button, Qt::Key_Return);
    settle();
    EXPECT_EQ(clicks, 1);
    QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
    settle();
    EXPECT_EQ(clicks, 2) << "the keypad Enter too";
    QTest::keyClick(button, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(button, Qt::Key_Return, Qt::ControlModifier);
    settle();
    EXPECT_EQ(clicks, 2) << "not with Shift or Ctrl held";
    EXPECT_EQ(otherClicks, 0);
}

TEST_F(ButtonInput, EnterInAnEditBoxGoesToTheDefaultButton)
{
    other->setDefault(true);
    edit->setFocus();
    EXPECT_TRUE(other->ActsAsDefault());
    EXPECT_FALSE(button->ActsAsDefault());
    EXPECT_TRUE(other->IsHot()) << "a default button that acts as one is hot";
    QTest::keyClick(edit, Qt::Key_Return);
    settle();
    EXPECT_EQ(otherClicks, 1);
    EXPECT_EQ(clicks, 0);

    // With the focus on another TsButton, that one takes Enter and the default does not.
    button->setFocus();
    EXPECT_FALSE(other->ActsAsDefault());
    EXPECT_FALSE(other->IsHot());
    QTest::keyClick(button, Qt::Key_Return);
    settle();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(otherClicks, 1);

    // No default button at all: Enter in the edit box clicks nothing.
    other->setDefault(false);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    settle();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(otherClicks, 1);
}

TEST_F(ButtonInput, EscapeClicksOnlyACancelButton)
{
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Escape);
    settle();
    EXPECT_EQ(otherClicks, 0);
    other->setCancel(true);
    QTest::keyClick(edit, Qt::Key_Escape);
    settle();
    EXPECT_EQ(otherClicks, 1);
    // Escape on a focused button that is not Cancel reaches the Cancel one.
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Escape);
    settle();
    EXPECT_EQ(otherClicks, 2);
    EXPECT_EQ(clicks, 0);
    // A hidden Cancel button cannot take the focus and does not react.
    other->hide();
    QTest::keyClick(button, Qt::Key_Escape);
    settle();
    EXPECT_EQ(otherClicks, 2);
}

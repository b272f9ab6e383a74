// SPDX-License-Identifier: GPL-3.0-or-later
// What a program button's click does and when it runs: after the events posted before its key,
// the window's modal result first, every way of clicking ending in the one click, the default
// and cancel buttons, and the signal and name assistive technology sees.
#include "test_button_input_fixture.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QDialog>
#include <QPointer>

#include <utility>

using namespace fixture;

// A key handler runs no other events: Enter presses the button and clicks after what was posted
// before the key, with the pressed look painted by then; if that destroys the button, no click.
TEST_F(ButtonInput, AKeyClickRunsAfterTheEventsPostedBeforeIt)
{
    other->setCancel(true);
    button->setFocus();
    int seenByPosted = -1;
    Rgb shownAtClick{};
    button->setOnClick([&] {
        shownAtClick = probe(button).LastShown().pixel(15, 12);
        ++clicks;
    });
    QMetaObject::invokeMethod(
        panel.get(), [&] { seenByPosted = clicks; }, Qt::QueuedConnection);
    QTest::keyPress(button, Qt::Key_Return);
    EXPECT_EQ(seenByPosted, -1) << "ran inside the key handler";
    EXPECT_TRUE(button->isDown());
    ASSERT_TRUE(QTest::qWaitFor([&] { return clicks == 1; }));
    EXPECT_EQ(seenByPosted, 0);
    EXPECT_EQ(shownAtClick, masked(composed(kPressedGrey[12], kHotPainting), 128, 255));
    auto destroy = [&] { delete std::exchange(button, nullptr); };
    QMetaObject::invokeMethod(panel.get(), destroy, Qt::QueuedConnection);
    QTest::keyPress(button, Qt::Key_Return);
    QTest::keyPress(panel.get(), Qt::Key_Escape); // another button's key click, taken later
    ASSERT_TRUE(QTest::qWaitFor([&] { return otherClicks == 1; }));
    EXPECT_EQ(clicks, 1) << "the destroyed button clicked";
}

TEST_F(ButtonInput, ClickSetsTheWindowsModalResultFirst)
{
    int seen = -1;
    button->setModalResult(2);
    button->setOnClick([&] { seen = panel->property("ModalResult").toInt(); });
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(30, 10));
    EXPECT_EQ(seen, 2);

    QDialog dialog;
    auto *ok = new TsButton(&dialog);
    ok->setModalResult(QDialog::Accepted);
    dialog.setModal(true);
    dialog.show();
    QTest::mouseClick(ok, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
}

// The modal result ends a modal dialog once OnClick has returned; a dialog shown without
// modality, like any other window, only keeps the result.
TEST_F(ButtonInput, AModalResultClosesAModalDialogOnlyAfterOnClick)
{
    QDialog dialog;
    auto *ok = new TsButton(&dialog);
    ok->setGeometry(0, 0, 60, 25);
    ok->setModalResult(QDialog::Accepted);
    bool visibleInOnClick = false;
    int onClicks = 0;
    ok->setOnClick([&] {
        visibleInOnClick = dialog.isVisible();
        ++onClicks;
    });
    dialog.setModal(true);
    dialog.show();
    QTest::mouseClick(ok, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(onClicks, 1);
    EXPECT_TRUE(visibleInOnClick) << "OnClick runs in the open dialog";
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    dialog.setModal(false);
    dialog.setResult(0);
    dialog.show();
    QTest::mouseClick(ok, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(onClicks, 2);
    EXPECT_TRUE(dialog.isVisible()) << "a dialog that is not modal stays";
    EXPECT_EQ(dialog.property("ModalResult").toInt(), QDialog::Accepted);
}

// QAbstractButton's own ways of clicking end in the same click as the mouse: the modal result,
// OnClick and the clicked signal, once each; animateClick shows the pressed look meanwhile.
TEST_F(ButtonInput, EveryWayOfClickingRunsTheOneClick)
{
    button->setModalResult(7);
    QStringList order;
    button->setOnClick(
        [&] { order << QStringLiteral("OnClick %1").arg(panel->property("ModalResult").toInt()); });
    QObject::connect(button, &QAbstractButton::clicked, [&] { order << QStringLiteral("signal"); });
    const QStringList once{"OnClick 7", "signal"};

    button->click();
    EXPECT_EQ(order, once) << "click()";

    order.clear();
    const TsRect up = probe(button).CaptionRect();
    button->animateClick();
    EXPECT_TRUE(button->isDown()) << "held down while the animation runs";
    EXPECT_EQ(probe(button).CaptionRect().left, up.left + 1) << "the pressed look's caption";
    EXPECT_EQ(probe(button).CaptionRect().top, up.top + 1);
    EXPECT_TRUE(order.isEmpty()) << "nothing before the animation ends";
    EXPECT_TRUE(QTest::qWaitFor([&] { return order.size() >= 2; }, 1000));
    EXPECT_EQ(order, once) << "animateClick()";
    EXPECT_FALSE(button->isDown());

    order.clear();
    button->setCaption(QStringLiteral("&Go"));
    edit->setFocus();
    QTest::keyClick(panel.get(), Qt::Key_G, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return order.size() >= 2; }, 1000));
    EXPECT_EQ(order, once) << "the mnemonic";

    order.clear();
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(button);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(a->actionInterface(), nullptr);
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(QTest::qWaitFor([&] { return order.size() >= 2; }, 1000));
    EXPECT_EQ(order, once) << "the accessibility Press action";
    EXPECT_EQ(clicks, 0) << "the fixture's OnClick was replaced";
}

// An OnClick that clicks its own button again, either way, makes two clicks, not three or one.
TEST_F(ButtonInput, AClickInsideOnClickIsOneMoreClick)
{
    for (const bool qtClick : {false, true}) {
        int onClick = 0;
        button->setOnClick([&] {
            if (++onClick == 1) {
                qtClick ? button->click() : button->Click();
            }
        });
        button->Click();
        EXPECT_EQ(onClick, 2) << (qtClick ? "click()" : "Click()");
        button->click();
        EXPECT_EQ(onClick, 3) << "the click after them";
    }
}

// Escape does what Enter does: only without Shift, Ctrl or Alt.
TEST_F(ButtonInput, EscapeWithAModifierClicksNoCancelButton)
{
    other->setCancel(true);
    edit->setFocus();
    for (Qt::KeyboardModifier held : {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier}) {
        QTest::keyClick(edit, Qt::Key_Escape, held);
        settle();
        EXPECT_EQ(otherClicks, 0) << held;
    }
    QTest::keyClick(edit, Qt::Key_Escape);
    settle();
    EXPECT_EQ(otherClicks, 1);
}

// A button made the default while another TsButton has the focus does not act as the default:
// only the focused one looks hot and takes Enter.
TEST_F(ButtonInput, ADefaultSetWhileAnotherButtonHasTheFocusWaitsForTheFocusToLeave)
{
    button->setFocus();
    ASSERT_TRUE(button->hasFocus());
    other->setDefault(true);
    EXPECT_FALSE(other->ActsAsDefault());
    EXPECT_FALSE(other->IsHot()) << "one hot button, the focused one";
    EXPECT_TRUE(button->IsHot());
    QTest::keyClick(button, Qt::Key_Return);
    settle();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(otherClicks, 0);
    edit->setFocus();
    EXPECT_TRUE(other->ActsAsDefault()) << "with the focus in the edit box it acts";
    // Made the default while it has the focus itself, or given up while focused: still acts.
    other->setFocus();
    other->setDefault(false);
    EXPECT_TRUE(other->ActsAsDefault());
}

// A disabled button is never hot, a default one that acts as the default included: its look is
// the disabled normal look.
TEST_F(ButtonInput, ADisabledDefaultButtonIsNeverHot)
{
    edit->setFocus();
    button->setDefault(true);
    ASSERT_TRUE(button->ActsAsDefault());
    ASSERT_TRUE(button->IsHot());
    auto *plain = new TsButton(panel.get());
    plain->setGeometry(20, 20, 111, 25);
    configureAsProgram(plain, QStringLiteral("Вариант 1"), 16765606);
    plain->setEnabled(false);
    probe(plain).Render();
    button->setEnabled(false);
    EXPECT_FALSE(button->IsHot());
    probe(button).Render();
    EXPECT_TRUE(probe(button).RenderCache() == probe(plain).RenderCache())
        << "the disabled normal look";
}

TEST_F(ButtonInput, ClickedSignalAndAccessibleName)
{
    int signalled = 0;
    QObject::connect(button, &QAbstractButton::clicked, [&] { ++signalled; });
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(30, 10));
    EXPECT_EQ(signalled, 1);
    EXPECT_EQ(button->accessibleName(), QStringLiteral("Вариант 1"));
    EXPECT_EQ(button->focusPolicy(), Qt::StrongFocus);
    button->setTabStop(false);
    EXPECT_EQ(button->focusPolicy(), Qt::ClickFocus);
}

TEST_F(ButtonInput, NewButtonDefaults)
{
    TsButton fresh;
    EXPECT_EQ(fresh.size(), QSize(75, 25));
    EXPECT_EQ(fresh.Caption(), QString());
    EXPECT_TRUE(fresh.ShowCaption());
    EXPECT_TRUE(fresh.ShowFocus());
    EXPECT_EQ(fresh.FocusMargin(), 1);
    EXPECT_FALSE(fresh.Default());
    EXPECT_FALSE(fresh.Cancel());
    EXPECT_EQ(fresh.ModalResult(), 0);
    EXPECT_EQ(fresh.Margin(), 0);
    EXPECT_EQ(fresh.BevelWidth(), 2);
    EXPECT_EQ(fresh.DisabledKind(), static_cast<unsigned>(dkBlended));
    EXPECT_EQ(fresh.Cursor(), Qt::ArrowCursor);
    EXPECT_TRUE(fresh.TabStop());
    EXPECT_EQ(fresh.sStyle()->SkinSection(), "TsButton");
    EXPECT_TRUE(fresh.sStyle()->Background()->Gradient()->Data().empty());
}

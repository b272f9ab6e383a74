// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: its frame, where it stands and how it shows and hides, checked on the rendered
// pixels where the look is what matters.
#include "test_help_fixture.h"

#include "FormFrame.h"
#include "Grab.h"

#include <QImage>
#include <QPointer>
#include <QWindow>

using namespace help_test;

namespace {

const QColor kFormColour(166, 210, 255);

} // namespace

// ---- The frame ----

TEST_F(HelpWindowTest, FrameHasCaptionOnlyAndTheCardColour)
{
    EXPECT_TRUE(form->isWindow());
    EXPECT_TRUE(form->isHidden()) << "the window set creates it hidden";
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Помощь"));
    EXPECT_EQ(form->accessibleName(), QStringLiteral("Помощь"));
    EXPECT_EQ(form->size(), clientSizeFor(QSize(414, 343)));

    const Qt::WindowFlags flags = form->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint))
        << "without it the desktop adds its default buttons";
    EXPECT_FALSE(flags.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(flags.testFlag(Qt::MSWindowsFixedSizeDialogHint));
    EXPECT_EQ(form->minimumSize(), QSize(0, 0)) << "the frame is sizeable";
    EXPECT_EQ(form->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));

    // The icon comes from the embedded pictures, which the window's library must bring along.
    const QList<QSize> iconSizes = form->windowIcon().availableSizes();
    EXPECT_TRUE(iconSizes.contains(QSize(16, 16)) && iconSizes.contains(QSize(32, 32)));

    // The background between and around the cards.
    const QImage image = grabbed(form.get());
    EXPECT_EQ(image.pixelColor(5, 4), kFormColour);
    EXPECT_EQ(image.pixelColor(200, 153), kFormColour) << "between the cards";
    EXPECT_EQ(image.pixelColor(form->width() - 3, form->height() - 3), kFormColour);
}

TEST_F(HelpWindowTest, ResizingMovesNoControl)
{
    std::vector<std::pair<QWidget *, QRect>> before;
    for (QWidget *w : form->findChildren<QWidget *>()) {
        before.emplace_back(w, w->geometry());
    }
    form->resize(700, 500);
    form->resize(200, 150);
    for (const auto &[w, geometry] : before) {
        EXPECT_EQ(w->geometry(), geometry) << w->objectName().toStdString();
    }
}

// ---- Showing, hiding, place and focus ----

// Under the off-screen platform a top-level window has a 2-pixel frame on every side: pos() and
// frameGeometry() give the frame's top-left corner on the screen (what the designed place
// means), geometry() and mapToGlobal() the client area's, 2 pixels further in.
TEST_F(HelpWindowTest, FirstShowingStandsAtTheDesignedPlace)
{
    showAndActivate();
    EXPECT_EQ(form->frameGeometry().topLeft(), QPoint(549, 119));
    EXPECT_EQ(form->pos(), QPoint(549, 119));
    const QPoint client = form->mapToGlobal(QPoint(0, 0));
    EXPECT_GE(client.x(), 549);
    EXPECT_GE(client.y(), 119);
    EXPECT_EQ(client, form->geometry().topLeft());
}

TEST_F(HelpWindowTest, ShownAgainWhereThePupilLeftIt)
{
    showAndActivate();
    // The pupil drags the window by its title bar: the desktop moves the frame.
    form->windowHandle()->setFramePosition(QPoint(120, 64));
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->pos() == QPoint(120, 64); }))
        << "at " << form->pos().x() << "," << form->pos().y();
    hideWindow(form.get());
    EXPECT_TRUE(form->isHidden());
    showWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    EXPECT_EQ(form->pos(), QPoint(120, 64)) << "not put back at the designed place";

    hideWindow(form.get());
    hideWindow(form.get());
    EXPECT_TRUE(form->isHidden()) << "hiding a hidden window changes nothing";
}

TEST_F(HelpWindowTest, CloseRequestOnlyHidesIt)
{
    showAndActivate();
    form->move(300, 200);
    QPointer<QWidget> guard(form.get());
    // The desktop's close command arrives through the platform window, as a keyboard close would.
    EXPECT_TRUE(form->windowHandle()->close());
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (guard.isNull()) {
        (void)form.release(); // already gone: keep the fixture from deleting it twice
        FAIL() << "a close request must not destroy the window";
    }
    EXPECT_TRUE(form->isHidden());
    EXPECT_FALSE(form->testAttribute(Qt::WA_DeleteOnClose));

    // The next call for help shows it again, where it was.
    showWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->pos(), QPoint(300, 200));
    EXPECT_NE(child("Label6"), nullptr) << "its content is kept";
}

TEST_F(HelpWindowTest, ShowingItWhileVisibleLeavesTheStackingAlone)
{
    showAndActivate();
    const QPoint place = form->pos();
    // An exercise window comes to the front after the help window was shown.
    QWidget exercise;
    exercise.resize(200, 150);
    exercise.show();
    exercise.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&exercise));

    // The other exercise asks for help while the card is already open.
    showWindow(form.get());
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &exercise)
        << "the help window was brought forward and activated";
    EXPECT_EQ(form->pos(), place);
    EXPECT_TRUE(form->isVisible());
}

TEST_F(HelpWindowTest, FocusesNoControlWhenActivated)
{
    showAndActivate();
    EXPECT_EQ(form->focusWidget(), nullptr);
    const QWidget *focus = QApplication::focusWidget();
    EXPECT_TRUE(focus == nullptr || focus == form.get());
    for (const QWidget *w : form->findChildren<QWidget *>()) {
        EXPECT_EQ(w->focusPolicy(), Qt::NoFocus) << w->objectName().toStdString();
    }
    // Tab finds nothing to move to either.
    QTest::keyClick(form.get(), Qt::Key_Tab);
    EXPECT_EQ(form->focusWidget(), nullptr);
}

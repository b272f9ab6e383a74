// SPDX-License-Identifier: GPL-3.0-or-later
// The hover fade, driven tick by tick: the frames of a fade in and out, what a paint shows
// meanwhile, presses and focus interrupting it, and a tick after the button is gone.
#include "ButtonFixture.h"

#include <QLineEdit>
#include <QTimer>

using namespace fixture;

namespace {

class ButtonFade : public ProgramButton
{
protected:
    void SetUp() override
    {
        ProgramButton::SetUp();
        edit = addFocusHolder();
        edit->setFocus();
        // Long intervals: the ticks are driven by the test, the real timer never fires first.
        button->sStyle()->BtnEffects()->Fading()->setIntervalIn(100);
        button->sStyle()->BtnEffects()->Fading()->setIntervalOut(100);
        showActive();
        button->repaint();
        normal = probe(button).RenderCache().pixel(15, 12);
        hot = masked(composed(kHotGrey[12], kHotPainting), 128, 255);
        ASSERT_EQ(normal, masked(composed(kNormalGrey[12], kPainting), 128, 255));
    }

    void enter()
    {
        QEnterEvent e(QPointF(5, 5), QPointF(5, 5), QPointF(25, 25));
        QApplication::sendEvent(button, &e);
    }
    void leave()
    {
        QEvent e(QEvent::Leave);
        QApplication::sendEvent(button, &e);
    }

    // round(x * (a - b) + b) per channel with x = weight / 256.
    static Rgb frame(Rgb a, Rgb b, int weight)
    {
        auto ch = [&](int ca, int cb) {
            return static_cast<std::uint8_t>(std::nearbyint(weight / 256.0 * (ca - cb) + cb));
        };
        return Rgb{ch(a.r, b.r), ch(a.g, b.g), ch(a.b, b.b)};
    }

    Rgb shown() const { return probe(button).LastShown().pixel(15, 12); }

    QLineEdit *edit = nullptr;
    Rgb normal;
    Rgb hot;
};

} // namespace

TEST_F(ButtonFade, FadeInShowsFiveFramesThenTheHotLook)
{
    enter();
    EXPECT_EQ(probe(button).FadeMode(), TsFadeMode::In);
    EXPECT_EQ(probe(button).FadePosition(), 1);
    EXPECT_TRUE(probe(button).FadeTimer()->isActive());
    EXPECT_EQ(probe(button).FadeTimer()->interval(), 100);
    EXPECT_EQ(probe(button).FadeFromImage().pixel(15, 12), normal);
    EXPECT_EQ(probe(button).RenderCache().pixel(15, 12), hot)
        << "the target is rendered at the start";

    const int weights[] = {204, 153, 102, 51, 0}; // 20 % .. 100 % of the hot look
    for (int w : weights) {
        probe(button).FadeStep();
        EXPECT_EQ(shown(), frame(normal, hot, w)) << "weight " << w;
        EXPECT_TRUE(&probe(button).LastShown() != &probe(button).RenderCache());
    }
    EXPECT_EQ(probe(button).FadePosition(), 6);
    probe(button).FadeStep();
    EXPECT_EQ(probe(button).FadeMode(), TsFadeMode::None);
    EXPECT_FALSE(probe(button).FadeTimer()->isActive());
    EXPECT_EQ(probe(button).FadePosition(), 5);
    EXPECT_EQ(&probe(button).LastShown(), &probe(button).RenderCache())
        << "the end look is the target";
    EXPECT_EQ(shown(), hot);
}

TEST_F(ButtonFade, FadeOutAfterAFullFadeInShowsSixFrames)
{
    enter();
    for (int i = 0; i < 6; ++i) {
        probe(button).FadeStep();
    }
    ASSERT_EQ(probe(button).FadeMode(), TsFadeMode::None);
    leave();
    EXPECT_EQ(probe(button).FadeMode(), TsFadeMode::Out);
    EXPECT_EQ(probe(button).FadePosition(), 5) << "a fade-out starts where the fade-in ended";
    EXPECT_EQ(probe(button).RenderCache().pixel(15, 12), normal);
    const int weights[] = {0, 51, 102, 153, 204, 255}; // fully hot .. almost normal
    for (int w : weights) {
        probe(button).FadeStep();
        EXPECT_EQ(shown(), frame(normal, hot, w)) << "weight " << w;
    }
    EXPECT_EQ(probe(button).FadePosition(), -1);
    probe(button).FadeStep();
    EXPECT_EQ(probe(button).FadeMode(), TsFadeMode::None);
    EXPECT_EQ(probe(button).FadePosition(), 0);
    EXPECT_EQ(shown(), normal);
}

TEST_F(ButtonFade, LeaveDuringFadeInGoesBackFromTheReachedStep)
{
    enter();
    probe(button).FadeStep(); // 20 %
    probe(button).FadeStep(); // 40 %
    leave();
    EXPECT_EQ(probe(button).FadePosition(), 3);
    probe(button).FadeStep();
    EXPECT_EQ(shown(), frame(normal, hot, 102)) << "60 % hot, then back down";
    probe(button).FadeStep();
    EXPECT_EQ(shown(), frame(normal, hot, 153));
    // An enter during the fade-out starts again from the first step.
    enter();
    EXPECT_EQ(probe(button).FadeMode(), TsFadeMode::In);
    EXPECT_EQ(probe(button).FadePosition(), 1);
}

TEST_F(ButtonFade, PaintDuringAFadeCopiesTheTargetWithoutRendering)
{
    enter();
    probe(button).FadeStep();
    button->repaint();
    EXPECT_EQ(&probe(button).LastShown(), &probe(button).RenderCache());
    EXPECT_EQ(shown(), hot);
    probe(button).FadeStep();
    EXPECT_EQ(shown(), frame(normal, hot, 153)) << "the next tick draws over it";
}

TEST_F(ButtonFade, PressStopsTheFadeAndShowsThePressedLook)
{
    enter();
    probe(button).FadeStep();
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(30, 10));
    EXPECT_EQ(probe(button).FadeMode(), TsFadeMode::None);
    EXPECT_FALSE(probe(button).FadeTimer()->isActive());
    EXPECT_EQ(probe(button).FadePosition(), 4);
    button->repaint();
    EXPECT_EQ(shown(), masked(composed(kPressedGrey[12], kHotPainting), 128, 255));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(30, 10));
    EXPECT_EQ(probe(button).FadePosition(), 4);
}

TEST_F(ButtonFade, FocusedButtonIgnoresEnterAndLeave)
{
    int enters = 0;
    button->setOnMouseEnter([&] { ++enters; });
    button->setFocus();
    enter();
    EXPECT_TRUE(probe(button).MouseOver());
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(probe(button).FadeMode(), TsFadeMode::None);
    leave();
    EXPECT_FALSE(probe(button).MouseOver());
    EXPECT_EQ(probe(button).FadeMode(), TsFadeMode::None);
    EXPECT_TRUE(button->IsHot());
}

TEST_F(ButtonFade, NoFadeWithZeroIterationsOrFadingOff)
{
    button->sStyle()->BtnEffects()->Fading()->setIterations(0);
    enter();
    EXPECT_EQ(probe(button).FadeMode(), TsFadeMode::None);
    button->repaint();
    EXPECT_EQ(shown(), hot) << "the new look at once";
    leave();
    button->sStyle()->BtnEffects()->Fading()->setIterations(5);
    button->sStyle()->BtnEffects()->Fading()->setEnabled(false);
    button->repaint();
    EXPECT_EQ(shown(), normal);
    enter();
    EXPECT_EQ(probe(button).FadeMode(), TsFadeMode::None);
}

TEST_F(ButtonFade, RealTimerEndsOnTheTargetLook)
{
    button->sStyle()->BtnEffects()->Fading()->setIntervalIn(5);
    enter();
    EXPECT_TRUE(QTest::qWaitFor([&] { return probe(button).FadeMode() == TsFadeMode::None; }, 2000))
        << "the fade did not end";
    EXPECT_FALSE(probe(button).FadeTimer()->isActive());
    EXPECT_EQ(shown(), hot);
}

TEST_F(ButtonFade, DestroyedMidFadeLeavesNoTick)
{
    button->sStyle()->BtnEffects()->Fading()->setIntervalIn(1);
    enter();
    ASSERT_TRUE(probe(button).FadeTimer()->isActive());
    delete button;
    button = nullptr;
    // A timer of the fade's interval, started now, ticks three times: any tick the fade left
    // would have run (on freed memory) by then.
    int ticks = 0;
    QTimer witness;
    QObject::connect(&witness, &QTimer::timeout, [&ticks] { ++ticks; });
    witness.start(1);
    EXPECT_TRUE(QTest::qWaitFor([&ticks] { return ticks >= 3; }));
}

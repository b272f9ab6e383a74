// The hover fade, driven tick by tick: the frames of a fade in and out, what a paint shows
// meanwhile, presses and focus interrupting it, and a tick after the button is gone.
#include "ButtonFixture.h"

#include <QLineEdit>

using namespace fixture;

namespace {

class ButtonFade : public ProgramButton
{
protected:
    void SetUp() override
    {
        ProgramButton::SetUp();
        edit = new QLineEdit(panel.get());
        edit->setGeometry(20, 55, 100, 20);
        edit->setFocus();
        // Long intervals: the ticks are driven by the test, the real timer never fires first.
        button->sStyle()->BtnEffects()->Fading()->setIntervalIn(100);
        button->sStyle()->BtnEffects()->Fading()->setIntervalOut(100);
        showActive();
        button->repaint();
        normal = inspect(button).RenderCache().pixel(15, 12);
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

    Rgb shown() const { return inspect(button).LastShown().pixel(15, 12); }

    QLineEdit *edit = nullptr;
    Rgb normal;
    Rgb hot;
};

} // namespace

TEST_F(ButtonFade, FadeInShowsFiveFramesThenTheHotLook)
{
    enter();
    EXPECT_EQ(inspect(button).FadeMode(), TsFadeMode::In);
    EXPECT_EQ(inspect(button).FadePosition(), 1);
    EXPECT_TRUE(inspect(button).FadeTimer()->isActive());
    EXPECT_EQ(inspect(button).FadeTimer()->interval(), 100);
    EXPECT_EQ(inspect(button).FadeFromImage().pixel(15, 12), normal);
    EXPECT_EQ(inspect(button).RenderCache().pixel(15, 12), hot) << "the target is rendered at the start";

    const int weights[] = {204, 153, 102, 51, 0}; // 20 % .. 100 % of the hot look
    for (int w : weights) {
        inspect(button).FadeStep();
        EXPECT_EQ(shown(), frame(normal, hot, w)) << "weight " << w;
        EXPECT_TRUE(&inspect(button).LastShown() != &inspect(button).RenderCache());
    }
    EXPECT_EQ(inspect(button).FadePosition(), 6);
    inspect(button).FadeStep();
    EXPECT_EQ(inspect(button).FadeMode(), TsFadeMode::None);
    EXPECT_FALSE(inspect(button).FadeTimer()->isActive());
    EXPECT_EQ(inspect(button).FadePosition(), 5);
    EXPECT_EQ(&inspect(button).LastShown(), &inspect(button).RenderCache()) << "the end look is the target";
    EXPECT_EQ(shown(), hot);
}

TEST_F(ButtonFade, FadeOutAfterAFullFadeInShowsSixFrames)
{
    enter();
    for (int i = 0; i < 6; ++i) {
        inspect(button).FadeStep();
    }
    ASSERT_EQ(inspect(button).FadeMode(), TsFadeMode::None);
    leave();
    EXPECT_EQ(inspect(button).FadeMode(), TsFadeMode::Out);
    EXPECT_EQ(inspect(button).FadePosition(), 5) << "a fade-out starts where the fade-in ended";
    EXPECT_EQ(inspect(button).RenderCache().pixel(15, 12), normal);
    const int weights[] = {0, 51, 102, 153, 204, 255}; // fully hot .. almost normal
    for (int w : weights) {
        inspect(button).FadeStep();
        EXPECT_EQ(shown(), frame(normal, hot, w)) << "weight " << w;
    }
    EXPECT_EQ(inspect(button).FadePosition(), -1);
    inspect(button).FadeStep();
    EXPECT_EQ(inspect(button).FadeMode(), TsFadeMode::None);
    EXPECT_EQ(inspect(button).FadePosition(), 0);
    EXPECT_EQ(shown(), normal);
}

TEST_F(ButtonFade, LeaveDuringFadeInGoesBackFromTheReachedStep)
{
    enter();
    inspect(button).FadeStep(); // 20 %
    inspect(button).FadeStep(); // 40 %
    leave();
    EXPECT_EQ(inspect(button).FadePosition(), 3);
    inspect(button).FadeStep();
    EXPECT_EQ(shown(), frame(normal, hot, 102)) << "60 % hot, then back down";
    inspect(button).FadeStep();
    EXPECT_EQ(shown(), frame(normal, hot, 153));
    // An enter during the fade-out starts again from the first step.
    enter();
    EXPECT_EQ(inspect(button).FadeMode(), TsFadeMode::In);
    EXPECT_EQ(inspect(button).FadePosition(), 1);
}

TEST_F(ButtonFade, PaintDuringAFadeCopiesTheTargetWithoutRendering)
{
    enter();
    inspect(button).FadeStep();
    button->repaint();
    EXPECT_EQ(&inspect(button).LastShown(), &inspect(button).RenderCache());
    EXPECT_EQ(shown(), hot);
    inspect(button).FadeStep();
    EXPECT_EQ(shown(), frame(normal, hot, 153)) << "the next tick draws over it";
}

TEST_F(ButtonFade, PressStopsTheFadeAndShowsThePressedLook)
{
    enter();
    inspect(button).FadeStep();
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(30, 10));
    EXPECT_EQ(inspect(button).FadeMode(), TsFadeMode::None);
    EXPECT_FALSE(inspect(button).FadeTimer()->isActive());
    EXPECT_EQ(inspect(button).FadePosition(), 4);
    button->repaint();
    EXPECT_EQ(shown(), masked(composed(kPressedGrey[12], kHotPainting), 128, 255));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(30, 10));
    EXPECT_EQ(inspect(button).FadePosition(), 4);
}

TEST_F(ButtonFade, FocusedButtonIgnoresEnterAndLeave)
{
    int enters = 0;
    button->setOnMouseEnter([&] { ++enters; });
    button->setFocus();
    enter();
    EXPECT_TRUE(inspect(button).MouseOver());
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(inspect(button).FadeMode(), TsFadeMode::None);
    leave();
    EXPECT_FALSE(inspect(button).MouseOver());
    EXPECT_EQ(inspect(button).FadeMode(), TsFadeMode::None);
    EXPECT_TRUE(button->IsHot());
}

TEST_F(ButtonFade, NoFadeWithZeroIterationsOrFadingOff)
{
    button->sStyle()->BtnEffects()->Fading()->setIterations(0);
    enter();
    EXPECT_EQ(inspect(button).FadeMode(), TsFadeMode::None);
    button->repaint();
    EXPECT_EQ(shown(), hot) << "the new look at once";
    leave();
    button->sStyle()->BtnEffects()->Fading()->setIterations(5);
    button->sStyle()->BtnEffects()->Fading()->setEnabled(false);
    button->repaint();
    EXPECT_EQ(shown(), normal);
    enter();
    EXPECT_EQ(inspect(button).FadeMode(), TsFadeMode::None);
}

TEST_F(ButtonFade, RealTimerEndsOnTheTargetLook)
{
    button->sStyle()->BtnEffects()->Fading()->setIntervalIn(5);
    enter();
    QTRY_COMPARE_WITH_TIMEOUT(inspect(button).FadeMode(), TsFadeMode::None, 2000);
    EXPECT_FALSE(inspect(button).FadeTimer()->isActive());
    EXPECT_EQ(shown(), hot);
}

TEST_F(ButtonFade, DestroyedMidFadeLeavesNoTick)
{
    button->sStyle()->BtnEffects()->Fading()->setIntervalIn(1);
    enter();
    ASSERT_TRUE(inspect(button).FadeTimer()->isActive());
    delete button;
    button = nullptr;
    QTest::qWait(30); // any tick left would run on freed memory
    SUCCEED();
}

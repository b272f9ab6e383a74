// SPDX-License-Identifier: GPL-3.0-or-later
// The hover fade's steps without any widget: the weights of each frame in and out, where a fade
// turned round goes on from, and how a fade ends.
#include "TsFadeSequence.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Kind = TsFadeSequence::Tick::Kind;

// Ticks until the fade stops showing frames; the weights of the frames, a = start look.
std::vector<int> framesUntilEnd(TsFadeSequence &fade, int iterations, bool expectFromIsA)
{
    std::vector<int> weights;
    for (int guard = 0; guard < 50; ++guard) {
        const TsFadeSequence::Tick tick = fade.step(iterations);
        if (tick.kind != Kind::Frame) {
            EXPECT_EQ(tick.kind, Kind::Finish);
            return weights;
        }
        EXPECT_EQ(tick.fromIsA, expectFromIsA);
        weights.push_back(tick.weight256);
    }
    ADD_FAILURE() << "the fade never ends";
    return weights;
}

} // namespace

TEST(FadeSequence, FadeInShowsFiveFramesAndFadeOutSixWithTheDefaultSteps)
{
    TsFadeSequence fade;
    fade.startIn();
    EXPECT_EQ(fade.mode(), TsFadeMode::In);
    // 20 %, 40 %, 60 %, 80 %, 100 % of the target: the start look's weight falls.
    EXPECT_EQ(framesUntilEnd(fade, 5, true), (std::vector<int>{204, 153, 102, 51, 0}));
    EXPECT_EQ(fade.mode(), TsFadeMode::None);
    EXPECT_EQ(fade.position(), 5) << "brought back from one past the end";

    fade.startOut();
    EXPECT_EQ(fade.position(), 5);
    // Out, a is the target (normal) look: from fully hot back to almost normal.
    EXPECT_EQ(framesUntilEnd(fade, 5, false), (std::vector<int>{0, 51, 102, 153, 204, 255}));
    EXPECT_EQ(fade.position(), 0);
    EXPECT_FALSE(fade.running());
}

TEST(FadeSequence, ATurnedRoundFadeGoesOnFromWhereItGotOrStartsAgain)
{
    TsFadeSequence fade;
    fade.startIn();
    fade.step(5); // 20 %
    fade.step(5); // 40 %
    fade.startOut();
    EXPECT_EQ(fade.position(), 3);
    EXPECT_EQ(framesUntilEnd(fade, 5, false), (std::vector<int>{102, 153, 204, 255}));

    // An enter during a fade-out starts again from the first step.
    fade.startOut();
    fade.step(5);
    fade.startIn();
    EXPECT_EQ(fade.position(), 1);
    EXPECT_EQ(framesUntilEnd(fade, 5, true).size(), 5u);
}

TEST(FadeSequence, InterruptionsAndEndsWithoutFrames)
{
    TsFadeSequence fade;
    // A press stops the fade one step before its end, whatever the direction.
    fade.startIn();
    fade.step(5);
    fade.interrupt(5);
    EXPECT_FALSE(fade.running());
    EXPECT_EQ(fade.position(), 4);
    EXPECT_EQ(fade.step(5).kind, Kind::Idle) << "a tick left over shows no frame";

    // No steps at all: the first tick ends it (no weight divides by zero).
    fade.startIn();
    EXPECT_EQ(fade.step(0).kind, Kind::Finish);
    EXPECT_FALSE(fade.running());

    // Fewer steps than the position reached: the next tick ends the fade.
    fade.startIn();
    fade.step(5);
    fade.step(5);
    fade.step(5);
    EXPECT_EQ(fade.step(2).kind, Kind::Finish);
    EXPECT_EQ(fade.position(), 3);

    // One step: the frame is the target alone, then the end.
    fade.startIn();
    EXPECT_EQ(framesUntilEnd(fade, 1, true), (std::vector<int>{0}));
    fade.cancel();
    EXPECT_EQ(fade.step(1).kind, Kind::Idle);
}

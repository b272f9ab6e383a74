// SPDX-License-Identifier: GPL-3.0-or-later
// The writing exercise without its window: "Помогите!" and "Дальше" with their effects in order,
// a whole run with the view after every step, and counters that stop at the largest value.

#include "test_writing_logic_fixture.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

using namespace writing_logic_test;

namespace {

// ---------------------------------------------------------------------------------------------
// "Помогите!"

TEST_F(WritingExerciseTest, HelpIsNotOfferedBeforeTheFirstRetry)
{
    m_exercise.requestHelp();
    reachReady();
    m_exercise.requestHelp();
    EXPECT_FALSE(m_exercise.checkAnswers({}));
    m_effects.log.clear();
    m_exercise.requestHelp();

    EXPECT_TRUE(takeEffects().empty());
    EXPECT_EQ(m_exercise.helpCount(), 0);
    EXPECT_EQ(m_exercise.view(), viewIn(Stage::Failed, 560, allBoxes()));
}

TEST_F(WritingExerciseTest, HelpCountsThenShowsTheHelpWindowThenWithdrawsTheOffer)
{
    reachRetrying();
    m_exercise.requestHelp();

    const Effect &show = onlyEffect();
    EXPECT_EQ(show.what, "showHelp");
    EXPECT_EQ(show.helpCount, 1);
    EXPECT_TRUE(show.view.helpOfferVisible);

    EXPECT_EQ(m_exercise.helpCount(), 1);
    EXPECT_EQ(m_exercise.view(), viewIn(Stage::Helped, 560, allBoxes()));
}

TEST_F(WritingExerciseTest, HelpAtMostOncePerAttemptAndOfferedAgainAfterEveryRetry)
{
    reachHelped();
    m_exercise.requestHelp();
    EXPECT_TRUE(takeEffects().empty());
    EXPECT_EQ(m_exercise.helpCount(), 1);

    for (int expected = 2; expected <= 4; ++expected) {
        EXPECT_FALSE(m_exercise.checkAnswers(answersWith(expected, "")));
        m_exercise.retry();
        EXPECT_TRUE(m_exercise.view().helpOfferVisible);
        m_exercise.requestHelp();
        m_exercise.requestHelp();
        EXPECT_EQ(m_exercise.helpCount(), expected);
    }
}

TEST_F(WritingExerciseTest, HelpOfferNotTakenStaysUntilTheCheckAndReturnsWithTheNextRetry)
{
    reachRetrying();
    m_exercise.revealWord(4);
    EXPECT_TRUE(m_exercise.view().helpOfferVisible);
    EXPECT_FALSE(m_exercise.checkAnswers({}));
    EXPECT_FALSE(m_exercise.view().helpOfferVisible);
    m_exercise.retry();
    EXPECT_TRUE(m_exercise.view().helpOfferVisible);
    EXPECT_EQ(m_exercise.helpCount(), 0);
}

// ---------------------------------------------------------------------------------------------
// "Дальше"

TEST_F(WritingExerciseTest, FinishClosesTheWindowThenReportsSlot5AndNoHelp)
{
    reachPassed();
    m_exercise.finish();

    ASSERT_EQ(takeEffects(), (Names{"close", "markVariantPassed 5 0"}));
    // Closing only hides the window: reopened, it shows the pass as it was.
    EXPECT_EQ(m_exercise.view(), viewIn(Stage::Passed, 560, allBoxes()));
}

TEST_F(WritingExerciseTest, FinishReportsEveryHelpRequestSinceStartUp)
{
    reachHelped();
    for (int i = 0; i < 2; ++i) {
        EXPECT_FALSE(m_exercise.checkAnswers({}));
        m_exercise.retry();
        m_exercise.requestHelp();
    }
    EXPECT_TRUE(m_exercise.checkAnswers(rightAnswers()));
    m_effects.log.clear();
    m_exercise.finish();

    ASSERT_EQ(m_effects.log.size(), 2u);
    EXPECT_EQ(m_effects.log[1].what, "markVariantPassed 5 3");
    EXPECT_EQ(m_exercise.helpCount(), 3);
}

TEST_F(WritingExerciseTest, FinishIsIgnoredUntilPassed)
{
    m_exercise.finish();
    reachReady();
    m_exercise.finish();
    EXPECT_FALSE(m_exercise.checkAnswers({}));
    m_exercise.finish();
    m_exercise.retry();
    m_exercise.finish();
    m_exercise.requestHelp();
    m_effects.log.clear();
    m_exercise.finish();
    EXPECT_TRUE(takeEffects().empty());
    EXPECT_EQ(m_exercise.view(), viewIn(Stage::Helped, 560, allBoxes()));
}

TEST_F(WritingExerciseTest, WordsCanStillBeClickedAfterAPassWithoutOfferingACheck)
{
    reachPassed();
    m_exercise.revealWord(12);
    EXPECT_EQ(takeEffects(), Names{"focus 12"});
    EXPECT_EQ(m_exercise.view(), viewIn(Stage::Passed, 560, allBoxes()));
    EXPECT_EQ(m_exercise.revealCount(), 21);
}

// ---------------------------------------------------------------------------------------------
// A whole run, with the view after every step

TEST_F(WritingExerciseTest, WholeRunViewAfterEveryStep)
{
    std::set<int> boxes;
    for (int word : {3, 3, 1, 2, 5, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}) {
        m_exercise.revealWord(word);
        boxes.insert(word);
        EXPECT_EQ(m_exercise.view(), viewIn(Stage::Revealing, 327, boxes)) << word;
    }
    EXPECT_EQ(m_exercise.revealCount(), 19);
    EXPECT_FALSE(m_exercise.view().isEditVisible(19));
    EXPECT_FALSE(m_exercise.view().isEditVisible(20));

    // The twentieth click is on word 19, so the window becomes 606 wide.
    m_exercise.revealWord(19);
    boxes.insert(19);
    EXPECT_EQ(m_exercise.view(), viewIn(Stage::Ready, 606, boxes));
    m_exercise.revealWord(20);
    boxes.insert(20);
    EXPECT_EQ(m_exercise.view(), viewIn(Stage::Ready, 606, boxes));

    EXPECT_FALSE(m_exercise.checkAnswers(answersWith(1, "Ледяной")));
    EXPECT_EQ(m_exercise.view(), viewIn(Stage::Failed, 606, boxes));
    m_exercise.revealWord(1);
    EXPECT_EQ(m_exercise.view(), viewIn(Stage::Failed, 606, boxes));
    m_exercise.retry();
    EXPECT_EQ(m_exercise.view(), viewIn(Stage::Retrying, 606, boxes));
    m_exercise.requestHelp();
    EXPECT_EQ(m_exercise.view(), viewIn(Stage::Helped, 606, boxes));
    EXPECT_FALSE(m_exercise.checkAnswers(answersWith(1, "ледяной ")));
    EXPECT_EQ(m_exercise.view(), viewIn(Stage::Failed, 606, boxes));
    m_exercise.retry();
    EXPECT_EQ(m_exercise.view(), viewIn(Stage::Retrying, 606, boxes));
    EXPECT_TRUE(m_exercise.checkAnswers(rightAnswers()));
    EXPECT_EQ(m_exercise.view(), viewIn(Stage::Passed, 606, boxes));
    m_exercise.finish();
    EXPECT_EQ(m_exercise.view(), viewIn(Stage::Passed, 606, boxes));

    Names expected = {"focus 3", "focus 3", "focus 1", "focus 2", "focus 5", "focus 4"};
    for (int word = 6; word <= 19; ++word) {
        expected.push_back("focus " + std::to_string(word));
    }
    const Names tail = {"resizeAndCentre 606",
                        "focus 20",
                        "hideHelp",
                        "focus 1",
                        "showHelp",
                        "hideHelp",
                        "hideHelp",
                        "close",
                        "markVariantPassed 5 1"};
    expected.insert(expected.end(), tail.begin(), tail.end());
    EXPECT_EQ(takeEffects(), expected);
    EXPECT_EQ(m_exercise.revealCount(), 22);
    EXPECT_EQ(m_exercise.retryCount(), 2);
    EXPECT_EQ(m_exercise.helpCount(), 1);
}

// ---------------------------------------------------------------------------------------------
// Counters

TEST(WritingCounters, StopAtTheLargest32BitValue)
{
    static_assert(countedUp(0) == 1);
    static_assert(countedUp(41) == 42);
    static_assert(countedUp(INT32_MAX - 1) == INT32_MAX);
    static_assert(countedUp(INT32_MAX) == INT32_MAX);
}

} // namespace

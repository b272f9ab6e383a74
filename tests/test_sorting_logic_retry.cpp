// SPDX-License-Identifier: GPL-3.0-or-later
// The sorting exercise without its window, after the check: "Заново", "Помогите!" and "Дальше",
// with the outward effects in their exact order, a whole run compared step by step with what the
// window must show, and counting that stops at the largest value.
#include "test_sorting_logic_fixture.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>

using namespace sorting_logic_test;

// --- "Заново" ------------------------------------------------------------------------------

TEST_F(Sorting, RetryBringsBackEveryWordZeroesTheAttemptAndOffersHelp)
{
    dropRight(1);
    dropRight(2);
    dropWrong(3);
    dropWrong(4);
    dropWrong(5);
    EXPECT_FALSE(exercise.checkAnswers());
    effects.take();

    exercise.retry();
    EXPECT_EQ(effects.take(), Names{});
    // The error count keeps its last text; it is hidden until the next failing check.
    EXPECT_EQ(exercise.view(), helpOfferedView(allShown(), "3"));
    EXPECT_EQ(exercise.counters(), (SortingCounters{.retryCount = 1}));
}

TEST_F(Sorting, NextAttemptIsJudgedOnItsOwnDrops)
{
    for (int i = 0; i < 5; ++i) {
        dropWrong(6);
    }
    failAndRetry();
    placeAll();
    EXPECT_TRUE(exercise.checkAnswers());
    EXPECT_EQ(exercise.view(), passedView(87, "5")) << "the panel stays raised";
    EXPECT_EQ(
        exercise.counters(),
        (SortingCounters{.correctN = 9, .correctNN = 11, .totalCorrect = 20, .retryCount = 1}));
}

TEST_F(Sorting, RetryOnlyAfterAFailingCheck)
{
    expectIgnored([&] { exercise.retry(); }); // Placing
    failAndRetry();
    expectIgnored([&] { exercise.retry(); }); // Help offered
    placeAll();
    ASSERT_TRUE(exercise.checkAnswers());
    effects.take();
    expectIgnored([&] { exercise.retry(); }); // Passed
    EXPECT_EQ(exercise.counters().retryCount, 1);
}

TEST_F(Sorting, FailingFromHelpOfferedHidesTheRaisedPanelAndRetryRaisesItAgain)
{
    failAndRetry();
    dropRight(9);
    dropWrong(10);
    EXPECT_EQ(exercise.view(), helpOfferedView(shownExcept({9}), "0"));
    EXPECT_FALSE(exercise.checkAnswers());
    EXPECT_EQ(effects.take(), Names{"hideHelp"});
    EXPECT_EQ(exercise.view(), failedView(shownExcept({9}), "1", 87));
    exercise.retry();
    EXPECT_EQ(exercise.view(), helpOfferedView(allShown(), "1"));
    EXPECT_EQ(exercise.counters(), (SortingCounters{.retryCount = 2}));
}

// --- "Помогите!" ---------------------------------------------------------------------------

TEST_F(Sorting, NoHelpBeforeTheFirstRetry)
{
    expectIgnored([&] { exercise.requestHelp(); });
    dropWrong(1);
    expectIgnored([&] { exercise.requestHelp(); });
    EXPECT_EQ(exercise.helpCount(), 0);
}

TEST_F(Sorting, HelpIsCountedThenShownThenTheOfferMakesWayForTheInstruction)
{
    failAndRetry();
    dropRight(8);
    exercise.requestHelp();
    ASSERT_EQ(effects.effects.size(), 1u);
    const Effect &shown = effects.effects[0];
    EXPECT_EQ(shown.what, "showHelp");
    EXPECT_EQ(shown.counters.helpCount, 1) << "counted before the help window shows";
    EXPECT_EQ(shown.view, helpOfferedView(shownExcept({8}), "0")) << "the view changes after";
    effects.take();

    EXPECT_EQ(exercise.helpCount(), 1);
    EXPECT_EQ(exercise.view(), placingView(shownExcept({8}), "0"));
    EXPECT_EQ(exercise.counters(),
              (SortingCounters{.correctN = 1, .retryCount = 1, .helpCount = 1}))
        << "help leaves the attempt's drops alone";
}

TEST_F(Sorting, AtMostOneRequestForHelpInAnAttempt)
{
    failAndRetry();
    exercise.requestHelp();
    effects.take();
    expectIgnored([&] { exercise.requestHelp(); });
    EXPECT_EQ(exercise.helpCount(), 1);
}

TEST_F(Sorting, HelpIsOfferedAgainAfterEveryRetryAndNeverReset)
{
    failAndRetry();
    exercise.requestHelp();
    EXPECT_EQ(effects.take(), Names{"showHelp"});

    failAndRetry();
    EXPECT_EQ(exercise.view(), helpOfferedView(allShown(), "0")) << "offered again after use";
    EXPECT_EQ(exercise.helpCount(), 1) << "retry keeps the help count";
    exercise.requestHelp();
    EXPECT_EQ(exercise.helpCount(), 2);

    failAndRetry(); // this attempt without help
    failAndRetry();
    exercise.requestHelp();
    EXPECT_EQ(exercise.helpCount(), 3);
    EXPECT_EQ(exercise.counters().retryCount, 4);
}

TEST_F(Sorting, CheckAfterHelpHidesTheHelpWindow)
{
    failAndRetry();
    exercise.requestHelp();
    placeAll();
    effects.take();
    EXPECT_TRUE(exercise.checkAnswers());
    EXPECT_EQ(effects.take(), Names{"hideHelp"});
    EXPECT_EQ(exercise.view(), passedView(127, "0")) << "the panel is back down after help";
}

TEST_F(Sorting, CheckWhileHelpIsOfferedWithdrawsTheOffer)
{
    failAndRetry();
    placeAll();
    EXPECT_TRUE(exercise.checkAnswers());
    EXPECT_EQ(effects.take(), Names{"hideHelp"});
    EXPECT_EQ(exercise.view(), passedView(87, "0"));
    expectIgnored([&] { exercise.requestHelp(); });
}

// --- "Дальше" ------------------------------------------------------------------------------

TEST_F(Sorting, FinishClosesTheWindowThenMarksTheBoard)
{
    placeAll();
    ASSERT_TRUE(exercise.checkAnswers());
    effects.take();
    exercise.finish();
    EXPECT_EQ(effects.take(), (Names{"closeWindow", "markVariantPassed(1, 0)"}));
    EXPECT_EQ(exercise.view(), passedView(127)) << "a closed window keeps what it showed";
}

TEST_F(Sorting, FinishOnlyAfterAPass)
{
    expectIgnored([&] { exercise.finish(); }); // Placing
    EXPECT_FALSE(exercise.checkAnswers());
    effects.take();
    expectIgnored([&] { exercise.finish(); }); // Failed
    exercise.retry();
    expectIgnored([&] { exercise.finish(); }); // Help offered
}

TEST_F(Sorting, PassAfterSeveralAttemptsReportsEveryRequestForHelp)
{
    // Attempt 1: three words placed, one wrong drop.
    dropRight(1);
    dropRight(2);
    dropRight(3);
    dropWrong(4);
    EXPECT_FALSE(exercise.checkAnswers());
    EXPECT_EQ(exercise.view(), failedView(shownExcept({1, 2, 3}), "1"));

    // Attempt 2: help, then everything right but one wrong drop.
    exercise.retry();
    exercise.requestHelp();
    dropWrong(20);
    placeAll();
    EXPECT_FALSE(exercise.checkAnswers());
    EXPECT_EQ(exercise.view(), failedView(noneShown(), "1"));

    // Attempt 3: help again, nothing placed.
    exercise.retry();
    exercise.requestHelp();
    EXPECT_FALSE(exercise.checkAnswers());
    EXPECT_EQ(exercise.view(), failedView(allShown(), "0"));

    // Attempt 4: no help, all right.
    exercise.retry();
    placeAll();
    EXPECT_TRUE(exercise.checkAnswers());
    EXPECT_EQ(exercise.view(), passedView(87, "0"));

    exercise.finish();
    EXPECT_EQ(effects.take(), (Names{"hideHelp", "showHelp", "hideHelp", "showHelp", "hideHelp",
                                     "hideHelp", "closeWindow", "markVariantPassed(1, 2)"}));
    EXPECT_EQ(exercise.helpCount(), 2);
    EXPECT_EQ(exercise.counters().retryCount, 3);
}

// --- A whole run, step by step --------------------------------------------------------------

TEST_F(Sorting, WholeRunWithTheViewAfterEveryStep)
{
    EXPECT_TRUE(exercise.dropWord(2, "nn")); // "лу_ый" onto НН
    EXPECT_EQ(exercise.view(), placingView(shownExcept({2})));
    EXPECT_FALSE(exercise.dropWord(4, "nn")); // "ветре_ый" onto НН
    EXPECT_EQ(exercise.view(), placingView(shownExcept({2})));

    EXPECT_FALSE(exercise.checkAnswers());
    EXPECT_EQ(exercise.view(), failedView(shownExcept({2}), "1"));

    exercise.retry();
    EXPECT_EQ(exercise.view(), helpOfferedView(allShown(), "1"));
    EXPECT_TRUE(exercise.dropWord(20, "nn")); // "деревя_ый" onto НН
    EXPECT_EQ(exercise.view(), helpOfferedView(shownExcept({20}), "1"));

    exercise.requestHelp();
    EXPECT_EQ(exercise.view(), placingView(shownExcept({20}), "1"));

    for (int n = 1; n < kSortingWordCount; ++n) {
        dropRight(n);
    }
    EXPECT_EQ(exercise.view(), placingView(noneShown(), "1"));

    EXPECT_TRUE(exercise.checkAnswers());
    EXPECT_EQ(exercise.view(), passedView(127, "1"));

    exercise.finish();
    EXPECT_EQ(exercise.view(), passedView(127, "1"));
    EXPECT_EQ(effects.take(), (Names{"hideHelp", "showHelp", "hideHelp", "closeWindow",
                                     "markVariantPassed(1, 1)"}));
    EXPECT_EQ(
        exercise.counters(),
        (SortingCounters{
            .correctN = 9, .correctNN = 11, .totalCorrect = 20, .retryCount = 1, .helpCount = 1}));
}

// --- Counting without wrapping round --------------------------------------------------------

TEST(SortingCounting, StopsAtTheLargestValue)
{
    EXPECT_EQ(countedUp(0), 1);
    EXPECT_EQ(countedUp(INT32_MAX - 1), INT32_MAX);
    EXPECT_EQ(countedUp(INT32_MAX), INT32_MAX);

    EXPECT_EQ(saturatingSum(9, 11), 20);
    EXPECT_EQ(saturatingSum(INT32_MAX, 0), INT32_MAX);
    EXPECT_EQ(saturatingSum(INT32_MAX, 1), INT32_MAX);
    EXPECT_EQ(saturatingSum(INT32_MAX, INT32_MAX), INT32_MAX);
    EXPECT_EQ(saturatingSum(INT32_MAX - 5, 5), INT32_MAX);
    EXPECT_EQ(saturatingSum(INT32_MIN, -1), INT32_MIN);
    EXPECT_EQ(saturatingSum(INT32_MIN, INT32_MAX), -1);
}

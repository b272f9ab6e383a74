// SPDX-License-Identifier: GPL-3.0-or-later
// The sorting exercise without its window: the word table, every drop, check, retry, request for
// help and "Дальше", with the outward effects in their exact order (and what the exercise held at
// each of them) and the whole view compared after every step with what the window must show in
// each state.
#include "test_sorting_logic_fixture.h"

#include <gtest/gtest.h>

#include <string>

using namespace sorting_logic_test;

// --- The word table ------------------------------------------------------------------------

TEST(SortingWords, TheTwentyWordsInListOrderWithTheirCodes)
{
    for (int n = 1; n <= kSortingWordCount; ++n) {
        EXPECT_EQ(kSortingWords[n - 1].caption, kListed[n - 1].caption) << "word " << n;
        EXPECT_EQ(kSortingWords[n - 1].answerCode, kListed[n - 1].code) << "word " << n;
    }
}

TEST(SortingWords, CaptionsAreUtf8WithOneGap)
{
    // "ледя_ой" byte for byte: two bytes a Cyrillic letter, one for the gap.
    EXPECT_EQ(kSortingWords[0].caption, "\xD0\xBB\xD0\xB5\xD0\xB4\xD1\x8F_\xD0\xBE\xD0\xB9");
    int single = 0;
    int dbl = 0;
    for (const SortingWord &w : kSortingWords) {
        EXPECT_EQ(std::count(w.caption.begin(), w.caption.end(), '_'), 1) << w.caption;
        single += w.answerCode == "n";
        dbl += w.answerCode == "nn";
    }
    EXPECT_EQ(single, 9);
    EXPECT_EQ(dbl, 11);
}

// --- The opening state ---------------------------------------------------------------------

TEST_F(Sorting, OpensInPlacingWithEveryCounterZero)
{
    EXPECT_EQ(exercise.view(), placingView(allShown(), "--"));
    EXPECT_EQ(exercise.counters(), SortingCounters{});
    EXPECT_EQ(exercise.counters().retryCount, 0);
    EXPECT_EQ(exercise.helpCount(), 0);
    EXPECT_EQ(effects.take(), Names{});
}

// --- Drops ---------------------------------------------------------------------------------

TEST_F(Sorting, RightDropHidesJustThatWordAndCountsOnItsPicture)
{
    EXPECT_TRUE(exercise.dropWord(2, "nn")); // "лу_ый"
    EXPECT_EQ(exercise.view(), placingView(shownExcept({2})));
    EXPECT_EQ(exercise.counters(), (SortingCounters{.correctNN = 1}));

    EXPECT_TRUE(exercise.dropWord(1, "n")); // "ледя_ой"
    EXPECT_EQ(exercise.view(), placingView(shownExcept({1, 2})));
    EXPECT_EQ(exercise.counters(), (SortingCounters{.correctN = 1, .correctNN = 1}));
    EXPECT_EQ(effects.take(), Names{}) << "a drop says nothing beyond the word vanishing";
}

TEST_F(Sorting, WrongDropLeavesTheWordAndCountsOnThePictureItWasDroppedOn)
{
    EXPECT_FALSE(exercise.dropWord(1, "nn")); // "ледя_ой" onto НН
    EXPECT_EQ(exercise.counters(), (SortingCounters{.wrongNN = 1}));
    EXPECT_FALSE(exercise.dropWord(2, "n")); // "лу_ый" onto Н
    EXPECT_FALSE(exercise.dropWord(2, "n"));
    EXPECT_EQ(exercise.counters(), (SortingCounters{.wrongN = 2, .wrongNN = 1}));
    EXPECT_EQ(exercise.view(), placingView(allShown()));
    EXPECT_EQ(effects.take(), Names{});
}

TEST_F(Sorting, TheCodesAloneDecideVetrenyAndDerevyanny)
{
    EXPECT_FALSE(exercise.dropWord(4, "nn")) << "ветре_ый onto НН";
    EXPECT_FALSE(exercise.dropWord(20, "n")) << "деревя_ый onto Н";
    EXPECT_EQ(exercise.counters(), (SortingCounters{.wrongN = 1, .wrongNN = 1}));
    EXPECT_TRUE(exercise.dropWord(4, "n"));
    EXPECT_TRUE(exercise.dropWord(20, "nn"));
    EXPECT_EQ(exercise.view(), placingView(shownExcept({4, 20})));
}

TEST_F(Sorting, WordDroppedWrongTwiceThenRightVanishesButTheAttemptFails)
{
    dropWrong(3); // "орли_ый" onto НН, twice
    dropWrong(3);
    EXPECT_EQ(exercise.counters(), (SortingCounters{.wrongNN = 2}));
    EXPECT_TRUE(exercise.view().isWordVisible(3));
    dropRight(3);
    EXPECT_FALSE(exercise.view().isWordVisible(3));
    EXPECT_EQ(exercise.counters(), (SortingCounters{.correctN = 1, .wrongNN = 2}));

    for (int n = 1; n <= kSortingWordCount; ++n) {
        if (n != 3) {
            dropRight(n);
        }
    }
    EXPECT_FALSE(exercise.checkAnswers());
    EXPECT_EQ(exercise.view(), failedView(noneShown(), "2"));
}

TEST_F(Sorting, DropsLeaveTheTotalsToTheCheck)
{
    dropRight(1);
    dropWrong(2);
    EXPECT_EQ(exercise.counters().totalCorrect, 0);
    EXPECT_EQ(exercise.counters().totalWrong, 0);
}

TEST_F(Sorting, DropNotOnAPictureChangesNothing)
{
    dropRight(5);
    effects.take();
    // Codes are compared exactly: no case folding, no trimming, no other letters.
    for (const char *code : {"", "N", "NN", "Nn", "nnn", "n ", " n", "nn\n", "н", "нн", "x"}) {
        expectIgnored([&] { EXPECT_FALSE(exercise.dropWord(1, code)) << '"' << code << '"'; });
        expectIgnored([&] { EXPECT_FALSE(exercise.dropWord(2, code)) << '"' << code << '"'; });
    }
}

TEST_F(Sorting, WordNumberOutOfRangeIsIgnored)
{
    for (const int n : {0, -1, 21, 22, INT_MAX, INT_MIN}) {
        expectIgnored([&] { EXPECT_FALSE(exercise.dropWord(n, "n")) << n; });
        expectIgnored([&] { EXPECT_FALSE(exercise.dropWord(n, "nn")) << n; });
        EXPECT_FALSE(exercise.view().isWordVisible(n));
    }
}

TEST_F(Sorting, PlacedWordCannotBeCountedAgain)
{
    dropRight(1);
    // One placed word dropped twenty times must not make an attempt of twenty right drops.
    for (int i = 0; i < 19; ++i) {
        expectIgnored([&] { EXPECT_FALSE(exercise.dropWord(1, "n")); });
    }
    expectIgnored([&] { EXPECT_FALSE(exercise.dropWord(1, "nn")); });
    EXPECT_EQ(exercise.counters(), (SortingCounters{.correctN = 1}));
    EXPECT_FALSE(exercise.checkAnswers());
    EXPECT_EQ(exercise.view(), failedView(shownExcept({1}), "0"));
}

TEST_F(Sorting, NothingCanBeDroppedWhileFailedOrPassed)
{
    dropRight(7);
    EXPECT_FALSE(exercise.checkAnswers());
    effects.take();
    expectIgnored([&] { EXPECT_FALSE(exercise.dropWord(1, "n")); });
    expectIgnored([&] { EXPECT_FALSE(exercise.dropWord(2, "n")); });

    exercise.retry();
    placeAll();
    ASSERT_TRUE(exercise.checkAnswers());
    effects.take();
    for (int n = 1; n <= kSortingWordCount; ++n) {
        expectIgnored([&] { EXPECT_FALSE(exercise.dropWord(n, rightCode(n))); });
    }
}

// --- "Проверить" ---------------------------------------------------------------------------

TEST_F(Sorting, CheckBeforeAnyDropFailsWithZero)
{
    EXPECT_FALSE(exercise.checkAnswers());
    EXPECT_EQ(effects.take(), Names{"hideHelp"});
    EXPECT_EQ(exercise.view(), failedView(allShown(), "0"));
    EXPECT_EQ(exercise.counters(), SortingCounters{});
}

TEST_F(Sorting, CheckWithSomeWordsPlacedAndNoErrorFailsWithZero)
{
    dropRight(1);
    dropRight(10);
    dropRight(20);
    EXPECT_FALSE(exercise.checkAnswers());
    EXPECT_EQ(exercise.view(), failedView(shownExcept({1, 10, 20}), "0"));
    EXPECT_EQ(exercise.counters(),
              (SortingCounters{.correctN = 1, .correctNN = 2, .totalCorrect = 3}));
}

TEST_F(Sorting, TwentyRightWithThreeWrongFailsWithThree)
{
    dropWrong(4);  // onto НН
    dropWrong(12); // onto НН
    dropWrong(17); // onto Н
    placeAll();
    EXPECT_FALSE(exercise.checkAnswers());
    EXPECT_EQ(exercise.view(), failedView(noneShown(), "3")) << "the list is empty, yet it fails";
    EXPECT_EQ(exercise.counters(), (SortingCounters{.correctN = 9,
                                                    .wrongN = 1,
                                                    .correctNN = 11,
                                                    .wrongNN = 2,
                                                    .totalCorrect = 20,
                                                    .totalWrong = 3}));
}

TEST_F(Sorting, ErrorCountOfSeveralDigits)
{
    for (int i = 0; i < 12; ++i) {
        dropWrong(1 + i % 2);
    }
    EXPECT_FALSE(exercise.checkAnswers());
    EXPECT_EQ(exercise.view().errorCountText, "12");
}

TEST_F(Sorting, TwentyRightAndNoErrorPasses)
{
    placeAll();
    EXPECT_TRUE(exercise.checkAnswers());
    EXPECT_EQ(effects.take(), Names{"hideHelp"}) << "a passing check hides the help window too";
    EXPECT_EQ(exercise.view(), passedView(127));
    EXPECT_EQ(exercise.counters(),
              (SortingCounters{.correctN = 9, .correctNN = 11, .totalCorrect = 20}));
}

TEST_F(Sorting, CheckHidesTheHelpWindowBeforeItChangesAnything)
{
    dropRight(1);
    dropWrong(2);
    const SortingView before = exercise.view();
    const SortingCounters countersBefore = exercise.counters();
    EXPECT_FALSE(exercise.checkAnswers());
    ASSERT_EQ(effects.effects.size(), 1u);
    EXPECT_EQ(effects.effects[0].what, "hideHelp");
    EXPECT_EQ(effects.effects[0].view, before);
    EXPECT_EQ(effects.effects[0].counters, countersBefore) << "the totals come after";
}

TEST_F(Sorting, CheckOnlyWhileItsButtonIsShown)
{
    EXPECT_FALSE(exercise.checkAnswers());
    effects.take();
    expectIgnored([&] { EXPECT_FALSE(exercise.checkAnswers()); }); // Failed

    exercise.retry();
    placeAll();
    ASSERT_TRUE(exercise.checkAnswers());
    effects.take();
    expectIgnored([&] { EXPECT_FALSE(exercise.checkAnswers()); }); // Passed
}

// The sorting exercise without its window: the word table, every drop, check, retry, request for
// help and "Дальше", with the outward effects in their exact order (and what the exercise held at
// each of them) and the whole view compared after every step with what the window must show in
// each state.
#include "SortingExercise.h"
#include "VariantOneWords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

// Readable failure messages for the records compared below.
void PrintTo(const SortingView &v, std::ostream *os)
{
    *os << "{words ";
    for (const bool shown : v.wordVisible) {
        *os << (shown ? '1' : '0');
    }
    *os << " instruction " << v.instructionPanelVisible << " helpOffer " << v.helpOfferVisible
        << " target " << v.targetPanelVisible << "@" << v.targetPanelTop << " check "
        << v.checkButtonVisible << " retry " << v.retryButtonVisible << " next "
        << v.nextButtonVisible << " errors " << v.errorsVisible << " \"" << v.errorCountText
        << "\" praise " << v.praiseVisible << "}";
}

void PrintTo(const SortingCounters &c, std::ostream *os)
{
    *os << "{correctN " << c.correctN << " wrongN " << c.wrongN << " correctNN " << c.correctNN
        << " wrongNN " << c.wrongNN << " totalCorrect " << c.totalCorrect << " totalWrong "
        << c.totalWrong << " retryCount " << c.retryCount << " helpCount " << c.helpCount << "}";
}

namespace {

// The list as the pupil must see it (VariantOneWords.h), kept apart from the program's table so
// that a slip in either shows up.
constexpr const auto &kListed = kVariantOneWords;

const char *rightCode(int n)
{
    return kListed[n - 1].code;
}

const char *wrongCode(int n)
{
    return std::string(rightCode(n)) == "n" ? "nn" : "n";
}

using Words = std::array<bool, kSortingWordCount>;

Words allShown()
{
    Words w;
    w.fill(true);
    return w;
}

Words noneShown()
{
    Words w;
    w.fill(false);
    return w;
}

Words shownExcept(std::initializer_list<int> placed)
{
    Words w = allShown();
    for (const int n : placed) {
        w[n - 1] = false;
    }
    return w;
}

// The view of each state, field by field, as the window's visibility table has it.
SortingView placingView(const Words &words, const std::string &errorText = "--")
{
    SortingView v;
    v.wordVisible = words;
    v.instructionPanelVisible = true;
    v.helpOfferVisible = false;
    v.targetPanelVisible = true;
    v.targetPanelTop = 127;
    v.checkButtonVisible = true;
    v.retryButtonVisible = false;
    v.nextButtonVisible = false;
    v.errorsVisible = false;
    v.errorCountText = errorText;
    v.praiseVisible = false;
    return v;
}

SortingView helpOfferedView(const Words &words, const std::string &errorText)
{
    SortingView v = placingView(words, errorText);
    v.instructionPanelVisible = false;
    v.helpOfferVisible = true;
    v.targetPanelTop = 87;
    return v;
}

// The target panel is hidden but keeps its top from before the check.
SortingView failedView(const Words &words, const std::string &errorText, int top = 127)
{
    SortingView v;
    v.wordVisible = words;
    v.instructionPanelVisible = false;
    v.helpOfferVisible = false;
    v.targetPanelVisible = false;
    v.targetPanelTop = top;
    v.checkButtonVisible = false;
    v.retryButtonVisible = true;
    v.nextButtonVisible = false;
    v.errorsVisible = true;
    v.errorCountText = errorText;
    v.praiseVisible = false;
    return v;
}

SortingView passedView(int top, const std::string &errorText = "--")
{
    SortingView v;
    v.wordVisible = noneShown();
    v.instructionPanelVisible = true;
    v.helpOfferVisible = false;
    v.targetPanelVisible = true;
    v.targetPanelTop = top;
    v.checkButtonVisible = false;
    v.retryButtonVisible = false;
    v.nextButtonVisible = true;
    v.errorsVisible = false;
    v.errorCountText = errorText;
    v.praiseVisible = true;
    return v;
}

// One effect as the window received it, with what the exercise showed and counted at that
// moment, so a test can tell whether the effect came before or after the exercise's changes.
struct Effect
{
    std::string what;
    SortingView view;
    SortingCounters counters;
};

class RecordingEffects : public SortingEffects
{
public:
    void watch(const SortingExercise *exercise) { m_exercise = exercise; }

    void hideHelp() override { record("hideHelp"); }
    void showHelp() override { record("showHelp"); }
    void closeWindow() override { record("closeWindow"); }
    void markVariantPassed(int slot, std::int32_t helpCount) override
    {
        record("markVariantPassed(" + std::to_string(slot) + ", " + std::to_string(helpCount) +
               ")");
    }

    // The names of the effects since the last call, in order; forgets them.
    std::vector<std::string> take()
    {
        std::vector<std::string> names;
        for (const Effect &e : effects) {
            names.push_back(e.what);
        }
        effects.clear();
        return names;
    }

    std::vector<Effect> effects;

private:
    void record(const std::string &what)
    {
        effects.push_back({what, m_exercise->view(), m_exercise->counters()});
    }

    const SortingExercise *m_exercise = nullptr;
};

using Names = std::vector<std::string>;

class Sorting : public ::testing::Test
{
protected:
    Sorting() { effects.watch(&exercise); }

    void dropRight(int n) { EXPECT_TRUE(exercise.dropWord(n, rightCode(n))) << "word " << n; }
    void dropWrong(int n) { EXPECT_FALSE(exercise.dropWord(n, wrongCode(n))) << "word " << n; }
    void placeAll()
    {
        for (int n = 1; n <= kSortingWordCount; ++n) {
            dropRight(n);
        }
    }
    // A failing check, then "Заново"; leaves the exercise offering help.
    void failAndRetry()
    {
        EXPECT_FALSE(exercise.checkAnswers());
        exercise.retry();
        ASSERT_TRUE(exercise.view().helpOfferVisible);
        effects.take();
    }
    // Asserts that the call changed nothing and asked nothing of the window.
    template <typename Call> void expectIgnored(Call call)
    {
        const SortingView view = exercise.view();
        const SortingCounters counters = exercise.counters();
        call();
        EXPECT_EQ(exercise.view(), view);
        EXPECT_EQ(exercise.counters(), counters);
        EXPECT_EQ(effects.take(), Names{});
    }

    RecordingEffects effects;
    SortingExercise exercise{effects};
};

} // namespace

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

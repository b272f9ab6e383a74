// SPDX-License-Identifier: GPL-3.0-or-later
// The writing exercise without its window: the typed texts compared with the answers, and the
// check and "Заново" with their effects in order and the view after each.

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
// Comparison of typed texts

TEST(WritingAnswers, AllTwentyExactlyRightMatch)
{
    EXPECT_TRUE(writingAnswersMatch(rightAnswers()));
}

TEST(WritingAnswers, AnyOneWordLeftWithItsGapFails)
{
    for (int word = 1; word <= 20; ++word) {
        SCOPED_TRACE(word);
        const std::string caption(kVariantOneWords[word - 1].caption);
        EXPECT_FALSE(writingAnswersMatch(answersWith(word, caption)));
        EXPECT_FALSE(writingAnswersMatch(answersWith(word, "")));
    }
}

TEST(WritingAnswers, TextsInTheWrongOrderFail)
{
    auto texts = rightAnswers();
    std::swap(texts[0], texts[1]);
    EXPECT_FALSE(writingAnswersMatch(texts));
}

TEST(WritingAnswers, ComparisonIsExact)
{
    const std::vector<std::pair<int, std::string>> wrong = {
        {1, "Ледяной"},                    // capital first letter
        {1, "ЛЕДЯНОЙ"},                    // all capitals
        {2, "луНный"},                     // one capital Н
        {1, " ледяной"},                   // blank before
        {1, "ледяной "},                   // blank after
        {1, "ледяной\t"},                  // tab after
        {1, "ледя ной"},                   // blank inside
        {1, "ледяной\xC2\xA0"},            // no-break space after
        {1, std::string("ледяной\0", 15)}, // a NUL after: the length counts, not a terminator
        {1, "ледяно"},                     // too short
        {1, "ледяноой"},                   // too long
        {1, "ледянoй"},                    // Latin o
        {1, "лeдяной"},                    // Latin e
        {8, "кoжaный"},                    // Latin o and a
        {19, "пеcчаный"},                  // Latin c
        {10, "cонный"},                    // Latin c at the start
        {1, "ледянои\xCC\x86"},            // й written as и with a combining breve
        {4, "ветренный"},                  // нн where one н belongs
        {20, "деревяный"},                 // one н where нн belongs
        {18, "длиный"},
        {17, "безветреный"},
    };
    for (const auto &[word, text] : wrong) {
        SCOPED_TRACE("word " + std::to_string(word) + ": \"" + text + "\"");
        EXPECT_FALSE(writingAnswersMatch(answersWith(word, text)));
    }
}

TEST(WritingAnswers, AnyNumberOfTextsOtherThanTwentyFails)
{
    auto texts = rightAnswers();
    EXPECT_FALSE(writingAnswersMatch({}));
    EXPECT_FALSE(writingAnswersMatch(std::vector<std::string>(texts.begin(), texts.end() - 1)));
    texts.push_back("");
    EXPECT_FALSE(writingAnswersMatch(texts));
    texts.back() = "деревянный";
    EXPECT_FALSE(writingAnswersMatch(texts));
}

// ---------------------------------------------------------------------------------------------
// "Проверить"

TEST_F(WritingExerciseTest, PassingCheckHidesHelpWindowFirstThenPraises)
{
    reachReady();
    EXPECT_TRUE(m_exercise.checkAnswers(rightAnswers()));

    const Effect &hide = onlyEffect();
    EXPECT_EQ(hide.what, "hideHelp");
    EXPECT_EQ(hide.view, viewIn(Stage::Ready, 560, allBoxes()));
    EXPECT_EQ(m_exercise.view(), viewIn(Stage::Passed, 560, allBoxes()));
}

TEST_F(WritingExerciseTest, FailingCheckHidesHelpWindowFirstThenShowsErrorsAndRetry)
{
    reachReady();
    EXPECT_FALSE(m_exercise.checkAnswers(answersWith(20, "деревяный")));

    const Effect &hide = onlyEffect();
    EXPECT_EQ(hide.what, "hideHelp");
    EXPECT_EQ(hide.view, viewIn(Stage::Ready, 560, allBoxes()));
    EXPECT_EQ(m_exercise.view(), viewIn(Stage::Failed, 560, allBoxes()));
    EXPECT_EQ(m_exercise.retryCount(), 0);
}

TEST_F(WritingExerciseTest, WrongNumberOfTextsFailsTheCheckLikeAnyWrongAnswer)
{
    reachReady();
    auto texts = rightAnswers();
    texts.pop_back();
    EXPECT_FALSE(m_exercise.checkAnswers(texts));
    EXPECT_EQ(takeEffects(), Names{"hideHelp"});
    EXPECT_EQ(m_exercise.view(), viewIn(Stage::Failed, 560, allBoxes()));
}

TEST_F(WritingExerciseTest, CheckIsIgnoredWhileNotOffered)
{
    // Before the twentieth click.
    for (int word = 1; word <= 19; ++word) {
        m_exercise.revealWord(word);
    }
    m_effects.log.clear();
    const WritingView revealing = m_exercise.view();
    EXPECT_FALSE(m_exercise.checkAnswers(rightAnswers()));
    EXPECT_TRUE(takeEffects().empty());
    EXPECT_EQ(m_exercise.view(), revealing);
}

TEST_F(WritingExerciseTest, CheckIsIgnoredAfterAFailUntilTheRetry)
{
    reachFailed();
    EXPECT_FALSE(m_exercise.checkAnswers(rightAnswers()));
    EXPECT_TRUE(takeEffects().empty());
    EXPECT_EQ(m_exercise.view(), viewIn(Stage::Failed, 560, allBoxes()));
}

TEST_F(WritingExerciseTest, CheckIsIgnoredAfterAPass)
{
    reachPassed();
    EXPECT_FALSE(m_exercise.checkAnswers(answersWith(1, "")));
    EXPECT_TRUE(takeEffects().empty());
    EXPECT_EQ(m_exercise.view(), viewIn(Stage::Passed, 560, allBoxes()));
}

TEST_F(WritingExerciseTest, CheckWithdrawsTheHelpOfferAfterHidingTheHelpWindow)
{
    for (bool pass : {false, true}) {
        SCOPED_TRACE(pass ? "passing" : "failing");
        if (m_exercise.view().retryButtonVisible) {
            m_exercise.retry();
        } else {
            reachRetrying();
        }
        m_effects.log.clear();
        EXPECT_EQ(m_exercise.checkAnswers(pass ? rightAnswers() : answersWith(9, "журавлинный")),
                  pass);

        const Effect &hide = onlyEffect();
        EXPECT_EQ(hide.what, "hideHelp");
        EXPECT_TRUE(hide.view.helpOfferVisible);
        EXPECT_EQ(m_exercise.view(), viewIn(pass ? Stage::Passed : Stage::Failed, 560, allBoxes()));
    }
}

TEST_F(WritingExerciseTest, EveryCheckHidesTheHelpWindowAlsoAfterHelp)
{
    reachHelped();
    EXPECT_FALSE(m_exercise.checkAnswers(answersWith(13, "соломеный")));
    EXPECT_EQ(takeEffects(), Names{"hideHelp"});

    m_exercise.retry();
    m_exercise.requestHelp();
    m_effects.log.clear();
    EXPECT_TRUE(m_exercise.checkAnswers(rightAnswers()));
    EXPECT_EQ(takeEffects(), Names{"hideHelp"});
    EXPECT_EQ(m_exercise.view(), viewIn(Stage::Passed, 560, allBoxes()));
}

// ---------------------------------------------------------------------------------------------
// "Буду искать"

TEST_F(WritingExerciseTest, RetryOffersTheCheckAndHelpAndKeepsTheTeasingPicture)
{
    reachFailed();
    m_exercise.retry();

    EXPECT_TRUE(takeEffects().empty());
    EXPECT_EQ(m_exercise.retryCount(), 1);
    EXPECT_EQ(m_exercise.view(), viewIn(Stage::Retrying, 560, allBoxes()));
    EXPECT_TRUE(m_exercise.view().picturePanelVisible);
    EXPECT_TRUE(m_exercise.view().teasingPictureVisible);
    EXPECT_FALSE(m_exercise.view().smilingPictureVisible);
}

TEST_F(WritingExerciseTest, RetryIsIgnoredUnlessOffered)
{
    // Revealing, Ready, Retrying (a second press), Helped and Passed.
    m_exercise.retry();
    EXPECT_EQ(m_exercise.view(), viewIn(Stage::Revealing, 327, {}));
    reachReady();
    m_exercise.retry();
    EXPECT_EQ(m_exercise.view(), viewIn(Stage::Ready, 560, allBoxes()));
    EXPECT_FALSE(m_exercise.checkAnswers({}));
    m_exercise.retry();
    m_exercise.retry();
    EXPECT_EQ(m_exercise.view(), viewIn(Stage::Retrying, 560, allBoxes()));
    m_exercise.requestHelp();
    m_exercise.retry();
    EXPECT_EQ(m_exercise.view(), viewIn(Stage::Helped, 560, allBoxes()));
    EXPECT_TRUE(m_exercise.checkAnswers(rightAnswers()));
    m_exercise.retry();
    EXPECT_EQ(m_exercise.view(), viewIn(Stage::Passed, 560, allBoxes()));

    EXPECT_EQ(m_exercise.retryCount(), 1);
}

TEST_F(WritingExerciseTest, EveryRetryIsCounted)
{
    reachReady();
    for (int i = 1; i <= 3; ++i) {
        EXPECT_FALSE(m_exercise.checkAnswers(answersWith(i, "")));
        m_exercise.retry();
        EXPECT_EQ(m_exercise.retryCount(), i);
    }
}

} // namespace

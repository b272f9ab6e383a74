// SPDX-License-Identifier: GPL-3.0-or-later
// The writing exercise without its window: the word table, the start-up and the clicks on words,
// with the view after every step and the effects asked of the window, in order and with the view
// as it stood when each effect was asked for.
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
// The word table

TEST(WritingWords, TwentyCaptionsAndWordsInDisplayOrder)
{
    const auto &table = kVariantOneWords;
    ASSERT_EQ(kWritingWords.size(), std::size(table));
    for (std::size_t i = 0; i < std::size(table); ++i) {
        SCOPED_TRACE("word " + std::to_string(i + 1));
        EXPECT_EQ(kWritingWords[i].caption, table[i].caption);
        EXPECT_EQ(kWritingWords[i].expected, table[i].written);
    }
}

// Each caption is its word with "_" for the н or нн, and the split into single and double н is
// the one the sorting exercise uses for the same words ("ветреный" single, "деревянный" double).
TEST(WritingWords, CaptionIsTheWordWithItsNOrNnGapped)
{
    for (std::size_t i = 0; i < kWritingWords.size(); ++i) {
        SCOPED_TRACE("word " + std::to_string(i + 1));
        const std::string caption(kWritingWords[i].caption);
        const auto gap = caption.find('_');
        ASSERT_NE(gap, std::string::npos);
        EXPECT_EQ(caption.find('_', gap + 1), std::string::npos);
        const std::string letters = std::string(kVariantOneWords[i].code) == "n" ? "н" : "нн";
        EXPECT_EQ(caption.substr(0, gap) + letters + caption.substr(gap + 1),
                  kWritingWords[i].expected);
    }
}

// Only lower-case Cyrillic letters (two UTF-8 bytes each): a Latin look-alike in the table would
// make a word that nobody can type right.
TEST(WritingWords, WordsAreLowerCaseCyrillic)
{
    for (const WritingWord &word : kWritingWords) {
        const std::string_view text = word.expected;
        SCOPED_TRACE(std::string(text));
        ASSERT_EQ(text.size() % 2, 0u);
        for (std::size_t i = 0; i < text.size(); i += 2) {
            const auto lead = static_cast<unsigned char>(text[i]);
            const auto next = static_cast<unsigned char>(text[i + 1]);
            const bool aToPe = lead == 0xD0 && next >= 0xB0 && next <= 0xBF;  // а..п
            const bool erToYa = lead == 0xD1 && next >= 0x80 && next <= 0x8F; // р..я
            EXPECT_TRUE(aToPe || erToYa) << "at byte " << i;
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Start-up

TEST_F(WritingExerciseTest, StartsNarrowWithEverythingRightOfTheWordListHidden)
{
    const WritingView &v = m_exercise.view();
    EXPECT_EQ(v.windowWidth, 327);
    EXPECT_FALSE(v.promptVisible);
    for (int word = 1; word <= 20; ++word) {
        EXPECT_FALSE(v.isEditVisible(word)) << word;
    }
    EXPECT_FALSE(v.checkPanelVisible);
    EXPECT_FALSE(v.checkButtonVisible);
    EXPECT_FALSE(v.errorsVisible);
    EXPECT_FALSE(v.retryButtonVisible);
    EXPECT_FALSE(v.praiseVisible);
    EXPECT_FALSE(v.nextButtonVisible);
    EXPECT_FALSE(v.picturePanelVisible);
    EXPECT_TRUE(v.smilingPictureVisible);
    EXPECT_TRUE(v.teasingPictureVisible);
    EXPECT_FALSE(v.helpOfferVisible);
    EXPECT_EQ(v, viewIn(Stage::Revealing, 327, {}));

    EXPECT_EQ(m_exercise.revealCount(), 0);
    EXPECT_EQ(m_exercise.retryCount(), 0);
    EXPECT_EQ(m_exercise.helpCount(), 0);
    EXPECT_TRUE(takeEffects().empty());
}

TEST(WritingViewRecord, EditBoxOfAWordNumberOutsideTheListIsNeverShown)
{
    WritingView v;
    v.editVisible.fill(true);
    EXPECT_TRUE(v.isEditVisible(1));
    EXPECT_TRUE(v.isEditVisible(20));
    EXPECT_FALSE(v.isEditVisible(0));
    EXPECT_FALSE(v.isEditVisible(21));
    EXPECT_FALSE(v.isEditVisible(INT_MIN));
}

// ---------------------------------------------------------------------------------------------
// Word clicks

TEST_F(WritingExerciseTest, ClickShowsPromptAndBoxThenFocusesItThenCounts)
{
    m_exercise.revealWord(5);

    const Effect &focus = onlyEffect();
    EXPECT_EQ(focus.what, "focus 5");
    // The box is shown before it takes the focus; the click is counted after.
    EXPECT_TRUE(focus.view.promptVisible);
    EXPECT_TRUE(focus.view.isEditVisible(5));
    EXPECT_EQ(focus.revealCount, 0);

    EXPECT_EQ(m_exercise.revealCount(), 1);
    EXPECT_EQ(m_exercise.view(), viewIn(Stage::Revealing, 327, {5}));
}

TEST_F(WritingExerciseTest, ClickOnAShownBoxCountsAndMovesTheFocusThereAgain)
{
    m_exercise.revealWord(3);
    m_exercise.revealWord(8);
    m_exercise.revealWord(3);

    EXPECT_EQ(takeEffects(), (Names{"focus 3", "focus 8", "focus 3"}));
    EXPECT_EQ(m_exercise.revealCount(), 3);
    EXPECT_EQ(m_exercise.view(), viewIn(Stage::Revealing, 327, {3, 8}));
}

TEST_F(WritingExerciseTest, NineteenClicksLeaveTheCheckAreaClosed)
{
    for (int word = 1; word <= 19; ++word) {
        m_exercise.revealWord(word);
    }
    Names focuses;
    for (int word = 1; word <= 19; ++word) {
        focuses.push_back("focus " + std::to_string(word));
    }
    EXPECT_EQ(takeEffects(), focuses);

    std::set<int> boxes = allBoxes();
    boxes.erase(20);
    EXPECT_EQ(m_exercise.view(), viewIn(Stage::Revealing, 327, boxes));
}

TEST_F(WritingExerciseTest, TwentiethClickWidensAndCentresThenOffersTheCheck)
{
    for (int word = 2; word <= 20; ++word) {
        m_exercise.revealWord(word);
    }
    m_effects.log.clear();
    m_exercise.revealWord(1);

    ASSERT_EQ(m_effects.log.size(), 2u);
    const Effect &focus = m_effects.log[0];
    EXPECT_EQ(focus.what, "focus 1");
    EXPECT_EQ(focus.revealCount, 19);
    EXPECT_EQ(focus.view.windowWidth, 327);

    // The click is counted and the width taken before centring; the check comes after.
    const Effect &resize = m_effects.log[1];
    EXPECT_EQ(resize.what, "resizeAndCentre 606");
    EXPECT_EQ(resize.revealCount, 20);
    EXPECT_EQ(resize.view.windowWidth, 606);
    EXPECT_FALSE(resize.view.checkPanelVisible);
    EXPECT_FALSE(resize.view.checkButtonVisible);

    EXPECT_EQ(m_exercise.view(), viewIn(Stage::Ready, 606, allBoxes()));
}

// Which word takes the twentieth click decides the width: 560 on the last word, 606 on any
// other, whatever was clicked before.
TEST(WritingExerciseWidth, TwentiethClickOnTheLastWordGives560AnyOtherWord606)
{
    for (int last = 1; last <= 20; ++last) {
        for (int earlier : {1, 20}) {
            SCOPED_TRACE("19 clicks on word " + std::to_string(earlier) +
                         ", the twentieth on word " + std::to_string(last));
            RecordingEffects effects;
            WritingExercise exercise(effects);
            effects.exercise = &exercise;
            for (int i = 0; i < 19; ++i) {
                exercise.revealWord(earlier);
            }
            effects.log.clear();
            exercise.revealWord(last);

            const int width = last == 20 ? 560 : 606;
            ASSERT_EQ(effects.log.size(), 2u);
            EXPECT_EQ(effects.log[0].what, "focus " + std::to_string(last));
            EXPECT_EQ(effects.log[1].what, "resizeAndCentre " + std::to_string(width));
            EXPECT_EQ(exercise.view(), viewIn(Stage::Ready, width, {earlier, last}));
        }
    }
}

TEST_F(WritingExerciseTest, LaterClicksNeverResizeOrCentreAgain)
{
    reachReady();
    for (int round = 0; round < 3; ++round) {
        for (int word : {20, 1, 7}) {
            m_exercise.revealWord(word);
        }
    }
    EXPECT_EQ(takeEffects(), (Names{"focus 20", "focus 1", "focus 7", "focus 20", "focus 1",
                                    "focus 7", "focus 20", "focus 1", "focus 7"}));
    EXPECT_EQ(m_exercise.revealCount(), 29);
    EXPECT_EQ(m_exercise.view(), viewIn(Stage::Ready, 560, allBoxes()));
}

TEST_F(WritingExerciseTest, WordNumbersOutsideTheListAreIgnored)
{
    for (int word = 1; word <= 19; ++word) {
        m_exercise.revealWord(word);
    }
    const WritingView before = m_exercise.view();
    m_effects.log.clear();

    for (int word : {0, -1, 21, 100, INT_MIN, INT_MAX}) {
        m_exercise.revealWord(word);
    }
    EXPECT_TRUE(takeEffects().empty());
    EXPECT_EQ(m_exercise.view(), before);
    EXPECT_EQ(m_exercise.revealCount(), 19);

    // They did not count toward the twenty either: the next real click is the twentieth.
    m_exercise.revealWord(20);
    EXPECT_EQ(takeEffects(), (Names{"focus 20", "resizeAndCentre 560"}));
}

TEST_F(WritingExerciseTest, TwentyClicksOnOneWordOfferACheckThatFails)
{
    for (int i = 0; i < 20; ++i) {
        m_exercise.revealWord(7);
    }
    EXPECT_EQ(m_exercise.view(), viewIn(Stage::Ready, 606, {7}));

    // Only the one box could be typed in; the other nineteen texts are empty.
    std::vector<std::string> texts(20);
    texts[6] = "глиняный";
    EXPECT_FALSE(m_exercise.checkAnswers(texts));
    EXPECT_EQ(m_exercise.view(), viewIn(Stage::Failed, 606, {7}));

    // The other words can still be revealed, without any further resizing.
    m_effects.log.clear();
    m_exercise.revealWord(1);
    m_exercise.revealWord(20);
    EXPECT_EQ(takeEffects(), (Names{"focus 1", "focus 20"}));
    EXPECT_EQ(m_exercise.view(), viewIn(Stage::Failed, 606, {1, 7, 20}));
}

} // namespace

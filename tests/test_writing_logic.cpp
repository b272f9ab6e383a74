// The writing exercise without its window: the word table, the view after every step, the
// counters, and the effects asked of the window, in order and with the view as it stood when each
// effect was asked for.

#include "VariantOneWords.h"
#include "WritingExercise.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace {

// One effect as the window received it, with the state of the exercise at that moment.
struct Effect
{
    std::string what;
    WritingView view;
    std::int32_t revealCount = 0;
    std::int32_t retryCount = 0;
    std::int32_t helpCount = 0;
};

class RecordingEffects : public WritingEffects
{
public:
    void focusEditBox(int word) override { record("focus " + std::to_string(word)); }
    void resizeAndCentre(int outerWidth) override
    {
        record("resizeAndCentre " + std::to_string(outerWidth));
    }
    void showHelp() override { record("showHelp"); }
    void hideHelp() override { record("hideHelp"); }
    void closeWindow() override { record("close"); }
    void markVariantPassed(int slot, std::int32_t helpCount) override
    {
        record("markVariantPassed " + std::to_string(slot) + " " + std::to_string(helpCount));
    }

    const WritingExercise *exercise = nullptr;
    std::vector<Effect> log;

private:
    void record(std::string what)
    {
        log.push_back({std::move(what), exercise->view(), exercise->revealCount(),
                       exercise->retryCount(), exercise->helpCount()});
    }
};

using Names = std::vector<std::string>;

// The states of the exercise, named after what the check area shows.
enum class Stage { Revealing, Ready, Failed, Retrying, Helped, Passed };

// What the window shows in a stage, written state by state from what the pupil sees (not from
// the operations), with the given width and the edit boxes of the words clicked so far.
WritingView viewIn(Stage stage, int width, const std::set<int> &boxes)
{
    WritingView v;
    v.windowWidth = width;
    v.promptVisible = !boxes.empty();
    v.editVisible.fill(false);
    for (int word : boxes) {
        v.editVisible.at(word - 1) = true;
    }
    v.checkPanelVisible = stage != Stage::Revealing;
    v.checkButtonVisible =
        stage == Stage::Ready || stage == Stage::Retrying || stage == Stage::Helped;
    v.errorsVisible = stage == Stage::Failed;
    v.retryButtonVisible = stage == Stage::Failed;
    v.praiseVisible = stage == Stage::Passed;
    v.nextButtonVisible = stage == Stage::Passed;
    v.picturePanelVisible = stage != Stage::Revealing && stage != Stage::Ready;
    // Before the first check both pictures keep their start values inside the hidden panel.
    v.smilingPictureVisible = !v.picturePanelVisible || stage == Stage::Passed;
    v.teasingPictureVisible = !v.picturePanelVisible || stage != Stage::Passed;
    v.helpOfferVisible = stage == Stage::Retrying;
    return v;
}

std::set<int> allBoxes()
{
    std::set<int> boxes;
    for (int word = 1; word <= 20; ++word) {
        boxes.insert(word);
    }
    return boxes;
}

std::vector<std::string> rightAnswers()
{
    std::vector<std::string> texts;
    for (const VariantOneWord &word : kVariantOneWords) {
        texts.emplace_back(word.written);
    }
    return texts;
}

// The right answers with the text of one word (1 to 20) replaced.
std::vector<std::string> answersWith(int word, std::string text)
{
    auto texts = rightAnswers();
    texts.at(word - 1) = std::move(text);
    return texts;
}

class WritingExerciseTest : public ::testing::Test
{
protected:
    WritingExerciseTest() { m_effects.exercise = &m_exercise; }

    // The effects asked for since the last call, by name.
    Names takeEffects()
    {
        Names names;
        for (const Effect &e : m_effects.log) {
            names.push_back(e.what);
        }
        m_effects.log.clear();
        return names;
    }

    const Effect &onlyEffect() const
    {
        EXPECT_EQ(m_effects.log.size(), 1u);
        return m_effects.log.front();
    }

    // Clicks every word once, top to bottom: the twentieth click falls on the last word.
    void revealAll()
    {
        for (int word = 1; word <= 20; ++word) {
            m_exercise.revealWord(word);
        }
    }

    void reachReady()
    {
        revealAll();
        m_effects.log.clear();
    }
    void reachFailed()
    {
        reachReady();
        ASSERT_FALSE(m_exercise.checkAnswers(answersWith(4, "ветренный")));
        m_effects.log.clear();
    }
    void reachRetrying()
    {
        reachFailed();
        m_exercise.retry();
        m_effects.log.clear();
    }
    void reachHelped()
    {
        reachRetrying();
        m_exercise.requestHelp();
        m_effects.log.clear();
    }
    void reachPassed()
    {
        reachReady();
        ASSERT_TRUE(m_exercise.checkAnswers(rightAnswers()));
        m_effects.log.clear();
    }

    RecordingEffects m_effects;
    WritingExercise m_exercise{m_effects};
};

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

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The writing exercise on its own with a recorder of its effects: the view each stage must show,
// the right answers, and the WritingExerciseTest fixture.
#include "VariantOneWords.h"
#include "WritingExercise.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace writing_logic_test {

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
inline WritingView viewIn(Stage stage, int width, const std::set<int> &boxes)
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

inline std::set<int> allBoxes()
{
    std::set<int> boxes;
    for (int word = 1; word <= 20; ++word) {
        boxes.insert(word);
    }
    return boxes;
}

inline std::vector<std::string> rightAnswers()
{
    std::vector<std::string> texts;
    for (const VariantOneWord &word : kVariantOneWords) {
        texts.emplace_back(word.written);
    }
    return texts;
}

// The right answers with the text of one word (1 to 20) replaced.
inline std::vector<std::string> answersWith(int word, std::string text)
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

} // namespace writing_logic_test

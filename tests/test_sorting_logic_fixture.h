// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sorting exercise on its own with a recorder of its effects: the word codes, the view each
// state must show, readable failure messages, and the Sorting fixture.
#include "SortingExercise.h"
#include "VariantOneWords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

// Readable failure messages for the records compared below.
inline void PrintTo(const SortingView &v, std::ostream *os)
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

inline void PrintTo(const SortingCounters &c, std::ostream *os)
{
    *os << "{correctN " << c.correctN << " wrongN " << c.wrongN << " correctNN " << c.correctNN
        << " wrongNN " << c.wrongNN << " totalCorrect " << c.totalCorrect << " totalWrong "
        << c.totalWrong << " retryCount " << c.retryCount << " helpCount " << c.helpCount << "}";
}

namespace sorting_logic_test {

// The list as the pupil must see it (VariantOneWords.h), kept apart from the program's table so
// that a slip in either shows up.
inline constexpr const auto &kListed = kVariantOneWords;

inline const char *rightCode(int n)
{
    return kListed[n - 1].code;
}

inline const char *wrongCode(int n)
{
    return std::string(rightCode(n)) == "n" ? "nn" : "n";
}

using Words = std::array<bool, kSortingWordCount>;

inline Words allShown()
{
    Words w;
    w.fill(true);
    return w;
}

inline Words noneShown()
{
    Words w;
    w.fill(false);
    return w;
}

inline Words shownExcept(std::initializer_list<int> placed)
{
    Words w = allShown();
    for (const int n : placed) {
        w[n - 1] = false;
    }
    return w;
}

// The view of each state, field by field, as the window's visibility table has it.
inline SortingView placingView(const Words &words, const std::string &errorText = "--")
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

inline SortingView helpOfferedView(const Words &words, const std::string &errorText)
{
    SortingView v = placingView(words, errorText);
    v.instructionPanelVisible = false;
    v.helpOfferVisible = true;
    v.targetPanelTop = 87;
    return v;
}

// The target panel is hidden but keeps its top from before the check.
inline SortingView failedView(const Words &words, const std::string &errorText, int top = 127)
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

inline SortingView passedView(int top, const std::string &errorText = "--")
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

} // namespace sorting_logic_test

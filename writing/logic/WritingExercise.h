// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Counters.h"
#include "WordList.h"
#include "WritingEffects.h"
#include "WritingView.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The twenty words in display order (WordList.h), word k at index k - 1: its expected word alone
// decides what is right.
using WritingWord = ExerciseWord;
inline constexpr const auto &kWritingWords = kExerciseWords;

// The writing exercise, "Вариант 1-1", without widgets: the pupil clicks each gapped word, types
// it out in an edit box, and after twenty clicks checks all twenty at once. A failed check can be
// retried; from the first retry on, help is offered and every request for it is counted; leaving
// a passed exercise reports the help count to the variant board.
//
// It keeps three counters and the view; the typed texts stay in the window's edit boxes, and it
// never changes them. Nothing is ever reset. Counters stop at the largest 32-bit value instead of
// overflowing.
//
// The window calls a button's operation only while that button is shown; a call at any other
// time is ignored (no change, no effect), so a stray call can neither count a press that was not
// offered nor report a variant that was not passed.
class WritingExercise
{
public:
    static constexpr int kWordCount = WritingView::kWordCount;
    // Outer widths once every word has been clicked: the right-hand area comes into view. The
    // window is narrower when the twentieth click falls on the last word.
    static constexpr int kWideWidth = 606;
    static constexpr int kWideWidthAfterLastWord = 560;
    // The variant board's slot of the built-in writing exercise, "Вариант 1-1".
    static constexpr int kVariantSlot = 5;

    // The exercise of `words` (those of "Вариант 1-1" unless a teacher's list is given), in the
    // board's `slot`. The effects and the words must outlive the exercise.
    explicit WritingExercise(WritingEffects &effects, const ExerciseWords &words = kWritingWords,
                             int slot = kVariantSlot);
    WritingExercise(const WritingExercise &) = delete;
    WritingExercise &operator=(const WritingExercise &) = delete;

    // A click on word (1 to 20): shows and focuses its edit box and counts the click; the
    // twentieth click widens and centres the window and offers the check. Any other word number
    // is ignored.
    void revealWord(int word);

    // "Проверить", with the texts of Edit1 to Edit20 in word order (an edit box never shown gives
    // an empty text). Hides the help window, compares every text exactly with its expected word
    // and shows the result. True if all twenty are equal. Any number of texts other than twenty
    // fails the check. Ignored (false) while "Проверить" is not shown.
    bool checkAnswers(std::span<const std::string> texts);

    // "Буду искать": counts the retry, offers the check again and offers help. Ignored while
    // "Буду искать" is not shown.
    void retry();

    // "Помогите!": counts the request, shows the help window and withdraws the offer. Ignored
    // while the help offer is not shown.
    void requestHelp();

    // "Дальше": closes the window and reports the pass with the help count to the board. Ignored
    // while "Дальше" is not shown.
    void finish();

    const WritingView &view() const { return m_view; }
    // Clicks on words since start-up, repeated clicks on the same word included.
    std::int32_t revealCount() const { return m_revealCount; }
    // Presses of "Буду искать" since start-up.
    std::int32_t retryCount() const { return m_retryCount; }
    // Presses of "Помогите!" since start-up: the count the board shows for this variant.
    std::int32_t helpCount() const { return m_helpCount; }

private:
    // Whether a button of the check panel can be pressed: its own flag and the panel's are set.
    bool shownInCheckPanel(bool buttonVisible) const;

    WritingEffects &m_effects;
    const ExerciseWords &m_words;
    int m_slot;
    WritingView m_view;
    std::int32_t m_revealCount = 0;
    std::int32_t m_retryCount = 0;
    std::int32_t m_helpCount = 0;
};

// Whether every typed text equals the expected word of its word in `words` exactly: byte for
// byte in UTF-8, which for valid texts means the same characters in the same number, case
// significant and nothing trimmed. Stops at the first text that differs. False unless there are
// exactly twenty.
bool writingAnswersMatch(std::span<const std::string> texts,
                         const ExerciseWords &words = kWritingWords);

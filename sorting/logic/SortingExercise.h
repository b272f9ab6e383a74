// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Counters.h"
#include "SortingEffects.h"
#include "SortingView.h"
#include "WordList.h"

#include <array>
#include <cstdint>
#include <string_view>

// The twenty words in list order (WordList.h): kSortingWords[n - 1] is word n, and its answer
// code alone decides what is right.
using SortingWord = ExerciseWord;
inline constexpr const auto &kSortingWords = kExerciseWords;

// The board slot of the built-in sorting exercise, "Вариант 1".
inline constexpr int kSortingVariantSlot = 1;

// The scoring counters. All start at 0 with the program. The first four count the drops of the
// current attempt, by picture; the totals are formed by each check and hold its values until the
// next one; "Заново" zeroes all six. retryCount and helpCount are never reset. All stop at
// their limits (Counters.h).
struct SortingCounters
{
    std::int32_t correctN = 0;  // right drops onto the single-н picture
    std::int32_t wrongN = 0;    // wrong drops onto the single-н picture
    std::int32_t correctNN = 0; // right drops onto the double-нн picture
    std::int32_t wrongNN = 0;   // wrong drops onto the double-нн picture
    std::int32_t totalCorrect = 0;
    std::int32_t totalWrong = 0; // the number shown after "Ошибок:"
    std::int32_t retryCount = 0; // presses of "Заново"
    std::int32_t helpCount = 0; // presses of "Помогите!", reported to the board by "Дальше"

    friend bool operator==(const SortingCounters &, const SortingCounters &) = default;
};

// The sorting exercise, "Вариант 1", without widgets: the pupil drags each word onto the
// single-н or the double-нн picture, and an attempt passes only if all twenty went onto their
// right pictures without a single wrong drop. The window turns drops and button presses into
// the operations below and renders view() after each; outward effects go through the
// SortingEffects given at construction, which must outlive the exercise, as must its words.
//
// Each operation acts only in the state where its control is shown (the window offers it in no
// other); called at any other time it does nothing at all, so a stray call can neither count a
// word twice nor report a pass that did not happen.
class SortingExercise
{
public:
    // The exercise of `words` (those of "Вариант 1" unless a teacher's list is given), in the
    // board's `slot`.
    explicit SortingExercise(SortingEffects &effects, const ExerciseWords &words = kSortingWords,
                             int slot = kSortingVariantSlot);
    SortingExercise(const SortingExercise &) = delete;
    SortingExercise &operator=(const SortingExercise &) = delete;

    // Word n (1 to 20) was dropped onto the picture with this answer code. Returns true for a
    // right drop, which hides the word; a wrong drop leaves the word in the list and counts an
    // error on the picture it was dropped on. Ignored, with false: a word number out of range,
    // a word not shown, a code that is neither picture's, and any drop while the target panel
    // is hidden.
    bool dropWord(int n, std::string_view pictureCode);

    // "Проверить": hides the help window first, then judges the attempt. Returns whether it
    // passed; false, with nothing done, while "Проверить" is hidden.
    bool checkAnswers();

    // "Заново": starts a new attempt with all twenty words and offers help. Only after a failed
    // check.
    void retry();

    // "Помогите!": counts the request and shows the help window. Only while help is offered.
    void requestHelp();

    // "Дальше": closes the window, then reports the pass and the help count to the board. Only
    // after a passing check.
    void finish();

    const SortingView &view() const { return m_view; }
    std::int32_t helpCount() const { return m_counters.helpCount; }
    const SortingCounters &counters() const { return m_counters; }

private:
    SortingEffects &m_effects;
    const ExerciseWords &m_words;
    int m_slot;
    SortingView m_view;
    SortingCounters m_counters;
};

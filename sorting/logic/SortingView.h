// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WordList.h"

#include <array>
#include <cstddef>
#include <string>

// The number of words of the sorting exercise, and of the word labels that show them.
inline constexpr int kSortingWordCount = kExerciseWordCount;

// The two places of the target panel's top edge: low while the instruction panel stands above
// it, raised while the help panel needs the room below it.
inline constexpr int kTargetPanelTopLow = 127;
inline constexpr int kTargetPanelTopRaised = 87;

// Every word of the list shown, as at the start of each attempt.
constexpr std::array<bool, kSortingWordCount> allSortingWordsShown()
{
    std::array<bool, kSortingWordCount> flags{};
    flags.fill(true);
    return flags;
}

// What the sorting window shows. Every flag is true for shown, false for hidden; the window
// renders the whole record after each operation of SortingExercise. The word list and the check
// panel are always shown and have no flag. The default values are those of the opening layout.
struct SortingView
{
    // The word labels; wordVisible[n - 1] is word n. A word is hidden once placed rightly.
    std::array<bool, kSortingWordCount> wordVisible = allSortingWordsShown();
    // The instruction panel with "Перетащи      слова.".
    bool instructionPanelVisible = true;
    // The help offer: the help panel with "Помогите!" and the advice panel, together.
    bool helpOfferVisible = false;
    // The target panel with both pictures, and its top edge in the window's client area.
    bool targetPanelVisible = true;
    int targetPanelTop = kTargetPanelTopLow;
    // "Проверить", "Заново" and "Дальше".
    bool checkButtonVisible = true;
    bool retryButtonVisible = false;
    bool nextButtonVisible = false;
    // "Ошибок:" and the error count beside it, together, and the text of the count. The first
    // failed check writes the count, so the opening "--" is never seen.
    bool errorsVisible = false;
    std::string errorCountText = "--";
    // "Ура-а-а !".
    bool praiseVisible = false;

    // Whether word n (1 to 20) is shown; false for any other number.
    bool isWordVisible(int n) const
    {
        return n >= 1 && n <= kSortingWordCount && wordVisible[static_cast<std::size_t>(n - 1)];
    }

    friend bool operator==(const SortingView &, const SortingView &) = default;
};

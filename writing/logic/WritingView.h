// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WordList.h"

#include <array>
#include <string_view>

// What the writing exercise window shows. Every flag is true for shown and false for hidden; the
// initial values are those at start-up. WritingExercise keeps this record and the window renders
// all of it after each operation. A control inside a hidden panel stays unseen whatever its own
// flag says, so the two picture flags start true although nothing shows them yet: every check
// sets both before the picture panel appears.
struct WritingView
{
    static constexpr int kWordCount = kExerciseWordCount;
    // The outer width the window starts with: the word list only.
    static constexpr int kNarrowWidth = 327;

    // Outer width of the window in pixels (the height never changes).
    int windowWidth = kNarrowWidth;
    // The prompt "Напиши его." (Label2).
    bool promptVisible = false;
    // The edit boxes Edit1 to Edit20: the box of word k is at index k - 1.
    std::array<bool, kWordCount> editVisible{};
    // The check panel (Panel4), which holds the two result labels and the three buttons below.
    bool checkPanelVisible = false;
    // "Проверить" (sButton1).
    bool checkButtonVisible = false;
    // The label "Есть ошибки." (Label24).
    bool errorsVisible = false;
    // "Буду искать" (sButton3).
    bool retryButtonVisible = false;
    // The label "Отлично!" (Label23).
    bool praiseVisible = false;
    // "Дальше" (sButton2).
    bool nextButtonVisible = false;
    // The picture panel (Panel2).
    bool picturePanelVisible = false;
    // The smiling picture (Image1), inside the picture panel.
    bool smilingPictureVisible = true;
    // The teasing picture (Image2), inside the picture panel.
    bool teasingPictureVisible = true;
    // The help offer: the help panel (Panel1, "Помогите!") and the advice panel (Panel5).
    bool helpOfferVisible = false;

    // Whether the edit box of word (1 to 20) is shown; false for any other number.
    bool isEditVisible(int word) const
    {
        return word >= 1 && word <= kWordCount && editVisible[word - 1];
    }

    friend bool operator==(const WritingView &, const WritingView &) = default;
};

// The texts that a check writes into its result labels. They equal the labels' own texts, so
// the window may set them once; they are here so that the window and the check agree on them.
inline constexpr std::string_view kWritingPraiseText = "Отлично!";
inline constexpr std::string_view kWritingErrorsText = "Есть ошибки.";

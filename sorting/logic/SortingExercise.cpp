// SPDX-License-Identifier: GPL-3.0-or-later
#include "SortingExercise.h"

#include <cstddef>
#include <string>

SortingExercise::SortingExercise(SortingEffects &effects, const ExerciseWords &words, int slot)
    : m_effects(effects), m_words(words), m_slot(slot)
{
}

bool SortingExercise::dropWord(int n, std::string_view pictureCode)
{
    // A word placed rightly is hidden and cannot be dragged; were its drop counted again, one
    // word dropped twenty times would pass the attempt. While the target panel is hidden there is
    // no picture to drop on.
    if (!m_view.targetPanelVisible || !m_view.isWordVisible(n)) {
        return false;
    }
    const bool singleN = pictureCode == kSingleNCode;
    if (!singleN && pictureCode != kDoubleNCode) {
        // Not one of the two pictures: the drag ended elsewhere and changes nothing.
        return false;
    }

    // Exact comparison of the codes: same length, same characters.
    const auto index = static_cast<std::size_t>(n - 1);
    if (pictureCode == m_words[index].answerCode) {
        m_view.wordVisible[index] = false;
        std::int32_t &right = singleN ? m_counters.correctN : m_counters.correctNN;
        right = countedUp(right);
        return true;
    }
    // The error counts on the picture the word was dropped on; the word stays in the list.
    std::int32_t &wrong = singleN ? m_counters.wrongN : m_counters.wrongNN;
    wrong = countedUp(wrong);
    return false;
}

bool SortingExercise::checkAnswers()
{
    if (!m_view.checkButtonVisible) {
        return false;
    }
    // The help window is shared with the writing exercise; every check hides it first, whether
    // or not it is showing.
    m_effects.hideHelp();

    m_counters.totalCorrect = saturatingSum(m_counters.correctN, m_counters.correctNN);
    m_counters.totalWrong = saturatingSum(m_counters.wrongN, m_counters.wrongNN);

    m_view.helpOfferVisible = false;
    m_view.instructionPanelVisible = true;

    // Words still in the list count as nothing: a pass needs every word placed rightly and not
    // one wrong drop in the attempt.
    const bool passed = m_counters.totalCorrect == kSortingWordCount && m_counters.totalWrong == 0;
    if (passed) {
        // The target panel stays where it is and stays shown.
        m_view.checkButtonVisible = false;
        m_view.nextButtonVisible = true;
        m_view.praiseVisible = true;
    } else {
        // Only the check panel is left on the right, with the number of wrong drops; with the
        // target panel hidden nothing can be dropped until "Заново".
        m_view.errorsVisible = true;
        m_view.errorCountText = std::to_string(m_counters.totalWrong);
        m_view.checkButtonVisible = false;
        m_view.retryButtonVisible = true;
        m_view.targetPanelVisible = false;
        m_view.instructionPanelVisible = false;
    }
    return passed;
}

void SortingExercise::retry()
{
    if (!m_view.retryButtonVisible) {
        return;
    }
    m_view.targetPanelVisible = true;
    m_counters.retryCount = countedUp(m_counters.retryCount);

    // A new attempt is judged on its own drops only; the help count is kept for the board.
    m_counters.totalWrong = 0;
    m_counters.wrongN = 0;
    m_counters.wrongNN = 0;
    m_counters.totalCorrect = 0;
    m_counters.correctN = 0;
    m_counters.correctNN = 0;

    m_view.retryButtonVisible = false;
    m_view.checkButtonVisible = true;
    m_view.errorsVisible = false;

    // Every word is back in the list, also those placed rightly before.
    m_view.wordVisible = allSortingWordsShown();

    // A retry offers help; the target panel moves up to make room for the help panel below it.
    m_view.targetPanelTop = kTargetPanelTopRaised;
    m_view.helpOfferVisible = true;
}

void SortingExercise::requestHelp()
{
    // The offer is hidden by its own press, so one attempt has at most one request.
    if (!m_view.helpOfferVisible) {
        return;
    }
    m_counters.helpCount = countedUp(m_counters.helpCount);
    m_effects.showHelp();

    // The instruction panel takes the advice panel's place again, and the target panel moves
    // back down now that the help panel is gone.
    m_view.instructionPanelVisible = true;
    m_view.helpOfferVisible = false;
    m_view.targetPanelTop = kTargetPanelTopLow;
}

void SortingExercise::finish()
{
    if (!m_view.nextButtonVisible) {
        return;
    }
    // The window goes first, then the board learns of the pass.
    m_effects.closeWindow();
    m_effects.markVariantPassed(m_slot, m_counters.helpCount);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "WritingExercise.h"

#include <cstddef>

bool writingAnswersMatch(std::span<const std::string> texts, const ExerciseWords &words)
{
    // A missing or surplus text cannot be paired with its word, so the answers cannot be right.
    if (texts.size() != words.size()) {
        return false;
    }
    for (std::size_t i = 0; i < words.size(); ++i) {
        // std::string_view equality compares the lengths and then every byte.
        if (std::string_view(texts[i]) != words[i].expected) {
            return false;
        }
    }
    return true;
}

WritingExercise::WritingExercise(WritingEffects &effects, const ExerciseWords &words, int slot)
    : m_effects(effects), m_words(words), m_slot(slot)
{
}

bool WritingExercise::shownInCheckPanel(bool buttonVisible) const
{
    return m_view.checkPanelVisible && buttonVisible;
}

void WritingExercise::revealWord(int word)
{
    if (word < 1 || word > kWordCount) {
        return;
    }
    m_view.promptVisible = true;
    // Also for a box already shown: the click moves the focus there and keeps its text.
    m_view.editVisible[word - 1] = true;
    m_effects.focusEditBox(word);
    m_revealCount = countedUp(m_revealCount);

    // Only the twentieth click since start-up opens the check area; later clicks never widen or
    // centre the window again.
    if (m_revealCount == kWordCount) {
        m_view.windowWidth = word == kWordCount ? kWideWidthAfterLastWord : kWideWidth;
        m_effects.resizeAndCentre(m_view.windowWidth);
        m_view.checkPanelVisible = true;
        m_view.checkButtonVisible = true;
    }
}

bool WritingExercise::checkAnswers(std::span<const std::string> texts)
{
    if (!shownInCheckPanel(m_view.checkButtonVisible)) {
        return false;
    }
    // Every check closes the rule card, whichever exercise opened it.
    m_effects.hideHelp();
    m_view.helpOfferVisible = false;

    const bool passed = writingAnswersMatch(texts, m_words);
    if (passed) {
        m_view.picturePanelVisible = true;
        m_view.teasingPictureVisible = false;
        m_view.smilingPictureVisible = true;
        m_view.checkButtonVisible = false;
        m_view.nextButtonVisible = true;
        m_view.praiseVisible = true;
    } else {
        // Says only that something is wrong, not which or how many words.
        m_view.checkButtonVisible = false;
        m_view.picturePanelVisible = true;
        m_view.smilingPictureVisible = false;
        m_view.teasingPictureVisible = true;
        m_view.errorsVisible = true;
        m_view.retryButtonVisible = true;
    }
    return passed;
}

void WritingExercise::retry()
{
    if (!shownInCheckPanel(m_view.retryButtonVisible)) {
        return;
    }
    m_retryCount = countedUp(m_retryCount);
    m_view.retryButtonVisible = false;
    m_view.checkButtonVisible = true;
    m_view.errorsVisible = false;
    // A retry offers help. The teasing picture stays until the next check.
    m_view.helpOfferVisible = true;
}

void WritingExercise::requestHelp()
{
    if (!m_view.helpOfferVisible) {
        return;
    }
    // Counted even when the help window is already open.
    m_helpCount = countedUp(m_helpCount);
    m_effects.showHelp();
    m_view.helpOfferVisible = false;
}

void WritingExercise::finish()
{
    if (!shownInCheckPanel(m_view.nextButtonVisible)) {
        return;
    }
    m_effects.closeWindow();
    m_effects.markVariantPassed(m_slot, m_helpCount);
}

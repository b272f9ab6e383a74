// SPDX-License-Identifier: GPL-3.0-or-later
// Picking a word and dropping it without a drag, as the window asks it of SortingPick: the keyboard
// cursor over the shown words, the pick, the chosen picture, and the drops it hands to the
// exercise, checked against a real SortingExercise so that what vanishes and what counts is what
// a drag would have done.
#include "SortingExercise.h"
#include "SortingPick.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Move = SortingPick::Move;
using Picture = SortingPick::Picture;

class NoEffects : public SortingEffects
{
    void hideHelp() override {}
    void showHelp() override {}
    void closeWindow() override {}
    void markVariantPassed(int, std::int32_t) override {}
};

SortingView withShown(std::initializer_list<int> shown)
{
    SortingView view;
    view.wordVisible.fill(false);
    for (int n : shown) {
        view.wordVisible[static_cast<std::size_t>(n - 1)] = true;
    }
    return view;
}

TEST(SortingPick, TheCursorStaysOnShownWordsAndStopsAtTheEnds)
{
    const SortingView view = withShown({3, 7, 19});
    SortingPick pick;
    pick.settle(view);
    EXPECT_EQ(pick.focusedWord(), 3) << "the first shown word below word 1";
    EXPECT_FALSE(pick.moveFocus(view, Move::Previous)) << "nothing above word 3";
    EXPECT_TRUE(pick.moveFocus(view, Move::Next));
    EXPECT_EQ(pick.focusedWord(), 7) << "hidden words 4 to 6 are skipped";
    EXPECT_TRUE(pick.moveFocus(view, Move::Last));
    EXPECT_EQ(pick.focusedWord(), 19);
    EXPECT_FALSE(pick.moveFocus(view, Move::Next));
    EXPECT_FALSE(pick.moveFocus(view, Move::Last)) << "already there";
    EXPECT_TRUE(pick.moveFocus(view, Move::First));
    EXPECT_EQ(pick.focusedWord(), 3);

    // The word under the cursor goes: the next one below takes it, or the one above at the end.
    pick.moveFocus(view, Move::Last);
    pick.settle(withShown({3, 7}));
    EXPECT_EQ(pick.focusedWord(), 7);
    // An empty list keeps the place for the words that come back.
    pick.settle(withShown({}));
    EXPECT_EQ(pick.focusedWord(), 7);
    EXPECT_FALSE(pick.moveFocus(withShown({}), Move::First));
    pick.settle(SortingView{});
    EXPECT_EQ(pick.focusedWord(), 7);
}

TEST(SortingPick, APictureIsChosenOnlyForAPickedWordAndOnlyWhilePicturesAreShown)
{
    SortingView view;
    SortingPick pick;
    EXPECT_FALSE(pick.choose(view, Move::Next)) << "nothing picked";
    EXPECT_EQ(pick.chosenPicture(), Picture::None);
    EXPECT_FALSE(pick.pick(withShown({1}), 2)) << "a hidden word cannot be picked";
    EXPECT_FALSE(pick.pick(view, 0));
    EXPECT_FALSE(pick.pick(view, 21));

    ASSERT_TRUE(pick.pick(view, 5));
    EXPECT_TRUE(pick.choose(view, Move::Next));
    EXPECT_EQ(pick.chosenPicture(), Picture::DoubleN) << "the upper picture first";
    EXPECT_TRUE(pick.choose(view, Move::Next));
    EXPECT_EQ(pick.chosenPicture(), Picture::SingleN);
    EXPECT_TRUE(pick.choose(view, Move::Next));
    EXPECT_EQ(pick.chosenPicture(), Picture::DoubleN) << "round the two";
    EXPECT_TRUE(pick.choose(view, Move::Previous));
    EXPECT_EQ(pick.chosenPicture(), Picture::SingleN);

    // Another pick, or the cursor moved to another word, leaves no picture chosen.
    ASSERT_TRUE(pick.pick(view, 6));
    EXPECT_EQ(pick.pickedWord(), 6);
    EXPECT_EQ(pick.chosenPicture(), Picture::None);
    EXPECT_TRUE(pick.choose(view, Move::Previous));
    EXPECT_EQ(pick.chosenPicture(), Picture::SingleN) << "backwards from none: the lower one";
    EXPECT_TRUE(pick.moveFocus(view, Move::Next));
    EXPECT_EQ(pick.chosenPicture(), Picture::None);
    EXPECT_EQ(pick.pickedWord(), 6) << "the pick itself stays";

    SortingView failed;
    failed.targetPanelVisible = false;
    EXPECT_FALSE(pick.choose(failed, Move::Next));
    pick.viewChanged(failed);
    EXPECT_EQ(pick.pickedWord(), 0) << "nothing to drop on: the pick goes";
}

TEST(SortingPick, DropsHandTheExerciseWhatADragWould)
{
    NoEffects effects;
    SortingExercise exercise(effects);
    SortingPick pick;
    auto apply = [&](const std::optional<SortingPick::Drop> &drop) {
        EXPECT_TRUE(drop.has_value());
        if (drop) {
            exercise.dropWord(drop->word, drop->code);
        }
        pick.dropped(exercise.view());
    };

    // лу_ый (2) picked, НН chosen: a right drop; the cursor was on it and goes to the next word.
    pick.moveFocus(exercise.view(), Move::Next);
    ASSERT_EQ(pick.focusedWord(), 2);
    ASSERT_TRUE(pick.pick(exercise.view(), pick.focusedWord()));
    EXPECT_EQ(pick.dropOnChosen(exercise.view()), std::nullopt) << "no picture chosen yet";
    pick.choose(exercise.view(), Move::Next);
    const auto drop = pick.dropOnChosen(exercise.view());
    EXPECT_EQ(drop, (SortingPick::Drop{2, kDoubleNCode}));
    apply(drop);
    EXPECT_FALSE(exercise.view().isWordVisible(2));
    EXPECT_EQ(pick.pickedWord(), 0);
    EXPECT_EQ(pick.focusedWord(), 3);

    // ветре_ый (4) straight onto НН with "2": wrong; it stays, and so does the cursor.
    pick.moveFocus(exercise.view(), Move::Next);
    apply(pick.dropFocusedOn(exercise.view(), kDoubleNCode));
    EXPECT_TRUE(exercise.view().isWordVisible(4));
    EXPECT_EQ(pick.focusedWord(), 4);
    EXPECT_EQ(exercise.counters().wrongNN, 1);

    // A picked word dropped by a click on a picture; the cursor elsewhere does not move.
    pick.pick(exercise.view(), 20);
    apply(pick.dropPickedOn(exercise.view(), kDoubleNCode));
    EXPECT_FALSE(exercise.view().isWordVisible(20));
    EXPECT_EQ(pick.focusedWord(), 4);

    // The last word of the list placed from the keyboard: the cursor goes up to the word above.
    pick.moveFocus(exercise.view(), Move::Last);
    EXPECT_EQ(pick.focusedWord(), 19);
    apply(pick.dropFocusedOn(exercise.view(), kSingleNCode));
    EXPECT_EQ(pick.focusedWord(), 18);

    // Nothing but the two codes, nothing without a pick, nothing once the pictures are gone.
    EXPECT_EQ(pick.dropPickedOn(exercise.view(), kSingleNCode), std::nullopt);
    pick.pick(exercise.view(), 1);
    EXPECT_EQ(pick.dropPickedOn(exercise.view(), "nnn"), std::nullopt);
    EXPECT_EQ(pick.dropPickedOn(exercise.view(), ""), std::nullopt);
    EXPECT_EQ(pick.pickedWord(), 1) << "a drop that cannot be made leaves the pick";
    exercise.checkAnswers();
    EXPECT_EQ(pick.dropPickedOn(exercise.view(), kSingleNCode), std::nullopt);
    EXPECT_EQ(pick.dropFocusedOn(exercise.view(), kSingleNCode), std::nullopt);
    EXPECT_EQ(exercise.view().errorCountText, "1");
}

} // namespace

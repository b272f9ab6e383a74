// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SortingView.h"

#include <optional>
#include <string_view>

// Moving words without dragging them: a word is *picked* (by a click, a key or an accessibility
// action) and then dropped on a picture by a second step. Beside the pick this keeps the word
// list's keyboard cursor (the *focused* word) and the picture chosen from the keyboard.
//
// It knows no widget: the window asks it what to do and shows what it holds. A drop it hands
// back is for the window to pass to SortingExercise::dropWord exactly as a mouse drop is.
class SortingPick
{
public:
    // The two pictures in the order they stand in the target panel, top to bottom.
    enum class Picture { None, DoubleN, SingleN };

    // What a drop hands to the exercise: the word and the answer code of its picture.
    struct Drop
    {
        int word = 0;
        std::string_view code;
        friend bool operator==(const Drop &, const Drop &) = default;
    };

    enum class Move { Previous, Next, First, Last };

    int focusedWord() const { return m_focused; }
    int pickedWord() const { return m_picked; }
    Picture chosenPicture() const { return m_chosen; }

    // Puts the keyboard cursor on a shown word: the one it was on if that is still shown, else
    // the nearest shown word below it, else above it; 0 when the list is empty.
    void settle(const SortingView &view);

    // Moves the keyboard cursor over the shown words; the choice of a picture is dropped, since
    // it was made for the word the cursor was on. Returns whether the cursor moved.
    bool moveFocus(const SortingView &view, Move move);

    // Picks word n if it is shown; another pick and any chosen picture are let go.
    bool pick(const SortingView &view, int n);

    // Chooses the next or previous picture, round the two, while a word is picked and the
    // pictures are shown. Next from no choice is the upper picture, Previous the lower one.
    bool choose(const SortingView &view, Move move);

    // The picked word onto the chosen picture; nothing without both. Ends the pick.
    std::optional<Drop> dropOnChosen(const SortingView &view);
    // The picked word onto the picture with this code. Ends the pick.
    std::optional<Drop> dropPickedOn(const SortingView &view, std::string_view code);
    // The focused word straight onto the picture with this code. Ends any pick.
    std::optional<Drop> dropFocusedOn(const SortingView &view, std::string_view code);

    // Lets the pick and the chosen picture go.
    void cancel();

    // After a drop has been handed to the exercise: the pick is over, and when the word
    // vanished the keyboard cursor goes on to the next shown word.
    void dropped(const SortingView &view);

    // After anything else changed the view (a check, a retry): a pick of a word that is gone,
    // or made while there is nothing left to drop on, is let go; the cursor stays on a shown
    // word.
    void viewChanged(const SortingView &view);

    static std::string_view codeOf(Picture picture);

private:
    std::optional<Drop> dropOf(const SortingView &view, int word, std::string_view code);

    int m_focused = 1;
    int m_picked = 0;
    Picture m_chosen = Picture::None;
};

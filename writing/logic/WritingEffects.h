#pragma once

#include <cstdint>

// What WritingExercise asks of the world outside its view: the window, the shared help window
// and the variant board. The writing window implements it.
//
// Each operation of WritingExercise calls these in a fixed order among its own steps, and
// WritingExercise::view() already holds every view change made before the call (and none made
// after it), so an implementation may render the view, or part of it, before acting.
class WritingEffects
{
public:
    virtual ~WritingEffects() = default;

    // Give keyboard focus to the edit box of word (1 to 20). The view already shows that box; a
    // box the window has not rendered yet must be shown before it can take the focus.
    virtual void focusEditBox(int word) = 0;

    // Take the outer width outerWidth (the height stays) and centre the window on the whole
    // screen at its new size.
    virtual void resizeAndCentre(int outerWidth) = 0;

    // Show or hide the help window shared by both exercises, whether or not it is showing now.
    virtual void showHelp() = 0;
    virtual void hideHelp() = 0;

    // Close the window: hide it, keeping everything in it.
    virtual void closeWindow() = 0;

    // Tell the variant board that the variant in slot has been passed with helpCount presses of
    // "Помогите!".
    virtual void markVariantPassed(int slot, std::int32_t helpCount) = 0;

protected:
    WritingEffects() = default;
    WritingEffects(const WritingEffects &) = default;
    WritingEffects &operator=(const WritingEffects &) = default;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// What an exercise asks of the world outside it: its window, the help window both exercises
// share, and the variant board. Each exercise window implements it; the exercise calls it at the
// very step of an operation where the effect belongs, so the order of the effects and of the
// exercise's own changes is fixed by the exercise alone. When an effect is called, the
// exercise's view already holds every change made before it and none made after it.
class ExerciseEffects
{
public:
    virtual ~ExerciseEffects() = default;

    // Shows the shared help window, whether or not it is showing now.
    virtual void showHelp() = 0;
    // Hides the shared help window, whether or not it is showing now.
    virtual void hideHelp() = 0;
    // Closes the exercise window: hides it and keeps everything in it.
    virtual void closeWindow() = 0;
    // Tells the variant board that the variant in `slot` was passed with `helpCount` presses of
    // "Помогите!".
    virtual void markVariantPassed(int slot, std::int32_t helpCount) = 0;

protected:
    ExerciseEffects() = default;
    ExerciseEffects(const ExerciseEffects &) = default;
    ExerciseEffects &operator=(const ExerciseEffects &) = default;
};

#pragma once

#include <cstdint>

// What the sorting exercise asks of the world outside it. The window implements it; the
// exercise calls it at the very step of an operation where the effect belongs, so the order of
// the effects and of the exercise's own changes is fixed by SortingExercise alone.
class SortingEffects
{
public:
    virtual ~SortingEffects() = default;

    // Hides the shared help window, whether or not it is showing.
    virtual void hideHelp() = 0;
    // Shows the shared help window.
    virtual void showHelp() = 0;
    // Closes the exercise window: hides it and keeps everything in it.
    virtual void closeWindow() = 0;
    // Tells the variant board that the variant in this slot was passed, and how often help was
    // asked for.
    virtual void markVariantPassed(int slot, std::int32_t helpCount) = 0;

protected:
    SortingEffects() = default;
    SortingEffects(const SortingEffects &) = default;
    SortingEffects &operator=(const SortingEffects &) = default;
};

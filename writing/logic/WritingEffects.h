// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ExerciseEffects.h"

// What the writing exercise asks of its window besides the effects both exercises share: the
// keyboard focus for an edit box, and the widening.
class WritingEffects : public ExerciseEffects
{
public:
    // Give keyboard focus to the edit box of word (1 to 20). The view already shows that box; a
    // box the window has not rendered yet must be shown before it can take the focus.
    virtual void focusEditBox(int word) = 0;

    // Take the outer width outerWidth (the height stays) and centre the window on the whole
    // screen at its new size.
    virtual void resizeAndCentre(int outerWidth) = 0;
};

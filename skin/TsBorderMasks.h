// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BgrImage.h"
#include "TsStyle.h"

// The built-in border masks, shared by every button. The skin carries BORD1, the mask of every
// button of the program, as its own resource, drawn at 1×, 2× and 3×; each size is read the
// first time a button is drawn at a scale that needs it, and kept for the rest of the run. The
// other built-in choices draw with BORD1 as well. A mask that cannot be read is reported once on
// the standard error output, and buttons drawn at that scale get no border.
class TsBorderMasks
{
public:
    // The mask for a button drawn at a device pixel ratio: the built-in one drawn at
    // BorderMaskScale(ratio) (see TsBorderMask.h for why fractional ratios take the next larger
    // one), or for pdCustom the button's own mask, used as it is (BORD1 when that is empty).
    static const BgrImage &maskFor(const TsMaskedBorders &settings, double devicePixelRatio = 1.0);

    // BORD1 drawn at 1, 2 or 3 times its size; other scales are clamped to that range.
    static const BgrImage &bord1(int scale = 1);
};

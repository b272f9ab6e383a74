#pragma once

#include "BgrImage.h"
#include "TsStyle.h"

// The built-in border masks, loaded once per run from the embedded pictures and shared by
// every button. Only BORD1, the mask of every button of the program, is shipped; the other
// built-in choices draw with it as well.
class TsBorderMasks
{
public:
    // The mask a button with these settings draws with: the built-in one, or for pdCustom the
    // button's own mask (BORD1 when that is empty).
    static const BgrImage &maskFor(const TsMaskedBorders &settings);

    // BORD1 as loaded from the embedded picture (empty if it could not be read).
    static const BgrImage &bord1();
};

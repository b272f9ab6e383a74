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

    // The mask for a button drawn at a device pixel ratio: the built-in one drawn at
    // BorderMaskScale(ratio) (see TsBorderMask.h for why fractional ratios take the next larger
    // one). A button's own mask (pdCustom) has only its one size and is used as it is.
    static const BgrImage &maskFor(const TsMaskedBorders &settings, double devicePixelRatio);

    // BORD1 as loaded from the embedded picture (empty if it could not be read).
    static const BgrImage &bord1();

    // BORD1 drawn at 1, 2 or 3 times the size (BORD1.bmp, BORD1@2x.bmp, BORD1@3x.bmp); other
    // scales are clamped to that range. Each is loaded at its first use.
    static const BgrImage &bord1(int scale);
};

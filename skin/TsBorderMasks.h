#pragma once

#include "BgrImage.h"
#include "TsStyle.h"

// The built-in border masks, shared by every button. The skin ships no pictures: the program
// hands over its masks once at start (desktop/ButtonMasks.h), before its first button paints.
// Only BORD1, the mask of every button of the program, is built in; the other built-in choices
// draw with it as well. Until one is handed over, buttons draw no border.
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

    // BORD1 as handed over at 1, 2 or 3 times its size (empty before that); other scales are
    // clamped to that range.
    static const BgrImage &bord1(int scale = 1);

    // Hands over BORD1 drawn at a scale of 1, 2 or 3. A button already drawn keeps its look until
    // it is drawn again.
    static void setBord1(BgrImage mask, int scale = 1);

private:
    static BgrImage &storedBord1(int scale);
};

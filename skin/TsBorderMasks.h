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

    // BORD1 as handed over (empty before that).
    static const BgrImage &bord1();

    // Hands over BORD1. A button already drawn keeps its look until it is drawn again.
    static void setBord1(BgrImage mask);

private:
    static BgrImage &storedBord1();
};

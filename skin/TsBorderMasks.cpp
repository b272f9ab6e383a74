#include "TsBorderMasks.h"

#include <utility>

BgrImage &TsBorderMasks::storedBord1()
{
    static BgrImage mask;
    return mask;
}

const BgrImage &TsBorderMasks::bord1()
{
    return storedBord1();
}

void TsBorderMasks::setBord1(BgrImage mask)
{
    storedBord1() = std::move(mask);
}

const BgrImage &TsBorderMasks::maskFor(const TsMaskedBorders &settings)
{
    if (settings.Predefined() == TsPredefinedBorders::pdCustom && !settings.Mask().isEmpty()) {
        return settings.Mask();
    }
    return bord1();
}

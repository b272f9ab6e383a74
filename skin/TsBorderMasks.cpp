#include "TsBorderMasks.h"

#include "TsBorderMask.h"

#include <algorithm>
#include <array>
#include <utility>

BgrImage &TsBorderMasks::storedBord1(int scale)
{
    static std::array<BgrImage, 3> masks;
    return masks[static_cast<std::size_t>(std::clamp(scale, 1, 3) - 1)];
}

const BgrImage &TsBorderMasks::bord1(int scale)
{
    return storedBord1(scale);
}

void TsBorderMasks::setBord1(BgrImage mask, int scale)
{
    storedBord1(scale) = std::move(mask);
}

const BgrImage &TsBorderMasks::maskFor(const TsMaskedBorders &settings, double devicePixelRatio)
{
    if (settings.Predefined() == TsPredefinedBorders::pdCustom && !settings.Mask().isEmpty()) {
        return settings.Mask();
    }
    return bord1(BorderMaskScale(devicePixelRatio));
}

const BgrImage &TsBorderMasks::maskFor(const TsMaskedBorders &settings)
{
    return maskFor(settings, 1.0);
}

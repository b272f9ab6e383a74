// The embedded border masks a button drawn at a device pixel ratio uses.
#include "TsBorderMask.h"
#include "TsBorderMasks.h"

#include <gtest/gtest.h>

namespace {
const TsStyleNotify kIgnore = [](TsStyleChange) {};
} // namespace

TEST(BorderMasksAtDeviceRatio, EachRatioGetsTheEmbeddedMaskOfItsScale)
{
    TsMaskedBorders borders(kIgnore);
    struct Case
    {
        double ratio;
        int width, height;
    };
    for (const Case c : {Case{1.0, 90, 60}, Case{1.25, 180, 120}, Case{1.5, 180, 120},
                         Case{2.0, 180, 120}, Case{2.5, 270, 180}, Case{3.0, 270, 180},
                         Case{4.0, 270, 180}}) {
        const BgrImage &mask = TsBorderMasks::maskFor(borders, c.ratio);
        EXPECT_EQ(mask.width(), c.width) << c.ratio;
        EXPECT_EQ(mask.height(), c.height) << c.ratio;
    }
    EXPECT_EQ(&TsBorderMasks::maskFor(borders, 1.0), &TsBorderMasks::maskFor(borders))
        << "at 1× the mask every button has drawn with so far";
    EXPECT_EQ(&TsBorderMasks::bord1(2), &TsBorderMasks::bord1(2)) << "handed over once";
    // The corner holes of the 2× mask are where its generator put them: the outer row of the
    // normal look's top-left corner starts with holes.
    EXPECT_EQ(TsBorderMasks::bord1(2).pixel(0, 0), (Rgb{255, 0, 255}));
    EXPECT_EQ(TsBorderMasks::bord1(2).pixel(15, 15), (Rgb{128, 128, 128}));
}

TEST(BorderMasksAtDeviceRatio, AButtonsOwnMaskHasOnlyItsOneSize)
{
    TsMaskedBorders borders(kIgnore);
    BgrImage own(18, 12);
    own.fill(Rgb{1, 2, 3});
    borders.setPredefined(TsPredefinedBorders::pdCustom);
    borders.setMask(own);
    EXPECT_EQ(TsBorderMasks::maskFor(borders, 2.0).width(), 18);
    EXPECT_EQ(TsBorderMasks::maskFor(borders, 2.0).pixel(0, 0), (Rgb{1, 2, 3}));
}

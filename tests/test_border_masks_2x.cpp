// SPDX-License-Identifier: GPL-3.0-or-later
// The embedded border masks a button drawn at a device pixel ratio uses.
#include "BmpFile.h"
#include "TsBorderMask.h"
#include "TsBorderMasks.h"

#include <gtest/gtest.h>

namespace {
const TsStyleNotify kIgnore = [](TsStyleChange) {};
} // namespace

// Each ratio draws with BORD1 at the scale of its row, pixel for pixel the committed picture
// the generator drew at that scale (a fractional ratio takes the next larger scale).
TEST(BorderMasksAtDeviceRatio, EachRatioGetsTheEmbeddedMaskOfItsScale)
{
    TsMaskedBorders borders(kIgnore);
    const BgrImage committed[] = {ReadBmpFile(NN_ASSETS_DIR "/BORD1.bmp"),
                                  ReadBmpFile(NN_ASSETS_DIR "/BORD1@2x.bmp"),
                                  ReadBmpFile(NN_ASSETS_DIR "/BORD1@3x.bmp")};
    struct Case
    {
        double ratio;
        int scale;
    };
    for (const Case c : {Case{1.0, 1}, Case{1.25, 2}, Case{1.5, 2}, Case{2.0, 2}, Case{2.5, 3},
                         Case{3.0, 3}, Case{4.0, 3}}) {
        const BgrImage &mask = TsBorderMasks::maskFor(borders, c.ratio);
        EXPECT_EQ(mask.width(), 90 * c.scale) << c.ratio;
        EXPECT_EQ(mask.height(), 60 * c.scale) << c.ratio;
        EXPECT_TRUE(mask == committed[c.scale - 1]) << c.ratio;
    }
    EXPECT_TRUE(TsBorderMasks::maskFor(borders) == committed[0]) << "without a ratio: 1×";
    // The corner holes of the 2× mask are where its generator put them: the outer row of the
    // normal look's top-left corner starts with holes.
    EXPECT_EQ(TsBorderMasks::maskFor(borders, 2.0).pixel(0, 0), (Rgb{255, 0, 255}));
    EXPECT_EQ(TsBorderMasks::maskFor(borders, 2.0).pixel(15, 15), (Rgb{128, 128, 128}));
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

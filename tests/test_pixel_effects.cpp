// SPDX-License-Identifier: GPL-3.0-or-later
// Fade frames, the disabled look and the dotted focus frame.
#include "PixelEffects.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include <gtest/gtest.h>

TEST(Fade, StepWeightsForFiveIterations)
{
    const double expected[] = {255, 204, 153, 102, 51, 0};
    for (int p = 0; p <= 5; ++p) {
        EXPECT_DOUBLE_EQ(FadeWeight(p, 5), expected[p] / 256.0) << p;
    }
    // Integer division: with three steps the weights are 255, 170, 85, 0 (of 256).
    EXPECT_DOUBLE_EQ(FadeWeight(1, 3), 170 / 256.0);
    EXPECT_DOUBLE_EQ(FadeWeight(6, 5), -51 / 256.0);
    EXPECT_FALSE(FadeActive(true, 0)) << "zero iterations would divide by zero";
    EXPECT_FALSE(FadeActive(false, 5));
    EXPECT_TRUE(FadeActive(true, 1));
}

TEST(Fade, FrameMixesPerChannelAndRoundsTiesToEven)
{
    BgrImage a(2, 1);
    BgrImage b(2, 1);
    a.setPixel(0, 0, Rgb{200, 0, 17});
    b.setPixel(0, 0, Rgb{100, 255, 16});
    a.setPixel(1, 0, Rgb{255, 255, 255});
    b.setPixel(1, 0, Rgb{0, 0, 0});
    BgrImage out(2, 1);

    MixFadeFrame(a, b, FadeWeight(1, 5), out); // x = 204/256
    // 204/256 * 100 + 100 = 179.6875; 204/256 * -255 + 255 = 51.796875; 204/256 + 16 = 16.796875
    EXPECT_EQ(out.pixel(0, 0), (Rgb{180, 52, 17}));
    EXPECT_EQ(out.pixel(1, 0), (Rgb{203, 203, 203}));

    MixFadeFrame(a, b, FadeWeight(5, 5), out);
    EXPECT_EQ(out, b) << "the last step shows b exactly";
    MixFadeFrame(a, b, FadeWeight(0, 5), out);
    EXPECT_EQ(out.pixel(1, 0), (Rgb{254, 254, 254})) << "255/256 of a full step";

    // 128/256 * 1 + 0 is a tie: it rounds to 0; 128/256 * 3 = 1.5 rounds to 2.
    BgrImage c(1, 1);
    BgrImage d(1, 1);
    c.setPixel(0, 0, Rgb{1, 3, 5});
    MixFadeFrame(c, d, 0.5, c);
    EXPECT_EQ(c.pixel(0, 0), (Rgb{0, 2, 2}));
}

TEST(Disabled, HalfWayToTheParentColourOverEveryPixel)
{
    BgrImage img(3, 2);
    img.fill(Rgb{255, 0, 100});
    BlendDisabled(img, Rgb{240, 240, 240});
    // (128 * 240 + 127 * 255) div 256 = 246; (128 * 240) div 256 = 120; (30720 + 12700) div 256
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(img.pixel(x, y), (Rgb{246, 120, 169})) << x << "," << y;
        }
    }
}

TEST(FocusDots, EveryThirdPixelBlackWithWhiteAboveLeft)
{
    BgrImage img(20, 12);
    const Rgb bg{100, 100, 100};
    img.fill(bg);
    DrawFocusDots(img, TsRect{3, 2, 12, 9});
    const Rgb black{0, 0, 0};
    const Rgb white{255, 255, 255};

    int blacks = 0;
    int whites = 0;
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 20; ++x) {
            const Rgb p = img.pixel(x, y);
            blacks += p == black;
            whites += p == white;
        }
    }
    // Top and bottom: x = 3, 6, 9, 12; left and right: y = 2, 5, 8 (the corners repeat).
    for (int x : {3, 6, 9, 12}) {
        EXPECT_EQ(img.pixel(x, 2), black);
        EXPECT_EQ(img.pixel(x, 9), black);
        EXPECT_EQ(img.pixel(x - 1, 1), white);
        EXPECT_EQ(img.pixel(x - 1, 8), white);
    }
    for (int y : {2, 5, 8}) {
        EXPECT_EQ(img.pixel(3, y), black);
        EXPECT_EQ(img.pixel(12, y), black);
        EXPECT_EQ(img.pixel(2, y - 1), white);
        EXPECT_EQ(img.pixel(11, y - 1), white);
    }
    EXPECT_EQ(img.pixel(4, 2), bg);
    EXPECT_EQ(img.pixel(3, 3), bg);
    EXPECT_EQ(img.pixel(3, 9), black) << "the bottom row's first dot";
    EXPECT_EQ(blacks, 4 + 4 + 1 + 1 + 2); // 8 on the top and bottom, 3 + 3 more on the sides
    EXPECT_EQ(whites, 4 + 4 + 2 + 2);
}

TEST(FocusDots, ClippedAtTheImageEdges)
{
    BgrImage img(5, 5);
    img.fill(Rgb{9, 9, 9});
    DrawFocusDots(img, TsRect{0, 0, 6, 6});
    EXPECT_EQ(img.pixel(0, 0), (Rgb{0, 0, 0}));
    EXPECT_EQ(img.pixel(3, 0), (Rgb{0, 0, 0}));
    EXPECT_EQ(img.pixel(2, 4), (Rgb{9, 9, 9}));
}

namespace {
// The frame mix as it was first written, in floating point: the reference the integer mix must
// match byte for byte.
std::uint8_t referenceMix(int a, int b, double x)
{
    const double v = std::nearbyint(x * (a - b) + b);
    return static_cast<std::uint8_t>(std::clamp(v, 0.0, 255.0));
}
} // namespace

TEST(Fade, IntegerMixMatchesTheFloatingPointMixForEveryPairAndWeight)
{
    // Every pair of channel values (a in the columns, b in the rows; the third channel pairs them
    // crosswise), at every weight from -1 to 2 in 256ths: the steps of every fade and the
    // positions just outside them.
    BgrImage a(256, 256);
    BgrImage b(256, 256);
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 256; ++x) {
            a.setPixel(x, y, Rgb{std::uint8_t(x), std::uint8_t(255 - y), std::uint8_t(x ^ y)});
            b.setPixel(x, y, Rgb{std::uint8_t(y), std::uint8_t(x), std::uint8_t(y)});
        }
    }
    BgrImage out(256, 256);
    int mismatches = 0;
    for (int k = -256; k <= 512 && mismatches < 5; ++k) {
        MixFadeFrame256(a, b, k, out);
        const double x = k / 256.0;
        for (int y = 0; y < 256; ++y) {
            const std::uint8_t *pa = a.row(y);
            const std::uint8_t *pb = b.row(y);
            const std::uint8_t *po = out.row(y);
            for (int i = 0; i < 3 * 256; ++i) {
                if (po[i] != referenceMix(pa[i], pb[i], x)) {
                    ADD_FAILURE() << "k " << k << " a " << int(pa[i]) << " b " << int(pb[i])
                                  << ": " << int(po[i]) << " instead of "
                                  << int(referenceMix(pa[i], pb[i], x));
                    ++mismatches;
                    break;
                }
            }
        }
    }
}

TEST(Fade, FrameOfDeviceSizeMixesEveryByteInPlaceAndOfTheCommonPart)
{
    // 803 pixels make rows whose length is no multiple of any vector width, so the tail of
    // every row goes through the one-by-one path as well.
    BgrImage a(803, 3);
    BgrImage b(803, 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 803; ++x) {
            a.setPixel(x, y, Rgb{std::uint8_t(x * 7), std::uint8_t(y * 90 + x), 1});
            b.setPixel(x, y, Rgb{std::uint8_t(x * 3 + 5), std::uint8_t(255 - x), 2});
        }
    }
    BgrImage separate(803, 3);
    MixFadeFrame(a, b, FadeWeight(2, 5), separate);
    BgrImage inPlace = a;
    MixFadeFrame(inPlace, b, FadeWeight(2, 5), inPlace);
    EXPECT_EQ(inPlace, separate) << "mixing into a itself";
    inPlace = b;
    MixFadeFrame(a, inPlace, FadeWeight(2, 5), inPlace);
    EXPECT_EQ(inPlace, separate) << "mixing into b itself";
    for (int x : {0, 1, 401, 801, 802}) {
        const Rgb pa = a.pixel(x, 2);
        const Rgb pb = b.pixel(x, 2);
        const double w = 153 / 256.0;
        EXPECT_EQ(separate.pixel(x, 2), (Rgb{referenceMix(pa.r, pb.r, w),
                                             referenceMix(pa.g, pb.g, w),
                                             referenceMix(pa.b, pb.b, w)}))
            << x;
    }

    // Images of different sizes: only the part all three share is written.
    BgrImage small(5, 2);
    small.fill(Rgb{200, 200, 200});
    BgrImage target(7, 3);
    target.fill(Rgb{1, 2, 3});
    MixFadeFrame256(small, b, 0, target);
    EXPECT_EQ(target.pixel(4, 1), b.pixel(4, 1)) << "weight 0 shows b";
    EXPECT_EQ(target.pixel(5, 1), (Rgb{1, 2, 3}));
    EXPECT_EQ(target.pixel(0, 2), (Rgb{1, 2, 3}));
    MixFadeFrame256(small, b, 256, target);
    EXPECT_EQ(target.pixel(3, 0), (Rgb{200, 200, 200})) << "weight 256 shows a";
}

TEST(Fade, WeightsInTwoHundredFiftySixths)
{
    EXPECT_EQ(FadeWeight256(0, 5), 255);
    EXPECT_EQ(FadeWeight256(1, 5), 204);
    EXPECT_EQ(FadeWeight256(5, 5), 0);
    EXPECT_EQ(FadeWeight256(1, 3), 170);
    EXPECT_EQ(FadeWeight256(-1, 5), 306);
}

TEST(FocusDots, AtRatioOneTheDeviceFrameIsTheLogicalFrame)
{
    for (const TsRect frame : {TsRect{3, 2, 12, 9}, TsRect{2, 4, 106, 21}, TsRect{0, 0, 6, 6},
                               TsRect{5, 5, 6, 7}, TsRect{-2, 1, 30, 25}}) {
        BgrImage logical(40, 28);
        logical.fill(Rgb{90, 100, 110});
        BgrImage device = logical;
        DrawFocusDots(logical, frame);
        DrawFocusDots(device, frame, 1.0);
        EXPECT_EQ(device, logical) << frame.left << "," << frame.top << "," << frame.right << ","
                                   << frame.bottom;
    }
}

TEST(FocusDots, AtTwiceTheRatioDotsAreTwoPixelsSquareEverySixPixels)
{
    // The 1× frame (3, 2, 12, 9) at ratio 2: device edges 6, 4 and the right and bottom dots
    // ending on 25 and 19.
    BgrImage img(32, 24);
    const Rgb bg{100, 100, 100};
    img.fill(bg);
    DrawFocusDots(img, TsRect{6, 4, 25, 19}, 2.0);
    const Rgb black{0, 0, 0};
    const Rgb white{255, 255, 255};
    auto block = [&](int x, int y, Rgb c) {
        return img.pixel(x, y) == c && img.pixel(x + 1, y) == c && img.pixel(x, y + 1) == c &&
               img.pixel(x + 1, y + 1) == c;
    };
    for (int x : {6, 12, 18, 24}) {
        EXPECT_TRUE(block(x, 4, black)) << x;
        EXPECT_TRUE(block(x, 18, black)) << x;
        EXPECT_TRUE(block(x - 2, 2, white)) << x;
        EXPECT_TRUE(block(x - 2, 16, white)) << x;
    }
    for (int y : {4, 10, 16}) {
        EXPECT_TRUE(block(6, y, black)) << y;
        EXPECT_TRUE(block(24, y, black)) << y;
        EXPECT_TRUE(block(4, y - 2, white)) << y;
        EXPECT_TRUE(block(22, y - 2, white)) << y;
    }
    EXPECT_EQ(img.pixel(8, 4), bg) << "a gap between dots";
    EXPECT_EQ(img.pixel(26, 4), bg) << "nothing right of the right edge";
    EXPECT_EQ(img.pixel(6, 20), bg) << "nothing below the bottom edge";
    int blacks = 0;
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 32; ++x) {
            blacks += img.pixel(x, y) == black;
        }
    }
    // Four times the twelve dots of the same frame at 1×.
    EXPECT_EQ(blacks, 4 * 12);
}

TEST(FocusDots, AtAFractionalRatioTheDotsFollowTheLogicalRhythm)
{
    BgrImage img(40, 10);
    const Rgb bg{50, 50, 50};
    img.fill(bg);
    // Ratio 1.5: dots of 2 pixels at round(4.5 k): 0, 4 (4.5 to even), 9, 14 (13.5 to even), 18.
    DrawFocusDots(img, TsRect{2, 2, 21, 7}, 1.5);
    for (int dx : {0, 4, 9, 14, 18}) {
        EXPECT_EQ(img.pixel(2 + dx, 2), (Rgb{0, 0, 0})) << dx;
        EXPECT_EQ(img.pixel(3 + dx, 3), (Rgb{0, 0, 0})) << dx;
    }
    EXPECT_EQ(img.pixel(4, 2), bg);
    EXPECT_EQ(img.pixel(22, 2), bg) << "the frame's right edge is the last column of a dot";
}

// Fade frames, the disabled look and the dotted focus frame.
#include "PixelEffects.h"

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

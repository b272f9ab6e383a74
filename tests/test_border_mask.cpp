// SPDX-License-Identifier: GPL-3.0-or-later
#include "BmpFile.h"
#include "TsBorderMask.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <tuple>

namespace {

constexpr Rgb kBackground{7, 8, 9};

// A mask whose picture names its own position (red = mask x, green = mask y) and whose opacity
// is 0, so every placed pixel shows exactly which mask pixel landed there.
BgrImage positionMask(int tw, int th)
{
    BgrImage mask(9 * tw, 6 * th);
    for (int y = 0; y < 3 * th; ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            mask.setPixel(x, y, Rgb{std::uint8_t(x), std::uint8_t(y), 100});
        }
    }
    return mask; // the lower half is black: opacity 0
}

BgrImage drawn(int w, int h, const BgrImage &mask, BorderState state,
               std::vector<HolePixel> *holes = nullptr)
{
    BgrImage image(w, h);
    image.fill(kBackground);
    DrawBorderMask(image, mask, state, kMaskTransparentColor, holes);
    return image;
}

struct Placement
{
    int w, h, tw, th;
    BorderState state;
    int x, y;   // button pixel
    int mx, my; // mask pixel expected there
};

} // namespace

TEST(BorderMaskDrawing, TilesLandWhereExpected)
{
    const auto N = BorderState::Normal;
    const Placement cases[] = {
        // 111 × 25: corners, edge copies from x = 10 with the copy at 100 cut to one column,
        // left edge rows 10-14 (cut), centre starting at (10, 10).
        {111, 25, 10, 10, N, 0, 0, 0, 0},
        {111, 25, 10, 10, N, 99, 0, 19, 0},
        {111, 25, 10, 10, N, 100, 0, 10, 0},
        {111, 25, 10, 10, N, 101, 0, 20, 0},
        {111, 25, 10, 10, N, 110, 24, 29, 29},
        {111, 25, 10, 10, N, 5, 14, 5, 14},
        {111, 25, 10, 10, N, 15, 24, 15, 29},
        {111, 25, 10, 10, N, 100, 14, 10, 14},
        {111, 25, 10, 10, N, 55, 12, 15, 12},
        // The state chooses the block: hot from x = 30, pressed from x = 60.
        {111, 25, 10, 10, BorderState::Hot, 110, 0, 59, 0},
        {111, 25, 10, 10, BorderState::Pressed, 50, 24, 70, 29},
        // 100 wide: the edge copies fit exactly.
        {100, 25, 10, 10, N, 89, 0, 19, 0},
        {100, 25, 10, 10, N, 90, 0, 20, 0},
        // 15 × 7: corners split 7 | 8 and 3 | 4, right and bottom parts from the tiles' far ends.
        {15, 7, 10, 10, N, 6, 2, 6, 2},
        {15, 7, 10, 10, N, 7, 0, 22, 0},
        {15, 7, 10, 10, N, 0, 3, 0, 26},
        {15, 7, 10, 10, N, 7, 3, 22, 26},
        // 15 × 25: left and right edges as wide as the split corners.
        {15, 25, 10, 10, N, 6, 12, 6, 12},
        {15, 25, 10, 10, N, 7, 12, 22, 12},
        // 111 × 7: top and bottom edges as high as the split corners.
        {111, 7, 10, 10, N, 50, 2, 10, 2},
        {111, 7, 10, 10, N, 50, 3, 10, 26},
        // 3 × 3, the smallest border.
        {3, 3, 10, 10, N, 1, 1, 28, 28},
        // Tiles of 4 × 3 in an 11 × 8 button: width and height never mixed up.
        {11, 8, 4, 3, N, 7, 0, 8, 0},
        {11, 8, 4, 3, N, 6, 4, 6, 4},
        {11, 8, 4, 3, N, 0, 5, 0, 6},
        {11, 8, 4, 3, N, 10, 7, 11, 8},
    };
    for (const Placement &c : cases) {
        const BgrImage image = drawn(c.w, c.h, positionMask(c.tw, c.th), c.state);
        EXPECT_EQ(image.pixel(c.x, c.y), (Rgb{std::uint8_t(c.mx), std::uint8_t(c.my), 100}))
            << c.w << " x " << c.h << " at (" << c.x << ", " << c.y << ")";
    }
}

TEST(BorderMaskDrawing, EveryPixelIsCoveredOnce)
{
    // An opacity of 128 everywhere: a pixel drawn twice, or not at all, shows a different mix.
    BgrImage mask(90, 60);
    mask.fill(Rgb{200, 200, 200});
    for (int y = 30; y < 60; ++y) {
        FillRow(mask.row(y), 0, 90, Rgb{128, 128, 128});
    }
    const std::pair<int, int> sizes[] = {{111, 25}, {100, 20}, {15, 7}, {19, 33}, {3, 3}};
    for (const auto &[w, h] : sizes) {
        const BgrImage image = drawn(w, h, mask, BorderState::Hot);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                // (7 · 128 + 200 · 128) div 256 = 103, and so on per channel.
                ASSERT_EQ(image.pixel(x, y), (Rgb{103, 104, 104}))
                    << w << " x " << h << " at (" << x << ", " << y << ")";
            }
        }
    }
}

TEST(BorderMaskDrawing, MixesPerChannelWithOpacityFromTheSamePlace)
{
    BgrImage mask(90, 60);
    for (int y = 0; y < 30; ++y) {
        FillRow(mask.row(y), 0, 90, Rgb{200, 10, 77});
    }
    // Opacity 0, 128 and 255 in the three channels, but only under the pixel (12, 3) of the
    // normal picture (top edge): the rest of the opacity half stays 0.
    mask.setPixel(12, 33, Rgb{0, 128, 255});
    BgrImage image(111, 25);
    image.fill(Rgb{50, 240, 100});
    DrawBorderMask(image, mask, BorderState::Normal, kMaskTransparentColor);
    // (50·0 + 200·256) div 256, (240·128 + 10·128) div 256, (100·255 + 77·1) div 256.
    EXPECT_EQ(image.pixel(12, 3), (Rgb{200, 125, 99}));
    EXPECT_EQ(image.pixel(22, 3), (Rgb{200, 125, 99})); // the next copy of the edge tile
    EXPECT_EQ(image.pixel(13, 3), (Rgb{200, 10, 77}));
}

TEST(BorderMaskDrawing, HolesKeepTheBackgroundAndAreReported)
{
    const TColor hole = ColorFromRgb(1, 2, 3);
    BgrImage mask = positionMask(10, 10);
    mask.setPixel(30 + 29, 0, ColorToRgb(hole));  // hot top-right corner, its outer pixel
    mask.setPixel(30 + 15, 29, ColorToRgb(hole)); // hot bottom edge, outermost row
    mask.setPixel(30 + 15, 12, ColorToRgb(hole)); // hot centre: an ordinary colour there
    BgrImage image(111, 25);
    image.fill(kBackground);
    std::vector<HolePixel> holes;
    DrawBorderMask(image, mask, BorderState::Hot, hole, &holes);

    std::sort(holes.begin(), holes.end(),
              [](HolePixel a, HolePixel b) { return std::pair(a.y, a.x) < std::pair(b.y, b.x); });
    const std::vector<HolePixel> expected = {{110, 0}, {15, 24}, {25, 24}, {35, 24}, {45, 24},
                                             {55, 24}, {65, 24}, {75, 24}, {85, 24}, {95, 24}};
    EXPECT_EQ(holes, expected);
    for (const HolePixel &p : expected) {
        EXPECT_EQ(image.pixel(p.x, p.y), kBackground);
    }
    EXPECT_EQ(image.pixel(25, 12), ColorToRgb(hole)); // centre: mixed with opacity 0

    // Without a list the same pixels are drawn.
    BgrImage again(111, 25);
    again.fill(kBackground);
    DrawBorderMask(again, mask, BorderState::Hot, hole, nullptr);
    EXPECT_EQ(again, image);
}

TEST(BorderMaskDrawing, DrawsNothingWhenButtonOrMaskIsTooSmall)
{
    const BgrImage mask = positionMask(10, 10);
    const std::pair<int, int> sizes[] = {{2, 25}, {111, 2}, {1, 1}, {0, 0}};
    for (const auto &[w, h] : sizes) {
        std::vector<HolePixel> holes;
        BgrImage untouched(w, h);
        untouched.fill(kBackground);
        EXPECT_EQ(drawn(w, h, mask, BorderState::Normal, &holes), untouched) << w << " x " << h;
        EXPECT_TRUE(holes.empty());
    }
    BgrImage untouched(111, 25);
    untouched.fill(kBackground);
    // 8 wide or 5 high: tiles of size 0.
    for (const BgrImage &small : {BgrImage(8, 60), BgrImage(90, 5), BgrImage()}) {
        EXPECT_EQ(drawn(111, 25, small, BorderState::Normal), untouched);
    }
}

// The built-in mask on real buttons.

namespace {
const BgrImage &bord1()
{
    static const BgrImage mask = ReadBmpFile(NN_ASSETS_DIR "/BORD1.bmp");
    return mask;
}
} // namespace

TEST(Bord1OnAButton, CutsFiveOrSixPixelsAtEachCorner)
{
    struct Expected
    {
        BorderState state;
        int topLeft, topRight, bottomLeft, bottomRight;
    };
    for (const Expected e :
         {Expected{BorderState::Normal, 5, 6, 6, 5}, Expected{BorderState::Hot, 5, 5, 5, 5},
          Expected{BorderState::Pressed, 5, 6, 6, 5}}) {
        std::vector<HolePixel> holes;
        const BgrImage image = drawn(111, 25, bord1(), e.state, &holes);
        int counts[2][2] = {};
        for (const HolePixel &p : holes) {
            ++counts[p.y > 12][p.x > 55];
            EXPECT_EQ(image.pixel(p.x, p.y), kBackground);
        }
        EXPECT_EQ(counts[0][0], e.topLeft);
        EXPECT_EQ(counts[0][1], e.topRight);
        EXPECT_EQ(counts[1][0], e.bottomLeft);
        EXPECT_EQ(counts[1][1], e.bottomRight);
        // The outermost three pixels of the outer row at the far corner.
        for (const HolePixel p : {HolePixel{110, 24}, {109, 24}, {108, 24}}) {
            EXPECT_NE(std::find(holes.begin(), holes.end(), p), holes.end());
        }
    }
}

TEST(Bord1OnAButton, PressedShowsDarkFrameTopLeftAndLightFrameRightBottom)
{
    BgrImage grey(111, 25);
    grey.fill(Rgb{128, 128, 128});
    DrawBorderMask(grey, bord1(), BorderState::Pressed, kMaskTransparentColor);
    auto value = [&](int x, int y) { return int(grey.pixel(x, y).g); };
    // Outer pixel: (128·31 + 54·225) div 256, next (128·30 + 117·226) div 256.
    EXPECT_EQ(value(55, 0), 62);
    EXPECT_EQ(value(55, 1), 118);
    EXPECT_EQ(value(0, 12), 62);
    EXPECT_EQ(value(1, 12), 118);
    // Right and bottom: (128·32 + 232·224) div 256, then (128·30 + 192·226) div 256.
    EXPECT_EQ(value(110, 12), 219);
    EXPECT_EQ(value(109, 12), 184);
    EXPECT_EQ(value(55, 24), 219);
    EXPECT_EQ(value(55, 23), 184);
    // Inside the frame the grey stays: (128·255 + 128·1) div 256.
    EXPECT_EQ(value(55, 2), 128);
    EXPECT_EQ(value(55, 12), 128);
    EXPECT_EQ(grey.pixel(0, 0), (Rgb{128, 128, 128})); // a hole
}

TEST(BorderMaskAtDeviceRatio, FractionalRatiosTakeTheNextLargerMask)
{
    EXPECT_EQ(BorderMaskScale(1.0), 1);
    EXPECT_EQ(BorderMaskScale(0.5), 1) << "no mask below 1×";
    EXPECT_EQ(BorderMaskScale(1.25), 2);
    EXPECT_EQ(BorderMaskScale(1.5), 2);
    EXPECT_EQ(BorderMaskScale(2.0), 2);
    EXPECT_EQ(BorderMaskScale(2.0000001), 2) << "a rounding error above 2 is still 2";
    EXPECT_EQ(BorderMaskScale(2.5), 3);
    EXPECT_EQ(BorderMaskScale(3.0), 3);
    EXPECT_EQ(BorderMaskScale(4.0), 3) << "the largest mask drawn";
}

TEST(BorderMaskAtDeviceRatio, LogicalShapeKeepsPixelsThatAreMostlyHoles)
{
    // At ratio 1 the shape is the holes themselves.
    const std::vector<HolePixel> one = {{0, 0}, {1, 0}, {0, 1}, {109, 24}};
    EXPECT_EQ(LogicalHoles(one, 111, 25, 1.0), one);

    // At ratio 2 each logical pixel owns a 2 × 2 block: cut with 4, 3 or 2 holes, kept with 1.
    const std::vector<HolePixel> two = {
        {0, 0}, {1, 0}, {0, 1}, {1, 1}, // all four of logical (0, 0)
        {2, 0}, {3, 0}, {2, 1},         // three of (1, 0)
        {4, 0}, {5, 0},                 // two of (2, 0)
        {0, 2},                         // one of (0, 1)
        {221, 49},                      // one of the last pixel (110, 24)
    };
    EXPECT_EQ(LogicalHoles(two, 222, 50, 2.0),
              (std::vector<HolePixel>{{0, 0}, {1, 0}, {2, 0}}));

    // At ratio 1.5 a device pixel belongs to the logical pixel its centre lies in: logical column
    // 0 owns device column 0, column 1 owns 1 and 2, column 2 owns 3, column 3 owns 4 and 5.
    // So (0, 0) is cut by its one device pixel, (1, 0) and (3, 0) by one of their two, while
    // one hole of the four device pixels of (1, 1) keeps it.
    const std::vector<HolePixel> fractional = {{0, 0}, {1, 0}, {2, 2}, {5, 0}};
    EXPECT_EQ(LogicalHoles(fractional, 9, 9, 1.5),
              (std::vector<HolePixel>{{0, 0}, {1, 0}, {3, 0}}));
    EXPECT_TRUE(LogicalHoles(two, 0, 50, 2.0).empty());
}

TEST(BorderMaskAtDeviceRatio, ADoubledMaskCutsTheSameCornersAtRatioTwo)
{
    // A mask drawn at 2× as the 1× one with every pixel doubled: drawn on a 2× button its
    // logical shape is exactly the 1× button's.
    BgrImage mask1(90, 60);
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 90; ++x) {
            const int u = x % 10;
            const int v = y % 10;
            const bool corner = (u < 2 || u > 7) && (v < 2 || v > 7) && y < 30;
            mask1.setPixel(x, y, corner && (u + v) % 3 == 0 ? Rgb{255, 0, 255} : Rgb{128, 128, 128});
        }
    }
    BgrImage mask2(180, 120);
    for (int y = 0; y < 120; ++y) {
        for (int x = 0; x < 180; ++x) {
            mask2.setPixel(x, y, mask1.pixel(x / 2, y / 2));
        }
    }
    std::vector<HolePixel> holes1;
    std::vector<HolePixel> holes2;
    drawn(111, 25, mask1, BorderState::Hot, &holes1);
    drawn(222, 50, mask2, BorderState::Hot, &holes2);
    ASSERT_FALSE(holes1.empty());
    std::sort(holes1.begin(), holes1.end(), [](HolePixel a, HolePixel b) {
        return std::tie(a.y, a.x) < std::tie(b.y, b.x);
    });
    EXPECT_EQ(LogicalHoles(holes2, 222, 50, 2.0), holes1);
}

TEST(BorderMaskAtDeviceRatio, Bord1AtTwiceTheSizeCutsTheCornersOfTheOneTimesShape)
{
    const BgrImage mask1 = ReadBmpFile(NN_ASSETS_DIR "/BORD1.bmp");
    const BgrImage mask2 = ReadBmpFile(NN_ASSETS_DIR "/BORD1@2x.bmp");
    for (BorderState state : {BorderState::Normal, BorderState::Hot, BorderState::Pressed}) {
        std::vector<HolePixel> holes1;
        std::vector<HolePixel> holes2;
        drawn(111, 25, mask1, state, &holes1);
        drawn(222, 50, mask2, state, &holes2);
        const std::vector<HolePixel> logical = LogicalHoles(holes2, 222, 50, 2.0);
        // Every corner keeps its outermost three pixels cut and nothing beyond the 1× tile.
        for (const HolePixel &h : logical) {
            EXPECT_TRUE((h.x < 3 || h.x > 107) && (h.y < 3 || h.y > 21)) << h.x << "," << h.y;
        }
        for (HolePixel must : {HolePixel{0, 0}, HolePixel{1, 0}, HolePixel{2, 0}, HolePixel{0, 2},
                               HolePixel{110, 24}, HolePixel{108, 24}, HolePixel{110, 22}}) {
            EXPECT_NE(std::find(logical.begin(), logical.end(), must), logical.end())
                << must.x << "," << must.y;
        }
        EXPECT_LE(std::abs(int(logical.size()) - int(holes1.size())), 4)
            << "about the 1× count of " << holes1.size();
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The gradient parser, painter, colour blend and background composition, checked against the
// worked examples pixel for pixel.
#include "ProgramLook.h"
#include "TsGradient.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace {

using programlook::kHotGradient;
using programlook::kNormalGradient;

const Rgb kSentinel{1, 2, 3};

std::vector<int> greyColumn(const BgrImage &img, int x, int fromRow = 0)
{
    std::vector<int> out;
    for (int y = fromRow; y < img.height(); ++y) {
        const Rgb p = img.pixel(x, y);
        EXPECT_TRUE(p.r == p.g && p.g == p.b) << "row " << y << " is not grey";
        out.push_back(p.r);
    }
    return out;
}

void expectRowsUniform(const BgrImage &img, int fromColumn = 0)
{
    for (int y = 0; y < img.height(); ++y) {
        for (int x = fromColumn; x < img.width(); ++x) {
            ASSERT_EQ(img.pixel(x, y), img.pixel(fromColumn, y)) << x << "," << y;
        }
    }
}

} // namespace

TEST(ParseGradient, ProgramDescriptions)
{
    const TsGradArray normal = ParseGradient(kNormalGradient);
    ASSERT_EQ(normal.size(), 2u);
    EXPECT_EQ(normal[0], (TsGradientStop{8421504, 16777215, 99, 0, 0}));
    EXPECT_EQ(normal[1], (TsGradientStop{16777215, 16777215, 0, 0, 0}));

    const TsGradArray hot = ParseGradient(kHotGradient);
    ASSERT_EQ(hot.size(), 5u);
    EXPECT_EQ(hot[2], (TsGradientStop{16777215, 10658466, 28, 0, 0}));
    EXPECT_EQ(hot[4].Percent, 0);
}

TEST(ParseGradient, WordCountsAndEmptyWords)
{
    EXPECT_TRUE(ParseGradient("").empty());
    EXPECT_TRUE(ParseGradient(";;;").empty());
    EXPECT_TRUE(ParseGradient("1;2;3;0").empty()) << "four words are no stop";
    EXPECT_EQ(ParseGradient("1;2;3;0;0;7").size(), 1u) << "the sixth word is ignored";
    EXPECT_EQ(ParseGradient(";1;;2;3;;0;0;").size(), 1u) << "empty words are skipped";

    // The program's description with a doubled semicolon keeps both stops; with a word
    // removed it has nine words, so only one.
    EXPECT_EQ(ParseGradient("8421504;;16777215;99;0;0;16777215;16777215;0;0;0").size(), 2u);
    EXPECT_EQ(ParseGradient("8421504;16777215;99;0;0;16777215;0;0;0").size(), 1u);
}

TEST(ParseGradient, PercentKeepsLowEightBitsAndReservedWordIsNotRead)
{
    EXPECT_EQ(ParseGradient("0;0;300;0;0")[0].Percent, 44);
    EXPECT_EQ(ParseGradient("0;0;-10;0;0")[0].Percent, 246);
    EXPECT_EQ(ParseGradient("0;0;256;0;0")[0].Percent, 0);
    EXPECT_NO_THROW(ParseGradient("0;0;50;0;not a number"));
    EXPECT_EQ(ParseGradient("-1;2147483647;0;-2147483648;0")[0],
              (TsGradientStop{-1, 2147483647, 0, -2147483648, 0}));
}

TEST(ParseGradient, BadWordsThrowWithTheWordInTheMessage)
{
    const char *bad[] = {
        "0;x;0;0;0",          "0;0;1 2;0;0",         "0;0;0;0x1;0", "0;0;0;+;0",
        "0;2147483648;0;0;0", "0;-2147483649;0;0;0", "0;0;5 ;0;0",  "99999999999999999999;0;0;0;0"};
    for (const char *text : bad) {
        EXPECT_THROW(ParseGradient(text), TsConvertError) << text;
    }
    try {
        ParseGradient("1;2;3;0;0;4;abc;5;0;0");
        FAIL() << "no error";
    } catch (const TsConvertError &e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
        EXPECT_EQ(e.word(), "abc");
    }
    // Leading blanks and a sign are part of a decimal number; blanks do not separate words.
    EXPECT_EQ(ParseGradient(" 7;+8;-0;  1;0")[0], (TsGradientStop{7, 8, 0, 1, 0}));
}

// The worked columns: each description painted over a whole 25-row image gives these greys,
// the same in every column.
TEST(PaintGradient, WorkedDescriptionsOn25Rows)
{
    struct Case
    {
        const char *description;
        std::vector<int> greys;
    };
    // clang-format off
    const Case cases[] = {
        {kNormalGradient, {128, 133, 139, 144, 149, 154, 160, 165, 170, 176, 181, 186, 191,
                           197, 202, 207, 213, 218, 223, 229, 234, 239, 244, 250, 255}},
        {kHotGradient, {128, 128, 128, 141, 153, 166, 179, 191, 204, 217, 230, 242, 255,
                        242, 228, 215, 202, 189, 175, 162, 174, 186, 198, 210, 210}},
        // Black to white and back: the shared boundary row 12 ends white.
        {"0;16777215;50;0;0;16777215;0;0;0;0", {0, 21, 42, 64, 85, 106, 128, 149, 170, 191, 212,
                                                234, 255, 234, 212, 191, 170, 149, 128, 106,
                                                85, 64, 42, 21, 0}},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.description);
        BgrImage img(111, 25);
        img.fill(kSentinel);
        PaintGradient(img, {0, 0, 111, 25}, ParseGradient(c.description));
        EXPECT_EQ(greyColumn(img, 50), c.greys);
        expectRowsUniform(img);
    }
}

TEST(PaintGradient, HotDescriptionAtTwiceTheDeviceHeightBandsOverDeviceRows)
{
    // A 25-pixel button at device pixel ratio 2 is 50 device rows high: the bands are percentages
    // of 50, 5, 21, 14 and 9 rows (the last stop empty), each running its whole colour range over
    // its own device rows rather than the 1× rows doubled.
    BgrImage img(200, 50);
    PaintGradient(img, {0, 0, 200, 50}, ParseGradient(kHotGradient));
    const std::vector<int> g = greyColumn(img, 150);
    ASSERT_EQ(g.size(), 50u);
    EXPECT_EQ(g[0], 128);
    EXPECT_EQ(g[5], 128) << "the first band ends on row 5";
    EXPECT_EQ(g[26], 255) << "the second band, 128 to 255, ends on row 26";
    EXPECT_EQ(g[40], 162) << "the third, 255 to 162, on row 40";
    EXPECT_EQ(g[49], 210) << "the fourth, 162 to 210, on the last row";
    for (int y = 6; y <= 26; ++y) {
        EXPECT_GT(g[y], g[y - 1]) << "rising by 127/21 a row at " << y;
        EXPECT_LE(g[y] - g[y - 1], 7) << y;
    }
    for (int y = 27; y <= 40; ++y) {
        EXPECT_LT(g[y], g[y - 1]) << "falling by 93/14 a row at " << y;
    }
    for (int y = 41; y <= 49; ++y) {
        EXPECT_GT(g[y], g[y - 1]) << "rising by 48/9 a row at " << y;
    }
    expectRowsUniform(img);
}

TEST(PaintGradient, PressedHotShiftedOnePixelLeavesRowAndColumnZero)
{
    BgrImage img(75, 25);
    img.fill(kSentinel);
    PaintGradient(img, {1, 1, 76, 26}, ParseGradient(kHotGradient));
    const std::vector<int> expected{128, 128, 128, 141, 153, 166, 179, 191, 204, 217, 230, 242,
                                    255, 240, 224, 208, 193, 178, 162, 174, 186, 198, 210, 210};
    EXPECT_EQ(greyColumn(img, 1, 1), expected);
    expectRowsUniform(img, 1);
    for (int x = 0; x < img.width(); ++x) {
        EXPECT_EQ(img.pixel(x, 0), kSentinel);
    }
    for (int y = 0; y < img.height(); ++y) {
        EXPECT_EQ(img.pixel(0, y), kSentinel);
    }
}

TEST(PaintGradient, SingleStopRunsWholeHeightInItsOwnColours)
{
    BgrImage img(3, 10);
    PaintGradient(img, {0, 0, 3, 10}, ParseGradient("255;16711680;0;0;0"));
    EXPECT_EQ(img.pixel(1, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(img.pixel(1, 9), (Rgb{0, 0, 255}));
    // Only the low three bytes of a colour count.
    PaintGradient(img, {0, 0, 3, 10}, ParseGradient("-16777216;-1;0;0;0"));
    EXPECT_EQ(img.pixel(1, 0), (Rgb{0, 0, 0}));
    EXPECT_EQ(img.pixel(1, 9), (Rgb{255, 255, 255}));
}

TEST(PaintGradient, RoundsTiesToEvenAndAdvancesByRepeatedAddition)
{
    BgrImage img(1, 3);
    PaintGradient(img, {0, 0, 1, 3}, ParseGradient("0;65793;0;0;0"));
    EXPECT_EQ(greyColumn(img, 0), (std::vector<int>{0, 0, 1})) << "0.5 rounds to 0";
    PaintGradient(img, {0, 0, 1, 3}, ParseGradient("0;197379;0;0;0"));
    EXPECT_EQ(greyColumn(img, 0), (std::vector<int>{0, 2, 3})) << "1.5 rounds to 2";

    // From 0 to 1 over 18 steps the ninth row is 0.5 when computed afresh, but nine additions
    // of 1/18 land just above it, so the row reads 1.
    BgrImage tall(1, 19);
    PaintGradient(tall, {0, 0, 1, 19}, ParseGradient("0;65793;0;0;0"));
    EXPECT_EQ(tall.pixel(0, 8).r, 0);
    EXPECT_EQ(tall.pixel(0, 9).r, 1);
}

TEST(PaintGradient, HorizontalBandsFromFirstStopOnly)
{
    BgrImage img(6, 4);
    img.fill(kSentinel);
    // 0 -> 250 grey over the whole width; the second stop asks for vertical bands but only the
    // first stop's direction counts.
    PaintGradient(img, {0, 0, 6, 4}, ParseGradient("0;16448250;100;1;0;0;0;0;0;0"));
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x) {
            EXPECT_EQ(img.pixel(x, y).g, 50 * x) << x << "," << y;
        }
    }
    // Two horizontal bands share their boundary column: black to white, white to black.
    BgrImage two(5, 2);
    PaintGradient(two, {0, 0, 5, 2}, ParseGradient("0;16777215;50;1;0;16777215;0;0;0;0"));
    const int expected[] = {0, 128, 255, 128, 0}; // 127.5 rounds to 128
    for (int x = 0; x < 5; ++x) {
        EXPECT_EQ(two.pixel(x, 1).r, expected[x]) << x;
    }
}

TEST(PaintGradient, NothingForNoStopsOrInvalidDirection)
{
    BgrImage img(5, 5);
    img.fill(kSentinel);
    const BgrImage before = img;
    PaintGradient(img, {0, 0, 5, 5}, {});
    PaintGradient(img, {0, 0, 5, 5}, ParseGradient("0;0;100;2;0"));
    PaintGradient(img, {0, 0, 5, 5}, ParseGradient("0;0;100;-1;0"));
    PaintGradient(img, {3, 3, 3, 9}, ParseGradient("0;0;100;0;0"));
    EXPECT_EQ(img, before);
}

TEST(PaintGradient, ClipsToImageAndRectangle)
{
    // Percentages adding up to far more than 100 stay inside the image.
    BgrImage img(8, 25);
    PaintGradient(img, {-5, -5, 100, 100},
                  ParseGradient("0;16777215;200;0;0;255;255;200;0;0;65280;65280;0;0;0"));
    EXPECT_EQ(img.pixel(7, 24), (Rgb{255, 255, 255})) << "the first band is cut at the last row";

    // A rectangle shorter than the image: the last stop ends at the rectangle's last row and
    // the rows below keep what they had.
    BgrImage part(4, 25);
    part.fill(kSentinel);
    PaintGradient(part, {1, 0, 3, 10}, ParseGradient("0;16777215;0;0;0"));
    EXPECT_EQ(part.pixel(1, 9), (Rgb{255, 255, 255}));
    EXPECT_EQ(part.pixel(1, 10), kSentinel);
    EXPECT_EQ(part.pixel(0, 5), kSentinel);
    EXPECT_EQ(part.pixel(3, 5), kSentinel);
}

TEST(BlendWithColour, InclusiveRectangleClippedAndTiesToEven)
{
    BgrImage img(4, 3);
    img.fill(Rgb{1, 3, 200});
    BlendWithColour(img, {1, 1, 10, 10}, 50, Rgb{0, 0, 100});
    EXPECT_EQ(img.pixel(0, 0), (Rgb{1, 3, 200}));
    EXPECT_EQ(img.pixel(3, 0), (Rgb{1, 3, 200}));
    EXPECT_EQ(img.pixel(1, 1), (Rgb{0, 2, 150})) << "0.5 -> 0, 1.5 -> 2";
    EXPECT_EQ(img.pixel(3, 2), (Rgb{0, 2, 150})) << "the last column and row are included";
}

TEST(ComposeBackground, ProgramNormalAndHotRows)
{
    BgrImage img(111, 25);
    ComposeBackground(img, {0, 0, 111, 25}, ParseGradient(kNormalGradient), 70, 0,
                      Rgb{166, 210, 255});
    EXPECT_EQ(img.pixel(5, 0), (Rgb{139, 153, 166}));
    EXPECT_EQ(img.pixel(5, 12), (Rgb{184, 197, 210}));
    EXPECT_EQ(img.pixel(110, 24), (Rgb{228, 242, 255}));

    ComposeBackground(img, {0, 0, 111, 25}, ParseGradient(kHotGradient), 70, 0, Rgb{143, 183, 207});
    EXPECT_EQ(img.pixel(5, 0), (Rgb{132, 144, 152}));
    EXPECT_EQ(img.pixel(5, 12), (Rgb{221, 233, 241}));
    EXPECT_EQ(img.pixel(110, 24), (Rgb{190, 202, 209}));
}

TEST(ComposeBackground, PressedMixesTheWholeImageButPaintsTheShiftedRectangle)
{
    BgrImage img(20, 25);
    img.fill(Rgb{10, 10, 10});
    ComposeBackground(img, {1, 1, 21, 26}, ParseGradient(kHotGradient), 70, 0, Rgb{143, 183, 207});
    // Row 0 held 10: round(0.7 * 10 + 0.3 * colour).
    EXPECT_EQ(img.pixel(5, 0), (Rgb{50, 62, 69}));
    EXPECT_EQ(img.pixel(0, 12), (Rgb{50, 62, 69}));
    EXPECT_EQ(img.pixel(5, 13), (Rgb{221, 233, 241})) << "row 12 of the unshifted look";
}

TEST(ComposeBackground, SharesZeroSomeAndAll)
{
    const Rgb colour{166, 210, 255};
    const TsGradArray stops = ParseGradient(kNormalGradient);
    BgrImage img(10, 25);

    ComposeBackground(img, {0, 0, 10, 25}, stops, 0, 0, colour);
    EXPECT_EQ(img.pixel(3, 0), colour);
    EXPECT_EQ(img.pixel(9, 24), colour);

    ComposeBackground(img, {0, 0, 10, 25}, stops, 100, 0, colour);
    EXPECT_EQ(img.pixel(3, 0), (Rgb{128, 128, 128})) << "a full share is the pure gradient";

    // A picture share counts toward the total even without a picture.
    ComposeBackground(img, {0, 0, 10, 25}, stops, 70, 30, colour);
    EXPECT_EQ(img.pixel(3, 0), (Rgb{128, 128, 128}));

    ComposeBackground(img, {0, 0, 10, 25}, {}, 70, 0, colour);
    EXPECT_EQ(img.pixel(3, 12), colour) << "no stops: the plain painting colour";

    // An invalid direction keeps the old pixels and mixes them with the colour.
    img.fill(Rgb{0, 0, 0});
    ComposeBackground(img, {0, 0, 10, 25}, ParseGradient("0;0;100;7;0"), 70, 0, colour);
    // g = 1 - 0.7 in double precision is a hair above 0.3, so 0.3 * 255 lands above 76.5.
    EXPECT_EQ(img.pixel(3, 3), (Rgb{50, 63, 77}));
}

TEST(ComposeBackground, WholeShareToThePictureLeavesThePixels)
{
    // The gradient is painted only when it has a share; without a picture nothing is drawn.
    BgrImage img(10, 25);
    img.fill(kSentinel);
    const BgrImage before = img;
    ComposeBackground(img, {0, 0, 10, 25}, ParseGradient(kNormalGradient), 0, 100,
                      Rgb{166, 210, 255});
    EXPECT_EQ(img, before);
    ComposeBackground(img, {0, 0, 10, 25}, {}, 0, 100, Rgb{166, 210, 255});
    EXPECT_EQ(img, before);
}

TEST(ComposeBackground, EmptyRectangleAtTheIntLimitsMixesTheWholeImage)
{
    // No stops and a rectangle that clips to nothing: nothing is filled, everything is mixed,
    // and the rectangle's last column and row are never computed from its int-limit edges.
    const int lo = std::numeric_limits<int>::min();
    BgrImage img(4, 3);
    img.fill(Rgb{10, 10, 10});
    ComposeBackground(img, {lo, lo, lo, lo}, {}, 70, 0, Rgb{143, 183, 207});
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            EXPECT_EQ(img.pixel(x, y), (Rgb{50, 62, 69})) << x << "," << y;
        }
    }
}

TEST(BgrImage, ImagesWithoutColumnsCompareByHeight)
{
    // A width of 0 keeps no pixel buffer at all; comparing must not touch it.
    EXPECT_EQ(BgrImage(0, 5), BgrImage(0, 5));
    EXPECT_FALSE(BgrImage(0, 5) == BgrImage(0, 4));
    EXPECT_EQ(BgrImage(0, 0), BgrImage());
}

TEST(FillRow, WritesExactlyTheRunForEveryLength)
{
    // Runs shorter and longer than the eight-pixel word pattern, at odd offsets.
    for (int x0 : {0, 1, 5}) {
        for (int count : {0, 1, 7, 8, 9, 17, 40}) {
            BgrImage img(60, 1);
            img.fill(kSentinel);
            FillRow(img.row(0), x0, x0 + count, Rgb{10, 20, 30});
            for (int x = 0; x < 60; ++x) {
                const bool inside = x >= x0 && x < x0 + count;
                ASSERT_EQ(img.pixel(x, 0), inside ? (Rgb{10, 20, 30}) : kSentinel)
                    << "x0 " << x0 << " count " << count << " x " << x;
            }
        }
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The committed pictures under assets/: each is exactly what make-assets draws today, and each
// shows what the windows need (sizes, stored forms, the colours the layout relies on); here the
// files as a whole, the completion mark, the gradient strip and the letter pictures.
#include "test_assets_helpers.h"

#include "AssetList.h"
#include "BmpFile.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

using namespace assets_test;

TEST(Assets, CommittedFilesAreWhatTheGeneratorDraws)
{
    for (const AssetFile &asset : AssetFiles()) {
        SCOPED_TRACE(asset.fileName);
        const std::vector<std::uint8_t> committed = fileBytes(asset.fileName);
        ASSERT_FALSE(committed.empty()) << "missing; run: build/tools/make-assets assets";
        const std::vector<std::uint8_t> drawn = asset.make();
        const auto [a, b] =
            std::mismatch(drawn.begin(), drawn.end(), committed.begin(), committed.end());
        EXPECT_TRUE(a == drawn.end() && b == committed.end())
            << "differs from byte " << (a - drawn.begin()) << " (" << drawn.size()
            << " bytes drawn, " << committed.size()
            << " committed); regenerate: build/tools/make-assets assets";
        // Nothing in the drawing may depend on the run (uninitialised memory, time, addresses).
        EXPECT_TRUE(asset.make() == drawn);
    }
}

TEST(Assets, EveryPictureIsEmbeddedOrInstalledOnlyAndNoOtherFileLiesBesideThem)
{
    // The program's resource list, and the skin's own (the buttons' border mask).
    std::ifstream in(kAssetsDir / "CMakeLists.txt"), skin(kAssetsDir / "../skin/CMakeLists.txt");
    const std::string resources = std::string{std::istreambuf_iterator<char>(in), {}} +
                                  std::string{std::istreambuf_iterator<char>(skin), {}};
    std::set<std::string> generated;
    for (const AssetFile &asset : AssetFiles()) {
        generated.insert(asset.fileName);
        if (asset.embedded) {
            EXPECT_NE(resources.find(" " + asset.fileName + "\n"), std::string::npos)
                << asset.fileName << " is in the resource list of neither assets/ nor skin/";
        } else {
            // The program never loads it; embedded, it would only make the program larger.
            EXPECT_EQ(resources.find(asset.fileName), std::string::npos)
                << asset.fileName << " is only installed, but assets/ or skin/ embeds it";
        }
    }
    for (const auto &entry : std::filesystem::directory_iterator(kAssetsDir)) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name == "CMakeLists.txt" || generated.count(name) == 1)
            << name << " in assets/ is not drawn by make-assets";
    }
}

TEST(CompletionMark, IsA35PixelBaselineJpegOfARedCheckWithAGreyShadowOnPaleYellow)
{
    const std::vector<std::uint8_t> bytes = fileBytes("CompletionMark.jpg");
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xD8);
    const std::vector<int> markers = jpegMarkers(bytes);
    EXPECT_NE(std::find(markers.begin(), markers.end(), 0xC0), markers.end()) << "not baseline";
    for (int unwanted : {0xC2, 0xE1, 0xFE}) { // progressive, Exif (with its dates), comment
        EXPECT_EQ(std::find(markers.begin(), markers.end(), unwanted), markers.end()) << unwanted;
    }

    const QImage mark = loadAsset("CompletionMark.jpg");
    ASSERT_FALSE(mark.isNull());
    ASSERT_EQ(mark.size(), QSize(35, 35));
    // The ground must meet the panel's RGB(255, 255, 225) without a visible seam.
    const Rgb ground{255, 255, 225};
    for (const QPoint &p : {QPoint(0, 0), QPoint(34, 34), QPoint(0, 34), QPoint(34, 0),
                            QPoint(17, 0), QPoint(0, 17), QPoint(2, 32)}) {
        EXPECT_LE(distance(rgbOf(mark.pixel(p)), ground), 3) << p.x() << ", " << p.y();
    }
    const int red = countPixels(mark, [](Rgb c) { return c.r > 180 && c.g < 90 && c.b < 90; });
    EXPECT_GE(red, 100);
    const int shadow =
        countPixels(mark, [](Rgb c) { return isGrey(c, 14) && c.g < 225 && c.g > 90; });
    EXPECT_GE(shadow, 15);
}

TEST(GradientStrip, RunsColumnByColumnFromPaleYellowToPinkInEvenSteps)
{
    const BgrImage strip = ReadBmpFile((kAssetsDir / "GradientStrip.bmp").string());
    ASSERT_EQ(strip.width(), 211);
    ASSERT_EQ(strip.height(), 92);
    EXPECT_EQ(strip.pixel(0, 45), (Rgb{255, 255, 154}));
    EXPECT_EQ(strip.pixel(210, 45), (Rgb{255, 204, 255}));
    for (int x = 0; x < strip.width(); ++x) {
        const Rgb top = strip.pixel(x, 0);
        for (int y = 1; y < strip.height(); ++y) {
            ASSERT_EQ(strip.pixel(x, y), top) << "column " << x << " is not one colour";
        }
        EXPECT_EQ(top.r, 255);
        if (x > 0) {
            // 51 steps of green down and 101 of blue up over 210 columns: never more than one.
            const Rgb left = strip.pixel(x - 1, 0);
            EXPECT_TRUE(left.g - top.g == 0 || left.g - top.g == 1) << "column " << x;
            EXPECT_TRUE(top.b - left.b == 0 || top.b - left.b == 1) << "column " << x;
        }
    }
}

namespace {

struct LetterPicture
{
    const char *file;
    int width;
    int height;
    int letters;
    Rgb ground;
    Rgb frame;
};

const LetterPicture kLetterPictures[] = {
    {"PictureN.bmp", 102, 88, 1, {215, 232, 250}, {102, 0, 255}},
    {"PictureNN.bmp", 103, 87, 2, {255, 243, 217}, {204, 102, 0}},
};

// The first row or column, counted from `from` in steps of `step`, where `test` holds.
int firstWhere(int from, int step, int limit, const std::function<bool(int)> &test)
{
    for (int i = from; i != limit; i += step) {
        if (test(i)) {
            return i;
        }
    }
    return -1;
}

} // namespace

TEST(LetterPictures, HaveTheDoubleFrameOnAFaintlyMottledGround)
{
    const Rgb white{255, 255, 255};
    for (const LetterPicture &p : kLetterPictures) {
        SCOPED_TRACE(p.file);
        const BgrImage image = ReadBmpFile((kAssetsDir / p.file).string());
        ASSERT_EQ(image.width(), p.width);
        ASSERT_EQ(image.height(), p.height);
        // Only the 102 columns that the windows show carry the frame.
        const int shown = 102;
        const Rgb rings[] = {white, p.frame, white, p.frame, p.frame, p.frame, p.frame};
        for (int i = 0; i < 7; ++i) {
            EXPECT_EQ(image.pixel(i, p.height / 3), rings[i]) << "left, ring " << i;
            EXPECT_EQ(image.pixel(shown - 1 - i, p.height / 3), rings[i]) << "right, ring " << i;
            EXPECT_EQ(image.pixel(shown / 3, i), rings[i]) << "top, ring " << i;
            EXPECT_EQ(image.pixel(shown / 3, p.height - 1 - i), rings[i]) << "bottom, ring " << i;
        }
        EXPECT_NE(image.pixel(7, p.height / 3), p.frame) << "the band is wider than four pixels";
        for (int y = 0; y < p.height; ++y) {
            for (int x = shown; x < p.width; ++x) {
                EXPECT_EQ(image.pixel(x, y), white) << "the unseen column holds a picture";
            }
        }

        // Between the frame and the letters: the ground, each pixel close to its colour.
        double sum[3] = {0, 0, 0};
        int n = 0;
        std::set<std::uint32_t> shades;
        for (int y = 8; y < 15; ++y) {
            for (int x = 8; x < shown - 8; ++x) {
                const Rgb c = image.pixel(x, y);
                EXPECT_LE(distance(c, p.ground), 8) << x << ", " << y;
                sum[0] += c.r;
                sum[1] += c.g;
                sum[2] += c.b;
                shades.insert(std::uint32_t(c.r) << 16 | std::uint32_t(c.g) << 8 | c.b);
                ++n;
            }
        }
        EXPECT_NEAR(sum[0] / n, p.ground.r, 2.5);
        EXPECT_NEAR(sum[1] / n, p.ground.g, 2.5);
        EXPECT_NEAR(sum[2] / n, p.ground.b, 2.5);
        EXPECT_GE(shades.size(), 4u) << "the ground is not mottled";
    }
}

TEST(LetterPictures, LettersShadeFromNavyEndsToAnOrangeMiddleAndCastAShadowDownRight)
{
    const Rgb orange{244, 154, 4};
    for (const LetterPicture &p : kLetterPictures) {
        SCOPED_TRACE(p.file);
        const BgrImage image = ReadBmpFile((kAssetsDir / p.file).string());
        ASSERT_EQ(image.height(), p.height);
        // Across the middle row every letter is one orange run (the stems and the crossbar).
        const int middle = p.height / 2;
        std::vector<int> runStarts;
        for (int x = 7; x < 95; ++x) {
            const bool here = distance(image.pixel(x, middle), orange) <= 24;
            const bool before = distance(image.pixel(x - 1, middle), orange) <= 24;
            if (here && !before) {
                runStarts.push_back(x);
            }
        }
        ASSERT_EQ(static_cast<int>(runStarts.size()), p.letters);

        for (int left : runStarts) {
            // Up and down the left stem, from the orange middle to the ends of the letter.
            const int x = left + 3;
            // The letter ends where the ground or its grey shadow begins.
            auto isOutside = [&](int y) {
                const Rgb c = image.pixel(x, y);
                return distance(c, p.ground) <= 12 || isGrey(c, 14);
            };
            const int above = firstWhere(middle, -1, 0, isOutside);
            const int below = firstWhere(middle, 1, p.height, isOutside);
            ASSERT_GT(above, 7);
            ASSERT_GT(below, middle);
            for (int y : {above + 2, below - 2}) {
                const Rgb end = image.pixel(x, y);
                EXPECT_TRUE(end.r < 60 && end.g < 40 && end.b < 100 && end.b > end.r)
                    << "not dark navy at " << x << ", " << y;
            }
            const int crimson = firstWhere(above, 1, middle, [&](int y) {
                const Rgb c = image.pixel(x, y);
                return c.r > 150 && c.g < 50 && c.b > 30 && c.b < 100;
            });
            EXPECT_NE(crimson, -1) << "no crimson between the top and the middle";

            // The shadow lies below and to the right of the letter, none above and left.
            const Rgb shadow = image.pixel(x + 2, below + 1);
            EXPECT_TRUE(isGrey(shadow, 14) && shadow.g < p.ground.g - 40)
                << "no grey shadow under the stem";
            EXPECT_LE(distance(image.pixel(x - 4, above - 1), p.ground), 12);
        }
    }
}

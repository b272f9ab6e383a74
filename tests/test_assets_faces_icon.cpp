// SPDX-License-Identifier: GPL-3.0-or-later
// The cartoon faces and the window icon under assets/: what each shows, checked on its pixels,
// and the icon file the Windows program carries.
#include "test_assets_helpers.h"

#include "IcoFile.h"
#include "WindowIcon.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

using namespace assets_test;

TEST(CartoonFaces, Are256ColourBitmapsOnWhite)
{
    struct Face
    {
        const char *file;
        int width;
        int height;
    };
    for (const Face &face :
         {Face{"SmilingFace.bmp", 190, 181}, Face{"TeasingFace.bmp", 190, 195}}) {
        SCOPED_TRACE(face.file);
        const std::vector<std::uint8_t> bytes = fileBytes(face.file);
        ASSERT_GT(bytes.size(), 54u + 1024u);
        EXPECT_EQ(bytes[28], 8) << "bits per pixel";
        EXPECT_EQ(bytes[30], 0) << "compressed";
        EXPECT_EQ(bytes[46] | bytes[47] << 8, 256) << "palette entries";

        const QImage image = loadAsset(face.file);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.format(), QImage::Format_Indexed8);
        EXPECT_EQ(image.size(), QSize(face.width, face.height));
        for (const QPoint &corner :
             {QPoint(0, 0), QPoint(face.width - 1, 0), QPoint(0, face.height - 1),
              QPoint(face.width - 1, face.height - 1)}) {
            EXPECT_EQ(image.pixel(corner), qRgb(255, 255, 255));
        }
    }
}

namespace {

bool isBlue(Rgb c)
{
    return c.b > 150 && c.r < 140 && c.b - c.r > 80;
}

bool isYellow(Rgb c)
{
    return c.r > 220 && c.g > 150 && c.b < 90;
}

// The mean row of the pixels for which `test` holds.
double meanRow(const QImage &image, const std::function<bool(Rgb)> &test)
{
    double sum = 0;
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (test(rgbOf(image.pixel(x, y)))) {
                sum += y;
                ++n;
            }
        }
    }
    return n > 0 ? sum / n : -1;
}

} // namespace

TEST(CartoonFaces, SmilingBoyWearsABlueHatOverYellowHairAndLaughs)
{
    const QImage face = loadAsset("SmilingFace.bmp");
    ASSERT_FALSE(face.isNull());
    EXPECT_GE(countPixels(face, isBlue), 2500);
    EXPECT_GE(countPixels(face, isYellow), 250);
    // The hat is on top: above the hair, which is above the open mouth's teeth and tongue.
    const double hat = meanRow(face, isBlue);
    const double hair = meanRow(face, isYellow);
    const double mouth = meanRow(face, [](Rgb c) { return c.r > 90 && c.g < 60 && c.b < 70; });
    EXPECT_LT(hat, hair);
    EXPECT_LT(hair, mouth);
    EXPECT_GT(mouth, face.height() * 0.7);
}

TEST(CartoonFaces, TeasingBoyWithSpikyHairBeforeABlueDiscShowsARedTongue)
{
    const QImage face = loadAsset("TeasingFace.bmp");
    ASSERT_FALSE(face.isNull());
    EXPECT_GE(countPixels(face, isBlue), 8000);
    EXPECT_GE(countPixels(face, isYellow), 2500);
    const auto isRed = [](Rgb c) { return c.r > 180 && c.g < 90 && c.b < 100; };
    EXPECT_GE(countPixels(face, isRed), 150);
    EXPECT_GT(meanRow(face, isRed), face.height() * 0.75) << "the tongue hangs below the mouth";
    EXPECT_LT(meanRow(face, isYellow), face.height() * 0.5) << "the hair is on top";
    // The disc is behind the head: blue at its left and right, skin in the middle.
    EXPECT_TRUE(isBlue(rgbOf(face.pixel(15, 100))));
    EXPECT_TRUE(isBlue(rgbOf(face.pixel(175, 100))));
    EXPECT_FALSE(isBlue(rgbOf(face.pixel(95, 135))));
}

TEST(WindowIcon, ShowsAMonitorWithARedCheckOnBlueBesideAGreyUnitAtEverySize)
{
    for (int size : {16, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage icon = loadAsset("WindowIcon" + std::to_string(size) + ".png");
        ASSERT_FALSE(icon.isNull());
        EXPECT_EQ(icon.size(), QSize(size, size));
        EXPECT_TRUE(icon.hasAlphaChannel());
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << "the ground is not transparent";
        EXPECT_GE(countPixels(icon, isBlue), size * size / 12);
        EXPECT_GE(countPixels(icon, [](Rgb c) { return c.r > 200 && c.g < 60 && c.b < 60; }),
                  size / 2);
        // The system unit stands at the right: grey just inside its outline, which widens with
        // the size (a pixel at 32).
        const int column = size - 2 * std::max(1, size / 32);
        int grey = 0;
        for (int y = 0; y < size; ++y) {
            const QRgb c = icon.pixel(column, y);
            grey += qAlpha(c) == 255 && isGrey(rgbOf(c), 16) && qGreen(c) > 150 ? 1 : 0;
        }
        EXPECT_GE(grey, size / 2);
    }
    EXPECT_THROW(DrawWindowIcon(24), std::invalid_argument);
}

// The sizes that are whole multiples of 32 are the 32-pixel drawing scaled: shrunk back, they
// differ from it only along the edges. (At 48 the outline and bevels stay one pixel wide, and the
// boxes move by half pixels, so that size is not compared this way.)
TEST(WindowIcon, LargerSizesShrunkTo32PixelsLookLikeThe32PixelIcon)
{
    const QImage small = loadAsset("WindowIcon32.png").convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(small.size(), QSize(32, 32));
    // One channel of a pixel as shown on a white ground, as a desktop shows an icon.
    const auto onWhite = [](QRgb c, int shift) {
        const int channel = int(c >> shift) & 0xFF;
        return (channel * qAlpha(c) + 255 * (255 - qAlpha(c))) / 255;
    };
    for (int size : {64, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage shrunk = loadAsset("WindowIcon" + std::to_string(size) + ".png")
                                  .scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                  .convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(shrunk.size(), QSize(32, 32));
        double sum = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                for (int shift : {16, 8, 0}) {
                    sum += std::abs(onWhite(small.pixel(x, y), shift) -
                                    onWhite(shrunk.pixel(x, y), shift));
                }
            }
        }
        // About 1.4 today; leaving out the check mark, for one, goes well over the limit.
        EXPECT_LT(sum / (32 * 32 * 3), 3.0);
    }
}

// The icon file the Windows program carries: a directory of every drawn size, each entry the
// committed PNG of that size, as Windows reads it (ICONDIR, then 16-byte ICONDIRENTRYs).
TEST(WindowIcon, IconFileHoldsEveryDrawnSizeAsItsPng)
{
    const std::vector<std::uint8_t> ico = fileBytes("WindowIcon.ico");
    const auto little = [&ico](std::size_t at, int bytes) {
        std::uint32_t v = 0;
        for (int i = bytes - 1; i >= 0; --i) {
            v = v << 8 | ico.at(at + i);
        }
        return v;
    };
    const int sizes[] = {16, 32, 48, 64, 128, 256};
    ASSERT_GE(ico.size(), 6u);
    EXPECT_EQ(little(0, 2), 0u);
    EXPECT_EQ(little(2, 2), 1u) << "not an icon (1), a cursor (2) or something else";
    ASSERT_EQ(little(4, 2), std::size(sizes));
    std::size_t end = 6 + 16 * std::size(sizes);
    for (std::size_t i = 0; i < std::size(sizes); ++i) {
        SCOPED_TRACE(sizes[i]);
        const std::size_t entry = 6 + 16 * i;
        const std::vector<std::uint8_t> png =
            fileBytes("WindowIcon" + std::to_string(sizes[i]) + ".png");
        EXPECT_EQ(little(entry, 1), std::uint32_t(sizes[i] % 256)) << "width (256 is 0)";
        EXPECT_EQ(little(entry + 1, 1), std::uint32_t(sizes[i] % 256)) << "height";
        EXPECT_EQ(little(entry + 4, 2), 1u) << "planes";
        EXPECT_EQ(little(entry + 6, 2), 32u) << "bits per pixel";
        const std::uint32_t bytes = little(entry + 8, 4);
        const std::uint32_t offset = little(entry + 12, 4);
        EXPECT_EQ(offset, end) << "pictures follow each other without a gap";
        ASSERT_EQ(bytes, png.size());
        ASSERT_LE(offset + bytes, ico.size());
        EXPECT_TRUE(std::equal(png.begin(), png.end(), ico.begin() + offset));
        end = offset + bytes;
    }
    EXPECT_EQ(end, ico.size());
    EXPECT_THROW(WriteIco({}), std::invalid_argument);
    EXPECT_THROW(WriteIco({{257, {1}}}), std::invalid_argument);
}

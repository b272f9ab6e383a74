// SPDX-License-Identifier: GPL-3.0-or-later
// The pieces make-assets draws and stores with: the canvas, the palette reduction and the
// 256-colour BMP, PNG and JPEG writers.
#include "Bmp8File.h"
#include "Canvas.h"
#include "IndexedImage.h"
#include "JpegFile.h"
#include "PngFile.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <stdexcept>
#include <vector>

namespace {

QImage decode(const std::vector<std::uint8_t> &bytes)
{
    return QImage::fromData(bytes.data(), static_cast<int>(bytes.size()));
}

int distance(Rgb a, Rgb b)
{
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

} // namespace

TEST(Canvas, CoverageOfAPixelAlignedShapeIsWholeAndOfAHalfPixelEdgeIsHalf)
{
    const Coverage box = Coverage::Of(Polygon({{1, 1}, {3.5, 1}, {3.5, 3}, {1, 3}}), 5, 4);
    EXPECT_DOUBLE_EQ(box.at(1, 1), 1.0);
    EXPECT_DOUBLE_EQ(box.at(2, 2), 1.0);
    EXPECT_DOUBLE_EQ(box.at(0, 1), 0.0);
    EXPECT_DOUBLE_EQ(box.at(1, 3), 0.0);
    EXPECT_NEAR(box.at(3, 1), 0.5, 0.02);
    EXPECT_DOUBLE_EQ(box.at(-1, 0), 0.0) << "outside the picture counts as uncovered";
    EXPECT_DOUBLE_EQ(box.shifted(1, 0).at(1, 1), 0.0);
    EXPECT_DOUBLE_EQ(box.shifted(1, 0).at(3, 1), 1.0);
}

TEST(Canvas, BlendsLayersAndStoresStraightColoursWithTheirOpacity)
{
    Canvas canvas(2, 1);
    canvas.blend(0, 0, Colour{255, 0, 0}, 0.5);
    canvas.blend(1, 0, Colour{0, 0, 255}, 1.0);
    canvas.blend(1, 0, Colour{255, 255, 255}, 0.25);
    const QImage image = canvas.toQImage();
    // Half-covered red stays red, at half opacity (not darkened by premultiplication).
    EXPECT_EQ(image.pixel(0, 0), qRgba(255, 0, 0, 128));
    EXPECT_EQ(image.pixel(1, 0), qRgba(64, 64, 255, 255));
    EXPECT_THROW(canvas.toBgr(), std::logic_error) << "a BMP cannot hold the see-through pixel";

    Canvas ground(1, 1, Colour{10, 20, 30});
    ground.blend(0, 0, Colour{110, 120, 130}, 0.5);
    EXPECT_EQ(ground.toBgr().pixel(0, 0), (Rgb{60, 70, 80}));
}

TEST(Bmp8File, WritesAStandardBottomUpFileWithAFullPalette)
{
    IndexedImage image;
    image.width = 5; // five bytes a row: three bytes of padding
    image.height = 2;
    image.palette = {{255, 0, 0}, {0, 128, 255}, {1, 2, 3}};
    image.indices = {0, 1, 2, 1, 0, //
                     2, 2, 1, 0, 0};
    const std::vector<std::uint8_t> bytes = WriteBmp8(image);
    // clang-format off
    const std::vector<std::uint8_t> header = {
        'B', 'M', 0x46, 0x04, 0, 0, 0, 0, 0, 0, 0x36, 0x04, 0, 0, // 1078 + 2 rows of 8 bytes
        40, 0, 0, 0, 5, 0, 0, 0, 2, 0, 0, 0,                      // 5 x 2
        1, 0, 8, 0, 0, 0, 0, 0, 16, 0, 0, 0,                      // 8 bits, uncompressed
        0xC4, 0x0E, 0, 0, 0xC4, 0x0E, 0, 0,                       // 96 dpi
        0, 1, 0, 0, 0, 0, 0, 0};                                  // 256 colours in the table
    // clang-format on
    ASSERT_EQ(bytes.size(), 1094u);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 54), header);
    // Palette entries: blue, green, red, 0; the unused ones all zero.
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 54, bytes.begin() + 66),
              (std::vector<std::uint8_t>{0, 0, 255, 0, 255, 128, 0, 0, 3, 2, 1, 0}));
    EXPECT_TRUE(
        std::all_of(bytes.begin() + 66, bytes.begin() + 1078, [](auto b) { return b == 0; }));
    // The last row is stored first; padding is zero.
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 1078, bytes.end()),
              (std::vector<std::uint8_t>{2, 2, 1, 0, 0, 0, 0, 0, 0, 1, 2, 1, 0, 0, 0, 0}));

    const QImage read = decode(bytes);
    ASSERT_FALSE(read.isNull());
    EXPECT_EQ(read.format(), QImage::Format_Indexed8);
    EXPECT_EQ(read.pixel(1, 0), qRgb(0, 128, 255));
    EXPECT_EQ(read.pixel(0, 1), qRgb(1, 2, 3));
}

TEST(Bmp8File, RefusesEmptyPicturesOversizedPalettesAndIndicesOutsideThePalette)
{
    IndexedImage image;
    EXPECT_THROW(WriteBmp8(image), std::invalid_argument);
    image.width = 2;
    image.height = 1;
    image.indices = {0, 1};
    image.palette.assign(257, Rgb{});
    EXPECT_THROW(WriteBmp8(image), std::invalid_argument);
    image.palette.assign(1, Rgb{});
    EXPECT_THROW(WriteBmp8(image), std::invalid_argument);
    image.indices = {0};
    EXPECT_THROW(WriteBmp8(image), std::invalid_argument);
}

TEST(Quantise, KeepsAPictureOf256ColoursExactly)
{
    BgrImage image(16, 16);
    for (int i = 0; i < 256; ++i) {
        image.setPixel(i % 16, i / 16, Rgb{std::uint8_t(i), std::uint8_t(255 - i), 7});
    }
    const IndexedImage out = Quantise(image);
    ASSERT_EQ(out.palette.size(), 256u);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            ASSERT_EQ(out.pixel(x, y), image.pixel(x, y)) << x << ", " << y;
        }
    }
}

TEST(Quantise, KeepsFlatAreasExactAndShadesTheRestClosely)
{
    // Three flat areas, and below them a band of 600 different colours (like the many edge
    // shades of an antialiased drawing).
    BgrImage image(600, 30);
    const Rgb flats[] = {{250, 210, 40}, {40, 100, 220}, {255, 255, 255}};
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 600; ++x) {
            image.setPixel(x, y, flats[x / 200]);
        }
    }
    for (int y = 20; y < 30; ++y) {
        for (int x = 0; x < 600; ++x) {
            image.setPixel(x, y, Rgb{std::uint8_t(x * 255 / 599), std::uint8_t(y * 8), 90});
        }
    }
    const IndexedImage out = Quantise(image);
    EXPECT_LE(out.palette.size(), 256u);
    int worst = 0;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 600; ++x) {
            if (y < 20) {
                ASSERT_EQ(out.pixel(x, y), image.pixel(x, y)) << "flat area changed at " << x;
            }
            worst = std::max(worst, distance(out.pixel(x, y), image.pixel(x, y)));
        }
    }
    EXPECT_LE(worst, 6);
    const IndexedImage again = Quantise(image);
    EXPECT_EQ(again.indices, out.indices);
    EXPECT_EQ(again.palette, out.palette);
}

TEST(PngFile, QtReadsBackTheSamePixelsAndOpacity)
{
    // 200 x 100 pixels are 80,100 bytes of rows, more than one stored deflate block holds.
    for (const QSize &size : {QSize(3, 2), QSize(200, 100)}) {
        QImage image(size, QImage::Format_ARGB32);
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                image.setPixel(x, y, qRgba(x % 256, y % 256, (x * y) % 256, (x + 3 * y) % 256));
            }
        }
        const std::vector<std::uint8_t> bytes = WritePng(image);
        const QImage read = decode(bytes);
        ASSERT_FALSE(read.isNull()) << size.width();
        const QImage straight = read.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                // A fully transparent pixel has no colour to compare.
                if (qAlpha(image.pixel(x, y)) != 0) {
                    ASSERT_EQ(straight.pixel(x, y), image.pixel(x, y)) << x << ", " << y;
                } else {
                    ASSERT_EQ(qAlpha(straight.pixel(x, y)), 0);
                }
            }
        }
    }
}

TEST(PngFile, HoldsOnlyTheHeaderThePixelsAndTheEnd)
{
    QImage image(2, 2, QImage::Format_ARGB32);
    image.fill(qRgba(1, 2, 3, 4));
    const std::vector<std::uint8_t> bytes = WritePng(image);
    std::vector<std::string> chunks;
    for (std::size_t at = 8; at + 8 <= bytes.size();) {
        const std::size_t length = std::size_t(bytes[at]) << 24 | std::size_t(bytes[at + 1]) << 16 |
                                   std::size_t(bytes[at + 2]) << 8 | bytes[at + 3];
        chunks.emplace_back(bytes.begin() + static_cast<std::ptrdiff_t>(at + 4),
                            bytes.begin() + static_cast<std::ptrdiff_t>(at + 8));
        at += 12 + length;
    }
    EXPECT_EQ(chunks, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
    EXPECT_THROW(WritePng(QImage()), std::invalid_argument);
}

TEST(JpegFile, StoresAPictureThatDecodesCloseToIt)
{
    BgrImage image(16, 8);
    image.fill(Rgb{200, 100, 50});
    for (int x = 8; x < 16; ++x) {
        for (int y = 0; y < 8; ++y) {
            image.setPixel(x, y, Rgb{255, 255, 225});
        }
    }
    const std::vector<std::uint8_t> bytes = WriteJpeg(image, 92);
    const QImage read = decode(bytes);
    ASSERT_FALSE(read.isNull());
    ASSERT_EQ(read.size(), QSize(16, 8));
    // Each colour kept in its own block, red stays red and the pale yellow pale yellow.
    const QRgb left = read.pixel(3, 4);
    const QRgb right = read.pixel(12, 4);
    EXPECT_LE(distance(Rgb{std::uint8_t(qRed(left)), std::uint8_t(qGreen(left)),
                           std::uint8_t(qBlue(left))},
                       Rgb{200, 100, 50}),
              4);
    EXPECT_LE(distance(Rgb{std::uint8_t(qRed(right)), std::uint8_t(qGreen(right)),
                           std::uint8_t(qBlue(right))},
                       Rgb{255, 255, 225}),
              4);
    EXPECT_EQ(WriteJpeg(image, 92), bytes);
}

TEST(JpegFile, RefusesAnEmptyPictureAndAQualityOutOfRange)
{
    EXPECT_THROW(WriteJpeg(BgrImage(), 92), JpegError);
    BgrImage image(8, 8);
    EXPECT_THROW(WriteJpeg(image, 0), JpegError);
    EXPECT_THROW(WriteJpeg(image, 101), JpegError);
}

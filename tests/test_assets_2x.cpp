// SPDX-License-Identifier: GPL-3.0-or-later
// The drawings for screens of twice the density ("@2x"): each beside its 1× picture, twice its
// size in the same stored form, looking like it when brought down to its size, and a drawing of
// its own rather than the 1× picture blown up.
#include "AssetList.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

const std::filesystem::path kDir = NN_ASSETS_DIR;

QImage load(const std::string &name)
{
    std::ifstream in(kDir / name, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                  std::istreambuf_iterator<char>()};
    return QImage::fromData(reinterpret_cast<const uchar *>(bytes.data()),
                            static_cast<int>(bytes.size()))
        .convertToFormat(QImage::Format_RGB32);
}

std::string oneTimesName(const std::string &fine)
{
    const auto at = fine.find("@2x");
    return fine.substr(0, at) + fine.substr(at + 3);
}

// The mean difference per channel between the 1× picture and the 2× one averaged over each
// 2 × 2 block.
double meanDifferenceWhenBroughtDown(const QImage &one, const QImage &fine)
{
    double sum = 0;
    for (int y = 0; y < one.height(); ++y) {
        for (int x = 0; x < one.width(); ++x) {
            const QRgb c = one.pixel(x, y);
            const QRgb q[4] = {fine.pixel(2 * x, 2 * y), fine.pixel(2 * x + 1, 2 * y),
                               fine.pixel(2 * x, 2 * y + 1), fine.pixel(2 * x + 1, 2 * y + 1)};
            for (int shift : {16, 8, 0}) {
                auto channel = [shift](QRgb p) { return int((p >> shift) & 0xFF); };
                double mean = 0;
                for (QRgb p : q) {
                    mean += channel(p) / 4.0;
                }
                sum += std::abs(mean - channel(c));
            }
        }
    }
    return sum / (3.0 * one.width() * one.height());
}

// The share of the aligned 2 × 2 blocks whose four pixels are equal: 1 for a picture blown up
// from half its size.
double uniformBlocks(const QImage &fine)
{
    int uniform = 0;
    int blocks = 0;
    for (int y = 0; y + 1 < fine.height(); y += 2) {
        for (int x = 0; x + 1 < fine.width(); x += 2) {
            const QRgb p = fine.pixel(x, y);
            uniform += p == fine.pixel(x + 1, y) && p == fine.pixel(x, y + 1) &&
                       p == fine.pixel(x + 1, y + 1);
            ++blocks;
        }
    }
    return double(uniform) / blocks;
}

std::vector<std::string> doubleDensityAssets()
{
    std::vector<std::string> names;
    for (const AssetFile &asset : AssetFiles()) {
        if (asset.fileName.find("@2x") != std::string::npos &&
            asset.fileName.rfind("BORD1", 0) != 0) {
            names.push_back(asset.fileName);
        }
    }
    return names;
}

} // namespace

TEST(DoubleDensityPictures, EveryPictureHasOneAtTwiceTheSizeInTheSameForm)
{
    const std::vector<std::string> names = doubleDensityAssets();
    EXPECT_EQ(names.size(), 6u) << "the mark, Н, НН, the strip and both faces";
    for (const std::string &name : names) {
        SCOPED_TRACE(name);
        std::ifstream a(kDir / name, std::ios::binary);
        std::ifstream b(kDir / oneTimesName(name), std::ios::binary);
        ASSERT_TRUE(a && b);
        const QImage one = load(oneTimesName(name));
        const QImage fine = load(name);
        EXPECT_EQ(fine.size(), one.size() * 2);
        // Same stored form: BMPs keep their bit depth (24-bit or 256 colours).
        QImage rawOne(QString::fromStdString((kDir / oneTimesName(name)).string()));
        QImage rawFine(QString::fromStdString((kDir / name).string()));
        EXPECT_EQ(rawFine.depth(), rawOne.depth());
        EXPECT_EQ(rawFine.colorCount() > 0, rawOne.colorCount() > 0);
    }
}

TEST(DoubleDensityPictures, LookLikeTheirOneTimesPicturesWithDetailOfTheirOwn)
{
    for (const std::string &name : doubleDensityAssets()) {
        SCOPED_TRACE(name);
        const QImage one = load(oneTimesName(name));
        const QImage fine = load(name);
        ASSERT_EQ(fine.size(), one.size() * 2);
        // Brought down to 1×, the finer drawing differs from the 1× picture only along edges.
        EXPECT_LT(meanDifferenceWhenBroughtDown(one, fine), 4.0);
        if (name.rfind("GradientStrip", 0) == 0) {
            continue; // one colour a column, in steps too small to tell columns apart
        }
        EXPECT_LT(uniformBlocks(fine), 0.97) << "looks blown up from the 1× picture";
    }
}

TEST(DoubleDensityPictures, TheStripRunsInEvenStepsOverItsOwnColumns)
{
    const QImage fine = load("GradientStrip@2x.bmp");
    ASSERT_EQ(fine.size(), QSize(422, 184));
    EXPECT_EQ(fine.pixel(0, 0), qRgb(255, 255, 154));
    EXPECT_EQ(fine.pixel(421, 183), qRgb(255, 204, 255));
    // Blue climbs 101 levels over 421 steps: every column is at least the one before, never more
    // than one level above it, and the halves of a 1× column differ somewhere.
    int splitColumns = 0;
    for (int x = 1; x < 422; ++x) {
        const int step = qBlue(fine.pixel(x, 50)) - qBlue(fine.pixel(x - 1, 50));
        EXPECT_TRUE(step == 0 || step == 1) << x;
        EXPECT_EQ(fine.pixel(x, 0), fine.pixel(x, 183));
        splitColumns += x % 2 == 1 && step != 0;
    }
    EXPECT_GT(splitColumns, 20);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "Bord1.h"

#include "BmpFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

const std::string kBord1Path = NN_ASSETS_DIR "/BORD1.bmp";

std::vector<std::uint8_t> fileBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Expects ReadBmp to fail with a message naming the buffer and containing `reason`.
void expectReadError(const std::vector<std::uint8_t> &bytes, const std::string &reason)
{
    try {
        ReadBmp(bytes, "broken.bmp");
        ADD_FAILURE() << "no error, expected: " << reason;
    } catch (const BmpError &e) {
        const std::string message = e.what();
        EXPECT_NE(message.find("broken.bmp"), std::string::npos) << message;
        EXPECT_NE(message.find(reason), std::string::npos) << message;
    }
}

BgrImage sample()
{
    BgrImage image(5, 3); // 15 bytes a row: one byte of padding
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            image.setPixel(x, y, Rgb{std::uint8_t(10 * x), std::uint8_t(100 + y), 250});
        }
    }
    return image;
}

} // namespace

TEST(BmpFile, WritesAStandardBottomUpFileAndReadsItBack)
{
    BgrImage image = sample();
    image.row(0)[15] = 0xAB; // a stray byte in the image's own row padding
    const std::vector<std::uint8_t> bytes = WriteBmp(image);
    // clang-format off
    const std::vector<std::uint8_t> header = {
        'B', 'M', 102, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, // 54 + 3 rows of 16 bytes
        40, 0, 0, 0, 5, 0, 0, 0, 3, 0, 0, 0,             // 5 x 3
        1, 0, 24, 0, 0, 0, 0, 0, 48, 0, 0, 0,            // 1 plane, 24 bits, no compression
        0xC4, 0x0E, 0, 0, 0xC4, 0x0E, 0, 0,              // 3780 px/m both ways
        0, 0, 0, 0, 0, 0, 0, 0};
    // clang-format on
    ASSERT_EQ(bytes.size(), 102u);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 54), header);
    // The first stored row is the image's last, blue first; row padding is zero.
    EXPECT_EQ(bytes[54], 250);
    EXPECT_EQ(bytes[55], 102);
    EXPECT_EQ(bytes[56], 0);
    EXPECT_EQ(bytes[54 + 2 * 16 + 15], 0);
    EXPECT_EQ(bytes, WriteBmp(sample()));

    const std::string path =
        (std::filesystem::temp_directory_path() / "nn_test_bmpfile.bmp").string();
    WriteBmpFile(path, image);
    EXPECT_EQ(ReadBmpFile(path), sample());
    std::remove(path.c_str());
}

TEST(BmpFile, RefusesMissingTruncatedAndUnsupportedFiles)
{
    try {
        ReadBmpFile("/nonexistent/BORD9.bmp");
        ADD_FAILURE() << "no error for a missing file";
    } catch (const BmpError &e) {
        EXPECT_NE(std::string(e.what()).find("/nonexistent/BORD9.bmp"), std::string::npos);
    }
    const std::vector<std::uint8_t> good = WriteBmp(sample());

    expectReadError({}, "not a BMP");
    expectReadError({'P', 'K', 3, 4}, "not a BMP");
    expectReadError(std::vector<std::uint8_t>(good.begin(), good.begin() + 30), "truncated");
    expectReadError(std::vector<std::uint8_t>(good.begin(), good.end() - 1), "truncated");

    std::vector<std::uint8_t> eightBit = good;
    eightBit[28] = 8;
    expectReadError(eightBit, "8 bits per pixel");
    std::vector<std::uint8_t> compressed = good;
    compressed[30] = 1; // BI_RLE8
    expectReadError(compressed, "compress");
    std::vector<std::uint8_t> coreHeader = good;
    coreHeader[14] = 12; // BITMAPCOREHEADER
    expectReadError(coreHeader, "unsupported BMP header");
    std::vector<std::uint8_t> topDown = good;
    topDown[25] = 0xFF; // negative height
    expectReadError(topDown, "unsupported BMP size");
}

// The committed BORD1.bmp.

namespace {

const BgrImage &bord1()
{
    static const BgrImage mask = ReadBmpFile(kBord1Path);
    return mask;
}

constexpr Rgb kHole{255, 0, 255};
constexpr Rgb kPurple{72, 52, 72};

int greyAt(int x, int y)
{
    const Rgb c = bord1().pixel(x, y);
    EXPECT_TRUE(c.r == c.g && c.g == c.b) << "(" << x << ", " << y << ") is not grey";
    return c.g;
}

int listAt(const std::vector<int> &list, int depth, int inside)
{
    return depth < int(list.size()) ? list[depth] : inside;
}

struct LookProfile
{
    std::vector<int> pictureTopLeft, pictureBottomRight, opacityTopLeft, opacityBottomRight;
};

const LookProfile kLooks[3] = {
    {{255, 209}, {53, 113}, {102, 186, 241, 254}, {103, 186, 241, 254}},
    {{217, 217, 212, 199, 179},
     {51, 51, 68, 101, 138, 163},
     {57, 60, 96, 148, 204, 245, 253},
     {55, 48, 62, 97, 148, 204, 244, 253}},
    {{54, 117}, {232, 192}, {31, 30}, {32, 30}},
};

} // namespace

TEST(Bord1File, EdgesFollowTheCrossSectionsAlongTheirWholeLength)
{
    ASSERT_EQ(bord1().width(), 90);
    ASSERT_EQ(bord1().height(), 60);
    for (int look = 0; look < 3; ++look) {
        const LookProfile &p = kLooks[look];
        const int x0 = 30 * look;
        for (int along = 10; along < 20; ++along) {
            for (int depth = 0; depth < 10; ++depth) {
                SCOPED_TRACE(testing::Message()
                             << "look " << look << ", along " << along << ", depth " << depth);
                const int light = listAt(p.pictureTopLeft, depth, 128);
                const int dark = listAt(p.pictureBottomRight, depth, 128);
                const int opaqueTL = listAt(p.opacityTopLeft, depth, 255);
                const int opaqueBR = listAt(p.opacityBottomRight, depth, 255);
                EXPECT_EQ(greyAt(x0 + along, depth), light);              // top
                EXPECT_EQ(greyAt(x0 + depth, along), light);              // left
                EXPECT_EQ(greyAt(x0 + 29 - depth, along), dark);          // right
                EXPECT_EQ(greyAt(x0 + along, 30 + depth), opaqueTL);      // opacity: top
                EXPECT_EQ(greyAt(x0 + depth, 30 + along), opaqueTL);      // left
                EXPECT_EQ(greyAt(x0 + 29 - depth, 30 + along), opaqueBR); // right
                EXPECT_EQ(greyAt(x0 + along, 59 - depth), opaqueBR);      // bottom
                if (look != 0 || depth != 0) {
                    EXPECT_EQ(greyAt(x0 + along, 29 - depth), dark); // bottom
                }
            }
        }
        for (int y = 10; y < 20; ++y) {
            for (int x = x0 + 10; x < x0 + 20; ++x) {
                EXPECT_EQ(bord1().pixel(x, y), (Rgb{128, 128, 128}));
                EXPECT_EQ(bord1().pixel(x, y + 30), (Rgb{255, 255, 255}));
            }
        }
    }
}

TEST(Bord1File, HolesRoundEveryCornerAndDifferByOnePixelAtTwoCorners)
{
    // Hole counts at the top-left, top-right, bottom-left and bottom-right corner of each look.
    const int expected[3][4] = {{5, 6, 6, 5}, {5, 5, 5, 5}, {5, 6, 6, 5}};
    bool hole[3][30][30] = {};
    for (int look = 0; look < 3; ++look) {
        int counts[4] = {};
        for (int y = 0; y < 30; ++y) {
            for (int x = 0; x < 30; ++x) {
                hole[look][y][x] = bord1().pixel(30 * look + x, y) == kHole;
                if (hole[look][y][x]) {
                    const bool corner = (x < 10 || x >= 20) && (y < 10 || y >= 20);
                    EXPECT_TRUE(corner) << "hole outside a corner at " << x << ", " << y;
                    ++counts[(y >= 20) * 2 + (x >= 20)];
                }
            }
        }
        for (int c = 0; c < 4; ++c) {
            EXPECT_EQ(counts[c], expected[look][c]) << "look " << look << ", corner " << c;
        }
        // The outermost three pixels of the outer row of every corner.
        for (int i = 0; i < 3; ++i) {
            EXPECT_TRUE(hole[look][0][i] && hole[look][0][29 - i] && hole[look][29][i] &&
                        hole[look][29][29 - i]);
        }
    }
    auto differences = [&](int a, int b) {
        int n = 0;
        for (int y = 0; y < 30; ++y) {
            for (int x = 0; x < 30; ++x) {
                n += hole[a][y][x] != hole[b][y][x];
            }
        }
        return n;
    };
    EXPECT_EQ(differences(0, 1), 2);
    EXPECT_EQ(differences(1, 2), 2);
    EXPECT_EQ(differences(0, 2), 0);
}

TEST(Bord1File, IsGreyExceptHolesAndThePurpleBottomLine)
{
    int purple = 0;
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 90; ++x) {
            const Rgb c = bord1().pixel(x, y);
            if (y == 29 && x < 30 && c != kHole) {
                EXPECT_EQ(c, kPurple) << "at x " << x;
                ++purple;
            } else if (c != kHole || y >= 30) {
                EXPECT_TRUE(c.r == c.g && c.g == c.b) << "(" << x << ", " << y << ")";
            }
        }
    }
    EXPECT_EQ(purple, 30 - 3 - 3);
}

TEST(Bord1File, MatchesTheGenerator)
{
    const std::vector<std::uint8_t> committed = fileBytes(kBord1Path);
    const std::vector<std::uint8_t> drawn = WriteBmp(DrawBord1());
    EXPECT_EQ(committed.size(), drawn.size());
    EXPECT_TRUE(committed == drawn)
        << "assets/BORD1.bmp differs from what make-assets draws; regenerate it";
}

// BORD1 drawn at 2× and 3× for screens of that density.

namespace {

std::string scaledPath(int scale)
{
    return std::string(NN_ASSETS_DIR) + "/BORD1@" + std::to_string(scale) + "x.bmp";
}

} // namespace

TEST(Bord1AtDeviceScale, EdgesRepeatEachCrossSectionValueOverScalePixels)
{
    for (int scale : {2, 3}) {
        SCOPED_TRACE(scale);
        const BgrImage mask = ReadBmpFile(scaledPath(scale));
        const int t = 10 * scale;
        ASSERT_EQ(mask.width(), 9 * t);
        ASSERT_EQ(mask.height(), 6 * t);
        auto grey = [&](int x, int y) {
            const Rgb c = mask.pixel(x, y);
            EXPECT_TRUE(c.r == c.g && c.g == c.b) << "(" << x << ", " << y << ") is not grey";
            return int(c.g);
        };
        for (int look = 0; look < 3; ++look) {
            const LookProfile &p = kLooks[look];
            const int x0 = 3 * t * look;
            for (int along = t; along < 2 * t; along += 3) {
                for (int depth = 0; depth < t; ++depth) {
                    SCOPED_TRACE(testing::Message() << "look " << look << ", depth " << depth);
                    const int d = depth / scale;
                    EXPECT_EQ(grey(x0 + along, depth), listAt(p.pictureTopLeft, d, 128));
                    EXPECT_EQ(grey(x0 + depth, along), listAt(p.pictureTopLeft, d, 128));
                    EXPECT_EQ(grey(x0 + 3 * t - 1 - depth, along),
                              listAt(p.pictureBottomRight, d, 128));
                    EXPECT_EQ(grey(x0 + depth, 3 * t + along), listAt(p.opacityTopLeft, d, 255));
                    EXPECT_EQ(grey(x0 + along, 6 * t - 1 - depth),
                              listAt(p.opacityBottomRight, d, 255));
                    if (look != 0 || d != 0) {
                        EXPECT_EQ(grey(x0 + along, 3 * t - 1 - depth),
                                  listAt(p.pictureBottomRight, d, 128));
                    } else {
                        EXPECT_EQ(mask.pixel(x0 + along, 3 * t - 1 - depth), kPurple);
                    }
                }
            }
            EXPECT_EQ(mask.pixel(x0 + t + t / 2, t + t / 2), (Rgb{128, 128, 128}));
            EXPECT_EQ(mask.pixel(x0 + t + t / 2, 4 * t + t / 2), (Rgb{255, 255, 255}));
        }
    }
}

TEST(Bord1AtDeviceScale, HolesRoundTheCornersOnTheSameCircleAtTheFinerPixels)
{
    for (int scale : {2, 3}) {
        SCOPED_TRACE(scale);
        const BgrImage mask = ReadBmpFile(scaledPath(scale));
        const int t = 10 * scale;
        for (int look = 0; look < 3; ++look) {
            int counts[4] = {};
            for (int y = 0; y < 3 * t; ++y) {
                for (int x = 0; x < 3 * t; ++x) {
                    if (mask.pixel(3 * t * look + x, y) != kHole) {
                        continue;
                    }
                    const bool corner = (x < t || x >= 2 * t) && (y < t || y >= 2 * t);
                    EXPECT_TRUE(corner) << "hole outside a corner at " << x << ", " << y;
                    ++counts[(y >= 2 * t) * 2 + (x >= 2 * t)];
                }
            }
            // The 1× corners lose 5 or 6 of their 100 pixels; at the finer pixels about the
            // same share of the area, scale² times as many pixels (within the circle's steps).
            for (int c = 0; c < 4; ++c) {
                EXPECT_GE(counts[c], 4 * scale * scale) << "look " << look << ", corner " << c;
                EXPECT_LE(counts[c], 7 * scale * scale) << "look " << look << ", corner " << c;
            }
            // The outermost 3 × scale pixels of each corner's outer row are holes, as the
            // outermost three are at 1×; the ones at 5 × scale (half the tile) are not.
            for (int i = 0; i < 3 * scale; ++i) {
                EXPECT_EQ(mask.pixel(3 * t * look + i, 0), kHole) << i;
                EXPECT_EQ(mask.pixel(3 * t * look + 3 * t - 1 - i, 3 * t - 1), kHole) << i;
            }
            EXPECT_NE(mask.pixel(3 * t * look + 5 * scale, 0), kHole);
        }
    }
}

TEST(Bord1AtDeviceScale, MatchesTheGenerator)
{
    for (int scale : {2, 3}) {
        const std::vector<std::uint8_t> committed = fileBytes(scaledPath(scale));
        const std::vector<std::uint8_t> drawn = WriteBmp(DrawBord1(scale));
        EXPECT_TRUE(committed == drawn)
            << "assets/BORD1@" << scale << "x.bmp differs from what make-assets draws";
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reading the committed pictures under assets/ and measuring their pixels.
#include "BmpFile.h"

#include <QImage>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace assets_test {

inline const std::filesystem::path kAssetsDir = NN_ASSETS_DIR;

inline std::vector<std::uint8_t> fileBytes(const std::string &name)
{
    std::ifstream in(kAssetsDir / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline QImage loadAsset(const std::string &name)
{
    const std::vector<std::uint8_t> bytes = fileBytes(name);
    return QImage::fromData(bytes.data(), static_cast<int>(bytes.size()));
}

inline Rgb rgbOf(QRgb c)
{
    return Rgb{std::uint8_t(qRed(c)), std::uint8_t(qGreen(c)), std::uint8_t(qBlue(c))};
}

inline int distance(Rgb a, Rgb b)
{
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

inline bool isGrey(Rgb c, int tolerance)
{
    return distance(c, Rgb{c.g, c.g, c.g}) <= tolerance;
}

inline int countPixels(const QImage &image, const std::function<bool(Rgb)> &test)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) == 255 && test(rgbOf(image.pixel(x, y)))) {
                ++n;
            }
        }
    }
    return n;
}

// The markers of a JPEG file up to the start of the compressed data.
inline std::vector<int> jpegMarkers(const std::vector<std::uint8_t> &bytes)
{
    std::vector<int> markers;
    std::size_t at = 2; // after SOI
    while (at + 4 <= bytes.size() && bytes[at] == 0xFF) {
        const int marker = bytes[at + 1];
        markers.push_back(marker);
        if (marker == 0xDA) { // start of scan
            break;
        }
        at += 2 + (std::size_t(bytes[at + 2]) << 8 | bytes[at + 3]);
    }
    return markers;
}

} // namespace assets_test

// SPDX-License-Identifier: GPL-3.0-or-later
#include "IcoFile.h"

#include <stdexcept>

namespace {

void putLittle(std::vector<std::uint8_t> &out, std::uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
}

} // namespace

std::vector<std::uint8_t> WriteIco(const std::vector<IcoPicture> &pictures)
{
    if (pictures.empty() || pictures.size() > 255) {
        throw std::invalid_argument("an icon file holds 1 to 255 pictures");
    }
    constexpr std::uint32_t headerSize = 6;
    constexpr std::uint32_t entrySize = 16;
    std::vector<std::uint8_t> out;
    putLittle(out, 0, 2); // reserved
    putLittle(out, 1, 2); // type: icon
    putLittle(out, static_cast<std::uint32_t>(pictures.size()), 2);
    auto offset = static_cast<std::uint32_t>(headerSize + entrySize * pictures.size());
    for (const IcoPicture &picture : pictures) {
        if (picture.size < 1 || picture.size > 256 || picture.png.empty()) {
            throw std::invalid_argument("an icon picture is 1 to 256 pixels square");
        }
        // A width or height of 256 is written as 0.
        const auto side = static_cast<std::uint32_t>(picture.size % 256);
        putLittle(out, side, 1);
        putLittle(out, side, 1);
        putLittle(out, 0, 1);  // no palette
        putLittle(out, 0, 1);  // reserved
        putLittle(out, 1, 2);  // colour planes
        putLittle(out, 32, 2); // bits per pixel
        const auto bytes = static_cast<std::uint32_t>(picture.png.size());
        putLittle(out, bytes, 4);
        putLittle(out, offset, 4);
        offset += bytes;
    }
    for (const IcoPicture &picture : pictures) {
        out.insert(out.end(), picture.png.begin(), picture.png.end());
    }
    return out;
}

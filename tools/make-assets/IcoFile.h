// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

// One picture of an icon file: its width and height in pixels (1 to 256, square) and the PNG file
// that holds it.
struct IcoPicture
{
    int size = 0;
    std::vector<std::uint8_t> png;
};

// Stores pictures as one Windows icon file (.ico), each picture kept as the PNG it is, which
// Windows reads at every size since Vista. The program's .exe carries this file as its icon, so
// Explorer, the taskbar and shortcuts show the window icon. Throws std::invalid_argument for no
// picture, a size outside 1 to 256, or more than 255 pictures.
std::vector<std::uint8_t> WriteIco(const std::vector<IcoPicture> &pictures);

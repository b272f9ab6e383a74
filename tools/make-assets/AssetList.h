// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One file of assets/: its name and the function that draws the picture and returns the file's
// bytes in its stored form.
struct AssetFile
{
    std::string fileName;
    std::vector<std::uint8_t> (*make)();
    // Whether the program embeds the file as a resource. The larger window icons are not
    // embedded: only the desktop shows them, from the icon theme the program installs them into.
    bool embedded = true;
};

// Every picture of the program, in the order make-assets writes them.
const std::vector<AssetFile> &AssetFiles();

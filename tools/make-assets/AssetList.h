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
};

// Every picture of the program, in the order make-assets writes them.
const std::vector<AssetFile> &AssetFiles();

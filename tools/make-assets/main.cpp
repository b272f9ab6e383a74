// make-assets <output-dir>: draws every picture of the program and writes it into the folder.
// The pictures are drawn by code, so the same program always writes the same bytes.

#include "Bord1.h"

#include "BmpFile.h"

#include <cstdint>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <vector>

namespace {

// One output file: its name and the function that makes its bytes, in the file's stored form.
struct Asset
{
    const char *fileName;
    std::vector<std::uint8_t> (*make)();
};

const Asset kAssets[] = {
    {"BORD1.bmp", [] { return WriteBmp(DrawBord1()); }},
};

void writeFile(const std::filesystem::path &path, const std::vector<std::uint8_t> &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        throw std::runtime_error(path.string() + ": cannot write file");
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: make-assets <output-dir>\n";
        return 2;
    }
    try {
        const std::filesystem::path dir = argv[1];
        std::filesystem::create_directories(dir);
        for (const Asset &asset : kAssets) {
            const std::filesystem::path path = dir / asset.fileName;
            writeFile(path, asset.make());
            std::cout << path.string() << '\n';
        }
    } catch (const std::exception &e) {
        std::cerr << "make-assets: " << e.what() << '\n';
        return 1;
    }
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// make-assets <output-dir>: draws every picture of the program and writes it into the folder.
// The pictures are drawn by code, so the same program always writes the same bytes.

#include "AssetList.h"

#include <QGuiApplication>

#include <cstdint>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <vector>

namespace {

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
    // QPainter needs a GUI application, but no screen: the drawing is all off-screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    try {
        const std::filesystem::path dir = argv[1];
        std::filesystem::create_directories(dir);
        for (const AssetFile &asset : AssetFiles()) {
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "BmpFile.h"

#include "LittleEndian.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;   // BITMAPINFOHEADER
constexpr std::uint32_t kPixelsPerMetre = 3780; // 96 dpi
constexpr std::uint32_t kUncompressed = 0;      // BI_RGB

// The largest width whose row of three bytes per pixel still fits BgrImage's int stride.
constexpr std::int64_t kMaxWidth = (INT_MAX - 3) / 3;

std::int64_t rowBytes(std::int64_t width)
{
    return (width * 3 + 3) & ~std::int64_t{3};
}

[[noreturn]] void fail(const std::string &name, const std::string &reason)
{
    throw BmpError(name + ": " + reason);
}

struct FileCloser
{
    void operator()(std::FILE *f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

} // namespace

namespace {

// What the pixels of a 24-bit bottom-up BMP need to be read.
struct BmpLayout
{
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint32_t pixelOffset = 0;
    std::int64_t stride = 0;
};

// The file and info headers, checked against the file's size: anything this reader cannot read
// fails with a message that names the file.
BmpLayout readLayout(std::span<const std::uint8_t> bytes, const std::string &name)
{
    const std::size_t size = bytes.size();
    const std::uint8_t *d = bytes.data();
    if (size < 2 || d[0] != 'B' || d[1] != 'M') {
        fail(name, "not a BMP file (no \"BM\" signature)");
    }
    // The info header's own size field sits right after the file header.
    if (size < kFileHeaderSize + 4) {
        fail(name, "truncated BMP file (" + std::to_string(size) + " bytes, header incomplete)");
    }
    const std::uint32_t infoSize = getLe32(d + kFileHeaderSize);
    if (infoSize < kInfoHeaderSize) {
        fail(name, "unsupported BMP header of " + std::to_string(infoSize) +
                       " bytes (only BITMAPINFOHEADER and later are read)");
    }
    if (size < kFileHeaderSize + kInfoHeaderSize) {
        fail(name, "truncated BMP file (" + std::to_string(size) + " bytes, header incomplete)");
    }

    const std::uint8_t *info = d + kFileHeaderSize;
    BmpLayout layout;
    layout.pixelOffset = getLe32(d + 10);
    layout.width = static_cast<std::int32_t>(getLe32(info + 4));
    layout.height = static_cast<std::int32_t>(getLe32(info + 8)); // < 0: top-down
    const std::uint16_t planes = getLe16(info + 12);
    const std::uint16_t bitsPerPixel = getLe16(info + 14);
    const std::uint32_t compression = getLe32(info + 16);

    if (bitsPerPixel != 24) {
        fail(name, "unsupported BMP with " + std::to_string(bitsPerPixel) +
                       " bits per pixel (only 24-bit is read)");
    }
    if (compression != kUncompressed) {
        fail(name, "unsupported compressed BMP (compression " + std::to_string(compression) +
                       ", only uncompressed is read)");
    }
    if (planes != 1) {
        fail(name, "invalid BMP: " + std::to_string(planes) + " colour planes");
    }
    if (layout.width <= 0 || layout.width > kMaxWidth || layout.height <= 0) {
        fail(name, "unsupported BMP size " + std::to_string(layout.width) + " x " +
                       std::to_string(layout.height) + " (only bottom-up rows are read)");
    }
    if (layout.pixelOffset < kFileHeaderSize + infoSize) {
        fail(name, "invalid BMP: pixel data at " + std::to_string(layout.pixelOffset) +
                       ", inside the header");
    }
    layout.stride = rowBytes(layout.width);
    return layout;
}

} // namespace

BgrImage ReadBmp(std::span<const std::uint8_t> bytes, const std::string &name)
{
    const BmpLayout layout = readLayout(bytes, name);
    const std::int64_t needed =
        std::int64_t{layout.pixelOffset} + layout.stride * std::int64_t{layout.height};
    if (static_cast<std::uint64_t>(needed) > bytes.size()) {
        fail(name, "truncated BMP file (" + std::to_string(bytes.size()) + " bytes, " +
                       std::to_string(needed) + " needed for " + std::to_string(layout.width) +
                       " x " + std::to_string(layout.height) + " pixels)");
    }

    BgrImage image(layout.width, layout.height);
    for (int y = 0; y < layout.height; ++y) {
        const std::int64_t storedRow = layout.height - 1 - y;
        std::memcpy(image.row(y), bytes.data() + layout.pixelOffset + storedRow * layout.stride,
                    static_cast<std::size_t>(layout.width) * 3);
    }
    return image;
}

BgrImage ReadBmpFile(const std::string &path)
{
    FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        fail(path, std::string("cannot open file: ") + std::strerror(errno));
    }
    std::vector<std::uint8_t> bytes;
    std::uint8_t buffer[64 * 1024];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
    if (std::ferror(file.get())) {
        fail(path, "read error");
    }
    return ReadBmp(bytes, path);
}

std::vector<std::uint8_t> WriteBmp(const BgrImage &image)
{
    if (image.isEmpty()) {
        throw BmpError("cannot store an empty image as BMP");
    }
    const auto stride = static_cast<std::size_t>(rowBytes(image.width()));
    const std::size_t pixelBytes = stride * static_cast<std::size_t>(image.height());
    const std::size_t headers = kFileHeaderSize + kInfoHeaderSize;
    if (headers + pixelBytes > UINT32_MAX) {
        throw BmpError("image too large for a BMP file");
    }

    std::vector<std::uint8_t> out(headers + pixelBytes, 0);
    std::uint8_t *d = out.data();
    d[0] = 'B';
    d[1] = 'M';
    putLe32(d + 2, static_cast<std::uint32_t>(out.size()));
    putLe32(d + 10, static_cast<std::uint32_t>(headers));

    std::uint8_t *info = d + kFileHeaderSize;
    putLe32(info, kInfoHeaderSize);
    putLe32(info + 4, static_cast<std::uint32_t>(image.width()));
    putLe32(info + 8, static_cast<std::uint32_t>(image.height()));
    putLe16(info + 12, 1);
    putLe16(info + 14, 24);
    putLe32(info + 16, kUncompressed);
    putLe32(info + 20, static_cast<std::uint32_t>(pixelBytes));
    putLe32(info + 24, kPixelsPerMetre);
    putLe32(info + 28, kPixelsPerMetre);
    // Colours used and important colours stay 0: no palette.

    // Only the pixel bytes are copied, so whatever lies in the image's own row padding never
    // reaches the file: the padding there is always zero.
    const std::size_t used = static_cast<std::size_t>(image.width()) * 3;
    for (int y = 0; y < image.height(); ++y) {
        const std::size_t storedRow = static_cast<std::size_t>(image.height() - 1 - y);
        std::memcpy(d + headers + storedRow * stride, image.row(y), used);
    }
    return out;
}

void WriteBmpFile(const std::string &path, const BgrImage &image)
{
    const std::vector<std::uint8_t> bytes = WriteBmp(image);
    FilePtr file(std::fopen(path.c_str(), "wb"));
    if (!file) {
        fail(path, std::string("cannot create file: ") + std::strerror(errno));
    }
    if (std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) {
        fail(path, std::string("write error: ") + std::strerror(errno));
    }
    if (std::fclose(file.release()) != 0) {
        fail(path, std::string("write error: ") + std::strerror(errno));
    }
}

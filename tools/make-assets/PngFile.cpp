// SPDX-License-Identifier: GPL-3.0-or-later
#include "PngFile.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

namespace {

std::uint32_t crc32(const std::uint8_t *data, std::size_t size, std::uint32_t crc = 0)
{
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) {
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            }
            t[n] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (std::size_t i = 0; i < size; ++i) {
        crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    }
    return ~crc;
}

std::uint32_t adler32(const std::vector<std::uint8_t> &data)
{
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (std::uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

void putBig32(std::vector<std::uint8_t> &out, std::uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>(v >> shift));
    }
}

void putChunk(std::vector<std::uint8_t> &out, const char type[4],
              const std::vector<std::uint8_t> &data)
{
    putBig32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    // The checksum covers the chunk type and data.
    putBig32(out, crc32(out.data() + typeAt, 4 + data.size()));
}

// A zlib stream of stored (uncompressed) deflate blocks of at most 65535 bytes each.
std::vector<std::uint8_t> storedZlib(const std::vector<std::uint8_t> &raw)
{
    std::vector<std::uint8_t> out = {0x78, 0x01}; // deflate, 32 KiB window; header check ok
    std::size_t at = 0;
    do {
        const std::size_t n = std::min<std::size_t>(raw.size() - at, 65535);
        const bool last = at + n == raw.size();
        out.push_back(last ? 1 : 0);
        out.push_back(static_cast<std::uint8_t>(n));
        out.push_back(static_cast<std::uint8_t>(n >> 8));
        out.push_back(static_cast<std::uint8_t>(~n));
        out.push_back(static_cast<std::uint8_t>(~n >> 8));
        out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
                   raw.begin() + static_cast<std::ptrdiff_t>(at + n));
        at += n;
    } while (at < raw.size());
    putBig32(out, adler32(raw));
    return out;
}

} // namespace

std::vector<std::uint8_t> WritePng(const QImage &image)
{
    if (image.isNull()) {
        throw std::invalid_argument("cannot store an empty image as PNG");
    }
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    const int w = rgba.width();
    const int h = rgba.height();

    std::vector<std::uint8_t> header;
    putBig32(header, static_cast<std::uint32_t>(w));
    putBig32(header, static_cast<std::uint32_t>(h));
    // 8 bits per channel, colour type 6 (RGBA), deflate, adaptive filters, not interlaced.
    header.insert(header.end(), {8, 6, 0, 0, 0});

    std::vector<std::uint8_t> raw;
    raw.reserve(static_cast<std::size_t>(h) * (1 + 4 * w));
    for (int y = 0; y < h; ++y) {
        raw.push_back(0); // filter: none
        const std::uint8_t *line = rgba.constScanLine(y);
        raw.insert(raw.end(), line, line + 4 * w);
    }

    std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    putChunk(out, "IHDR", header);
    putChunk(out, "IDAT", storedZlib(raw));
    putChunk(out, "IEND", {});
    return out;
}

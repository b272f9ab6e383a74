// SPDX-License-Identifier: GPL-3.0-or-later
#include "JpegFile.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

namespace {

// libjpeg reports a fatal error by calling error_exit, which by default ends the program; ours
// jumps back into WriteJpeg with the message, which then throws.
struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onError(j_common_ptr cinfo)
{
    auto *errors = reinterpret_cast<ErrorManager *>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, errors->message);
    std::longjmp(errors->jump, 1);
}

// Everything between setjmp and the last libjpeg call is plain data, with no destructors, so
// the jump skips nothing that needs cleaning up. Returns false with the message set on error.
// `row` has room for one row of the image in RGB order.
bool encode(const BgrImage &image, int quality, JSAMPLE *row, unsigned char **buffer,
            unsigned long *size, ErrorManager &errors)
{
    jpeg_compress_struct cinfo;
    cinfo.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onError;
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, buffer, size);
    cinfo.image_width = static_cast<JDIMENSION>(image.width());
    cinfo.image_height = static_cast<JDIMENSION>(image.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    // A small picture with sharp red on pale yellow: keep the colour at full resolution.
    for (int i = 0; i < cinfo.num_components; ++i) {
        cinfo.comp_info[i].h_samp_factor = 1;
        cinfo.comp_info[i].v_samp_factor = 1;
    }
    cinfo.dct_method = JDCT_ISLOW; // the exact integer transform, the same on every machine
    cinfo.optimize_coding = TRUE;
    jpeg_start_compress(&cinfo, TRUE);

    while (cinfo.next_scanline < cinfo.image_height) {
        const std::uint8_t *bgr = image.row(static_cast<int>(cinfo.next_scanline));
        for (int x = 0; x < image.width(); ++x) {
            row[3 * x] = bgr[3 * x + 2];
            row[3 * x + 1] = bgr[3 * x + 1];
            row[3 * x + 2] = bgr[3 * x];
        }
        JSAMPROW rows[1] = {row};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

} // namespace

std::vector<std::uint8_t> WriteJpeg(const BgrImage &image, int quality)
{
    if (image.isEmpty()) {
        throw JpegError("cannot store an image of " + std::to_string(image.width()) + " x " +
                        std::to_string(image.height()) + " pixels as JPEG");
    }
    if (quality < 1 || quality > 100) {
        throw JpegError("JPEG quality " + std::to_string(quality) + " is not between 1 and 100");
    }
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    ErrorManager errors{};
    std::vector<JSAMPLE> row(static_cast<std::size_t>(image.width()) * 3);
    const bool ok = encode(image, quality, row.data(), &buffer, &size, errors);
    std::vector<std::uint8_t> bytes;
    if (ok) {
        bytes.assign(buffer, buffer + size);
    }
    std::free(buffer); // allocated by jpeg_mem_dest
    if (!ok) {
        throw JpegError(std::string("JPEG encoder: ") + errors.message);
    }
    return bytes;
}

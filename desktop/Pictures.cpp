// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pictures.h"

#include <QFile>
#include <QImageReader>
#include <QPixmap>

#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <jpeglib.h>

namespace {

// libjpeg reports errors through error_exit, which must not return: it jumps back to the
// decoder. Warnings (a truncated file, corrupt data) count as errors too.
struct JpegErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void onJpegError(j_common_ptr info)
{
    auto *err = reinterpret_cast<JpegErrorManager *>(info->err);
    (*info->err->format_message)(info, err->message);
    std::longjmp(err->jump, 1);
}

void onJpegMessage(j_common_ptr info, int level)
{
    if (level < 0) { // a warning: treat it as the error it means for a picture
        onJpegError(info);
    }
}

// Everything between setjmp and the end of decoding is plain data: no object with a destructor
// lives in that range, so the jump skips nothing that would need cleaning up. The pixels go into
// a buffer that the caller owns.
bool decodeInto(const unsigned char *data, unsigned long size, unsigned char **pixels, int *width,
                int *height, char *message)
{
    jpeg_decompress_struct info;
    JpegErrorManager err;
    info.err = jpeg_std_error(&err.base);
    err.base.error_exit = onJpegError;
    err.base.emit_message = onJpegMessage;
    err.message[0] = '\0';
    *pixels = nullptr;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&info);
        std::free(*pixels);
        *pixels = nullptr;
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", err.message);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    *width = static_cast<int>(info.output_width);
    *height = static_cast<int>(info.output_height);
    const std::size_t rowBytes = static_cast<std::size_t>(*width) * 3;
    *pixels = static_cast<unsigned char *>(std::malloc(rowBytes * *height));
    if (*pixels == nullptr) {
        jpeg_destroy_decompress(&info);
        std::snprintf(message, JMSG_LENGTH_MAX, "out of memory");
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = *pixels + rowBytes * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

QImage decodeJpeg(const QByteArray &bytes, const QString &name)
{
    if (bytes.isEmpty()) {
        throw PictureError(name.toStdString() + ": empty file, not a JPEG picture");
    }
    unsigned char *pixels = nullptr;
    int width = 0;
    int height = 0;
    char message[JMSG_LENGTH_MAX];
    if (!decodeInto(reinterpret_cast<const unsigned char *>(bytes.constData()),
                    static_cast<unsigned long>(bytes.size()), &pixels, &width, &height, message)) {
        throw PictureError(name.toStdString() + ": cannot decode the JPEG picture: " + message);
    }
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        std::memcpy(image.scanLine(y), pixels + static_cast<std::size_t>(y) * width * 3,
                    static_cast<std::size_t>(width) * 3);
    }
    std::free(pixels);
    return image;
}

QImage loadPicture(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw PictureError(path.toStdString() + ": cannot open the picture");
    }
    if (path.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive) ||
        path.endsWith(QLatin1String(".jpeg"), Qt::CaseInsensitive)) {
        return decodeJpeg(file.readAll(), path);
    }
    // The format comes from the name: left to guess, Qt would load and ask every image plugin
    // it has (each with its own libraries) before it falls back on its own BMP and PNG readers.
    QImageReader reader(&file, path.section(QLatin1Char('.'), -1).toLower().toLatin1());
    reader.setAutoDetectImageFormat(false);
    QImage image;
    if (!reader.read(&image)) {
        throw PictureError(path.toStdString() +
                           ": cannot decode the picture: " + reader.errorString().toStdString());
    }
    return image;
}

QString doubleDensityName(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (dot <= slash + 1) {
        return path + QLatin1String("@2x");
    }
    return path.left(dot) + QLatin1String("@2x") + path.mid(dot);
}

QImage loadPicture(const QString &path, qreal devicePixelRatio)
{
    // From 150 % on the finer drawing is the nearer one: scaled down by up to 1.33 it stays
    // sharp, where the 1× picture would be blown up by 1.5 or more.
    if (devicePixelRatio >= 1.5) {
        const QString fine = doubleDensityName(path);
        if (QFile::exists(fine)) {
            QImage image = loadPicture(fine);
            image.setDevicePixelRatio(2);
            if (std::abs(devicePixelRatio - 2) > 0.01) {
                // Qt would draw it with every pixel taken as it falls (no smoothing), dropping
                // a row in four at 150 %: resample it once, smoothly, to the screen's pixels.
                const QSize one = image.size() / 2;
                // Through 32-bit pixels: Qt 6.4's smooth scaling crashes on 256-colour images.
                image = image.convertToFormat(QImage::Format_RGB32).scaled(qRound(one.width() * devicePixelRatio),
                                     qRound(one.height() * devicePixelRatio), Qt::IgnoreAspectRatio,
                                     Qt::SmoothTransformation);
                image.setDevicePixelRatio(devicePixelRatio);
            }
            return image;
        }
    }
    return loadPicture(path);
}

QIcon programIcon()
{
    // Decoded here rather than handed to QIcon::addFile, which asks every image plugin about
    // the file before it reads it.
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(loadPicture(QStringLiteral(":/assets/WindowIcon16.png"))));
    icon.addPixmap(QPixmap::fromImage(loadPicture(QStringLiteral(":/assets/WindowIcon32.png"))));
    return icon;
}

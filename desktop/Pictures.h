#pragma once

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QString>

#include <stdexcept>

// A picture that cannot be decoded. The message names the picture and says why.
class PictureError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Decodes a JPEG with libjpeg. A broken or truncated file is an error (PictureError), never a
// partly decoded picture and never an exit of the program.
QImage decodeJpeg(const QByteArray &bytes, const QString &name);

// Loads one of the program's embedded pictures (":/assets/..."): JPEG through libjpeg, BMP
// (24-bit and 256-colour) and PNG through Qt. Throws PictureError when it cannot be read.
QImage loadPicture(const QString &path);

// The window icon every window carries, at 16 and 32 pixels.
QIcon programIcon();

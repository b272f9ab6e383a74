// SPDX-License-Identifier: GPL-3.0-or-later
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

// The name of the drawing of a picture for screens of twice the density: "@2x" before the
// extension (":/assets/PictureN.bmp" -> ":/assets/PictureN@2x.bmp"), as Qt names them.
QString doubleDensityName(const QString &path);

// The picture for a screen of the given device pixel ratio: from 1.5 up the drawing at twice the
// detail where there is one, with device pixel ratio 2 so that it takes the same room as the 1×
// picture in the layout (at other ratios than 2 resampled smoothly from it to the screen's pixels,
// with that ratio); below 1.5, or where there is none, the 1× picture (ratio 1, shown scaled by
// Qt). Throws PictureError when the chosen file cannot be read.
QImage loadPicture(const QString &path, qreal devicePixelRatio);

// The window icon every window carries, at 16 and 32 pixels.
QIcon programIcon();

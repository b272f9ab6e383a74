#include "TsBorderMasks.h"

#include "BmpFile.h"
#include "TsBorderMask.h"

#include <QFile>
#include <QtGlobal>

#include <span>

namespace {
BgrImage loadEmbedded(const char *path)
{
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("Skinned buttons: cannot open the border mask %s; buttons get no border", path);
        return {};
    }
    const QByteArray bytes = file.readAll();
    try {
        return ReadBmp(std::span(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                                 static_cast<std::size_t>(bytes.size())),
                       path);
    } catch (const BmpError &e) {
        qWarning("Skinned buttons: %s; buttons get no border", e.what());
        return {};
    }
}
} // namespace

const BgrImage &TsBorderMasks::bord1()
{
    static const BgrImage mask = loadEmbedded(":/assets/BORD1.bmp");
    return mask;
}

const BgrImage &TsBorderMasks::bord1(int scale)
{
    if (scale >= 3) {
        static const BgrImage mask3 = loadEmbedded(":/assets/BORD1@3x.bmp");
        return mask3;
    }
    if (scale == 2) {
        static const BgrImage mask2 = loadEmbedded(":/assets/BORD1@2x.bmp");
        return mask2;
    }
    return bord1();
}

const BgrImage &TsBorderMasks::maskFor(const TsMaskedBorders &settings, double devicePixelRatio)
{
    if (settings.Predefined() == TsPredefinedBorders::pdCustom && !settings.Mask().isEmpty()) {
        return settings.Mask();
    }
    return bord1(BorderMaskScale(devicePixelRatio));
}

const BgrImage &TsBorderMasks::maskFor(const TsMaskedBorders &settings)
{
    if (settings.Predefined() == TsPredefinedBorders::pdCustom && !settings.Mask().isEmpty()) {
        return settings.Mask();
    }
    return bord1();
}

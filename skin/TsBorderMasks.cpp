// SPDX-License-Identifier: GPL-3.0-or-later
#include "TsBorderMasks.h"

#include "BmpFile.h"
#include "TsBorderMask.h"

#include <QResource>
#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <array>
#include <optional>
#include <span>

namespace {

// The skin's own resource (skin/CMakeLists.txt), stored uncompressed: read in place.
constexpr const char *kBord1Paths[] = {":/skin/BORD1.bmp", ":/skin/BORD1@2x.bmp",
                                       ":/skin/BORD1@3x.bmp"};

BgrImage readMask(const char *path)
{
    const QResource resource(QString::fromLatin1(path));
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression) {
        qWarning("Skinned buttons: the border mask %s is missing; buttons get no border", path);
        return {};
    }
    try {
        return ReadBmp(std::span(resource.data(), static_cast<std::size_t>(resource.size())), path);
    } catch (const BmpError &e) {
        qWarning("Skinned buttons: %s; buttons get no border", e.what());
        return {};
    }
}

} // namespace

const BgrImage &TsBorderMasks::bord1(int scale)
{
    static std::array<std::optional<BgrImage>, 3> masks;
    const auto i = static_cast<std::size_t>(std::clamp(scale, 1, 3) - 1);
    if (!masks[i]) {
        masks[i] = readMask(kBord1Paths[i]);
    }
    return *masks[i];
}

const BgrImage &TsBorderMasks::maskFor(const TsMaskedBorders &settings, double devicePixelRatio)
{
    if (settings.Predefined() == TsPredefinedBorders::pdCustom && !settings.Mask().isEmpty()) {
        return settings.Mask();
    }
    return bord1(BorderMaskScale(devicePixelRatio));
}

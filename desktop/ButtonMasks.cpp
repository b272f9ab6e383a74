#include "ButtonMasks.h"

#include "BmpFile.h"
#include "TsBorderMasks.h"

#include <QFile>
#include <QtGlobal>

#include <span>

namespace {

// BORD1 at 1, 2 and 3 times its size, for screens of those densities.
constexpr const char *kBord1Paths[] = {":/assets/BORD1.bmp", ":/assets/BORD1@2x.bmp",
                                       ":/assets/BORD1@3x.bmp"};

BgrImage readEmbeddedMask(const char *path)
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

void installButtonMasks()
{
    static bool installed = false;
    if (installed) {
        return;
    }
    installed = true;
    for (int scale = 1; scale <= 3; ++scale) {
        TsBorderMasks::setBord1(readEmbeddedMask(kBord1Paths[scale - 1]), scale);
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpokenText.h"

#include <QStringList>

namespace spoken {

QString gappedWord(const QString &caption)
{
    const QString word = caption.simplified();
    if (!word.contains(QLatin1Char('_'))) {
        return word;
    }
    QStringList parts;
    for (const QString &part : word.split(QLatin1Char('_'))) {
        if (!part.isEmpty()) {
            parts << part;
        }
        parts << QStringLiteral("пропуск");
    }
    parts.removeLast();
    return parts.join(QStringLiteral(", "));
}

} // namespace spoken

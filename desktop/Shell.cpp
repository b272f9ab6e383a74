// SPDX-License-Identifier: GPL-3.0-or-later
#include "Shell.h"

#include <QDesktopServices>
#include <QUrl>

bool shellOpen(const QString &target)
{
    return QDesktopServices::openUrl(QUrl(target, QUrl::TolerantMode));
}

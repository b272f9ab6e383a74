#pragma once

#include <QFontDatabase>
#include <QString>
#include <QStringList>

// The face a control asks for when the windows name `described`: that face where it is
// installed, else the stand-in the program depends on (DejaVu Sans for Verdana and MS Sans
// Serif, Liberation Serif for Times New Roman).
inline QString askedFace(const char *described)
{
    const QString name = QString::fromUtf8(described);
    if (QFontDatabase::families().contains(name, Qt::CaseInsensitive)) {
        return name;
    }
    return name == QLatin1String("Times New Roman") ? QStringLiteral("Liberation Serif")
                                                    : QStringLiteral("DejaVu Sans");
}

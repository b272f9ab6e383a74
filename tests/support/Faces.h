#pragma once

#include "DesktopLook.h"

#include <QString>

// The face a control asks for when the windows name `described`: the desktop layer's one table
// of stand-ins decides (test_desktop pins that table to its faces).
inline QString askedFace(const char *described)
{
    return askedFamily(QString::fromUtf8(described));
}

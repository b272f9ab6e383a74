#include "PlatformChoice.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

std::string ChoosePlatform(const std::function<std::string(const char *)> &get)
{
    if (!get("QT_QPA_PLATFORM").empty()) {
        return {};
    }
    const bool x11 = !get("DISPLAY").empty();
    const bool wayland = !get("WAYLAND_DISPLAY").empty();
    if (x11) {
        // Qt itself prefers Wayland in a Wayland session; X11 keeps the placement.
        return "xcb";
    }
    if (wayland) {
        return "wayland";
    }
    return {};
}

void ApplyPlatformChoice()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const std::string choice = ChoosePlatform(
        [](const char *name) { return qEnvironmentVariable(name).toStdString(); });
    if (!choice.empty()) {
        qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(choice));
    }
#endif
}

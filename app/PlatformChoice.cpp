// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformChoice.h"

#include <QString>
#include <QtGlobal>

std::string ChoosePlatform(const std::function<std::string(const char *)> &get)
{
    if (!get("QT_QPA_PLATFORM").empty()) {
        return {};
    }
    const bool x11 = !get("DISPLAY").empty();
    const bool wayland = !get("WAYLAND_DISPLAY").empty();
    if (x11 && wayland) {
        // Qt itself prefers Wayland in a Wayland session; X11 keeps the placement, and Wayland
        // still shows the windows when the X server is gone.
        return "xcb;wayland";
    }
    if (x11) {
        return "xcb";
    }
    if (wayland) {
        return "wayland";
    }
    return {};
}

std::vector<std::string> ProgramArguments(int argc, char **argv)
{
    std::vector<std::string> arguments(argv, argv + argc);
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const std::string platform =
        ChoosePlatform([](const char *name) { return qEnvironmentVariable(name).toStdString(); });
    if (!platform.empty() && !arguments.empty()) {
        arguments.insert(arguments.begin() + 1, {"-platform", platform});
    }
#endif
    return arguments;
}

#include "PlatformChoice.h"

#include <QString>
#include <QtGlobal>

#include <algorithm>

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

std::vector<std::string> WithPlatformArgument(std::vector<std::string> arguments,
                                              const std::string &platform)
{
    // Qt reads "-platform" and "--platform" alike.
    const bool named = std::any_of(arguments.begin(), arguments.end(), [](const std::string &a) {
        return a == "-platform" || a == "--platform";
    });
    if (platform.empty() || named) {
        return arguments;
    }
    const auto afterName = arguments.empty() ? arguments.begin() : arguments.begin() + 1;
    arguments.insert(afterName, {"-platform", platform});
    return arguments;
}

std::vector<std::string> ProgramArguments(int argc, char **argv)
{
    std::vector<std::string> arguments(argv, argv + argc);
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const std::string platform =
        ChoosePlatform([](const char *name) { return qEnvironmentVariable(name).toStdString(); });
    arguments = WithPlatformArgument(std::move(arguments), platform);
#endif
    return arguments;
}

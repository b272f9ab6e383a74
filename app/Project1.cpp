// «Н и НН в прилагательных»: the program. It takes no command line, reads and writes no files
// and keeps nothing between runs.
#include "DesktopLook.h"
#include "WindowSet.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {
// On a Unix desktop without a display Qt would abort with a terse message; say plainly what is
// missing instead.
bool displayMissing()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const bool platformChosen = !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    return !platformChosen && qEnvironmentVariableIsEmpty("DISPLAY") &&
           qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return false;
#endif
}
} // namespace

int main(int argc, char **argv)
{
    if (displayMissing()) {
        std::fprintf(stderr, "Н и НН в прилагательных: no display to show the windows on "
                             "(neither DISPLAY nor WAYLAND_DISPLAY is set). Start it on a "
                             "desktop, or under xvfb-run.\n");
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Н и НН в прилагательных"));
    // Ties the windows to the installed menu entry (its icon in docks and task lists).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.NnTrainer"));
    // The board ends the program itself; closing every other window only hides it.
    QApplication::setQuitOnLastWindowClosed(false);
    applyDesktopLook(app);

    WindowSet windows;
    windows.start();
    return QApplication::exec();
}

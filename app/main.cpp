// SPDX-License-Identifier: GPL-3.0-or-later
// «Н и НН в прилагательных»: the program. It writes no files and keeps nothing between runs;
// the one file it may read is a teacher's word lists (nn-trainer --variants FILE, or
// variants.txt where TeacherVariants.h says).
#include "DesktopLook.h"
#include "PlatformChoice.h"
#include "TeacherVariants.h"
#include "WindowSet.h"

#include <QApplication>
#include <QLocale>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

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

// While QApplication starts its platform, a fatal message means the platform could not start:
// most often a DISPLAY whose X server does not answer (gone, or not ours to use) with no Wayland
// display to fall back on. Qt would abort and leave a core dump; say what failed and end with
// code 2, as without any display. On Windows a GUI program has no console to print to, so the
// pupil or the administrator is told in a message box (Win32's own: Qt has no platform to draw one).
QtMessageHandler previousHandler = nullptr;

void platformStartFailed(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtFatalMsg) {
        if (previousHandler) {
            previousHandler(type, context, text);
        }
        return;
    }
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
#ifdef Q_OS_WIN
    const std::wstring message =
        (QStringLiteral("Программу не удалось запустить: не открывается окно.\n\n") + text +
         QStringLiteral("\n\nЕсли это повторяется, сообщите администратору компьютера."))
            .toStdWString();
    MessageBoxW(nullptr, message.c_str(), L"Н и НН в прилагательных",
                MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
    std::fflush(stderr);
    std::_Exit(2);
#endif
    const QByteArray display = qgetenv("DISPLAY");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    std::fprintf(stderr,
                 "Н и НН в прилагательных: the display could not be opened (DISPLAY=%s, "
                 "WAYLAND_DISPLAY=%s). Start it on a desktop, or under xvfb-run.\n",
                 display.constData(), wayland.constData());
    std::fflush(stderr);
    std::_Exit(2);
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
    // Every text of the program is Russian, whatever the machine's locale: assistive technology
    // reads the default locale as the language of the application and of its texts, so a
    // screen reader picks a Russian voice. Set before the application joins the bus.
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    // The platform is chosen through the command line Qt reads, never through the environment
    // that the programs started from ours inherit. Qt keeps pointers into these arguments.
    std::vector<std::string> arguments = ProgramArguments(argc, argv);
    std::vector<char *> qtArgv;
    for (std::string &argument : arguments) {
        qtArgv.push_back(argument.data());
    }
    qtArgv.push_back(nullptr);
    int qtArgc = static_cast<int>(arguments.size());
    previousHandler = qInstallMessageHandler(platformStartFailed);
#ifdef Q_OS_WIN
    // When no platform can start, Qt for Windows shows its own message box (in English) before
    // the fatal message reaches platformStartFailed, which then says it in Russian: the box is
    // titled with the program's name, not the .exe's.
    QCoreApplication::setApplicationName(QStringLiteral("Н и НН в прилагательных"));
#endif
    QApplication app(qtArgc, qtArgv.data());
    qInstallMessageHandler(previousHandler);
    QApplication::setApplicationName(QStringLiteral("Н и НН в прилагательных"));
    // Ties the windows to the installed menu entry (its icon in docks and task lists).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.NnTrainer"));
    // The board ends the program itself; closing every other window only hides it.
    QApplication::setQuitOnLastWindowClosed(false);
    applyDesktopLook(app);

    // A teacher's word lists, if there are any: read once, before the windows are made.
    WindowSet windows(loadTeacherVariants(variantsArgument(QCoreApplication::arguments())));
    windows.start();
    return QApplication::exec();
}

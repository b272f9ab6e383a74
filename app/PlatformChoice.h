// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

// The windowing platform the program asks Qt for, decided from the environment before the
// application object is made.
//
// The windows place themselves (centred boards, the help window at its fixed place), which a
// Wayland client cannot do: so where a Wayland desktop also offers X11 through XWayland (both
// WAYLAND_DISPLAY and DISPLAY set) the program runs on X11 ("xcb"), and falls back to Wayland
// when the X server does not answer ("xcb;wayland": Qt tries the platforms in turn). Where only
// Wayland is offered it runs natively ("wayland"); where only X11 is offered, on X11. A platform
// the user chose with QT_QPA_PLATFORM wins, and where neither display is set the choice is left
// to Qt (the program reports the missing display itself). An empty result means "leave it to
// Qt".
//
// `get` returns the value of an environment variable, empty for one that is unset.
std::string ChoosePlatform(const std::function<std::string(const char *)> &get);

// The command line the application object is made with: the program's own arguments with
// "-platform <choice>" after the program's name, where ChoosePlatform on the process environment
// makes a choice (on a Unix desktop other than macOS; elsewhere Qt's own platform stands). The
// choice travels in the command line, not in the environment, so the programs ours starts (the
// browser, the mail program) inherit the user's environment unchanged. Qt takes the last
// "-platform" it is given, so one the user put on the command line still wins.
std::vector<std::string> ProgramArguments(int argc, char **argv);

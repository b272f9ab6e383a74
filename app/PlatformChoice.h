#pragma once

#include <functional>
#include <string>

// The windowing platform the program asks Qt for, decided from the environment before the
// application object is made.
//
// The windows place themselves (centred boards, the help window at its fixed place), which a
// Wayland client cannot do: so where a Wayland desktop also offers X11 through XWayland (both
// WAYLAND_DISPLAY and DISPLAY set) the program runs on X11 ("xcb"). Where only Wayland is offered
// it runs natively ("wayland"), as Qt would not reach a display otherwise. A platform the user
// chose with QT_QPA_PLATFORM wins, and where neither display is set the choice is left to Qt
// (the program reports the missing display itself). An empty result means "leave it to Qt".
//
// `get` returns the value of an environment variable, empty for one that is unset.
std::string ChoosePlatform(const std::function<std::string(const char *)> &get);

// Applies ChoosePlatform to the process environment: sets QT_QPA_PLATFORM when a choice is made.
void ApplyPlatformChoice();

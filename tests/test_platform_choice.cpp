// SPDX-License-Identifier: GPL-3.0-or-later
// The platform the program asks Qt for, from the environment alone.
#include "PlatformChoice.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

std::string choiceIn(const std::map<std::string, std::string> &env)
{
    return ChoosePlatform([&env](const char *name) {
        const auto it = env.find(name);
        return it == env.end() ? std::string() : it->second;
    });
}

} // namespace

TEST(PlatformChoice, WaylandWithXWaylandRunsOnX11AndFallsBackToWayland)
{
    EXPECT_EQ(choiceIn({{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}}), "xcb;wayland");
    EXPECT_EQ(choiceIn({{"WAYLAND_DISPLAY", "wayland-0"},
                        {"DISPLAY", ":1"},
                        {"XDG_SESSION_TYPE", "wayland"},
                        {"XDG_CURRENT_DESKTOP", "GNOME"}}),
              "xcb;wayland")
        << "the session type does not pull it onto Wayland";
}

TEST(PlatformChoice, OnlyWaylandRunsNatively)
{
    EXPECT_EQ(choiceIn({{"WAYLAND_DISPLAY", "wayland-1"}}), "wayland");
    EXPECT_EQ(choiceIn({{"WAYLAND_DISPLAY", "wayland-1"}, {"DISPLAY", ""}}), "wayland")
        << "an empty DISPLAY offers no X server";
}

TEST(PlatformChoice, PlainX11StaysOnX11)
{
    EXPECT_EQ(choiceIn({{"DISPLAY", ":99"}}), "xcb");
    EXPECT_EQ(choiceIn({{"DISPLAY", ":99"}, {"WAYLAND_DISPLAY", ""}}), "xcb");
}

TEST(PlatformChoice, TheUsersChoiceWinsAndNoDisplayIsLeftToQt)
{
    for (const char *chosen : {"wayland", "xcb", "offscreen", "wayland;xcb"}) {
        EXPECT_EQ(choiceIn({{"QT_QPA_PLATFORM", chosen},
                            {"WAYLAND_DISPLAY", "wayland-0"},
                            {"DISPLAY", ":0"}}),
                  "")
            << chosen;
    }
    EXPECT_EQ(choiceIn({{"QT_QPA_PLATFORM", "wayland"}}), "");
    EXPECT_EQ(choiceIn({}), "") << "no display at all";
    EXPECT_EQ(choiceIn({{"QT_QPA_PLATFORM", ""}, {"DISPLAY", ":0"}}), "xcb")
        << "an empty QT_QPA_PLATFORM chooses nothing";
}

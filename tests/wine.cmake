# SPDX-License-Identifier: GPL-3.0-or-later
# The test suite built for Windows on Linux and run under Wine (scripts/package-windows builds
# the toolchain; scripts/test runs this suite when it is there).
#
# Every test binary runs under tests/support/wine-run.sh: Qt's off-screen platform, and the
# stand-in fonts (DejaVu Sans, Liberation Serif) as its only fonts, copied into the build folder
# because off-screen Qt on Windows reads one folder of font files and has no fontconfig.
#
# Not built here, being Linux by nature (each runs a Linux program or a Linux desktop service):
#   e2e_board_close, e2e_sorting, e2e_writing, e2e_writing_keys, e2e_sorting_keys,
#   e2e_sorting_atspi, e2e_orca
#                      xdotool and X11 input against the Linux program, AT-SPI over D-Bus, Orca;
#                      e2e_wine_sorting does the sorting exercise with the Windows program
#   e2e_wayland        a Wayland compositor
#   program_without_display
#                      DISPLAY/WAYLAND_DISPLAY: a Windows program always has its desktop
#   install_tree, package_build, package_check, e2e_package_start
#                      the Linux install tree and the .deb; the Windows zip is checked by
#                      scripts/package-windows
set(NN_LINUX_PROGRAM "" CACHE FILEPATH
    "The Linux build's nn-trainer: e2e_wine_sorting compares the Windows build's board with it")
if(NOT NN_LINUX_PROGRAM)
  message(STATUS "e2e_wine_sorting left out: no NN_LINUX_PROGRAM to compare the board with")
endif()
set(nn_wine_font_dir ${CMAKE_BINARY_DIR}/wine-fonts)
foreach(font dejavu/DejaVuSans.ttf dejavu/DejaVuSans-Bold.ttf
             liberation2/LiberationSerif-Regular.ttf liberation2/LiberationSerif-Bold.ttf)
  if(NOT EXISTS /usr/share/fonts/truetype/${font})
    message(FATAL_ERROR "/usr/share/fonts/truetype/${font} is missing: the tests under Wine "
                        "need fonts-dejavu-core and fonts-liberation2")
  endif()
  file(COPY /usr/share/fonts/truetype/${font} DESTINATION ${nn_wine_font_dir})
endforeach()
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  set(CMAKE_CROSSCOMPILING_EMULATOR
      ${CMAKE_CURRENT_SOURCE_DIR}/support/wine-run.sh --fonts ${nn_wine_font_dir})
endif()

# Cases that cannot run under Wine, by binary: NN_WINE_EXCLUDE_<binary> lists gtest patterns,
# each with its reason.

# Read the committed JPEGs through QImage, whose JPEG reader is an image format plugin that the
# Windows Qt leaves out (the program decodes its JPEG with libjpeg itself, desktop/Pictures,
# which test_desktop runs here). The files are the same bytes on every platform; the Linux run
# checks them.
set(NN_WINE_EXCLUDE_test_assets
    CompletionMark.IsA35PixelBaselineJpegOfARedCheckWithAGreyShadowOnPaleYellow
    JpegFile.StoresAPictureThatDecodesCloseToIt
    DoubleDensityPictures.LookLikeTheirOneTimesPicturesWithDetailOfTheirOwn)

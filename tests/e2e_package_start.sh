#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End to end, in a real X server: the package unpacked into a scratch root, and the program started
# as a menu starts it, from the Exec= line of the unpacked menu entry (field codes removed, the
# program looked up in PATH with the root's bin folder first). The window must appear with the
# entry's Name= as its title and the entry's StartupWMClass= as its window class (so the desktop
# ties the window to the entry), belong to the unpacked program, and "З а к р ы т ь" must end it
# with code 0.
# Usage: e2e_package_start.sh <out-dir> <screenshot.png>
set -euo pipefail
out=${1:?out dir}
shot=${2:?screenshot path}
source "$(dirname "$0")/support/e2e.sh"

e2e_init e2e_package_start "$shot.d"
debs=("$out"/*.deb)
[ -f "${debs[0]}" ] || e2e_fail "no .deb in $out"
root=$(mktemp -d)
E2E_ON_EXIT='rm -rf "$root"'
dpkg -x "${debs[0]}" "$root"
e2e_start_x 1024x768x24

entry=$root/usr/share/applications/org.example.NnTrainer.desktop
key() {
    sed -n "/^\[Desktop Entry\]/,/^\[/ s/^$1=//p" "$entry" | head -n1
}
exec_line=$(key Exec)
name=$(key Name)
wmclass=$(key StartupWMClass)
if [ -z "$exec_line" ] || [ -z "$name" ] || [ -z "$wmclass" ]; then
    e2e_fail "Exec, Name or StartupWMClass missing"
fi
[[ "$exec_line" != *'"'* ]] || e2e_fail "quoted arguments in Exec= are not handled here"
# Field codes (%f, %U, ...) stand for files and addresses; a start from the menu passes none.
read -r -a command <<<"$(echo "$exec_line" | sed 's/%[fFuUdDnNickvm]//g; s/%%/%/g')"
echo "e2e: starting '${command[*]}' from $root"

PATH="$root/usr/bin:$PATH" e2e_start_program "${command[@]}"

win=$(e2e_wait_window "^$name\$") || e2e_fail "no window titled '$name' appeared"
[ "$(realpath "/proc/$E2E_PID/exe")" = "$(realpath "$root/usr/bin/nn-trainer")" ] ||
    e2e_fail "the running program is $(realpath "/proc/$E2E_PID/exe"), not the unpacked one"
xdotool search --onlyvisible --classname "^$wmclass\$" | grep -qx "$win" ||
    e2e_fail "the window's class is not StartupWMClass=$wmclass"
# The screenshot once the board is painted: its close panel's violet at the bottom left.
eval "$(xdotool getwindowgeometry --shell "$win")"
painted() {
  [ "$(e2e_pixel "$shot" $((X + 5)) $((Y + HEIGHT - 53 + 5)))" = 400080 ]
}
e2e_wait_screen "$shot" "the board's first frame" painted

# The close button sits in the panel along the bottom edge: 19 pixels in, 14 down, 401 x 25.
xdotool mousemove $((X + 19 + 200)) $((Y + HEIGHT - 53 + 14 + 12)) mousedown 1 mouseup 1

e2e_wait_exit
echo "e2e: the program started from the menu entry ended with code $E2E_CODE"
[ "$E2E_CODE" -eq 0 ]

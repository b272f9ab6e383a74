#!/usr/bin/env bash
# End to end, in a real X server: the package unpacked into a scratch root, and the program started
# as a menu starts it, from the Exec= line of the unpacked menu entry (field codes removed, the
# program looked up in PATH with the root's bin folder first). The window must appear with the
# entry's Name= as its title and the entry's StartupWMClass= as its window class (so the desktop
# ties the window to the entry), belong to the unpacked program, and "З а к р ы т ь" must end it
# with code 0.
# Usage: e2e_package_start.sh <out-dir> <screenshot.png>
set -euo pipefail
# The windows are found by their Russian captions, which xdotool reads in the locale's encoding:
# a UTF-8 locale whatever the machine's is.
export LC_ALL=C.UTF-8
out=${1:?out dir}
shot=${2:?screenshot path}

if [ -z "${E2E_INNER:-}" ]; then
    exec env -u QT_QPA_PLATFORM E2E_INNER=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
fail() {
    echo "e2e: $*" >&2
    exit 1
}

debs=("$out"/*.deb)
[ -f "${debs[0]}" ] || fail "no .deb in $out"
root=$(mktemp -d)
pid=""
cleanup() {
    if [ -n "$pid" ]; then
        kill "$pid" 2>/dev/null || true
    fi
    rm -rf "$root"
}
trap cleanup EXIT
dpkg -x "${debs[0]}" "$root"

entry=$root/usr/share/applications/org.example.NnTrainer.desktop
key() {
    sed -n "/^\[Desktop Entry\]/,/^\[/ s/^$1=//p" "$entry" | head -n1
}
exec_line=$(key Exec)
name=$(key Name)
wmclass=$(key StartupWMClass)
if [ -z "$exec_line" ] || [ -z "$name" ] || [ -z "$wmclass" ]; then
    fail "Exec, Name or StartupWMClass missing"
fi
[[ "$exec_line" != *'"'* ]] || fail "quoted arguments in Exec= are not handled here"
# Field codes (%f, %U, ...) stand for files and addresses; a start from the menu passes none.
read -r -a command <<<"$(echo "$exec_line" | sed 's/%[fFuUdDnNickvm]//g; s/%%/%/g')"
echo "e2e: starting '${command[*]}' from $root"

env PATH="$root/usr/bin:$PATH" "${command[@]}" &
pid=$!

win=""
for _ in $(seq 1 100); do
    win=$(xdotool search --onlyvisible --name "^$name\$" 2>/dev/null | head -n1 || true)
    [ -n "$win" ] && break
    kill -0 "$pid" 2>/dev/null || fail "the program ended before its window appeared"
    sleep 0.1
done
[ -n "$win" ] || fail "no window titled '$name' appeared"
[ "$(realpath "/proc/$pid/exe")" = "$(realpath "$root/usr/bin/nn-trainer")" ] ||
    fail "the running program is $(realpath "/proc/$pid/exe"), not the unpacked one"
xdotool search --onlyvisible --classname "^$wmclass\$" | grep -qx "$win" ||
    fail "the window's class is not StartupWMClass=$wmclass"
sleep 0.5
import -window root "$shot"

# The close button sits in the panel along the bottom edge: 19 pixels in, 14 down, 401 x 25.
eval "$(xdotool getwindowgeometry --shell "$win")"
xdotool mousemove $((X + 19 + 200)) $((Y + HEIGHT - 53 + 14 + 12))
sleep 0.2
xdotool mousedown 1
sleep 0.1
xdotool mouseup 1

for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the program is still running after the close button"
set +e
wait "$pid"
code=$?
set -e
pid=""
echo "e2e: the program started from the menu entry ended with code $code"
[ "$code" -eq 0 ]

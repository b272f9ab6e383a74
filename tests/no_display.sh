#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Without a display the program must say so and exit with code 2, not crash: with neither
# DISPLAY nor WAYLAND_DISPLAY set, and with a DISPLAY whose X server does not answer.
# Usage: no_display.sh <program>
set -u
program=$(readlink -f "${1:?program}")
run() {
  local what=$1
  shift
  out=$(cd "$(mktemp -d)" && ulimit -c 0 && "$@" 2>&1)
  code=$?
  echo "$what: $out"
  [ "$code" -eq 2 ] || { echo "$what: expected exit code 2, got $code"; exit 1; }
}
run "no display" env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program"
echo "$out" | grep -q "no display" || { echo "the message does not say what is missing"; exit 1; }

# A display number that no X server serves: no lock file, no socket of either kind.
n=4000
while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] ||
  grep -q "@/tmp/.X11-unix/X$n\$" /proc/net/unix 2>/dev/null; do
  n=$((n + 1))
done
run "display :$n" env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=":$n" "$program"
echo "$out" | grep -q "display could not be opened" ||
  { echo "the message does not say that the display could not be opened"; exit 1; }

#!/usr/bin/env bash
# Without any display the program must say so and exit with a non-zero code, not crash.
# Usage: no_display.sh <program>
set -u
program=${1:?program}
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" 2>&1)
code=$?
echo "$out"
[ "$code" -eq 2 ] || { echo "expected exit code 2, got $code"; exit 1; }
echo "$out" | grep -q "no display" || { echo "the message does not say what is missing"; exit 1; }

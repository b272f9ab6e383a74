#!/usr/bin/env bash
# End to end, in a real X server: start the program, take a screenshot of the board, press
# "З а к р ы т ь" with real mouse input and check that the program ends with code 0.
# Usage: e2e_board.sh <program> <screenshot.png>
set -euo pipefail
# The windows are found by their Russian captions, which xdotool reads in the locale's encoding:
# a UTF-8 locale whatever the machine's is.
export LC_ALL=C.UTF-8
program=${1:?program}
shot=${2:?screenshot path}

if [ -z "${E2E_INNER:-}" ]; then
  exec env -u QT_QPA_PLATFORM E2E_INNER=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

"$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

win=""
for _ in $(seq 1 100); do
  win=$(xdotool search --onlyvisible --name "Н и НН в прилагательных" 2>/dev/null | head -n1 || true)
  [ -n "$win" ] && break
  sleep 0.1
done
[ -n "$win" ] || { echo "e2e: the board did not appear"; exit 1; }
sleep 0.5
import -window root "$shot"

# The close button sits in the panel along the bottom edge: 19 pixels in, 14 down, 401 x 25.
eval "$(xdotool getwindowgeometry --shell "$win")"
x=$((X + 19 + 200))
y=$((Y + HEIGHT - 53 + 14 + 12))
xdotool mousemove "$x" "$y"
sleep 0.2
xdotool mousedown 1
sleep 0.1
xdotool mouseup 1

for _ in $(seq 1 50); do
  if ! kill -0 "$pid" 2>/dev/null; then
    break
  fi
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
  echo "e2e: the program is still running after the close button was pressed"
  exit 1
fi
trap - EXIT
set +e
wait "$pid"
code=$?
set -e
echo "e2e: program ended with code $code"
[ "$code" -eq 0 ]

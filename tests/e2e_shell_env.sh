#!/usr/bin/env bash
# End to end, in a real X server: the credits menu's mail item hands its address to the
# desktop's opener, here a stand-in for xdg-open and xdg-email that records its environment. The
# opener must see exactly the environment the program was started with: the platform the
# program chose for itself does not reach the browser or the mail program.
# Usage: e2e_shell_env.sh <program> <work folder>
set -euo pipefail
program=${1:?program}
source "$(dirname "$0")/support/e2e.sh"

e2e_init e2e_shell_env "${2:?work folder}"
e2e_start_x 1024x768x24
bin="$E2E_DIR/run/bin"
mkdir -p "$bin"
for opener in xdg-open xdg-email; do
  printf '#!/bin/sh\nenv -0 >"%s/run/opener.part"\nmv "%s/run/opener.part" "%s/run/opener.env"\n' \
    "$E2E_DIR" "$E2E_DIR" "$E2E_DIR" >"$bin/$opener"
  chmod +x "$bin/$opener"
done
rm -f "$E2E_DIR/run/opener.env"
PATH="$bin:$PATH" e2e_start_program "$program"
win=$(e2e_wait_window "Н и НН в прилагательных" 439) || e2e_fail "the board did not appear"
read -r x y < <(e2e_origin "$win")

# The first menu of the menu bar along the top, then its second item, the author's address.
menus() { xdotool search --onlyvisible --classname nn-trainer 2>/dev/null | wc -l; }
before=$(menus)
xdotool mousemove $((x + 40)) $((y + 9)) click 1
for _ in $(seq 1 100); do
  [ "$(menus)" -gt "$before" ] && break
  sleep 0.1
done
[ "$(menus)" -gt "$before" ] || e2e_fail "the credits menu did not drop down"
xdotool key Down Down Return
for _ in $(seq 1 100); do
  [ -s "$E2E_DIR/run/opener.env" ] && break
  sleep 0.1
done
[ -s "$E2E_DIR/run/opener.env" ] || e2e_fail "the mail item started no opener"

# What the program was given (its environment at exec) against what the opener got. The shell
# that runs the stand-in adds its own PWD.
sorted() { tr '\0' '\n' <"$1" | grep -v '^PWD=' | sort; }
if ! diff <(sorted "/proc/$E2E_PID/environ") <(sorted "$E2E_DIR/run/opener.env") \
  >"$E2E_DIR/env.diff"; then
  cat "$E2E_DIR/env.diff" >&2
  e2e_fail "the opener's environment differs from the user's (< given, > seen by the opener)"
fi
echo "e2e_shell_env: the opener saw the user's environment unchanged"

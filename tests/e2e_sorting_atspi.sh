#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End to end through the accessibility bus: the program in a real X server with a session bus
# and the AT-SPI bus of its own, and the whole sorting exercise done with accessibility actions
# alone (e2e_sorting_atspi.py), every action and what a screen reader hears logged to heard.log.
# Usage: e2e_sorting_atspi.sh <program> <work folder>
set -euo pipefail
program=${1:?program}
work=${2:?work folder}

here=$(dirname "$(readlink -f "$0")")
source "$here/support/e2e.sh"
# A session bus of its own and a runtime folder of its own, where the accessibility bus puts
# its socket.
e2e_own_session "$0" "$@"
e2e_init e2e_sorting_atspi "$work"
e2e_start_x 1280x1024x24
# Qt joins the accessibility bus only when a screen reader is said to run, or when told to.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
e2e_start_program "$program"
e2e_wait_window "^Н и НН в прилагательных\$" 439 >/dev/null || e2e_fail "the board did not appear"
# The Debian python, which has the AT-SPI bindings.
/usr/bin/python3 "$here/e2e_sorting_atspi.py" "$E2E_PID" "$work/heard.log" ||
  e2e_fail "the exercise could not be done through the accessibility bus (see $work/heard.log)"
e2e_check_alive
echo "e2e_sorting_atspi: passed; what was heard is in $work/heard.log"

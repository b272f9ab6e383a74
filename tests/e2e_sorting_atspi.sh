#!/usr/bin/env bash
# End to end through the accessibility bus: the program in a real X server with a session bus
# and the AT-SPI bus of its own, and the whole sorting exercise done with accessibility actions
# alone (e2e_sorting_atspi.py), every action and what a screen reader hears logged to heard.log.
# Usage: e2e_sorting_atspi.sh <program> <work folder>
set -euo pipefail
program=${1:?program}
work=${2:?work folder}

# A session bus of its own, ended with the script, and a runtime folder of its own: the
# accessibility bus is started on the session bus on demand and puts its socket in the runtime
# folder. Without one the socket lies at a fixed place in the home folder, where a run started
# meanwhile (another test, another checkout on the machine) puts its own: the program and the
# listener could then meet on another run's bus, or lose theirs when that run ends, and an event
# would not be heard.
if [ -z "${NN_E2E_SESSION_BUS:-}" ]; then
  runtime=$(mktemp -d /tmp/nn-a11y.XXXXXX)
  chmod 700 "$runtime"
  code=0
  NN_E2E_SESSION_BUS=1 XDG_RUNTIME_DIR="$runtime" dbus-run-session -- "$0" "$@" || code=$?
  rm -rf "$runtime"
  exit "$code"
fi

here=$(dirname "$(readlink -f "$0")")
source "$here/support/e2e.sh"
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

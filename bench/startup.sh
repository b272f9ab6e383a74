#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up budget: the program against the floor, one empty Qt window of the board's size, both
# started in turn (20 times each, after one uncounted start of each) on one fresh Xvfb. Prints
# every start, the medians and the two ratios; ends with 1 when the program needs more than 1.5
# times the floor's time to its first frame or 1.3 times its peak memory, 2 when it cannot
# measure. Builds nothing: build the three programs in Release first (see bench/README.md).
# Usage: startup.sh <program> <floor> [runs per program] [settle ms]
set -euo pipefail
program=${1:?usage: startup.sh <program> <floor> [runs] [settle ms]}
floor=${2:?usage: startup.sh <program> <floor> [runs] [settle ms]}
runs=${3:-20}
settle=${4:-500}
launcher=${STARTUP_LAUNCHER:-$(dirname "$(readlink -f "$floor")")/startup_launcher}

for f in "$program" "$floor" "$launcher"; do
  [ -x "$f" ] || { echo "startup.sh: $f is not a program" >&2; exit 2; }
done

# Qt wants a private runtime folder; a fresh one keeps its complaint out of the table. The X
# server is started as the end-to-end tests start theirs, on a display no other server uses.
runtime=$(mktemp -d)
chmod 700 "$runtime"
source "$(dirname "$(readlink -f "$0")")/../tests/support/e2e.sh"
e2e_init startup "$runtime"
E2E_ON_EXIT='rm -rf "$runtime"'

# -br: a black root window, against which the launcher sees a window's first frame.
e2e_start_x 1024x768x24 -br
XDG_RUNTIME_DIR="$runtime" \
  "$launcher" "$(readlink -f "$program")" "$(readlink -f "$floor")" "$runs" "$settle"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End to end under a real Wayland compositor (weston, headless, with XWayland):
#  - Wayland and XWayland both offered, no platform chosen: the board is an X11 window on the
#    XWayland display, and the program speaks no Wayland at all;
#  - only Wayland offered: the program runs natively, its board a Wayland toplevel with its
#    caption, and keeps running;
#  - a platform chosen with QT_QPA_PLATFORM wins even where XWayland is offered;
#  - a DISPLAY that no X server answers beside a working Wayland display: natively, on Wayland.
# The Wayland side is read from the program's own protocol log (WAYLAND_DEBUG=client), which
# libwayland writes to the standard error output of every Wayland client.
# Exits with 77 (skipped) only where weston is not installed.
# Usage: e2e_wayland.sh <program>
set -euo pipefail
program=${1:?program}
caption="Н и НН в прилагательных"
# The shared waits (e2e_poll) and their time limit, E2E_TIMEOUT; the X server here is XWayland,
# not one of e2e.sh's own.
source "$(dirname "$0")/support/e2e.sh"

if ! command -v weston >/dev/null; then
  echo "e2e_wayland: SKIPPED: weston is not installed (scripts/install-deps installs it)"
  exit 77
fi
command -v Xwayland >/dev/null || { echo "e2e_wayland: Xwayland is missing (package xwayland)"; exit 1; }

work=$(mktemp -d)
chmod 700 "$work"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

export XDG_RUNTIME_DIR=$work
socket=wayland-nn-$$
weston --backend=headless-backend.so --xwayland --socket="$socket" --idle-time=0 \
  --log="$work/weston.log" &
pids+=($!)

display=""
weston_ready() {
  # The log appears a moment after weston starts; until then there is nothing to read.
  display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log" \
    2>/dev/null | head -n1 || true)
  [ -n "$display" ] && [ -S "$work/$socket" ]
}
e2e_poll weston_ready || {
  echo "e2e_wayland: $(e2e_waited_in_vain "weston's socket and its XWayland display")"
  cat "$work/weston.log" || true
  exit 1
}
echo "e2e_wayland: weston on $socket, XWayland on $display"

# Starts the program with the given environment changes; its output goes to $work/$1.log.
start() {
  local name=$1
  shift
  env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY WAYLAND_DEBUG=client "$@" "$program" \
    >"$work/$name.log" 2>&1 &
  pids+=($!)
  last=$!
}

# Waits until the board is a visible X11 window on the XWayland display.
x11Window() {
  e2e_poll eval 'DISPLAY=$display xdotool search --onlyvisible --name "$caption" >/dev/null 2>&1'
}

# Waits until the program's protocol log shows its board as a Wayland toplevel with its caption.
waylandToplevel() {
  e2e_poll grep -aq "xdg_toplevel@[0-9]*\.set_title(\"$caption\")" "$work/$1.log"
}

fail() {
  echo "e2e_wayland: $1"
  echo "--- program output (first lines):"
  head -n 20 "$work/$2.log"
  exit 1
}

# 1. Both offered: X11.
start both DISPLAY="$display" WAYLAND_DISPLAY="$socket"
x11Window || fail "$(e2e_waited_in_vain "the board as an X11 window, XWayland offered")" both
grep -aq "xdg_toplevel\|wl_registry" "$work/both.log" &&
  fail "with XWayland offered the program still spoke Wayland" both
kill "$last"
echo "e2e_wayland: Wayland and XWayland offered: the board is an X11 window on $display"

# 2. Only Wayland: native, and still running once its board is up.
start native WAYLAND_DISPLAY="$socket"
waylandToplevel native || fail "$(e2e_waited_in_vain "a Wayland toplevel, only Wayland offered")" native
# Once a frame of the board has been handed to the compositor, the program must still run.
e2e_poll grep -aq "wl_surface@[0-9]*\.attach(wl_buffer@" "$work/native.log" ||
  fail "$(e2e_waited_in_vain "a frame of the board, only Wayland offered")" native
kill -0 "$last" 2>/dev/null || fail "with only Wayland offered the program ended" native
kill "$last"
echo "e2e_wayland: only Wayland offered: the board is a native Wayland toplevel"

# 3. The user's choice wins: Wayland although XWayland is offered.
start chosen DISPLAY="$display" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland
waylandToplevel chosen || fail "$(e2e_waited_in_vain "the board on Wayland, QT_QPA_PLATFORM=wayland")" chosen
kill "$last"
echo "e2e_wayland: QT_QPA_PLATFORM=wayland wins over XWayland"

# 4. A dead DISPLAY beside Wayland.
n=4000
while [ -e "/tmp/.X11-unix/X$n" ] || grep -q "X11-unix/X$n\$" /proc/net/unix; do n=$((n + 1)); done
start fallback DISPLAY=":$n" WAYLAND_DISPLAY="$socket"
waylandToplevel fallback && kill "$last" ||
  fail "$(e2e_waited_in_vain "the board on Wayland, DISPLAY=:$n dead")" fallback
echo "e2e_wayland: a dead DISPLAY beside Wayland: the board is a native Wayland toplevel"

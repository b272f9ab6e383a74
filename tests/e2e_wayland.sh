#!/usr/bin/env bash
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
export LC_ALL=C.UTF-8
program=${1:?program}
caption="Н и НН в прилагательных"

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
for _ in $(seq 1 100); do
  # The log appears a moment after weston starts; until then there is nothing to read.
  display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log" \
    2>/dev/null | head -n1 || true)
  [ -n "$display" ] && [ -S "$work/$socket" ] && break
  sleep 0.1
done
[ -n "$display" ] || { echo "e2e_wayland: weston did not start"; cat "$work/weston.log" || true; exit 1; }
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
  for _ in $(seq 1 150); do
    if DISPLAY=$display xdotool search --onlyvisible --name "$caption" >/dev/null 2>&1; then
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# Waits until the program's protocol log shows its board as a Wayland toplevel with its caption.
waylandToplevel() {
  for _ in $(seq 1 150); do
    grep -aq "xdg_toplevel@[0-9]*\.set_title(\"$caption\")" "$work/$1.log" && return 0
    sleep 0.1
  done
  return 1
}

fail() {
  echo "e2e_wayland: $1"
  echo "--- program output (first lines):"
  head -n 20 "$work/$2.log"
  exit 1
}

# 1. Both offered: X11.
start both DISPLAY="$display" WAYLAND_DISPLAY="$socket"
x11Window || fail "with XWayland offered the board did not appear as an X11 window" both
grep -aq "xdg_toplevel\|wl_registry" "$work/both.log" &&
  fail "with XWayland offered the program still spoke Wayland" both
kill "$last"
echo "e2e_wayland: Wayland and XWayland offered: the board is an X11 window on $display"

# 2. Only Wayland: native, and still running once its board is up.
start native WAYLAND_DISPLAY="$socket"
waylandToplevel native || fail "with only Wayland offered no Wayland toplevel appeared" native
# Once a frame of the board has been handed to the compositor, the program must still run.
for _ in $(seq 1 150); do
  grep -aq "wl_surface@[0-9]*\.attach(wl_buffer@" "$work/native.log" && break
  sleep 0.1
done
grep -aq "wl_surface@[0-9]*\.attach(wl_buffer@" "$work/native.log" ||
  fail "with only Wayland offered the board never showed a frame" native
kill -0 "$last" 2>/dev/null || fail "with only Wayland offered the program ended" native
kill "$last"
echo "e2e_wayland: only Wayland offered: the board is a native Wayland toplevel"

# 3. The user's choice wins: Wayland although XWayland is offered.
start chosen DISPLAY="$display" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland
waylandToplevel chosen || fail "QT_QPA_PLATFORM=wayland did not run on Wayland" chosen
kill "$last"
echo "e2e_wayland: QT_QPA_PLATFORM=wayland wins over XWayland"

# 4. A dead DISPLAY beside Wayland.
n=4000
while [ -e "/tmp/.X11-unix/X$n" ] || grep -q "X11-unix/X$n\$" /proc/net/unix; do n=$((n + 1)); done
start fallback DISPLAY=":$n" WAYLAND_DISPLAY="$socket"
waylandToplevel fallback && kill "$last" ||
  fail "with DISPLAY=:$n dead the board did not appear on Wayland" fallback
echo "e2e_wayland: a dead DISPLAY beside Wayland: the board is a native Wayland toplevel"

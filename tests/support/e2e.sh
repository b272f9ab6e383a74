# SPDX-License-Identifier: GPL-3.0-or-later
# Shared functions of the end-to-end scripts; sourced, not run.
#
# Each script starts an X server of its own on a display number no other server uses (so
# scripts that run side by side never meet), starts the program with its stderr
# kept and core dumps on, drives it with xdotool, and on any failure leaves behind a screenshot,
# the program's stderr and, when the program died of a signal, a backtrace from its core dump.
#
#   e2e_init <name> <work folder>       names the test, makes the folder, sets the locale
#   e2e_start_x <WxHxD> [Xvfb args...]  starts the X server and exports DISPLAY
#   e2e_start_program <program> [args]  starts the program in the background; its pid in E2E_PID.
#                                       Its user data folder is E2E_DATA_HOME when set, else an
#                                       empty one: a teacher's word lists in the developer's own
#                                       ~/.local/share never reach a test
#   e2e_fail <message>                  reports, keeps the evidence and exits 1
#   e2e_find_window <name> [width]      a visible window with that name (regex) and client width
#   e2e_poll <command...>               runs the command until it succeeds; 1 after E2E_TIMEOUT
#   e2e_wait <what> <command...>        the same, and a failure naming what was awaited
#   e2e_waited_in_vain <what>           that failure's words, for a script that fails its own way
#   e2e_wait_screen <file.png> <what> <command...>
#                                       screenshots into the file until the command succeeds
#   e2e_wait_window <name> [width]      e2e_find_window, polled
#   e2e_wait_settled <file.png>         screenshots until two in a row are the same
#   e2e_hover_barrier <x> <y> <file.png>
#                                       waits until the program has handled the input sent so far
#   e2e_origin <window>                 "X Y" of the window's client area on the screen
#   e2e_screenshot <file.png>           the whole screen
#   e2e_pixel <file.png> <x> <y>        the colour of one pixel as RRGGBB
#   e2e_count_colour <file.png> <w> <h> <x> <y> <RRGGBB>
#                                       how many pixels of that colour the region holds
#   e2e_holds <command...> <op> <number>
#                                       whether the command's number output compares as asked
#   e2e_wait_exit                       waits for the program to end; its exit code in E2E_CODE
#   e2e_russian_xkb <folder>            keyboard data with a Russian "us" layout; prints its path
#
# A script may set E2E_ON_EXIT to a command of its own cleanup; it runs before the X server goes.

# The windows are found by their Russian captions, which xdotool reads in the locale's encoding:
# a UTF-8 locale whatever the machine's is. The program must use the X server, not the platform
# a caller chose for in-process tests.
export LC_ALL=C.UTF-8
unset QT_QPA_PLATFORM

E2E_NAME=e2e
E2E_DIR=""
E2E_PID=""
E2E_XVFB_PID=""
E2E_PROGRAM=""
E2E_CODE=""
E2E_ON_EXIT=""
# How long a wait for a condition may take before the test fails: long enough for a loaded
# machine; an idle one goes on as soon as the condition holds.
E2E_TIMEOUT=${E2E_TIMEOUT:-30}

e2e_init() {
  E2E_NAME=${1:?test name}
  E2E_DIR=${2:?work folder}
  mkdir -p "$E2E_DIR"
  rm -rf "$E2E_DIR/run" "$E2E_DIR/steps"
  mkdir -p "$E2E_DIR/run"
  trap e2e_cleanup EXIT
}

e2e_cleanup() {
  if [ -n "$E2E_PID" ]; then
    kill "$E2E_PID" 2>/dev/null || true
    wait "$E2E_PID" 2>/dev/null || true
  fi
  if [ -n "$E2E_ON_EXIT" ]; then
    eval "$E2E_ON_EXIT" || true
  fi
  if [ -n "$E2E_XVFB_PID" ]; then
    kill "$E2E_XVFB_PID" 2>/dev/null || true
    wait "$E2E_XVFB_PID" 2>/dev/null || true
  fi
}

# Starts Xvfb on a display number that no other X server uses. Xvfb's lock file makes the
# choice atomic between scripts that start servers at the same time (the loser fails and the
# next number is tried); a server in another mount namespace has no lock file here but still
# holds its abstract socket, so numbers listed in /proc/net/unix are skipped, and a server that
# could not make all of its sockets, or that no client can open, is stopped and the next number
# tried. -displayfd tells when the server accepts connections.
e2e_start_x() {
  local screen=${1:?screen WxHxD}
  shift
  local ready="$E2E_DIR/run/display" n
  local first=$((10 + RANDOM % 500))
  for n in $(seq "$first" $((first + 40))); do
    if [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] ||
      grep -q "@/tmp/.X11-unix/X$n\$" /proc/net/unix 2>/dev/null; then
      continue
    fi
    : >"$ready"
    Xvfb ":$n" -displayfd 9 -nolisten tcp -noreset -screen 0 "$screen" "$@" 9>"$ready" \
      2>"$E2E_DIR/run/xvfb.log" &
    E2E_XVFB_PID=$!
    for _ in $(seq 1 200); do
      [ -s "$ready" ] && break
      kill -0 "$E2E_XVFB_PID" 2>/dev/null || break
      sleep 0.05
    done
    if [ -s "$ready" ] && kill -0 "$E2E_XVFB_PID" 2>/dev/null &&
      ! grep -qi 'already running\|already active\|failed' "$E2E_DIR/run/xvfb.log" &&
      e2e_x_answers ":$n"; then
      export DISPLAY=":$n"
      return 0
    fi
    echo "$E2E_NAME: display :$n unusable, trying the next" >&2
    kill "$E2E_XVFB_PID" 2>/dev/null || true
    wait "$E2E_XVFB_PID" 2>/dev/null || true
    E2E_XVFB_PID=""
  done
  cat "$E2E_DIR/run/xvfb.log" >&2 || true
  echo "$E2E_NAME: no X server could be started" >&2
  exit 1
}

# Whether a client can open the display and read its screen size, tried for up to five seconds.
# The server runs with -noreset, so this client's leaving does not make it start over while the
# program connects.
e2e_x_answers() {
  for _ in $(seq 1 100); do
    if DISPLAY=$1 xdotool getdisplaygeometry >/dev/null 2>>"$E2E_DIR/run/xvfb.log"; then
      return 0
    fi
    kill -0 "$E2E_XVFB_PID" 2>/dev/null || return 1
    sleep 0.05
  done
  return 1
}

# The program runs in a folder of its own, so a core dump lands where e2e_fail looks for it.
e2e_start_program() {
  local program=${1:?program}
  shift
  if [[ $program == */* ]]; then
    E2E_PROGRAM=$(readlink -f "$program")
  else
    E2E_PROGRAM=$(command -v "$program")
  fi
  rm -f "$E2E_DIR"/run/core*
  mkdir -p "$E2E_DIR/run/data"
  (
    cd "$E2E_DIR/run" || exit 1
    export XDG_DATA_HOME="${E2E_DATA_HOME:-$E2E_DIR/run/data}"
    ulimit -c unlimited 2>/dev/null || true
    exec "$E2E_PROGRAM" "$@"
  ) 2>"$E2E_DIR/stderr.log" &
  E2E_PID=$!
}

# Whether the program is still running.
e2e_running() {
  [ -n "$E2E_PID" ] && kill -0 "$E2E_PID" 2>/dev/null
}

e2e_ended() {
  ! e2e_running
}

# Prints what is known of a program that has ended: its exit code or signal, its stderr and,
# for a crash, the backtrace of every thread from its core dump.
e2e_post_mortem() {
  local code=$1 core
  if [ "$code" -gt 128 ]; then
    echo "$E2E_NAME: the program was killed by signal $((code - 128)) ($(kill -l $((code - 128)) 2>/dev/null || echo '?'))" >&2
  else
    echo "$E2E_NAME: the program ended with code $code" >&2
  fi
  if [ -s "$E2E_DIR/stderr.log" ]; then
    echo "--- the program's stderr:" >&2
    cat "$E2E_DIR/stderr.log" >&2
  fi
  core=$(ls -t "$E2E_DIR"/run/core* 2>/dev/null | head -n1 || true)
  if [ -n "$core" ] && command -v gdb >/dev/null; then
    echo "--- backtrace from $core:" >&2
    gdb -batch -nx -ex 'set pagination off' -ex 'thread apply all bt' "$E2E_PROGRAM" "$core" \
      >"$E2E_DIR/backtrace.txt" 2>&1 || true
    cat "$E2E_DIR/backtrace.txt" >&2
  fi
}

e2e_fail() {
  echo "$E2E_NAME: $*" >&2
  if [ -n "${DISPLAY:-}" ] && [ -n "$E2E_XVFB_PID" ]; then
    import -window root "$E2E_DIR/failure.png" 2>/dev/null &&
      echo "$E2E_NAME: the screen at the failure is $E2E_DIR/failure.png" >&2
  fi
  if [ -n "$E2E_PID" ]; then
    if e2e_running; then
      if [ -s "$E2E_DIR/stderr.log" ]; then
        echo "--- the program's stderr so far:" >&2
        cat "$E2E_DIR/stderr.log" >&2
      fi
    else
      local code=0
      wait "$E2E_PID" 2>/dev/null || code=$?
      E2E_PID=""
      e2e_post_mortem "$code"
    fi
  fi
  exit 1
}

# Fails at once when the program has died, instead of waiting for a window that will not come.
e2e_check_alive() {
  if [ -n "$E2E_PID" ] && ! e2e_running; then
    e2e_fail "the program ended unexpectedly"
  fi
}

e2e_find_window() {
  local name=${1:?name} width=${2:-} id
  for id in $(xdotool search --onlyvisible --name "$name" 2>/dev/null || true); do
    if [ -z "$width" ]; then
      echo "$id"
      return 0
    fi
    local WIDTH=0 X Y HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null || echo WIDTH=0)"
    if [ "$WIDTH" -eq "$width" ]; then
      echo "$id"
      return 0
    fi
  done
  return 1
}

# Runs the calling script again ("$0" "$@") on a session bus and in a runtime folder of its own,
# and ends with its exit code; in that second run it returns at once. Without its own runtime
# folder the accessibility bus puts its socket in the home folder under a fixed name, and two
# runs at once would take it from each other: an event would then be sent on one bus and
# listened for on another.
e2e_own_session() {
  [ -n "${NN_E2E_OWN_SESSION:-}" ] && return 0
  command -v dbus-run-session >/dev/null ||
    { echo "$(basename "$1"): dbus-run-session is missing (scripts/install-deps)" >&2; exit 1; }
  local runtime code=0
  runtime=$(mktemp -d /tmp/nn-session.XXXXXX)
  chmod 700 "$runtime"
  NN_E2E_OWN_SESSION=1 XDG_RUNTIME_DIR="$runtime" dbus-run-session -- "$@" || code=$?
  rm -rf "$runtime"
  exit "$code"
}

# Runs a command until it succeeds, a twentieth of a second between tries, for at most
# E2E_TIMEOUT seconds. Returns 1 when the time is up or the program has died (it shows no more
# changes). Usable in a command substitution; e2e_wait is the form that fails the test.
e2e_poll() {
  local deadline=$((SECONDS + E2E_TIMEOUT)) last=false
  while :; do
    "$@" && return 0
    $last && return 1
    if [ "$SECONDS" -ge "$deadline" ] || { [ -n "$E2E_PID" ] && ! e2e_running; }; then
      last=true # one more try: the condition may have come with the end
    else
      sleep 0.05
    fi
  done
}

e2e_wait() {
  local what=${1:?what is awaited}
  shift
  # The step the test is at, for a watchdog that ends a stalled run (tests/support/wine.sh).
  echo "waiting for: $what" >>"$E2E_DIR/steps"
  e2e_poll "$@" || { e2e_check_alive && e2e_fail "$(e2e_waited_in_vain "$what")"; }
}

# What a wait that gave up says, the same in every script, whatever function reports it.
e2e_waited_in_vain() {
  echo "waited ${E2E_TIMEOUT} s in vain for: $*"
}

# Takes a screenshot into a file and runs a command (which reads that file) on it.
e2e_screen_shows() {
  local file=$1
  shift
  import -window root "$file" && "$@"
}

e2e_wait_screen() {
  local file=${1:?file} what=${2:?what is awaited}
  shift 2
  e2e_wait "$what" e2e_screen_shows "$file" "$@"
}

# Prints the id of the window once it is there. Usually run in a command substitution, so it
# cannot fail the script itself: the caller adds `|| e2e_fail`.
e2e_wait_window() {
  local name=${1:?name} width=${2:-}
  e2e_poll e2e_find_window "$name" "$width"
}

# Takes screenshots into the file until two in a row are the same: nothing moves or fades any
# more. Only after a condition that shows the program has handled the input sent so far.
e2e_wait_settled() {
  local file=${1:?file}
  import -window root "$file"
  e2e_wait "the screen to settle" e2e_screen_unchanged "$file"
}

e2e_screen_unchanged() {
  local next=${1%.png}.next.png
  import -window root "$next"
  if [ "$(compare -metric AE "$1" "$next" null: 2>&1 || true)" = 0 ]; then
    rm -f "$next"
    return 0
  fi
  mv "$next" "$1"
  return 1
}

# Moves the pointer onto a skinned button at x, y (a point of its gradient, away from its caption)
# and waits until the button shows its hot look there. Input is handled in order, so the program
# has then handled all input sent before, and whatever it asked of the X server has been done: a
# barrier before checking that something did not happen. The pointer must not be over the button
# already. Returns 1 when the button does not light up within E2E_TIMEOUT seconds (something may
# have covered it: the caller says what).
e2e_hover_barrier() {
  local x=${1:?x} y=${2:?y} file=${3:?screenshot file} before
  import -window root "$file"
  before=$(e2e_pixel "$file" "$x" "$y")
  xdotool mousemove "$x" "$y"
  e2e_poll e2e_screen_shows "$file" e2e_pixel_differs "$file" "$x" "$y" "$before"
}

e2e_pixel_differs() {
  [ "$(e2e_pixel "$1" "$2" "$3")" != "$4" ]
}

e2e_origin() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "${1:?window}")"
  echo "$X $Y"
}

e2e_screenshot() {
  e2e_check_alive
  import -window root "${1:?file}"
}

e2e_pixel() {
  convert "${1:?file}" -crop "1x1+${2:?x}+${3:?y}" -depth 8 txt:- | tail -n1 |
    grep -o '#[0-9A-Fa-f]\{6\}' | tr -d '#' | tr 'a-f' 'A-F'
}

e2e_count_colour() {
  convert "${1:?file}" -crop "${2:?w}x${3:?h}+${4:?x}+${5:?y}" +repage -fill black \
    +opaque "#${6:?colour}" -fill white -opaque "#$6" -format '%[fx:mean*w*h]' info: | cut -d. -f1
}

e2e_holds() {
  local n=$(($# - 2)) op=${*: -2:1} value=${*: -1}
  [ "$("${@:1:$n}")" "$op" "$value" ]
}

# Waits for the program to end; fails if it does not, and reports a crash with its backtrace.
e2e_wait_exit() {
  e2e_poll e2e_ended || e2e_fail "the program is still running after ${E2E_TIMEOUT} s"
  E2E_CODE=0
  wait "$E2E_PID" 2>/dev/null || E2E_CODE=$?
  E2E_PID=""
  if [ "$E2E_CODE" -gt 128 ]; then
    e2e_post_mortem "$E2E_CODE"
    exit 1
  fi
}

# Makes a copy of the keyboard data in <folder>/xkb whose "us" layout is the Russian one, for
# Xvfb's -xkbdir, and prints its path. The server then starts with a Russian keyboard, and every
# Cyrillic letter xdotool types is a key of the server's own map. With the stock map xdotool
# binds each Cyrillic letter to a spare keycode and unbinds it after the key; on a loaded machine
# the program reads the key after the binding has changed and the letter is lost or turns into
# another. (Loading a map into the running Xvfb with setxkbmap or xmodmap does not take.)
e2e_russian_xkb() {
  local xkb="${1:?folder}/xkb"
  rm -rf "$xkb"
  cp -r /usr/share/X11/xkb "$xkb"
  printf '%s\n' 'default partial alphanumeric_keys modifier_keys' \
    'xkb_symbols "basic" { include "ru(winkeys)" };' >"$xkb/symbols/us"
  echo "$xkb"
}

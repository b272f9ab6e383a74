# SPDX-License-Identifier: GPL-3.0-or-later
# Shared functions for running the Windows build under Wine; sourced, not run.
#
#   wine_env <prefix> [x11]
#                        exports what every run needs: its own prefix (made on first use),
#                        no debug chatter, no offer to install Mono or Gecko, no menu entries,
#                        no crash dialog; without x11 the prefix draws with Wine's null
#                        graphics driver and the display variables are unset, so an off-screen
#                        run never reaches an X display, the developer's or any other
#   wine_stacks <why>    prints why, then the stacks of every thread of every Wine process of
#                        the prefix (winedbg), for a run that stalled
#   wine_watchdog <seconds> <step file>
#                        ends the calling script after that long (below CTest's own timeout),
#                        first printing the step it was at (the step file's line) and the stacks
#
# The prefix is made once with `wineboot -i` and waited for with `wineserver -w`; a lock file
# keeps two tests that start together from making it twice.

wine_env() {
  export WINEPREFIX=${1:?wine prefix}
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  export WINEARCH=win64
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
      flock 9
      if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "wine: making the prefix $WINEPREFIX (once)" >&2
        # wineboot is told no display, so it never opens a window on the caller's one.
        DISPLAY= wineboot -i >/dev/null 2>&1 || true
        DISPLAY= wineserver -w
      fi
    ) 9>"$WINEPREFIX.lock"
    [ -f "$WINEPREFIX/system.reg" ] || {
      echo "wine: could not make the prefix $WINEPREFIX" >&2
      return 1
    }
  fi
  local kind=${2:-offscreen}
  if [ "$kind" != x11 ]; then
    unset DISPLAY WAYLAND_DISPLAY
  fi
  # Set once per prefix (a marker file says so): a crash ends the program with its report on
  # stderr instead of a dialog that waits for a click nobody makes.
  local marker=$WINEPREFIX/.nn-trainer-settings-$kind
  [ -f "$marker" ] && return 0
  (
    flock 9
    [ -f "$marker" ] && exit 0
    DISPLAY= wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
      >/dev/null 2>&1 || exit 1
    if [ "$kind" != x11 ]; then
      DISPLAY= wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /t REG_SZ /d null /f \
        >/dev/null 2>&1 || exit 1
    fi
    touch "$marker"
  ) 9>"$WINEPREFIX.lock" || {
    echo "wine: could not set up the prefix $WINEPREFIX" >&2
    return 1
  }
}

wine_stacks() {
  echo "wine: ${1:?why}; the stacks of every Wine process in $WINEPREFIX:" >&2
  DISPLAY= timeout 30 winedbg --command "bt all" >&2 2>&1 || echo "wine: winedbg could not read them" >&2
}

wine_watchdog() {
  local limit=${1:?seconds} step=${2:?step file} owner=$$
  (
    # The sleep must not hold the test's output open once the script has ended and killed us.
    sleep "$limit" </dev/null >/dev/null 2>&1 &
    trap 'kill $! 2>/dev/null; exit 0' TERM
    wait $!
    wine_stacks "still running after $limit s, at: $(tail -n 1 "$step" 2>/dev/null || echo 'its start')"
    kill -TERM "$owner"
  ) &
  WINE_WATCHDOG=$!
}

# The default prefixes, in the cache beside the cross-built Qt (scripts/windows-toolchain).
wine_cache() {
  echo "${NN_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/nn-trainer/windows-x64}"
}

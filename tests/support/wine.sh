# Shared functions for running the Windows build under Wine; sourced, not run.
#
#   wine_env <prefix>    exports what every run needs: its own prefix (made on first use),
#                        no debug chatter, no offer to install Mono or Gecko, no menu entries
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
}

# The default prefixes, in the cache beside the cross-built Qt (scripts/windows-toolchain).
wine_cache() {
  echo "${NN_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/nn-trainer/windows-x64}"
}

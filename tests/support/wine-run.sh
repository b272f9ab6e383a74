#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program of the Windows build under Wine, as CTest's emulator for the cross build:
# on Qt's off-screen platform, with the fonts of <folder> (the stand-ins of the described faces)
# as the off-screen platform's only fonts. The program's exit code is this script's.
# A program still running after NN_WINE_TIMEOUT seconds (default 480: with the stacks, below CTest's 600) is
# ended, after the test it began last and the stacks of every Wine process are printed.
# Usage: wine-run.sh --fonts <folder> <program.exe> [args...]
set -euo pipefail
source "$(dirname "$0")/wine.sh"
[[ ${1:-} == --fonts ]] || { echo "usage: wine-run.sh --fonts <folder> <program> [args]" >&2; exit 2; }
fonts=${2:?font folder}
shift 2
wine_env "${NN_WINE_PREFIX:-$(wine_cache)/wineprefix}"
# Off-screen Qt on Windows reads its fonts from one folder (no fontconfig there); Z: is the root
# of the Unix file system in every Wine prefix.
export QT_QPA_FONTDIR="Z:$fonts"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
# Wine keeps every variable that begins with QT_ from Windows programs (a Linux Qt's settings
# would mislead a Windows Qt). Windows looks variables up without regard to case, so each is
# handed on as Qt_...: the test's platform, fonts and scale factor reach the Windows Qt.
while IFS='=' read -r name _; do
  if [[ $name == QT_* ]]; then
    export "Qt_${name#QT_}=${!name}"
  fi
done < <(env)
limit=${NN_WINE_TIMEOUT:-480}
output=$(mktemp)
trap 'rm -f "$output"' EXIT
wine "$@" > >(tee "$output") 2>&1 &
program=$!
for ((waited = 0; waited < limit; waited++)); do
  kill -0 "$program" 2>/dev/null || break
  sleep 1
done
if kill -0 "$program" 2>/dev/null; then
  began=$(grep -a '^\[ RUN      \]' "$output" | tail -n 1 || true)
  wine_stacks "${1##*/} still running after $limit s; the test it began last: ${began:-none}"
  kill -KILL "$program" 2>/dev/null || true
  wait "$program" 2>/dev/null || true
  exit 124
fi
code=0
wait "$program" || code=$?
exit "$code"

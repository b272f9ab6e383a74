#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Screenshots of the program's windows under Xvfb at several Qt scale factors: the board, the
# sorting window ("Вариант 1"; checked, tried again and "Помогите!" for the help window) and the
# writing window ("Вариант 1-1").
# Each visible window is also cut out into a picture of its own.
# Usage: tools/button-gallery/screens-at-scales.sh <nn-trainer> <out folder> [scales...]
set -euo pipefail
program=$(readlink -f "${1:?program}")
out=$(readlink -f "${2:?output folder}")
shift 2
scales=("$@")
[ ${#scales[@]} -gt 0 ] || scales=(1 1.5 2)
source "$(dirname "$(readlink -f "$0")")/../../tests/support/e2e.sh"
mkdir -p "$out"

# Cuts every visible top-level window of the program out of a screenshot.
cut_windows() { # screenshot, prefix
  local id WIDTH HEIGHT X Y SCREEN WINDOW n=0
  for id in $(xdotool search --onlyvisible --name 'Н и НН|Помощь' 2>/dev/null || true); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    [ "$WIDTH" -gt 50 ] || continue
    n=$((n + 1))
    convert "$1" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$2-window$n-${WIDTH}x${HEIGHT}.png"
  done
}

# The board's client area below its menu bar, in screen pixels.
board_origin() { # scale
  local id WIDTH HEIGHT X Y SCREEN WINDOW
  id=$(e2e_wait_window "Н и НН в прилагательных") || e2e_fail "no board"
  eval "$(xdotool getwindowgeometry --shell "$id")"
  echo "$X $(awk -v y="$Y" -v h="$HEIGHT" -v s="$1" 'BEGIN { printf "%d", y + h - 351 * s }')"
}

click_logical() { # scale, origin x, origin y, logical x, logical y
  local x y
  x=$(awk -v o="$2" -v l="$4" -v s="$1" 'BEGIN { printf "%d", o + l * s }')
  y=$(awk -v o="$3" -v l="$5" -v s="$1" 'BEGIN { printf "%d", o + l * s }')
  xdotool mousemove "$x" "$y" click 1
}

# Whether the last screenshot shows the colour at a logical point of a window.
shows_logical() { # file, scale, origin x, origin y, logical x, logical y, RRGGBB
  local x y
  x=$(awk -v o="$3" -v l="$5" -v s="$2" 'BEGIN { printf "%d", o + l * s }')
  y=$(awk -v o="$4" -v l="$6" -v s="$2" 'BEGIN { printf "%d", o + l * s }')
  [ "$(e2e_pixel "$1" "$x" "$y")" = "$7" ]
}

shoot_scale() { # scale, which window to open from the board (sorting or writing)
  local s=$1 what=$2 bx by
  e2e_init "screens-$s-$what" "$(mktemp -d)"
  e2e_start_x 2400x1600x24
  QT_SCALE_FACTOR=$s e2e_start_program "$program"
  read -r bx by < <(board_origin "$s")
  xdotool mousemove 5 5
  # The board painted: its close panel's violet.
  local board=$E2E_DIR/board.png
  e2e_wait_screen "$board" "the board's first frame" \
    shows_logical "$board" "$s" "$bx" "$by" 5 $((351 - 53 + 5)) 400080
  if [ "$what" = sorting ]; then
    cp "$board" "$out/board-$s.png"
    cut_windows "$out/board-$s.png" "$out/board-$s"
    click_logical "$s" "$bx" "$by" $((19 + 54 + 55)) $((16 + 24 + 12))
    e2e_wait_window "Н и НН в прилагательных" "$(awk -v s="$s" 'BEGIN { printf "%d", 397 * s + 0.5 }')" >/dev/null ||
      e2e_fail "no sorting window"
  else
    click_logical "$s" "$bx" "$by" $((19 + 240 + 55)) $((16 + 24 + 12))
    e2e_wait_window "Н и НН в прилагательных" "$(awk -v s="$s" 'BEGIN { printf "%d", 319 * s + 0.5 }')" >/dev/null ||
      e2e_fail "no writing window"
  fi
  # The pointer away, and the button it leaves faded back.
  xdotool mousemove 5 5
  e2e_wait_settled "$out/$what-$s.png"
  cut_windows "$out/$what-$s.png" "$out/$what-$s"
  if [ "$what" = sorting ]; then
    # Check with nothing placed, try again, then ask for help: the help window opens.
    local win sx sy
    win=$(e2e_wait_window "Н и НН в прилагательных" "$(awk -v s="$s" 'BEGIN { printf "%d", 397 * s + 0.5 }')") ||
      e2e_fail "no sorting window"
    read -r sx sy < <(e2e_origin "$win")
    click_logical "$s" "$sx" "$sy" $((208 + 31 + 50)) $((387 + 26 + 12))
    click_logical "$s" "$sx" "$sy" $((208 + 31 + 50)) $((387 + 18 + 12))
    click_logical "$s" "$sx" "$sy" $((208 + 31 + 50)) $((325 + 16 + 12))
    local help hx hy
    help=$(e2e_wait_window "Помощь") || e2e_fail "Помогите! did not show the help window"
    read -r hx hy < <(e2e_origin "$help")
    xdotool mousemove 5 5
    e2e_wait_screen "$out/help-$s.png" "the help window painted" \
      shows_logical "$out/help-$s.png" "$s" "$hx" "$hy" 3 3 A6D2FF
    e2e_wait_settled "$out/help-$s.png"
    cut_windows "$out/help-$s.png" "$out/help-$s"
  else
    # A click on every word in turn: the window widens and shows the check panel's buttons.
    local win wx wy k
    local lefts=(82 98 80 72 53 72 74 80 52 99 73 74 62 80 55 39 45 89 72 63)
    win=$(e2e_wait_window "Н и НН в прилагательных" "$(awk -v s="$s" 'BEGIN { printf "%d", 319 * s + 0.5 }')") ||
      e2e_fail "no writing window"
    read -r wx wy < <(e2e_origin "$win")
    for k in $(seq 1 20); do
      click_logical "$s" "$wx" "$wy" $((9 + lefts[k - 1] + 12)) $((8 + 41 + 24 * (k - 1) + 8))
    done
    # The twentieth click widens the window and centres it again.
    e2e_wait_window "Н и НН в прилагательных" "$(awk -v s="$s" 'BEGIN { printf "%d", 552 * s + 0.5 }')" >/dev/null ||
      e2e_fail "the writing window did not widen"
    xdotool mousemove 5 5
    e2e_wait_settled "$out/writing-word-$s.png"
    cut_windows "$out/writing-word-$s.png" "$out/writing-word-$s"
  fi
  e2e_cleanup
  E2E_PID=""
  E2E_XVFB_PID=""
  trap - EXIT
}

for s in "${scales[@]}"; do
  shoot_scale "$s" sorting
  shoot_scale "$s" writing
done

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End to end under Wine on a real X server: the Windows build shows the board as the Linux build
# does on the same screen (every skinned button pixel for pixel outside its caption: the pixel
# core has no platform code) and placed where the Linux build places it; "Вариант 1" opens with a
# click, the sorting exercise is done with the sorting window's keys (Tab to the list, "1" and
# "2", Shift+Tab and Space on "Проверить") to "Ура-а-а !", "Дальше" closes it and the board shows
# its completion mark. Every step waits for what the screen shows, never for a fixed time.
# Usage: e2e_wine_sorting.sh <nn-trainer.exe> <Linux nn-trainer> <folder for the screenshots>
set -euo pipefail
exe=$(readlink -f "${1:?nn-trainer.exe}")
linux=$(readlink -f "${2:?the Linux nn-trainer}")
shots=${3:?folder for the screenshots}
source "$(dirname "$0")/support/e2e.sh"
source "$(dirname "$0")/support/wine.sh"

e2e_init e2e_wine_sorting "$shots"
rm -f "$shots"/*.png
e2e_start_x 1280x1024x24
fail() { e2e_fail "$@"; }
screen=$shots/screen.png
shoot() { e2e_screenshot "$screen"; }
# How many pixels of a colour (RRGGBB) the w x h region at x, y of the last screenshot holds.
count() {
  convert "$screen" -crop "$1x$2+$3+$4" +repage -fill black +opaque "#$5" \
    -fill white -opaque "#$5" -format '%[fx:mean*w*h]' info: | cut -d. -f1
}
# Takes screenshots until `condition` (a shell command over the last one) holds; fails after
# E2E_TIMEOUT seconds naming what it waited for.
wait_for() {
  e2e_wait_screen "$screen" "${1:?what is awaited}" eval "${2:?condition}"
}

# The board's client area below its menu bar (439 x 351) and its window's frame on the screen.
BOARD_PANEL=FFFFE1
find_board() {
  board=$(e2e_wait_window "^Н и НН в прилагательных\$" 439) || fail "the board did not appear on $1"
  eval "$(xdotool getwindowgeometry --shell "$board")"
  BX=$X
  BY=$((Y + HEIGHT - 351))
  # Drawn once the variant panel's pale yellow fills its inside.
  wait_for "the board on $1 drawn" "[ \$(count 300 200 \$((BX + 60)) \$((BY + 40)) $BOARD_PANEL) -gt 40000 ]"
}
keep_board() { convert "$screen" -crop "439x351+$BX+$BY" +repage "$shots/$1"; }
# A button takes its shape (the cut corners) while it renders its first frame, so the board is
# kept once two screenshots in a row show it the same.
settled_board() {
  keep_board board-before.png
  wait_for "the board on $1 to settle" \
    "keep_board board-now.png; compare -metric AE \"\$shots/board-before.png\" \"\$shots/board-now.png\" null: 2>/dev/null || { mv \"\$shots/board-now.png\" \"\$shots/board-before.png\"; false; }"
  mv "$shots/board-now.png" "$shots/$2"
  rm -f "$shots/board-before.png"
}

# --- The board of the Linux build, as the reference --------------------------------------------
xdotool mousemove 0 0 # no hover fade on any button
e2e_start_program "$linux"
find_board "Linux"
settled_board Linux linux-board.png
read -r LX LY < <(e2e_origin "$board")
kill "$E2E_PID"
wait "$E2E_PID" 2>/dev/null || true
E2E_PID=""
linux_board_gone() {
  ! e2e_find_window "^Н и НН в прилагательных\$" >/dev/null
}
e2e_wait "the Linux build's board to close" linux_board_gone

# --- The Windows build under Wine --------------------------------------------------------------
# A prefix of its own: Wine's desktop process keeps the display of the run that started it, and
# the tests in the other prefix run off-screen at the same time.
wine_env "$(wine_cache)/wineprefix-x11" x11
E2E_ON_EXIT='kill "${WINE_WATCHDOG:-}" 2>/dev/null; wineserver -k 2>/dev/null || true'
# Ended with the stacks of every Wine process before CTest's timeout (300 s) would end it
# silently.
wine_watchdog 230 "$E2E_DIR/steps"
e2e_start_program wine "$exe"
find_board "Wine"
settled_board Wine wine-board.png

# Placement: both builds centre the board's frame on the screen at its first showing. Without
# a window manager neither frame is drawn: the Linux client area stands where the frame starts,
# and under Wine the client area starts below the caption Windows gives the frame. So the
# Windows board's client area is where the Linux one is, lowered by that caption alone.
eval "$(xdotool getwindowgeometry --shell "$board")"
caption=$((Y - LY))
[ "$X" -eq "$LX" ] && [ "$caption" -ge 18 ] && [ "$caption" -le 30 ] ||
  fail "the board's client area is at $X, $Y under Wine and at $LX, $LY on Linux"
echo "e2e_wine_sorting: the board's client area at $X, $Y, the Linux one's at $LX, $LY"

# Every skinned button of the board, pixel for pixel, outside its caption. The face is a
# vertical gradient, the same along each row, so a caption's pixels are those that differ from
# the face's colour at the left end of their row; outside the box that holds both builds'
# captions every pixel must be the same, and the box must keep clear of the border.
/usr/bin/python3 "$(dirname "$0")/support/compare_buttons.py" "$shots/linux-board.png" \
  "$shots/wine-board.png" "$shots/buttons-diff.png" ||
  fail "the board's buttons differ from the Linux build's outside their captions"

# --- "Вариант 1" with a click, then the sorting window's keys --------------------------------
xdotool mousemove $((BX + 19 + 54 + 55)) $((BY + 16 + 24 + 12)) click 1
sorting=$(e2e_wait_window "^Н и НН в прилагательных\$" 397) || fail "the sorting window did not open"
read -r SX SY < <(e2e_origin "$sorting")
# The keyboard goes where the pointer rests (no window manager): a still corner of the window.
xdotool mousemove $((SX + 5)) $((SY + 480))
NAVY=000080
word_y() { echo $((SY + 16 + 16 + 21 * ($1 - 1) + 8)); }
navy_word() { count 110 20 $((SX + 24 + 32)) $(($(word_y "$1") - 10)) $NAVY; }
word_gone() { [ "$(count 60 14 $((SX + 24 + 34)) $(($(word_y "$1") - 7)) FFFFCA)" -eq 840 ]; }
wait_for "the sorting window drawn" "[ \$(count 60 14 \$((SX + 24 + 34)) \$((\$(word_y 1) - 7)) FFFFCA) -lt 840 ]"

xdotool key Tab
wait_for "the focus mark on the first word after Tab" "[ \$(navy_word 1) -gt 20 ]"
codes=(n nn n n nn nn n n n nn nn n nn nn n nn nn nn n nn)
for k in $(seq 1 20); do
  if [ "${codes[$((k - 1))]}" = n ]; then xdotool key 1; else xdotool key 2; fi
  wait_for "word $k gone from the list after its key" "word_gone $k"
done
convert "$screen" -crop "397x487+$SX+$SY" +repage "$shots/wine-sorting-all-placed.png"
xdotool key shift+Tab space
wait_for "Ура-а-а ! after Проверить" "[ \$(count 80 16 \$((SX + 208 + 46)) \$((SY + 387 + 16)) FFFF00) -gt 20 ]"
convert "$screen" -crop "397x487+$SX+$SY" +repage "$shots/wine-sorting-passed.png"
# "Дальше" is the first shown button now: it closes the window, and the board shows the mark.
xdotool key Tab space
wait_for "the completion mark for Вариант 1 on the board" \
  "! e2e_find_window '^Н и НН в прилагательных\$' 397 >/dev/null && [ \$(convert \"\$screen\" -crop \"35x35+\$((BX + 19 + 17))+\$((BY + 16 + 21))\" -fx 'r > 0.7 && g < 0.4 && b < 0.4 ? 1 : 0' -format '%[fx:int(mean*w*h)]' info:) -gt 10 ]"
keep_board wine-board-passed.png
echo "e2e_wine_sorting: passed; screenshots in $shots"

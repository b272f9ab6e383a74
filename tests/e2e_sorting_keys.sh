#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End to end in a real X server: the sorting exercise with the keyboard alone (xdotool key:
# Tab to the word list, arrows, Space, Left/Right, "1" and "2", Esc, Shift+Tab), its marks read
# from screenshots; then, in a fresh program, with single clicks alone (a click on a word, a
# click on a picture), no drag. Both end with "Ура-а-а !" and, for the keyboard, "Дальше".
# Usage: e2e_sorting_keys.sh <program> <folder for the screenshots>
set -euo pipefail
program=${1:?program}
shots=${2:?folder for the screenshots}
source "$(dirname "$0")/support/e2e.sh"

e2e_init e2e_sorting_keys "$shots"
rm -f "$shots"/*.png
e2e_start_x 1280x1024x24

fail() { e2e_fail "$@"; }
key() {
  xdotool key --delay 60 "$@"
}
click() {
  xdotool mousemove "$1" "$2" click 1
}
# Takes screenshots until the condition (a command that reads the last one) holds; fails after
# E2E_TIMEOUT seconds, naming the condition.
shoot_until() {
  local what=$1
  shift
  e2e_wait_screen "$shots/screen.png" "$what" "$@"
}
# How many pixels of a colour (RRGGBB) a region (w h x y) of the last screenshot holds.
count() { e2e_count_colour "$shots/screen.png" "$@"; }
keep() { convert "$shots/screen.png" -crop "397x487+$SX+$SY" +repage "$shots/$1.png"; }

codes=(n nn n n nn nn n n n nn nn n nn nn n nn nn nn n nn)
NAVY=000080

open_sorting() {
  e2e_start_program "$program"
  board=$(e2e_wait_window "^Н и НН в прилагательных\$" 439) || fail "the board did not appear"
  eval "$(xdotool getwindowgeometry --shell "$board")"
  BX=$X
  BY=$((Y + HEIGHT - 351))
  shoot_until "the board's first frame" e2e_holds count 1 1 $((BX + 5)) $((BY + 351 - 53 + 5)) 400080 -eq 1
}
find_sorting() {
  sorting=$(e2e_wait_window "^Н и НН в прилагательных\$" 397) || fail "the sorting window did not open"
  read -r SX SY < <(e2e_origin "$sorting")
  word_y() { echo $((SY + 16 + 16 + 21 * ($1 - 1) + 8)); }
  word_x=$((SX + 24 + 34 + 15))
  pic_x=$((SX + 208 + 29 + 51))
  nn_y=$((SY + 127 + 24 + 43))
  n_y=$((SY + 127 + 120 + 44))
}
# The navy of the marks round word k, and round the НН and Н pictures.
navy_word() { count 110 20 $((SX + 24 + 32)) $(($(word_y "$1") - 10)) $NAVY; }
navy_nn() { count 112 96 $((SX + 208 + 24)) $((SY + 127 + 19)) $NAVY; }
navy_n() { count 112 96 $((SX + 208 + 24)) $((SY + 127 + 117)) $NAVY; }
# Whether the places of these words show only the list's pale yellow.
gone() {
  local k
  for k in "$@"; do
    [ "$(count 60 14 $((SX + 24 + 34)) $(($(word_y "$k") - 7)) FFFFCA)" -eq 840 ] || return 1
  done
}

# --- The keyboard alone ----------------------------------------------------------------------
open_sorting
# The board starts on "Вариант 1": Space opens the exercise.
key space
find_sorting
# The keyboard goes where the pointer rests, as on a desktop without a window manager; the
# pointer stays still in a corner of the window from now on.
xdotool mousemove $((SX + 5)) $((SY + 480))
shoot_until "the sorting window painted" e2e_holds count 1 1 $((SX + 208 + 10)) $((SY + 127 + 10)) FFDDFF -eq 1
keep keys-0-start
[ "$(count 172 449 $((SX + 24)) $((SY + 16)) $NAVY)" -eq 0 ] || fail "a mark shows before any key"
# The pictures' own pixels of the marks' navy, if any.
base_nn=$(navy_nn)
base_n=$(navy_n)

key Tab
shoot_until "a focus mark on the first word after Tab" e2e_holds navy_word 1 -gt 20
keep keys-1-focus-mark
key Down Down End
shoot_until "the focus mark on the last word after End" e2e_holds navy_word 20 -gt 20
key Home
shoot_until "Home to bring the mark back to the first word" e2e_holds navy_word 1 -gt 20
key space
shoot_until "the picked word shown inverted" e2e_holds navy_word 1 -gt 300
keep keys-2-picked
key Right
shoot_until "a band round the chosen НН picture" e2e_holds navy_nn -gt $((base_nn + 300))
keep keys-3-chosen-nn
key Left
left_chosen() {
  [ "$(navy_nn)" -eq "$base_nn" ] && [ "$(navy_n)" -gt $((base_n + 300)) ]
}
shoot_until "Left to choose the Н picture" left_chosen
key space
dropped() {
  [ "$(navy_word 1)" -eq 0 ] && [ "$(navy_word 2)" -gt 20 ]
}
shoot_until "ледя_ой gone after its drop on Н, the focus mark on the next word" dropped
keep keys-4-dropped
# Esc lets a picked word go.
key Return
shoot_until "лу_ый picked with Return" e2e_holds navy_word 2 -gt 300
key Tab Escape
let_go() {
  [ "$(navy_word 2)" -lt 300 ] && [ "$(navy_nn)" -eq "$base_nn" ]
}
shoot_until "Esc to let the word go" let_go
# The other nineteen with "1" and "2".
for k in $(seq 2 20); do
  if [ "${codes[$((k - 1))]}" = n ]; then key 1; else key 2; fi
done
shoot_until "words 2, 11 and 20 gone from the list after their keys" gone 2 11 20
keep keys-5-all-placed
key shift+Tab space
shoot_until "Ура-а-а !" e2e_holds count 80 16 $((SX + 208 + 46)) $((SY + 387 + 16)) FFFF00 -gt 20
keep keys-6-passed
# "Дальше" is the first shown button now.
key Tab space
sorting_gone() {
  ! e2e_find_window "^Н и НН в прилагательных\$" 397 >/dev/null
}
e2e_wait "Дальше to close the window" sorting_gone
kill "$E2E_PID"
wait "$E2E_PID" 2>/dev/null || true
E2E_PID=""

# --- Single clicks alone ---------------------------------------------------------------------
open_sorting
click $((BX + 19 + 54 + 55)) $((BY + 16 + 24 + 12))
find_sorting
click "$word_x" "$(word_y 2)"
shoot_until "a click to pick лу_ый" e2e_holds navy_word 2 -gt 300
keep clicks-1-picked
[ "$(count 110 20 $((SX + 24 + 32)) $(($(word_y 1) - 10)) $NAVY)" -eq 0 ] ||
  fail "a focus mark shows to the mouse"
for k in $(seq 1 20); do
  click "$word_x" "$(word_y "$k")"
  if [ "${codes[$((k - 1))]}" = n ]; then click "$pic_x" "$n_y"; else click "$pic_x" "$nn_y"; fi
done
shoot_until "words 1, 10 and 20 gone from the list" gone 1 10 20
keep clicks-2-all-placed
click $((SX + 208 + 31 + 50)) $((SY + 387 + 26 + 12))
shoot_until "Ура-а-а !" e2e_holds count 80 16 $((SX + 208 + 46)) $((SY + 387 + 16)) FFFF00 -gt 20
keep clicks-3-passed
e2e_check_alive
echo "e2e_sorting_keys: passed; screenshots in $shots"

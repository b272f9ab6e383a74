#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End to end in a real X server with a teacher's word lists: the sample file put where a teacher
# puts it (the user's data folder, nn-trainer/variants.txt), the board with all eight variants
# live, «Вариант 3» done with the keyboard alone (Tab to the list, "1" and "2" for each word),
# then «Вариант 3-1» (each word opened with Enter and typed), and the board marking both with
# their help counts. Screenshots of both new windows are kept.
# Usage: e2e_teacher_variants.sh <program> <word-list file> <folder for the screenshots>
set -euo pipefail
program=${1:?program}
sample=${2:?word-list file}
shots=${3:?folder for the screenshots}
source "$(dirname "$0")/support/e2e.sh"

e2e_init e2e_teacher_variants "$shots"
rm -f "$shots"/*.png
# The teacher's file where the program looks for it in the user's data folder.
E2E_DATA_HOME="$shots/data"
mkdir -p "$E2E_DATA_HOME/nn-trainer"
cp "$sample" "$E2E_DATA_HOME/nn-trainer/variants.txt"

# The words of list 3 as the file writes them, read here on their own: answer codes and the
# words written out.
mapfile -t written < <(awk '
  /^[[:space:]]*#/ || /^[[:space:]]*\r?$/ { next }
  /^[[:space:]]*Вариант[[:space:]]+/ { list = $2; sub(/\r$/, "", list); next }
  list == "3" { sub(/\r$/, ""); gsub(/[[:space:]]/, ""); print }' "$sample")
[ "${#written[@]}" -eq 20 ] || e2e_fail "list 3 of $sample has ${#written[@]} words, not 20"
codes=()
answers=()
for w in "${written[@]}"; do
  case $w in *"[нн]"*) codes+=(nn) ;; *) codes+=(n) ;; esac
  answers+=("$(printf '%s' "$w" | tr -d '[]')")
done

xkb=$(e2e_russian_xkb "$shots")
e2e_start_x 1280x1024x24 -xkbdir "$xkb"

key() { xdotool key --delay 60 "$@"; }
shoot_until() {
  local what=$1
  shift
  e2e_wait_screen "$shots/screen.png" "$what" "$@"
}
# How many pixels of a colour (RRGGBB) a region (w h x y) of the last screenshot holds.
count() { e2e_count_colour "$shots/screen.png" "$@"; }
# How many strongly red pixels a region (w h x y) of the last screenshot holds.
red() {
  convert "$shots/screen.png" -crop "$1x$2+$3+$4" +repage \
    -fx "(r>0.7 && g<0.3 && b<0.3) ? 1 : 0" -format "%[fx:int(w*h*mean)]" info:
}
keep() { convert "$shots/screen.png" -crop "$1" +repage "$shots/$2.png"; }
window_gone() { ! e2e_find_window "^Н и НН в прилагательных\$" "$1" >/dev/null; }

e2e_start_program "$program"
board=$(e2e_wait_window "^Н и НН в прилагательных\$" 439) || e2e_fail "the board did not appear"
eval "$(xdotool getwindowgeometry --shell "$board")"
BX=$X
BY=$((Y + HEIGHT - 351))
# The keyboard goes where the pointer rests (no window manager): on the board's close panel.
xdotool mousemove $((BX + 5)) $((BY + 351 - 10))
shoot_until "the board's first frame" e2e_holds count 1 1 $((BX + 5)) $((BY + 351 - 53 + 5)) 400080 -eq 1
keep "439x351+$BX+$BY" 1-board

# --- «Вариант 3»: the focus starts on «Вариант 1»; Tab, Tab, Space ----------------------------
key Tab Tab space
sorting=$(e2e_wait_window "^Н и НН в прилагательных\$" 397) || e2e_fail "«Вариант 3» did not open"
read -r SX SY < <(e2e_origin "$sorting")
xdotool mousemove $((SX + 5)) $((SY + 480))
shoot_until "the sorting window painted" e2e_holds count 1 1 $((SX + 208 + 10)) $((SY + 127 + 10)) FFDDFF -eq 1
keep "397x487+$SX+$SY" 2-sorting-variant-3
word_y() { echo $((SY + 16 + 16 + 21 * ($1 - 1) + 8)); }
gone() {
  local k
  for k in "$@"; do
    [ "$(count 60 14 $((SX + 24 + 34)) $(($(word_y "$k") - 7)) FFFFCA)" -eq 840 ] || return 1
  done
}
key Tab
for k in $(seq 1 20); do
  if [ "${codes[$((k - 1))]}" = n ]; then key 1; else key 2; fi
done
shoot_until "all twenty words of list 3 gone from the list" gone 1 7 13 20
key shift+Tab space
shoot_until "Ура-а-а !" e2e_holds count 80 16 $((SX + 208 + 46)) $((SY + 387 + 16)) FFFF00 -gt 20
# "Проверить" went and took the focus to the window: "Дальше" is its first stop.
key Tab space
e2e_wait "«Дальше» to close «Вариант 3»" window_gone 397

# --- «Вариант 3-1»: the passed «Вариант 3» gave its focus on to «Вариант 4»; three Tabs more ---
xdotool mousemove $((BX + 5)) $((BY + 351 - 10))
shoot_until "the board's mark beside «Вариант 3»" e2e_holds red 35 35 $((BX + 19 + 17)) $((BY + 16 + 145)) -gt 20
key Tab Tab Tab space
writing=$(e2e_wait_window "^Н и НН в прилагательных\$" 319) || e2e_fail "«Вариант 3-1» did not open"
read -r WX WY < <(e2e_origin "$writing")
xdotool mousemove $((WX + 5)) $((WY + 5))
key Tab
for k in $(seq 1 20); do
  key Return
  xdotool type --delay 40 "${answers[$((k - 1))]}"
  key Tab
done
# The twentieth click was on the last word: 560 outer, 552 client.
writing=$(e2e_wait_window "^Н и НН в прилагательных\$" 552) || e2e_fail "the window did not widen"
read -r WX WY < <(e2e_origin "$writing")
xdotool mousemove $((WX + 5)) $((WY + 5))
shoot_until "the wide writing window painted" e2e_holds count 1 1 $((WX + 356 + 10)) $((WY + 448 + 10)) FFFFAE -eq 1
keep "552x545+$WX+$WY" 3-writing-variant-3-1
# Tab from the last box went on to "Проверить".
key space
shoot_until "the picture panel after the check" e2e_holds count 1 1 $((WX + 319 + 10)) $((WY + 226 + 10)) FFA275 -eq 1
# «Отлично!»: the praise in purple on the check panel.
shoot_until "«Отлично!»" e2e_holds count 120 20 $((WX + 356 + 20)) $((WY + 448 + 8)) 800080 -gt 20
keep "552x545+$WX+$WY" 4-writing-passed
key shift+Tab space
e2e_wait "«Дальше» to close «Вариант 3-1»" window_gone 552

# --- The board: both marks, both counts ------------------------------------------------------
xdotool mousemove $((BX + 5)) $((BY + 351 - 10))
shoot_until "the board's mark beside «Вариант 3-1»" e2e_holds red 35 35 $((BX + 19 + 200)) $((BY + 16 + 145)) -gt 20
[ "$(red 35 35 $((BX + 19 + 17)) $((BY + 16 + 145)))" -gt 20 ] || e2e_fail "the mark of «Вариант 3» went"
# The help counts: red digits right of "Подсказок:" in both slots.
[ "$(red 20 16 $((BX + 19 + 150)) $((BY + 16 + 172)))" -gt 5 ] || e2e_fail "no help count beside «Вариант 3»"
[ "$(red 20 16 $((BX + 19 + 337)) $((BY + 16 + 172)))" -gt 5 ] || e2e_fail "no help count beside «Вариант 3-1»"
keep "439x351+$BX+$BY" 5-board-both-passed
e2e_check_alive
echo "e2e_teacher_variants: «Вариант 3» and «Вариант 3-1» of the sample done by keyboard; screenshots in $shots"

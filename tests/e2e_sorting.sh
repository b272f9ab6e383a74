#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End to end, in a real X server with real mouse input: open "Вариант 1" from the board, drag
# words with real presses, moves and releases, fail a check, start again, ask for help, place all
# twenty words, pass, leave with "Дальше", and read the board's mark, its disabled button and the
# help count from a screenshot. A screenshot of the sorting window in each state is kept.
# Usage: e2e_sorting.sh <program> <folder for the screenshots>
set -euo pipefail
program=${1:?program}
shots=${2:?folder for the screenshots}
source "$(dirname "$0")/support/e2e.sh"

e2e_init e2e_sorting "$shots"
rm -f "$shots"/*.png
# Wide enough that the board, the sorting window and the help window fit side by side once the
# help window is moved aside.
e2e_start_x 1600x900x24
e2e_start_program "$program"

fail() {
  e2e_fail "$@"
}

wait_window() {
  e2e_wait_window "^$1\$" "$2"
}

find_window() {
  e2e_find_window "^$1\$" "$2"
}

origin() {
  e2e_origin "$1"
}

click() {
  xdotool mousemove "$1" "$2" mousedown 1 mouseup 1
}

# Drags from one point to another with a real press, two moves and a release.
drag() {
  local x0=$1 y0=$2 x1=$3 y1=$4
  xdotool mousemove "$x0" "$y0" mousedown 1 mousemove $(((x0 + x1) / 2)) $(((y0 + y1) / 2)) \
    mousemove "$x1" "$y1" mouseup 1
}

shoot() {
  e2e_screenshot "$shots/screen.png"
}

# Takes screenshots until the condition (a command that reads the last one) holds; fails after
# E2E_TIMEOUT seconds, naming the condition.
shoot_until() {
  local what=$1
  shift
  e2e_wait_screen "$shots/screen.png" "$what" "$@"
}

pixel_is() {
  [ "$(pixel "$1" "$2")" = "$3" ]
}

# The colour of one pixel of the last screenshot, as RRGGBB.
pixel() {
  e2e_pixel "$shots/screen.png" "$1" "$2"
}

expect_pixel() {
  local got
  got=$(pixel "$1" "$2")
  [ "$got" = "$3" ] || fail "$4: pixel at $1,$2 is $got, expected $3"
}

# Whether a region (w h x y) of the last screenshot holds this colour.
has_colour() {
  convert "$shots/screen.png" -crop "$1x$2+$3+$4" -depth 8 -format %c histogram:info:- |
    grep -i "#$5" >/dev/null
}

# Whether a region (w h x y) holds dark ink (a word's letters).
has_ink() {
  local min
  min=$(convert "$shots/screen.png" -crop "$1x$2+$3+$4" -colorspace gray -depth 8 -format '%[min]' info:)
  [ "${min%.*}" -lt 80 ]
}

# Saves the sorting window from the last screenshot.
keep() {
  convert "$shots/screen.png" -crop "397x487+$SX+$SY" +repage "$shots/$1.png"
}

# --- The board, and "Вариант 1" ---------------------------------------------------------------
board=$(wait_window "Н и НН в прилагательных" 439) || fail "the board did not appear"
eval "$(xdotool getwindowgeometry --shell "$board")"
BX=$X
BY=$((Y + HEIGHT - 351)) # the board's client area below its menu bar
shoot_until "the board's first frame" pixel_is $((BX + 5)) $((BY + 351 - 53 + 5)) 400080
cp "$shots/screen.png" "$shots/board-before.png"
has_ink 60 14 $((BX + 19 + 54 + 25)) $((BY + 16 + 24 + 6)) || fail "Вариант 1 is not enabled at start"
click $((BX + 19 + 54 + 55)) $((BY + 16 + 24 + 12))

sorting=$(wait_window "Н и НН в прилагательных" 397) || fail "the sorting window did not open"
read -r SX SY < <(origin "$sorting")

# Places in the sorting window's client area.
word_x=$((SX + 24 + 34 + 15))
word_y() { echo $((SY + 16 + 16 + 21 * ($1 - 1) + 8)); }
pic_x=$((SX + 208 + 29 + 51))
nn_y() { echo $((SY + $1 + 24 + 43)); }  # the НН picture with the target panel at top $1
n_y() { echo $((SY + $1 + 120 + 44)); }  # the Н picture
button_x=$((SX + 208 + 31 + 50))
check_y=$((SY + 387 + 26 + 12))
retry_y=$((SY + 387 + 18 + 12))
next_y=$((SY + 387 + 38 + 12))
help_y=$((SY + 325 + 16 + 12))
codes=(n nn n n nn nn n n n nn nn n nn nn n nn nn nn n nn)

drag_word() { # word number, picture (n or nn), target panel top
  local y
  if [ "$2" = n ]; then y=$(n_y "$3"); else y=$(nn_y "$3"); fi
  drag "$word_x" "$(word_y "$1")" "$pic_x" "$y"
}

shoot_until "the sorting window's target panel at 127" \
  pixel_is $((SX + 208 + 10)) $((SY + 127 + 10)) FFDDFF
keep 1-placing
has_colour 150 60 $((SX + 208)) $((SY + 387)) 'FFFF00' && fail "the praise is shown at start"

# --- Placing: a right drop and a wrong one, then a failing check -------------------------------
drag_word 2 nn 127 # лу_ый: нн, right
drag_word 1 nn 127 # ледя_ой: н, wrong
# The grab holds outside the window: ветре_ый (н) is released out in the corner of the screen;
# орли_ый (н) goes out there and back onto its picture.
drag "$word_x" "$(word_y 4)" 10 10
xdotool mousemove "$word_x" "$(word_y 3)" mousedown 1 mousemove 10 10 \
  mousemove "$pic_x" "$(n_y 127)" mouseup 1
# Input is handled in order: once орли_ый is gone, the drags before it have been handled too.
shoot_until "орли_ый gone after a drag outside and back" \
  eval '! has_ink 60 14 $((SX + 24 + 34)) $(($(word_y 3) - 7))'
keep 2-placing-dropped
has_ink 60 14 $((SX + 24 + 34)) $(($(word_y 2) - 7)) && fail "лу_ый stayed after its right drop"
has_ink 60 14 $((SX + 24 + 34)) $(($(word_y 1) - 7)) || fail "ледя_ой vanished after a wrong drop"
has_ink 60 14 $((SX + 24 + 34)) $(($(word_y 3) - 7)) && fail "орли_ый stayed after a drag outside and back"
has_ink 60 14 $((SX + 24 + 34)) $(($(word_y 4) - 7)) || fail "ветре_ый vanished when released outside"

click "$button_x" "$check_y"
failed_check_shown() {
  pixel_is "$pic_x" "$(nn_y 127)" E3E3E3 &&
    has_colour 60 16 $((SX + 208 + 41)) $((SY + 387 + 48)) '00FFFF' &&
    has_colour 20 16 $((SX + 208 + 108)) $((SY + 387 + 48)) 'FFFF00'
}
shoot_until "the target panel hidden, Ошибок: and the error count after the check" failed_check_shown
keep 3-failed

# --- Help offered, then help ------------------------------------------------------------------
click "$button_x" "$retry_y"
help_offered() {
  has_ink 60 14 $((SX + 24 + 34)) $(($(word_y 2) - 7)) &&
    pixel_is $((SX + 208 + 10)) $((SY + 87 + 10)) FFDDFF &&
    pixel_is $((SX + 208 + 10)) $((SY + 325 + 45)) A6D2FF &&
    pixel_is $((SX + 208 + 5)) $((SY + 16 + 5)) A6D2FF
}
shoot_until "лу_ый back after Заново, the target panel at 87, the help and advice panels" \
  help_offered
keep 4-help-offered

click "$button_x" "$help_y"
helpwin=$(wait_window "Помощь" 406) || fail "Помогите! did not show the help window"
read -r HX HY < <(origin "$helpwin")
shoot_until "the help window painted" pixel_is $((HX + 3)) $((HY + 3)) A6D2FF
cp "$shots/screen.png" "$shots/5-screen-with-help.png"

# The help window stands at its designed place, over the top of the word list and over this
# window's НН picture: a word dropped there lands on the help window, which takes none.
# "стари_ый" (нн) lies below the help window.
[ "$HX" -eq 549 ] && [ "$HY" -eq 119 ] || fail "the help window is at $HX,$HY, not at 549,119"
[ "$(nn_y 127)" -lt $((HY + 309)) ] && [ "$pic_x" -ge "$HX" ] ||
  fail "the help window was expected over the НН picture"
[ "$(word_y 11)" -gt $((HY + 309)) ] || fail "стари_ый was expected below the help window"
drag_word 11 nn 127
# The release must be handled while the help window still lies over the НН picture: травя_ой,
# below the help window, dropped next on the uncovered Н picture and seen gone shows that the
# program has handled it.
drag_word 12 n 127
shoot_until "травя_ой gone" eval '! has_ink 60 14 $((SX + 24 + 34)) $(($(word_y 12) - 7))'

# The pupil moves the help window aside.
xdotool windowmove "$helpwin" 0 0
shoot_until "the left edge of the instruction's strip, uncovered" \
  pixel_is $((SX + 208 + 7)) $((SY + 16 + 30)) FFFF9A
keep 5-placing-after-help
expect_pixel $((SX + 208 + 10)) $((SY + 127 + 10)) FFDDFF "the target panel back at 127"
expect_pixel $((SX + 208 + 10)) $((SY + 100)) E3E3E3 "nothing above the target panel at 127"

# --- All twenty onto their pictures, and a pass ------------------------------------------------
for k in $(seq 1 10); do
  drag_word "$k" "${codes[$((k - 1))]}" 127
done
# Once со_ый is gone, the drop of стари_ый on the help window has long been handled.
shoot_until "со_ый gone" eval '! has_ink 60 14 $((SX + 24 + 34)) $(($(word_y 10) - 7))'
has_ink 60 14 $((SX + 24 + 34)) $(($(word_y 11) - 7)) ||
  fail "a word dropped on the help window vanished"
for k in 11 $(seq 13 20); do
  drag_word "$k" "${codes[$((k - 1))]}" 127
done
list_empty() {
  for k in 1 10 20; do
    has_ink 60 14 $((SX + 24 + 34)) $(($(word_y "$k") - 7)) && return 1
  done
  return 0
}
shoot_until "words 1, 10 and 20 gone from the list" list_empty
keep 6-all-placed

click "$button_x" "$check_y"
shoot_until "Ура-а-а !" has_colour 80 16 $((SX + 208 + 46)) $((SY + 387 + 16)) 'FFFF00'
keep 7-passed
find_window "Помощь" 406 >/dev/null && fail "the check did not hide the help window"
has_colour 60 16 $((SX + 208 + 41)) $((SY + 387 + 48)) '00FFFF' && fail "Ошибок: after a pass"

# --- "Дальше", and the board --------------------------------------------------------------------
click "$button_x" "$next_y"
# (A closed window gives up its native window; it is made again when the window is next shown.)
sorting_gone() {
  ! find_window "Н и НН в прилагательных" 397 >/dev/null
}
e2e_wait "Дальше to hide the sorting window" sorting_gone
board_marked() {
  local n
  n=$(convert "$shots/screen.png" -crop "35x35+$((BX + 19 + 17))+$((BY + 16 + 21))" \
    -fx 'r > 0.7 && g < 0.4 && b < 0.4 ? 1 : 0' -format '%[fx:mean*w*h]' info:)
  [ "${n%.*}" -ge 20 ]
}
shoot_until "the completion mark beside Вариант 1" board_marked
cp "$shots/screen.png" "$shots/board-after.png"
convert "$shots/screen.png" -crop "439x351+$BX+$BY" +repage "$shots/8-board.png"

# The completion mark: red ink in its 35 x 35 box beside "Вариант 1".
mark=$(convert "$shots/screen.png" -crop "35x35+$((BX + 19 + 17))+$((BY + 16 + 21))" \
  -fx 'r > 0.7 && g < 0.4 && b < 0.4 ? 1 : 0' -format '%[fx:mean*w*h]' info:)
[ "${mark%.*}" -ge 20 ] || fail "no completion mark beside Вариант 1 ($mark red pixels)"
# The button disabled: its caption is no longer black.
has_ink 60 14 $((BX + 19 + 54 + 25)) $((BY + 16 + 24 + 6)) && fail "Вариант 1 still enabled"
has_ink 80 14 $((BX + 19 + 60)) $((BY + 16 + 54)) || fail "no Подсказок:"

# The help count, read off its red digit.
read_one='
  # Reads a binary picture (txt: of white ink on black) and says whether it shows the digit 1: a
  # single upright stem through the middle of its height, with a foot wider than the stem.
  NR > 1 && $0 ~ /#FFFFFF/ {
    x = $1; y = $2; ink[y] = ink[y] " " x
    if (top == "" || y < top) top = y
    if (y > bottom) bottom = y
  }
  END {
    if (top == "") { print "no ink"; exit }
    h = bottom - top + 1; lo = ""; hi = ""; widest = 0
    for (y = top + int(h * 0.3); y <= bottom - int(h * 0.25); y++) {
      n = split(ink[y], m, " "); runs = 0; prev = -2
      for (i = 1; i <= n; i++) { if (m[i] != prev + 1) runs++; prev = m[i] }
      if (runs != 1) { print "not 1 (" runs " strokes in row " y - top ")"; exit }
      if (lo == "" || m[1] < lo) lo = m[1]
      if (hi == "" || m[1] > hi) hi = m[1]
      if (n > widest) widest = n
    }
    foot = split(ink[bottom], f, " ")
    if (hi - lo > 1 || widest > 5 || foot <= widest) {
      print "not 1 (stem drifts " hi - lo ", " widest " wide, foot " foot ")"; exit
    }
    print "1"
  }
'
digit=$(convert "$shots/screen.png" -crop "24x26+$((BX + 19 + 150))+$((BY + 16 + 48))" +repage \
  -fx 'r > 0.7 && g < 0.4 && b < 0.4 ? 1 : 0' -depth 8 txt:- | awk -F'[,: ]+' "$read_one")
[ -n "$digit" ] || fail "no help count beside Подсказок:"
[ "$digit" = 1 ] || fail "the help count does not read 1: $digit"

e2e_check_alive
echo "e2e_sorting: passed; screenshots in $shots"

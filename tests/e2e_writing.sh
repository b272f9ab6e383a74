#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End to end, in a real X server with real mouse and keyboard input: open "Вариант 1-1" from the
# board, click all twenty words and type them (the first one wrong), check, retry, ask for help,
# correct the word, check again, press "Дальше", and read the board from a screenshot: the
# completion mark of "Вариант 1-1" and a help count of 1. Then close the program.
# Usage: e2e_writing.sh <program> <assets folder> <folder for screenshots>
set -euo pipefail
program=${1:?program}
assets=${2:?assets folder}
shots=${3:?screenshot folder}
source "$(dirname "$0")/support/e2e.sh"

e2e_init e2e_writing "$shots"
rm -f "$shots"/writing-*.png

# The X server starts with a Russian keyboard (see e2e_russian_xkb). Autorepeat is off, so a
# key held long by a slow machine stays one key.
xkb=$(e2e_russian_xkb "$shots")
e2e_start_x 1024x768x24 -r -xkbdir "$xkb"
e2e_start_program "$program"

fail() {
  e2e_fail "$@"
}

# The visible window with the program's caption and the given client width (the board, the
# writing window and the sorting window share the caption; their widths differ), waited for.
find_window() {
  e2e_wait_window "Н и НН в прилагательных" "$1"
}

click_at() {
  xdotool mousemove "$1" "$2" click 1
}

shot() {
  e2e_screenshot "$shots/writing-$1.png"
}

# Takes the screenshot until the condition (a command that reads it) holds.
shot_until() {
  local name=$1 what=$2
  shift 2
  e2e_wait_screen "$shots/writing-$name.png" "$what" "$@"
}

# Whether the w x h area of a screenshot at x, y shows a picture file pixel for pixel.
shows_picture() {
  local shot=$1 x=$2 y=$3 w=$4 h=$5 picture=$6 fuzz=${7:-0}
  local diff
  convert "$shot" -crop "${w}x${h}+${x}+${y}" +repage "$shots/crop.png"
  convert "$picture" -alpha off "$shots/picture.png"
  diff=$(compare -metric AE -fuzz "$fuzz%" "$shots/crop.png" "$shots/picture.png" null: 2>&1 || true)
  rm -f "$shots/crop.png" "$shots/picture.png"
  [ "$diff" = "0" ]
}

visible_help() {
  xdotool search --onlyvisible --name "^Помощь$" 2>/dev/null | head -n1 || true
}

# --- The board, and "Вариант 1-1" on it. Below the menu bar the board's client area is
# 439 x 351; its variant panel stands at 19, 16 and "Вариант 1-1" at 240, 24 in it.
board=$(find_window 439) || fail "the board did not appear"
eval "$(xdotool getwindowgeometry --shell "$board")"
BX=$X
BY=$((Y + HEIGHT - 351)) # the top of the area below the menu bar
click_at $((BX + 19 + 240 + 55)) $((BY + 16 + 24 + 12))

# --- The writing window opens narrow: 327 outer, 319 client.
win=$(find_window 319) || fail "the writing window did not open narrow"
eval "$(xdotool getwindowgeometry --shell "$win")"
# Painted: the word list panel's pale yellow beside the first word.
shot_until 01-narrow "the writing window painted" \
  eval '[ "$(e2e_pixel "$shots/writing-01-narrow.png" $((X + 9 + 20)) $((Y + 8 + 60)))" = FFFFE1 ]'

# The words' left edges in the word list panel (at 9, 8 in the window); word k is 24 pixels
# below word k - 1, the first at 41.
lefts=(82 98 80 72 53 72 74 80 52 99 73 74 62 80 55 39 45 89 72 63)
answers=(ледяной лунный орлиный ветреный авиационный пустынный глиняный кожаный журавлиный
  сонный старинный травяной соломенный туманный серебряный экскурсионный безветренный длинный
  песчаный деревянный)
click_word() {
  local k=$1
  click_at $((X + 9 + ${lefts[k - 1]} + 12)) $((Y + 8 + 41 + 24 * (k - 1) + 8))
}
type_text() {
  xdotool type --delay 60 "$1"
}

for k in $(seq 1 20); do
  click_word "$k"
  if [ "$k" -eq 1 ]; then
    type_text "ледянной" # wrong: one н too many
  else
    type_text "${answers[k - 1]}"
  fi
  if [ "$k" -eq 19 ]; then
    shot 02-narrow-nineteen-words
  fi
done

# --- The twentieth click fell on the last word: 560 outer, 552 client, centred on the screen.
wide=$(find_window 552) || fail "the window did not widen to 560 at the twentieth click"
[ "$wide" = "$win" ] || fail "another window widened"
eval "$(xdotool getwindowgeometry --shell "$win")"
# Without a window manager there is no frame; the window counts its outer size, 560 x 579.
if [ "$X" -ne $(((1024 - 560) / 2)) ] || [ "$Y" -ne $(((768 - 579) / 2)) ]; then
  fail "not centred on the screen: at $X, $Y"
fi
# The check panel stands at 356, 448; its buttons at 27, 24 ("Проверить") and 27, 34.
check_x=$((X + 356 + 27 + 50))
shot_until 03-ready "the check panel's pale yellow in the widened window" \
  eval '[ "$(e2e_pixel "$shots/writing-03-ready.png" $((X + 356 + 5)) $((Y + 448 + 5)))" = FFFFAE ]'
click_at "$check_x" $((Y + 448 + 24 + 12))
shot_until 04-failed "the teasing picture after a wrong word" \
  shows_picture "$shots/writing-04-failed.png" $((X + 319 + 16)) $((Y + 226 + 16)) 190 195 \
  "$assets/TeasingFace.bmp"

click_at "$check_x" $((Y + 448 + 34 + 12)) # "Буду искать"
# The help panel (sky blue) is offered once "Буду искать" has been handled.
shot_until 05-retrying "the help panel offered after Буду искать" \
  eval '[ "$(e2e_pixel "$shots/writing-05-retrying.png" $((X + 319 + 10)) $((Y + 159 + 10)))" = A6D2FF ]'
# "Помогите!" in the help panel at 319, 159, the button at 64, 16.
click_at $((X + 319 + 64 + 50)) $((Y + 159 + 16 + 12))
help_shown() {
  [ -n "$(visible_help)" ]
}
e2e_wait "\"Помогите!\" to open the help window" help_shown
shot 06-helped

# Back in the writing window: the word click selects the wrong word, typing replaces it.
click_word 1
type_text "${answers[0]}"
click_at "$check_x" $((Y + 448 + 24 + 12)) # "Проверить"
shot_until 07-passed "the smiling picture after the correction" \
  shows_picture "$shots/writing-07-passed.png" $((X + 319 + 16)) $((Y + 226 + 23)) 190 181 \
  "$assets/SmilingFace.bmp"
[ -z "$(visible_help)" ] || fail "the check left the help window open"

click_at $((X + 356 + 26 + 50)) $((Y + 448 + 34 + 12)) # "Дальше"
writing_gone() {
  ! e2e_find_window "Н и НН в прилагательных" 552 >/dev/null
}
e2e_wait "\"Дальше\" to close the writing window" writing_gone

# --- The board, read from the screenshot. Slot 5's mark at 200, 21 in the variant panel.
board_shot="$shots/writing-08-board.png"
px=$((BX + 19))
py=$((BY + 16))
shot_until 08-board "the completion mark of \"Вариант 1-1\"" \
  shows_picture "$board_shot" $((px + 200)) $((py + 21)) 35 35 "$assets/CompletionMark.jpg" 3
shows_picture "$board_shot" $((px + 17)) $((py + 21)) 35 35 "$assets/CompletionMark.jpg" 3 &&
  fail "\"Вариант 1\" is marked too"
# The help count at 337, 48: red digits in Times New Roman's stand-in. Read them: one glyph
# with a stem (a column of ink nearly its full height) and a single run of ink across it at a
# quarter, half and three quarters of its height is a "1" and no other number.
rows=$(convert "$board_shot" -crop "40x30+$((px + 337))+$((py + 48))" +repage \
  -fx "(r>0.7 && g<0.3 && b<0.3) ? 0 : 1" -compress none pbm:- | tail -n +3 | tr -d ' ' |
  tr -d '\n' | fold -w 40)
read_digit=$(awk '
  { line[NR] = $0 }
  END {
    top = 0; bottom = 0; left = 99; right = -1
    for (y = 1; y <= NR; ++y)
      for (x = 1; x <= 40; ++x)
        if (substr(line[y], x, 1) == "1") {
          if (!top) top = y; bottom = y
          if (x < left) left = x; if (x > right) right = x
        }
    if (!top) { print "none"; exit }
    height = bottom - top + 1
    stem = 0
    for (x = left; x <= right; ++x) {
      n = 0
      for (y = top; y <= bottom; ++y) n += substr(line[y], x, 1) == "1"
      if (n >= height * 0.85) stem = 1
    }
    # Runs of ink across the rows at a quarter, a half and three quarters of the height.
    across = ""
    for (q = 1; q <= 3; ++q) {
      row = line[top + int((height - 1) * q / 4)]; runs = 0; inside = 0
      for (x = 1; x <= 40; ++x) {
        c = substr(row, x, 1) == "1"
        if (c && !inside) ++runs
        inside = c
      }
      across = across runs
    }
    print (height >= 10 && stem && across == "111") ? "1" : "not 1 (height " height ", stem " stem ", runs across " across ")"
  }' <<<"$rows")
[ "$read_digit" = "1" ] || fail "the help count does not read 1: $read_digit"
echo "e2e: the board shows the mark of \"Вариант 1-1\" and the help count $read_digit"
# "Подсказок:" beside it, black on the pale yellow panel.
dark=$(convert "$board_shot" -crop "80x16+$((px + 247))+$((py + 54))" +repage -colorspace gray \
  -threshold 25% -format "%[fx:int(w*h*(1-mean))]" info:)
[ "$dark" -gt 20 ] || fail "\"Подсказок:\" is not shown beside the mark"

# --- Close the program with "З а к р ы т ь" along the board's bottom edge.
eval "$(xdotool getwindowgeometry --shell "$board")"
click_at $((X + 19 + 200)) $((Y + HEIGHT - 53 + 14 + 12))
e2e_wait_exit
echo "e2e: program ended with code $E2E_CODE"
[ "$E2E_CODE" -eq 0 ]

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End to end with the keyboard alone, in a real X server, with the accessibility bus listened to
# as a screen reader would: "Вариант 1-1" opened from the board by keys, each of the twenty words
# reached with Tab and opened with Enter or Space, the words typed (the first one wrong), the
# check, "Буду искать", the correction, the check again and "Дальше", all by key (and, once
# passed, one word opened through its accessible press action, as a screen reader's action
# command would). Along the way
# the screen shows the focus mark around the word and the box the keyboard is on, and the bus
# carries what a screen reader says: the focused word with its keys, "Есть ошибки.", "Отлично!",
# and the board's "Подсказок:" with its count.
# Usage: e2e_writing_keys.sh <program> <folder for screenshots and logs>
set -euo pipefail
program=${1:?program}
shots=${2:?folder}
here=$(cd "$(dirname "$0")" && pwd)

# A session bus of its own, and a runtime folder of its own for the accessibility bus that it
# starts: without one the accessibility bus's socket lies in the home folder under a fixed name,
# and two such tests running at once take it from each other.
source "$here/support/e2e.sh"
e2e_own_session "$0" "$@"

e2e_init e2e_writing_keys "$shots"
rm -f "$shots"/keys-*.png "$shots"/atspi.log "$shots"/speech.txt

# A Russian keyboard in the server's own map (see e2e_russian_xkb); autorepeat off.
xkb=$(e2e_russian_xkb "$shots")
e2e_start_x 1024x768x24 -r -xkbdir "$xkb"

# The listener first, so the program finds it registered and sends its events from the start.
log="$shots/atspi.log"
/usr/bin/python3 "$here/support/atspi_writing.py" listen "$log" 2>"$shots/atspi.stderr" &
listener=$!
E2E_ON_EXIT="kill $listener 2>/dev/null; wait $listener 2>/dev/null"
listener_ready() {
  grep -q '^ready$' "$log" 2>/dev/null && return 0
  kill -0 "$listener" 2>/dev/null || e2e_fail "the AT-SPI listener did not start: $(cat "$shots/atspi.stderr")"
  return 1
}
e2e_wait "the AT-SPI listener to be ready" listener_ready

# Assistive technology on, as when a screen reader runs.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
e2e_start_program "$program"

fail() {
  e2e_fail "$@"
}
find_window() {
  e2e_wait_window "Н и НН в прилагательных" "$1"
}
press() {
  xdotool key --delay 80 "$@"
}
type_text() {
  xdotool type --delay 60 "$1"
}
shot() {
  e2e_screenshot "$shots/keys-$1.png"
}
# Whether the shown edit box named $1 holds exactly the text $2, as a screen reader reads it.
box_reads() {
  [ "$(/usr/bin/python3 "$here/support/atspi_writing.py" text text "$1" 2>/dev/null)" = "$2" ]
}
# Takes the screenshot until the condition (a command that reads it) holds.
shot_until() {
  local name=$1 what=$2
  shift 2
  e2e_wait_screen "$shots/keys-$name.png" "$what" "$@"
}
# Whether the screenshot shows the focus mark's navy (0, 0, 128) at x, y.
navy_at() {
  [ "$(e2e_pixel "$1" "$2" "$3")" = "000080" ]
}
# Waits for the bus to carry an event: kind, role, name [, description]. When it does not come,
# says how long it waited and returns 1; the caller names the step.
expect_event() {
  /usr/bin/python3 "$here/support/atspi_writing.py" expect "$log" "$@"
}
heard() {
  e2e_poll expect_event "$@" 2>/dev/null && return 0
  echo "e2e_writing_keys: $(e2e_waited_in_vain "the event $*")" >&2
  expect_event "$@"
}

# --- The board: the focus starts on "Вариант 1"; Tab passes the disabled variants to
# "Вариант 1-1", and Space presses it.
board=$(find_window 439) || fail "the board did not appear"
board_has_keyboard() {
  [ "$(xdotool getwindowfocus)" = "$board" ]
}
e2e_wait "the board to have the keyboard" board_has_keyboard
press Tab
press space

# --- The writing window opens narrow (319 client) and active, with nothing focused.
win=$(find_window 319) || fail "the writing window did not open from the keyboard"
eval "$(xdotool getwindowgeometry --shell "$win")"
has_keyboard() {
  [ "$(xdotool getwindowfocus)" = "$win" ]
}
e2e_wait "the writing window to have the keyboard" has_keyboard

answers=(ледяной лунный орлиный ветреный авиационный пустынный глиняный кожаный журавлиный
  сонный старинный травяной соломенный туманный серебряный экскурсионный безветренный длинный
  песчаный деревянный)
lefts=(82 98 80 72 53 72 74 80 52 99 73 74 62 80 55 39 45 89 72 63)

# Word by word: Tab reaches the word, Enter (odd words) or Space (even) opens its box, the word
# is typed, and Tab goes on to the next word.
press Tab
# The mark around word 1: two pixels of navy a pixel left of the word and above it.
shot_until 01-mark-on-word "a focus mark left of the first word" \
  navy_at "$shots/keys-01-mark-on-word.png" $((X + 9 + lefts[0] - 2)) $((Y + 8 + 41 + 8))
heard focus label "ледя, пропуск, ой" || fail "the focus on the first word did not reach the bus"
for k in $(seq 1 20); do
  if [ $((k % 2)) -eq 1 ]; then press Return; else press space; fi
  if [ "$k" -eq 1 ]; then
    type_text "ледянной" # wrong: one н too many
    shot_until 02-mark-on-box "a focus mark left of the first edit box" \
      navy_at "$shots/keys-02-mark-on-box.png" $((X + 9 + 162 - 2)) $((Y + 8 + 41 + 9))
  else
    type_text "${answers[k - 1]}"
  fi
  if [ "$k" -eq 2 ]; then
    # Back to the word to mend something, and a letter typed there by mistake: it goes on into
    # the open box after what was typed, never in place of it.
    press shift+Tab
    heard focus label "лу, пропуск, ый" || fail "Shift+Tab from the second box did not reach its word"
    type_text "ж"
    e2e_wait "the second box to read \"${answers[1]}ж\"" box_reads "лу, пропуск, ый" "${answers[1]}ж"
    press BackSpace
    e2e_wait "the second box to read \"${answers[1]}\" again" box_reads "лу, пропуск, ый" "${answers[1]}"
  fi
  press Tab
done

# --- The twentieth click was on the last word: 560 outer, 552 client. Tab from the last box
# went on to "Проверить"; Space checks.
find_window 552 >/dev/null || fail "the window did not widen at the twentieth key click"
eval "$(xdotool getwindowgeometry --shell "$win")"
shot 03-ready
press space
heard showing notification "Есть ошибки." || fail "\"Есть ошибки.\" did not reach the bus"
shot 04-failed

# "Проверить" went and took the focus to the window: Shift+Tab reaches the last shown button,
# "Буду искать"; Space. The focus is on the window again: Tab goes to the first word, which
# Enter opens with the wrong word selected.
press shift+Tab
heard focus "push button" "Буду искать" || fail "Shift+Tab did not reach \"Буду искать\""
press space
press Tab
heard focus label "ледя, пропуск, ой" || true
press Return
type_text "${answers[0]}"
# Back to "Проверить": Shift+Tab to the word, to "Помогите!", to "Проверить".
press shift+Tab shift+Tab shift+Tab
press space
heard showing notification "Отлично!" || fail "\"Отлично!\" did not reach the bus"
shot 05-passed
# A screen reader's action command on a word: its press action, through the bus, opens the
# word's box as a click does (the exercise is passed; the click only moves the focus).
/usr/bin/python3 "$here/support/atspi_writing.py" press label "лу, пропуск, ый" ||
  fail "the word offers no press action on the bus"
heard focus text "лу, пропуск, ый" || fail "the press action did not focus the word's box"
# Back by Shift+Tab to "Дальше": the word, box 1, word 1, and round to the last shown button.
press shift+Tab shift+Tab shift+Tab shift+Tab
# "Дальше" has the focus: Space leaves the passed exercise.
press space
writing_gone() {
  ! e2e_find_window "Н и НН в прилагательных" 552 >/dev/null
}
e2e_wait "\"Дальше\" to close the writing window" writing_gone
heard showing label "0" "Подсказок: 0" || fail "the board's help count did not reach the bus"
heard showing notification "Вариант выполнен. Подсказок, 0." || fail "the board's pass did not reach the bus"

# The board's mark of "Вариант 1-1" (slot 5, at 200, 21 in the variant panel at 19, 16): the
# red check mark shows a strong red somewhere in its box.
eval "$(xdotool getwindowgeometry --shell "$board")"
by=$((Y + HEIGHT - 351))
marked() {
  local red
  red=$(convert "$shots/keys-06-board.png" -crop "35x35+$((X + 19 + 200))+$((by + 16 + 21))" \
    +repage -fx "(r>0.7 && g<0.3 && b<0.3) ? 1 : 0" -format "%[fx:int(w*h*mean)]" info:)
  [ "$red" -gt 20 ]
}
shot_until 06-board "the completion mark of \"Вариант 1-1\"" marked

# What a screen reader would have said, kept beside the screenshots.
kill "$listener" 2>/dev/null || true
wait "$listener" 2>/dev/null || true
E2E_ON_EXIT=""
/usr/bin/python3 "$here/support/atspi_writing.py" speech "$log" | tee "$shots/speech.txt"
echo "e2e: the writing exercise done with the keyboard alone; the board marks it with 0 calls for help"

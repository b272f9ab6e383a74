#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End to end with a real screen reader: Orca runs beside the program (speech off, its debug log
# on: every "SPEECH OUTPUT:" line is what it would have said), and the keyboard alone does the
# sorting exercise (a pick, a wrong drop, the check, the retry, the right drops, the check, the
# pass) and, in a second run, the writing exercise (the twenty reveals, a wrong check, a right
# check, the pass). Each step waits for Orca to say what it must; at the end every message is
# found said exactly once, and no line spells a name out letter by letter. Orca's log of each
# run and the speech alone are kept: orca-sorting.log, orca-writing.log, speech-*.txt.
# Usage: e2e_orca.sh <program> <work folder>
set -euo pipefail
program=${1:?program}
work=${2:?work folder}
here=$(cd "$(dirname "$0")" && pwd)

# A session bus of its own and a runtime folder of its own, where the accessibility bus that
# Orca asks for puts its socket.
command -v orca >/dev/null || { echo "e2e_orca: orca is missing (scripts/install-deps)" >&2; exit 1; }
source "$here/support/e2e.sh"
e2e_own_session "$0" "$@"
e2e_init e2e_orca "$work"
rm -f "$work"/orca-*.log "$work"/speech-*.txt

# Orca keeps its settings in a home of its own, made fresh: the defaults, as a new user has them.
export HOME="$work/run/home"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share" XDG_CACHE_HOME="$HOME/.cache"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
# The machine's locale as bare as it comes: the program must still tell the bus it is Russian.
export LANG=C

xkb=$(e2e_russian_xkb "$work")
e2e_start_x 1024x768x24 -r -xkbdir "$xkb"

log=""
orca_pid=""
stop_orca() {
  if [ -n "$orca_pid" ]; then
    kill "$orca_pid" 2>/dev/null || true
    wait "$orca_pid" 2>/dev/null || true
    orca_pid=""
  fi
}
E2E_ON_EXIT=stop_orca
fail() {
  e2e_fail "$* (Orca's log: $log)"
}

# Lines said so far that contain the text.
said() {
  grep -a "SPEECH OUTPUT: '" "$log" | grep -acF -- "$1" || true
}
said_more_than() {
  [ "$(said "$1")" -gt "$2" ]
}
# Waits for Orca to say the text once more than `before` times.
wait_said() {
  local text=$1 before=$2
  e2e_poll said_more_than "$text" "$before" ||
    { e2e_check_alive && fail "$(e2e_waited_in_vain "Orca to say «$text»")"; }
}
# Presses the keys, then waits for Orca to say the text.
key_hear() {
  local text=$1 before
  shift
  before=$(said "$text")
  xdotool key --delay 40 "$@"
  wait_said "$text" "$before"
}

# Whether Orca's log says it has started; fails at once when Orca has ended.
orca_started() {
  grep -q "ORCA: Startup complete" "$log" 2>/dev/null && return 0
  kill -0 "$orca_pid" 2>/dev/null || fail "Orca ended while starting"
  return 1
}
# Orca first, then the program, which finds the screen reader running and joins the bus.
start_run() {
  log="$work/orca-$1.log"
  # Orca writes its debug file through a buffer, line by line only to a terminal: it writes to
  # the terminal that script(1) gives it, and script copies each line to the log at once.
  script -qfec "exec orca --replace -d speech --debug-file /dev/tty" "$log" >/dev/null 2>&1 &
  orca_pid=$!
  e2e_poll orca_started || fail "$(e2e_waited_in_vain "Orca's \"Startup complete\"")"
  e2e_start_program "$program"
  board=$(e2e_wait_window "^Н и НН в прилагательных\$" 439) || fail "the board did not appear"
  eval "$(xdotool getwindowgeometry --shell "$board")"
  # The keys go where the pointer rests, as on a desktop without a window manager.
  xdotool mousemove $((X + 5)) $((Y + HEIGHT - 5))
  wait_said "Вариант 1" 0
}
end_run() {
  kill "$E2E_PID" 2>/dev/null || true
  wait "$E2E_PID" 2>/dev/null || true
  E2E_PID=""
  stop_orca
  grep -a "SPEECH OUTPUT: '" "$log" | sed "s/^.*SPEECH OUTPUT: '\([^']*\)'.*$/\1/" >"$work/speech-$1.txt"
}
# Utterances that are the message itself, as a notification or alone.
said_as_message() {
  grep -a "SPEECH OUTPUT: '" "$log" | sed "s/^.*SPEECH OUTPUT: '\([^']*\)'.*$/\1/" |
    grep -acxF -e "notification $1" -e "$1" || true
}
# Each message said exactly once in the run, and no name spelled out: three or more single
# letters in a row with blanks between them ("З а к р ы т ь").
check_said_once() {
  local text n
  for text in "$@"; do
    n=$(said_as_message "$text")
    [ "$n" -eq 1 ] || fail "«$text» was said $n times, not once"
  done
  if grep -aE "SPEECH OUTPUT: '.*(^|[ '])([[:alpha:]] ){2,}[[:alpha:]]([ ']|$)" "$log" >&2; then
    fail "a name was read letter by letter"
  fi
}

# --- The sorting exercise --------------------------------------------------------------------
start_run sorting
xdotool key space
sorting=$(e2e_wait_window "^Н и НН в прилагательных\$" 397) || fail "the sorting window did not open"
eval "$(xdotool getwindowgeometry --shell "$sorting")"
xdotool mousemove $((X + 5)) $((Y + 480))
wait_said "Проверить" 0
key_hear "ледя, пропуск, ой" Tab
key_hear "ветре, пропуск, ый" Down Down Down
key_hear "Взято слово ветре, пропуск, ый." space
key_hear "Буквы НН" Right
key_hear "ветре, пропуск, ый. Осталось в списке." space
key_hear "Ошибок, 1." shift+Tab space
key_hear "Все слова снова в списке." Tab space
# Back to the list ("Проверить", "Помогите!", the list), to its last word and its first.
key_hear "Помогите!" Tab Tab
key_hear "деревя, пропуск, ый" Tab End
key_hear "ледя, пропуск, ой" Home
# Each word in turn straight onto its picture with 1 or 2.
picked=()
codes=(1 2 1 1 2 2 1 1 1 2 2 1 2 2 1 2 2 2 1 2)
captions=(ледя_ой лу_ый орли_ый ветре_ый авиацио_ый пусты_ый глиня_ый кожа_ый журавли_ый со_ый
  стари_ый травя_ой соломе_ый тума_ый серебря_ый экскурсио_ый безветре_ый дли_ый песча_ый деревя_ый)
# Each as a reader hears it, the gap named.
words=("${captions[@]//_/, пропуск, }")
for k in $(seq 0 19); do
  key_hear "${words[k]}. Убрано из списка." "${codes[k]}"
  picked+=("${words[k]}. Убрано из списка.")
done
# The list is empty; back past "Помогите!" to "Проверить".
key_hear "Проверить" shift+Tab shift+Tab
key_hear "Ура!" space
key_hear "Вариант выполнен. Подсказок, 0." Tab space
end_run sorting
check_said_once "${picked[@]}" "Взято слово ветре, пропуск, ый." "Ошибок, 1." "Ура!" \
  "ветре, пропуск, ый. Осталось в списке." "Все слова снова в списке." "Вариант выполнен. Подсказок, 0."

# --- The writing exercise --------------------------------------------------------------------
start_run writing
# Round the board's ring from "Вариант 1" back to its close button, and on to "Вариант 1-1".
key_hear "push button" shift+Tab
[ "$(said "Закрыть push button")" -eq 1 ] || fail "the close button was not read as «Закрыть»"
key_hear "Вариант 1-1" Tab Tab
xdotool key space
writing=$(e2e_wait_window "^Н и НН в прилагательных\$" 319) || fail "the writing window did not open"
eval "$(xdotool getwindowgeometry --shell "$writing")"
xdotool mousemove $((X + 5)) $((Y + 5))
answers=(ледяной лунный орлиный ветреный авиационный пустынный глиняный кожаный журавлиный
  сонный старинный травяной соломенный туманный серебряный экскурсионный безветренный длинный
  песчаный деревянный)
# Word by word: Tab to the word, Enter opens its box (Orca reads the box with its name), the
# word is typed (the first one wrong), and on.
for k in $(seq 0 19); do
  key_hear "${words[k]}" Tab
  if [ "$k" -eq 0 ]; then typed=ледянной; else typed=${answers[k]}; fi
  before=$(said "${words[k]}")
  xdotool key Return
  wait_said "${words[k]}" "$before"
  xdotool type --delay 30 "$typed"
done
# The last box tells where Tab goes from it: the buttons, not another word.
wait_said "Tab — к кнопкам справа." 0
key_hear "Есть ошибки." Tab space
# "Проверить" went and took the focus to the window: Shift+Tab reaches the last shown button,
# "Буду искать"; Space; the focus is on the window again, and Tab goes to the first word. Enter,
# the right word, and back to "Проверить" past "Помогите!".
key_hear "Буду искать" shift+Tab
xdotool key space
key_hear "ледя, пропуск, ой" Tab
xdotool key Return
xdotool type --delay 30 "${answers[0]}"
key_hear "Отлично!" shift+Tab shift+Tab shift+Tab space
# "Дальше" is the last shown button.
key_hear "Дальше" shift+Tab
key_hear "Вариант выполнен. Подсказок, 0." space
end_run writing
check_said_once "Есть ошибки." "Отлично!" "Вариант выполнен. Подсказок, 0."

echo "e2e_orca: Orca said every message once; the logs are in $work"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End to end, in a real X server: start the program, take a screenshot of the board and read
# what the pupil sees on it at start, check that showing a visible window neither raises nor moves
# it, check that the credits menu's mail item starts the desktop's opener with the environment the
# program was given, press "З а к р ы т ь" with real mouse input and check that the program ends
# with code 0.
# Usage: e2e_board.sh <program> <screenshot.png>
set -euo pipefail
program=${1:?program}
shot=${2:?screenshot path}
source "$(dirname "$0")/support/e2e.sh"

e2e_init e2e_board "$shot.d"
e2e_start_x 1024x768x24
# The desktop's opener (xdg-open): a stand-in that keeps the environment it is given.
opener="$shot.d/opener" && mkdir -p "$shot.d/bin" && rm -f "$opener.env"
printf '#!/bin/sh\nenv -0 >"%s.part" && mv "%s.part" "%s.env"\n' "$opener" "$opener" "$opener" \
  >"$shot.d/bin/xdg-open" && chmod +x "$shot.d/bin/xdg-open"
PATH="$shot.d/bin:$PATH" e2e_start_program "$program"

win=$(e2e_wait_window "Н и НН в прилагательных" 439) || e2e_fail "the board did not appear"

# --- The board at start, read from the screenshot. Below the menu bar the client area is
# 439 x 351: the variant panel at 19, 16 (401 x 270, pale yellow, 3 + 3 bevel), the close
# panel along the bottom edge (53 high, dark violet), the window's lilac between them.
eval "$(xdotool getwindowgeometry --shell "$win")"
cx=$X
cy=$((Y + HEIGHT - 351))
px=$((cx + 19))
py=$((cy + 16))
pixel_is() { # x y RRGGBB
  [ "$(e2e_pixel "$shot" "$1" "$2")" = "$3" ]
}
expect_pixel() { # x y RRGGBB what
  pixel_is "$1" "$2" "$3" ||
    e2e_fail "$4: pixel at $1,$2 is $(e2e_pixel "$shot" "$1" "$2"), expected $3"
}
# The board painted: its close panel's violet below "Вариант 4-1".
e2e_wait_screen "$shot" "the board's first frame" pixel_is $((cx + 5)) $((cy + 351 - 53 + 5)) 400080
# Dark ink (letters) somewhere in the w x h area at x, y.
has_ink() {
  local min
  min=$(convert "$shot" -crop "$1x$2+$3+$4" -colorspace gray -depth 8 -format '%[min]' info:)
  [ "${min%.*}" -lt 80 ]
}
# Red pixels (the completion mark's tick, a count label's digits) in the w x h area at x, y.
red_pixels() {
  local n
  n=$(convert "$shot" -crop "$1x$2+$3+$4" \
    -fx 'r > 0.7 && g < 0.4 && b < 0.4 ? 1 : 0' -format '%[fx:mean*w*h]' info:)
  echo "${n%.*}"
}
expect_pixel $((cx + 5)) $((cy + 100)) F0E1FF "the window's lilac left of the variant panel"
expect_pixel $((px + 100)) $((py + 60)) FFFFE1 "the variant panel's pale yellow under Вариант 1"
expect_pixel $((px + 200)) $((py + 262)) FFFFE1 "the variant panel's floor inside its bevel"
expect_pixel $((cx + 5)) $((cy + 351 - 53 + 5)) 400080 "the close panel's violet"
for slot in "54 24 Вариант_1" "240 24 Вариант_1-1"; do
  read -r bx by name <<<"$slot"
  has_ink 60 14 $((px + bx + 25)) $((py + by + 6)) || e2e_fail "$name does not look enabled"
done
for slot in "54 86 Вариант_2" "54 210 Вариант_4" "240 148 Вариант_3-1" "240 210 Вариант_4-1"; do
  read -r bx by name <<<"$slot"
  has_ink 60 14 $((px + bx + 25)) $((py + by + 6)) && e2e_fail "$name looks enabled"
done
# No completion mark, no "Подсказок:" and no count ("5" is the count labels' design text).
for mark in "17 21" "200 21"; do
  read -r mx my <<<"$mark"
  [ "$(red_pixels 35 35 $((px + mx)) $((py + my)))" -eq 0 ] ||
    e2e_fail "a completion mark at $mx, $my at start"
done
has_ink 80 14 $((px + 60)) $((py + 54)) && e2e_fail "Подсказок: is shown at start"
for count in "150 48" "337 48"; do
  read -r lx ly <<<"$count"
  [ "$(red_pixels 30 26 $((px + lx)) $((py + ly)))" -eq 0 ] ||
    e2e_fail "a help count at $lx, $ly at start"
done
# "З а к р ы т ь": fuchsia letters on the close button.
[ "$(convert "$shot" -crop "200x14+$((cx + 19 + 100))+$((cy + 351 - 53 + 14 + 6))" \
  -fx 'r > 0.8 && g < 0.3 && b > 0.8 ? 1 : 0' -format '%[fx:int(mean*w*h)]' info:)" -gt 20 ] ||
  e2e_fail "no fuchsia caption on the close button"

# --- "Вариант 1" shows the sorting window on top; once the board is brought forward again, a
# second "Вариант 1" leaves the visible window where it is, behind the board (no raise, no move).
# Without a window manager X keeps the stacking order exactly as the program asks for it, and
# xwininfo lists the top-level windows from the top down.
top_window() {
  xwininfo -root -children | awk '/^ +0x/ && $0 ~ /nn-trainer/ {print $1; exit}'
}
variant1=("$((px + 54 + 50))" "$((py + 24 + 12))")
xdotool mousemove "${variant1[@]}" click 1
sorting=$(e2e_wait_window "Н и НН в прилагательных" 397) || e2e_fail "Вариант 1 did not show the sorting window"
on_top() {
  [ "$(top_window)" = "$(printf '0x%x' "$1")" ]
}
e2e_wait "the sorting window on top" on_top "$sorting"
before=$(xdotool getwindowgeometry "$sorting")
xdotool windowraise "$win"
e2e_wait "the board brought forward" on_top "$win"
# The second click; once "Вариант 1-1" lights up under the pointer, the program has handled it
# (a sorting window raised over the board hides that button).
xdotool mousemove "${variant1[@]}" click 1
if ! e2e_hover_barrier $((px + 240 + 15)) $((py + 24 + 12)) "$shot.barrier.png"; then
  on_top "$win" || e2e_fail "Вариант 1 raised the sorting window that was already visible"
  e2e_fail "Вариант 1-1 did not light up under the pointer within ${E2E_TIMEOUT} s"
fi
on_top "$win" || e2e_fail "Вариант 1 raised the sorting window that was already visible"
[ "$(xdotool getwindowgeometry "$sorting")" = "$before" ] ||
  e2e_fail "Вариант 1 moved the sorting window that was already visible"

# --- The mail item (the first menu's second item) starts the opener, which must see the
# environment the program was started with: the platform the program chose stays its own.
xdotool mousemove $((cx + 40)) $(((Y + cy) / 2)) click 1 key Down Down Return
e2e_wait "the opener started by the mail item" test -s "$opener.env"
environment() { tr '\0' '\n' <"$1" | grep -v '^PWD=' | sort; }
diff <(environment "/proc/$E2E_PID/environ") <(environment "$opener.env") >&2 ||
  e2e_fail "the opener's environment is not the one the program was given (> the opener's)"

# --- The close button sits in the panel along the bottom edge: 19 pixels in, 14 down, 401 x 25.
xdotool mousemove $((cx + 19 + 200)) $((cy + 351 - 53 + 14 + 12)) mousedown 1 mouseup 1

e2e_wait_exit
echo "e2e_board: program ended with code $E2E_CODE"
[ "$E2E_CODE" -eq 0 ]

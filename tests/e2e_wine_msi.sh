#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The MSI as a school's administrator uses it, under Wine in a prefix of its own made afresh, on
# a real X server: installed silently (msiexec /i … /qn), the program is in Program Files, the
# Start-menu shortcut's .lnk points at it, the uninstall entry names the program, its publisher,
# version and icon; the installed program shows the board; started where no window can open, it
# says so in a message box. The next version installed over it leaves one uninstall entry, of
# the new version; uninstalling (msiexec /x … /qn) removes the files, the shortcut and the entry.
# Usage: e2e_wine_msi.sh <package folder> <next version's package folder> <work folder>
set -euo pipefail
first=$(readlink -f "${1:?package folder}")
second=$(readlink -f "${2:?package folder of the next version}")
work=${3:?work folder}
source "$(dirname "$0")/support/e2e.sh"
source "$(dirname "$0")/support/wine.sh"

e2e_init e2e_wine_msi "$work"
fail() { e2e_fail "$@"; }
msi_of() { compgen -G "$1/nn-trainer-*-windows-x64.msi" | head -n 1; }
version_of() { sed -n 's/.*nn-trainer-\(.*\)-windows-x64\.msi$/\1/p' <<<"$1"; }
old_msi=$(msi_of "$first") new_msi=$(msi_of "$second")
[[ -n $old_msi && -n $new_msi ]] || fail "no MSI in $first or $second"
old_version=$(version_of "$old_msi") new_version=$(version_of "$new_msi")
product="Н и НН в прилагательных"
publisher="Команда проекта «Н и НН в прилагательных»"

e2e_start_x 1280x1024x24
prefix=$(wine_cache)/wineprefix-msi
rm -rf "$prefix"
wine_env "$prefix" x11
E2E_ON_EXIT='kill "${WINE_WATCHDOG:-}" 2>/dev/null; wineserver -k 2>/dev/null || true'
wine_watchdog 360 "$E2E_DIR/steps"

folder=$WINEPREFIX/drive_c/Program\ Files/nn-trainer
# The shortcut goes where Windows Installer's ProgramMenuFolder is: for a per-machine package
# the Start menu of all users on Windows; Wine's msiexec resolves it to the user's own Start menu
# whatever ALLUSERS says, so either place counts, and neither may keep it after the uninstall.
links=("$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/$product.lnk"
  "$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/$product.lnk")
shortcut() {
  local l
  for l in "${links[@]}"; do [[ -f $l ]] && echo "$l" && return 0; done
  return 1
}
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'

msiexec() {
  echo "waiting for: msiexec $*" >>"$E2E_DIR/steps"
  wine msiexec "$@" >"$E2E_DIR/msiexec.log" 2>&1 || { cat "$E2E_DIR/msiexec.log"; fail "msiexec $* failed"; }
  wineserver -w
}
# The uninstall entries that name the program, as "key|DisplayName|Publisher|DisplayVersion".
# Read from `reg export` (UTF-16): `reg query` prints Russian as question marks. Wine's msiexec
# writes no DisplayIcon (Windows Installer does, from ARPPRODUCTICON, which package-windows
# checks in the MSI), so the icon is not asked of the entry here.
entries() {
  rm -f "$E2E_DIR/uninstall.reg"
  wine reg export "$uninstall" 'Z:'"$E2E_DIR/uninstall.reg" /y >/dev/null 2>&1 || return 0
  python3 - "$E2E_DIR/uninstall.reg" "$product" <<'PYTHON'
import re, sys
text = open(sys.argv[1], encoding="utf-16").read()
entries, key = {}, None
for line in text.splitlines():
    if line.startswith("["):
        key = line.strip("[]")
        entries[key] = {}
    elif key and (m := re.match(r'^"([^"]+)"="(.*)"$', line)):
        entries[key][m[1]] = m[2].replace('\\\\', '\\')
for key, values in sorted(entries.items()):
    if values.get("DisplayName") == sys.argv[2]:
        print("|".join([key] + [values.get(n, "") for n in ("DisplayName", "Publisher", "DisplayVersion")]))
PYTHON
}
# Whether the shortcut's .lnk holds the installed program's path (as ANSI or as UTF-16 text).
points_at_program() {
  python3 - "$(shortcut)" <<'PYTHON'
import sys
data = open(sys.argv[1], "rb").read().lower()
target = "c:\\program files\\nn-trainer\\nn-trainer.exe"
sys.exit(0 if target.encode() in data or target.encode("utf-16-le") in data else 1)
PYTHON
}

# --- Installed silently ---------------------------------------------------------------------------
msiexec /i "Z:$old_msi" /qn
for f in nn-trainer.exe README.txt LICENSE.txt THIRD-PARTY-NOTICES.txt variants-sample.txt; do
  [[ -f $folder/$f ]] || fail "$f is not in Program Files\\nn-trainer after the install"
done
shortcut >/dev/null || fail "no Start-menu shortcut «$product»"
points_at_program || fail "the shortcut does not point at Program Files\\nn-trainer\\nn-trainer.exe"
found=$(entries)
echo "e2e_wine_msi: uninstall entry after the install: $found"
[[ $(wc -l <<<"$found") -eq 1 ]] && IFS='|' read -r _ name who shown <<<"$found" &&
  [[ $name == "$product" && $who == "$publisher" && $shown == "$old_version" ]] ||
  fail "the uninstall entry is not the program's: '$found'"

# --- The installed program ---------------------------------------------------------------------------
e2e_start_program wine "C:\\Program Files\\nn-trainer\\nn-trainer.exe"
board=$(e2e_wait_window "^$product\$" 439) || fail "the installed program shows no board"
# Drawn once the variant panel's pale yellow fills most of the client area below the menu bar.
eval "$(xdotool getwindowgeometry --shell "$board")"
panel_drawn() {
  [[ $(e2e_count_colour "$E2E_DIR/installed-board.png" 300 200 $((X + 60)) $((Y + HEIGHT - 351 + 40)) FFFFE1) -gt 40000 ]]
}
e2e_wait_screen "$E2E_DIR/installed-board.png" "the installed program's board drawn" panel_drawn
kill "$E2E_PID"
wait "$E2E_PID" 2>/dev/null || true
E2E_PID=""
wineserver -k 2>/dev/null || true
wineserver -w
# A platform that cannot start: Qt's message box (in English) and then the program's own (in
# Russian) say so, each titled with the program's name; OK on the second ends it with code 2.
e2e_start_program wine "C:\\Program Files\\nn-trainer\\nn-trainer.exe" -platform nowhere
message_box() {
  local id
  for id in $(xdotool search --onlyvisible --name "^$product\$" 2>/dev/null); do
    local WIDTH=0 X Y HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$id")"
    [[ $WIDTH -ne 439 ]] && echo "$id" && return 0
  done
  return 1
}
for n in 1 2; do
  box=$(e2e_poll message_box) || fail "no message box $n when the program cannot start"
  e2e_screenshot "$E2E_DIR/start-failure-$n.png"
  xdotool key --window "$box" Return 2>/dev/null
  gone() { ! xdotool getwindowname "$box" >/dev/null 2>&1; }
  e2e_wait "message box $n to close after Return" gone
done
e2e_wait_exit
[[ $E2E_CODE -eq 2 ]] || fail "after the message box the program ended with $E2E_CODE, not 2"

# --- The next version over it ------------------------------------------------------------------------
msiexec /i "Z:$new_msi" /qn
found=$(entries)
echo "e2e_wine_msi: uninstall entries after the upgrade: $found"
[[ $(wc -l <<<"$found") -eq 1 && $found == *"|$new_version" ]] ||
  fail "after installing $new_version the uninstall entries are '$found'"
[[ -f $folder/nn-trainer.exe ]] && shortcut >/dev/null || fail "the upgrade left no program or no shortcut"

# --- Uninstalled ---------------------------------------------------------------------------------------
msiexec /x "Z:$new_msi" /qn
[[ ! -e $folder ]] || fail "Program Files\\nn-trainer is still there: $(ls -A "$folder")"
! shortcut >/dev/null || fail "the Start-menu shortcut is still there: $(shortcut)"
[[ -z $(entries) ]] || fail "the uninstall entry is still there: $(entries)"
echo "e2e_wine_msi: installed $old_version, upgraded to $new_version and uninstalled cleanly"

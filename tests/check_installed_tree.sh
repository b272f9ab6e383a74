#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks an installed tree (a DESTDIR install or an unpacked .deb) as a desktop sees it: exactly
# the executable, the menu entry, the icon at every size and the metainfo, each where a
# freedesktop desktop looks for it, and the sample of a teacher's own lists (the source tree's
# file) and the copyright file among the documentation; the entry and the metainfo pass the standard validators and name
# one another, the installed program and the icon.
# Usage: check_installed_tree.sh <root>   (the tree holds <root>/usr/...)
set -euo pipefail
root=${1:?root}
id=org.example.NnTrainer
sizes=(16 32 48 64 128 256)
fail() {
    echo "installed tree: $*" >&2
    exit 1
}

desktop=usr/share/applications/$id.desktop
metainfo=usr/share/metainfo/$id.metainfo.xml
sample=usr/share/doc/nn-trainer/variants-sample.txt
expected=(usr/bin/nn-trainer "$desktop" "$metainfo" "$sample" usr/share/doc/nn-trainer/copyright)
for size in "${sizes[@]}"; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
want=$(printf '%s\n' "${expected[@]}" | sort)
have=$(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | sort)
if [ "$want" != "$have" ]; then
    diff <(echo "$want") <(echo "$have") | sed 's/^/  /' >&2 || true
    fail "the files differ from the expected set (< missing, > unexpected)"
fi

[ -x "$root/usr/bin/nn-trainer" ] || fail "usr/bin/nn-trainer is not executable"
cmp -s "$root/$sample" "$(dirname "$0")/../variants-sample.txt" ||
    fail "$sample is not the source tree's variants-sample.txt"
cmp -s -n 4 <(printf '\177ELF') "$root/usr/bin/nn-trainer" || fail "usr/bin/nn-trainer is not a program"

# Each icon is a PNG of the size its folder names (width and height from the IHDR chunk).
for size in "${sizes[@]}"; do
    icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png
    read -r -a header < <(od -An -tu1 -N24 -w24 "$icon")
    [ "${header[1]} ${header[2]} ${header[3]}" = "80 78 71" ] || fail "$icon is not a PNG"
    width=$(((header[16] << 24) | (header[17] << 16) | (header[18] << 8) | header[19]))
    height=$(((header[20] << 24) | (header[21] << 16) | (header[22] << 8) | header[23]))
    [ "$width $height" = "$size $size" ] || fail "$icon is ${width}x$height, not ${size}x$size"
done

desktop-file-validate "$root/$desktop" || fail "desktop-file-validate rejects $desktop"
# The metainfo as installed, with the menu entry it names (validate-tree also finds the entry
# from the metainfo's launchable). The validator judges capitals by ASCII letters only, so every
# Russian sentence would count as "not capitalised"; anything else it reports, down to hints,
# fails the check.
appstreamcli validate-tree --no-net --strict \
    --override=summary-first-word-not-capitalized=pedantic,description-first-word-not-capitalized=pedantic \
    "$root" || fail "appstreamcli rejects $metainfo"

# The keys that tie the pieces together (unlocalised values only).
key() {
    sed -n "s/^$1=//p" "$root/$desktop" | head -n1
}
exec_line=$(key Exec)
program=${exec_line%% *}
[ "$program" = nn-trainer ] || [ "$program" = /usr/bin/nn-trainer ] ||
    fail "Exec= starts '$program', not the installed nn-trainer"
[ "$(key TryExec)" = "$program" ] || fail "TryExec= is not the program that Exec= starts"
[ "$(key Icon)" = "$id" ] || fail "Icon= is '$(key Icon)', not the installed icon $id"
grep -qx 'Categories=Education;.*' "$root/$desktop" || fail "the entry is not in Education"
grep -q "<binary>${program##*/}</binary>" "$root/$metainfo" ||
    fail "the metainfo does not provide the binary ${program##*/}"
echo "installed tree: ${#expected[@]} files in place, entry and metainfo valid"

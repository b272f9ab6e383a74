#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package that package_build.sh made: its control fields; its dependencies (the
# package of every library the program links, and the fonts the windows are laid out for); the
# owners and modes of its files; the teacher's sample lists; that apt would install it on this
# system; and what it unpacks, checked as an installed tree (check_installed_tree.sh).
# Usage: package_check.sh <out-dir> <version>
set -euo pipefail
out=${1:?out dir}
version=${2:?version}
fail() {
    echo "package: $*" >&2
    exit 1
}

debs=("$out"/*.deb)
deb=$(realpath "${debs[0]}")
[ -f "$deb" ] || fail "no .deb in $out"
dpkg-deb --info "$deb"
field() {
    dpkg-deb --field "$deb" "$1"
}

[ "$(field Package)" = nn-trainer ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "wrong Architecture"
[ "$(field Section)" = education ] || fail "Section is '$(field Section)', not education"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@example\.org\>$ ]] ||
    fail "Maintainer '$(field Maintainer)' is not a name with an address under example.org"
[[ "$(field Homepage)" =~ ^https://example\.org/ ]] || fail "Homepage is not under example.org"
# CPack fills in a text about itself where the project gives none.
if field Description | grep -qiE 'cpack|built using cmake'; then
    fail "the Description is CPack's placeholder"
fi

# Dependencies: package names without versions; alternatives count as well.
mapfile -t depends < <(field Depends | sed 's/[,|]/\n/g' | sed 's/(.*)//; s/^ *//; s/ *$//' |
    grep -v '^$')
depends_on() {
    printf '%s\n' "${depends[@]}" | grep -qx "$1"
}
for font in fonts-dejavu-core fonts-liberation2; do
    depends_on "$font" || fail "does not depend on $font"
done

root=$out/root
rm -rf "$root"
dpkg -x "$deb" "$root"
program=$root/usr/bin/nn-trainer
# The package that holds each library the program links directly must be a dependency: a library
# whose package dpkg-shlibdeps could not find would otherwise be left out without a word.
resolved=$(ldd "$program")
needed=$(objdump -p "$program" | awk '$1 == "NEEDED" { print $2 }')
[ -n "$needed" ] || fail "the program links no libraries"
for lib in $needed; do
    path=$(echo "$resolved" | awk -v lib="$lib" '$1 == lib && $2 == "=>" { print $3 }')
    [ -n "$path" ] || fail "$lib is not found on this system"
    owner=""
    # Debian 12 records some libraries under /lib, which is /usr/lib: try both spellings.
    other=/usr$path
    if [[ "$path" == /usr/* ]]; then
        other=${path#/usr}
    fi
    for candidate in "$path" "$other"; do
        owner=$(dpkg -S "$candidate" 2>/dev/null | head -n1 | cut -d: -f1 || true)
        if [ -n "$owner" ]; then
            break
        fi
    done
    [ -n "$owner" ] || fail "no package holds $path"
    depends_on "$owner" || fail "links $lib from $owner, which is not a dependency"
    echo "package: $lib from $owner"
done

# Unpacked as root, owned by root, with the usual modes.
dpkg-deb --contents "$deb" | awk '
    $2 != "root/root" { print "not owned by root: " $0; bad = 1 }
    $1 ~ /^d/ && $1 != "drwxr-xr-x" { print "directory mode: " $0; bad = 1 }
    $1 ~ /^-/ && $6 ~ /^\.\/usr\/bin\// && $1 != "-rwxr-xr-x" { print "program mode: " $0; bad = 1 }
    $1 ~ /^-/ && $6 !~ /^\.\/usr\/bin\// && $1 != "-rw-r--r--" { print "file mode: " $0; bad = 1 }
    END { exit bad }' || fail "wrong owners or modes"

# The teacher's sample lists among the package's documentation, readable by everyone.
dpkg-deb --contents "$deb" |
    grep -E '^-rw-r--r-- root/root .* \./usr/share/doc/nn-trainer/variants-sample\.txt$' >/dev/null ||
    fail "the package has no /usr/share/doc/nn-trainer/variants-sample.txt"

# Its copyright file in Debian's machine-readable format, naming the project's licence, where
# dpkg and the licence checkers look for it.
copyright=$root/usr/share/doc/nn-trainer/copyright
[ "$(head -n1 "$copyright")" = "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ] &&
    awk '/^Files: \*$/ { files = 1 } files && /^License: GPL-3\+$/ { found = 1 } /^$/ { files = 0 } END { exit !found }' \
        "$copyright" || fail "the package's copyright file does not give its files the GPL-3+"
grep -q '<project_license>GPL-3.0-or-later</project_license>' \
    "$root/usr/share/metainfo/org.example.NnTrainer.metainfo.xml" ||
    fail "the metainfo names no project licence"

# The software centre's newest release is the package's version.
release=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' \
    "$root/usr/share/metainfo/org.example.NnTrainer.metainfo.xml" | head -n1)
[ "$release" = "$version" ] ||
    fail "the metainfo's newest release is '$release', the package is $version"

# apt would install it here: every dependency is known and can be satisfied (a simulation only).
apt-get install --simulate --no-install-recommends -q "$deb" >"$out/apt-simulate.log" 2>&1 ||
    { cat "$out/apt-simulate.log"; fail "apt cannot install the package"; }
grep -q '^Inst nn-trainer ' "$out/apt-simulate.log" ||
    { cat "$out/apt-simulate.log"; fail "apt would not install nn-trainer"; }

"$(dirname "$0")/check_installed_tree.sh" "$root"

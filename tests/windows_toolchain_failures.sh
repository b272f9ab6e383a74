#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The cross toolchain's build stops with a message naming the cause, on small fixtures instead of
# Debian's archive: apt-get, dpkg-query and cmake are stand-ins on PATH that answer from the
# fixture, and apt's configuration and the release are fixture files. Each case runs the script
# in a fresh folder and checks its exit, its message and what it left behind:
#   a classic one-line sources.list, a third-party .sources file sorting before Debian's (the
#   deb-src added is Debian's), no Debian entry at all, a source package that cannot be fetched
#   (nothing is configured), a Qt patch that does not apply, too little disk, a second run while
#   one holds the cache, and the stamp: another source or compiler version makes the cache stale
#   and its rebuild start from an empty prefix.
# Usage: windows_toolchain_failures.sh <scripts/windows-toolchain> <work folder>
set -euo pipefail
script=$(readlink -f "${1:?the toolchain script}")
work=${2:?work folder}
rm -rf "$work"
mkdir -p "$work"
work=$(readlink -f "$work")
failures=0

# The stand-ins. apt-get knows a source only once a deb-src entry is in the fixture's apt folder;
# STUB_FETCH_FAIL names a package whose fetch fails, STUB_VERSION the sources' version,
# STUB_COMPILER the cross compiler's.
mkdir -p "$work/bin"
cat >"$work/bin/apt-get" <<'STUB'
#!/usr/bin/env bash
echo "apt-get $*" >>"$STUB_LOG"
case "$*" in
update*) exit 0 ;;
*--print-uris*)
  grep -rqs deb-src "$NN_APT_ETC" || { echo "E: You must put some 'deb-src' URIs in your sources.list" >&2; exit 100; }
  p=${*: -1}
  echo "'http://deb.example/${p}_${STUB_VERSION}.dsc' ${p}_${STUB_VERSION}.dsc 100 SHA256:00"
  ;;
source*)
  p=${*: -1}
  [[ " ${STUB_FETCH_FAIL:-} " != *" $p "* ]] || { echo "E: Failed to fetch $p" >&2; exit 100; }
  mkdir -p "$p-1.0/debian"
  cp -r "$STUB_SOURCES/$p/." "$p-1.0/" 2>/dev/null || true
  ;;
*) exit 0 ;;
esac
STUB
cat >"$work/bin/dpkg-query" <<'STUB'
#!/usr/bin/env bash
if [[ $* == *Status* ]]; then echo "install ok installed"; exit 0; fi
shift 2
for p; do echo "$p ${STUB_COMPILER}"; done
STUB
printf '#!/usr/bin/env bash\nexec "$@"\n' >"$work/bin/sudo" # a developer who is not root
cat >"$work/bin/cmake" <<'STUB'
#!/usr/bin/env bash
echo "cmake $*" >>"$STUB_LOG"
STUB
chmod +x "$work/bin"/*

# The sources the stand-in apt-get unpacks: enough of each for the steps before the build.
sources=$work/sources
mkdir -p "$sources/libjpeg-turbo" "$sources/googletest" "$sources/qt6-base/src/gui" \
  "$sources/mingw-w64/COPYING.MinGW-w64-runtime" "$sources/mingw-w64/mingw-w64-libraries/winpthreads"
echo runtime >"$sources/mingw-w64/COPYING.MinGW-w64-runtime/COPYING.MinGW-w64-runtime.txt"
echo winpthreads >"$sources/mingw-w64/mingw-w64-libraries/winpthreads/COPYING"
for f in CMakeLists.txt LICENSE.md README.ijg; do echo "$f" >"$sources/libjpeg-turbo/$f"; done
echo "project(googletest)" >"$sources/googletest/CMakeLists.txt"
echo "project(qtbase)" >"$sources/qt6-base/CMakeLists.txt"
echo "a Qt GUI whose lines the patch does not know" >"$sources/qt6-base/src/gui/CMakeLists.txt"

DEBIAN_SOURCES='Types: deb
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg'
THIRD_PARTY_SOURCES='Types: deb
URIs: https://apt.example.com/repo
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/example.gpg'

# A fresh case: its folder, an apt folder with the given files (name, contents pairs).
new_case() {
  case_name=$1
  shift
  dir=$work/$case_name
  mkdir -p "$dir/apt/sources.list.d"
  while (($#)); do
    printf '%s\n' "$2" >"$dir/apt/$1"
    shift 2
  done
  echo "VERSION_CODENAME=bookworm" >"$dir/os-release"
  : >"$dir/stub.log"
}

# Runs the script of the case; its output in $out, its exit code in $code.
run() {
  code=0
  out=$(cd "$dir" && env PATH="$work/bin:$PATH" NN_WINDOWS_CACHE="$dir/cache" \
    NN_APT_ETC="$dir/apt" NN_OS_RELEASE="$dir/os-release" STUB_LOG="$dir/stub.log" \
    STUB_SOURCES="$sources" STUB_VERSION="${STUB_VERSION:-1.0-1}" \
    STUB_COMPILER="${STUB_COMPILER:-12.2.0-14}" timeout 60 "$script" "$@" 2>&1) || code=$?
}

fail() {
  echo "FAILED: $case_name: $*"
  echo "--- its output:"
  echo "$out"
  failures=$((failures + 1))
}

expect_stop() {
  local message=$1
  [[ $code -ne 0 ]] || { fail "the script succeeded"; return 1; }
  grep -qF -- "$message" <<<"$out" || { fail "no message saying: $message"; return 1; }
}

# --- deb-src -----------------------------------------------------------------------------------
new_case one-line-sources-list sources.list \
  "deb http://deb.debian.org/debian bookworm main
deb http://security.debian.org/debian-security bookworm-security main"
STUB_FETCH_FAIL=libjpeg-turbo run
added() { cat "$dir/apt/sources.list.d/nn-trainer-deb-src.sources" 2>&1; }
if expect_stop "could not fetch the source package libjpeg-turbo"; then
  grep -qx 'Types: deb-src' <(added) && grep -qx 'URIs: http://deb.debian.org/debian' <(added) &&
    grep -qx 'Suites: bookworm-security' <(added) ||
    fail "no deb-src entry beside the one-line Debian entries: $(added)"
fi

new_case third-party-sorts-first sources.list.d/a-example.sources "$THIRD_PARTY_SOURCES" \
  sources.list.d/debian.sources "$DEBIAN_SOURCES"
STUB_FETCH_FAIL=libjpeg-turbo run
if expect_stop "could not fetch the source package libjpeg-turbo"; then
  grep -qx 'URIs: http://deb.debian.org/debian' <(added) && grep -qx 'Suites: bookworm bookworm-updates' <(added) &&
    ! grep -q example <(added) || fail "the deb-src added is not Debian's: $(added)"
fi

new_case no-debian-entry sources.list "deb https://apt.example.com/repo stable main"
run
expect_stop "no deb-src can be added" || true

# --- fetching, patching, room, lock --------------------------------------------------------------
new_case fetch-fails sources.list.d/debian.sources "$DEBIAN_SOURCES
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main"
STUB_FETCH_FAIL=googletest run
if expect_stop "could not fetch the source package googletest"; then
  configured=$(grep '^cmake -S' "$dir/stub.log" | grep -v " -S $dir/cache/src/libjpeg-turbo/" || true)
  [[ -z $configured ]] || fail "it went on to configure: $configured"
fi

new_case patch-does-not-apply sources.list "deb-src http://deb.debian.org/debian bookworm main"
run
expect_stop "qt6-base-directwrite.patch does not apply" || true

new_case no-room sources.list "deb-src http://deb.debian.org/debian bookworm main"
NN_TOOLCHAIN_NEED_KB=999999999999 run
if expect_stop "not enough room"; then
  ! grep -q '^apt-get source -qq' "$dir/stub.log" || fail "it fetched sources all the same"
fi

new_case cache-held sources.list "deb-src http://deb.debian.org/debian bookworm main"
mkdir -p "$dir/cache"
exec 8>"$dir/cache/.lock" # this shell holds the lock, as a running build would
flock -n 8
run
exec 8>&-
if expect_stop "another run is building"; then
  ! grep -q '^apt-get source -qq' "$dir/stub.log" || fail "it fetched sources all the same"
fi

# --- the stamp -----------------------------------------------------------------------------------
new_case stamp sources.list "deb-src http://deb.debian.org/debian bookworm main"
prefix=$dir/cache/prefix
mkdir -p "$prefix"
run --stamp
stamp=$out
[[ $code -eq 0 && $stamp == *"qt6-base 1.0-1"* && $stamp == *"g++-mingw-w64-x86-64-posix 12.2.0-14"* ]] ||
  fail "the stamp names no source or compiler version"
printf '%s\n' "$stamp" >"$prefix/.complete"
run --check
[[ $code -eq 0 && $out == "$prefix" ]] || fail "a cache of the current stamp is not taken"
STUB_VERSION=1.0-2 run --check
[[ $code -ne 0 ]] || fail "a cache built from other source versions is taken"
STUB_COMPILER=13.1.0-1 run --check
[[ $code -ne 0 ]] || fail "a cache built with another compiler is taken"
# An interrupted build of the same stamp keeps what it built; one of another stamp starts anew.
rm "$prefix/.complete"
printf '%s\n' "$stamp" >"$dir/cache/.building"
touch "$prefix/built-before.a"
STUB_FETCH_FAIL=libjpeg-turbo run
[[ -f $prefix/built-before.a ]] || fail "an interrupted build of the same stamp lost what it had built"
STUB_VERSION=1.0-2 STUB_FETCH_FAIL=libjpeg-turbo run
expect_stop "could not fetch the source package libjpeg-turbo" &&
  { [[ ! -e $prefix/built-before.a ]] || fail "a build of new source versions kept the old prefix"; }

if ((failures)); then
  echo "windows_toolchain_failures: $failures case(s) failed"
  exit 1
fi
echo "windows_toolchain_failures: every case stopped as it should"

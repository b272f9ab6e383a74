#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows packages, built by scripts/package-windows as a school's IT gets them:
#   - twice from the same sources, in two build folders, in two time zones and under two umasks,
#     minutes apart: the .exe, the zip and the MSI must be the same bytes;
#   - once more with the version raised and signed with a throwaway certificate authority's
#     code-signing certificate: osslsigncode verifies the .exe and the MSI against that authority.
# Leaves <work>/a (the first build's packages) and <work>/next (the raised version's) for
# e2e_wine_msi.
# Usage: windows_packages.sh <source folder> <work folder>
set -euo pipefail
source_dir=$(readlink -f "${1:?source folder}")
work=${2:?work folder}
rm -rf "$work"
mkdir -p "$work"
work=$(readlink -f "$work")
fail() {
  echo "windows_packages: $*" >&2
  exit 1
}
version=$("$source_dir/scripts/version")
name=nn-trainer-$version-windows-x64
# The packages are built with the toolchain the suite was built with, never a rebuilt one.
"$source_dir/scripts/windows-toolchain" --check >/dev/null ||
  fail "the cross toolchain is missing or out of date: run scripts/windows-toolchain"

# --- The same bytes twice ----------------------------------------------------------------------
(umask 077 && cd "$source_dir" && TZ=Pacific/Kiritimati scripts/package-windows --dist "$work/a" "$work/build-a")
(umask 002 && cd "$source_dir" && TZ=America/Adak scripts/package-windows --dist "$work/b" "$work/build-b")
for f in "build-@/package/$name/nn-trainer.exe" "@/$name.zip" "@/$name.msi"; do
  a=$work/${f//@/a} b=$work/${f//@/b}
  sha256sum "$a" "$b"
  cmp "$a" "$b" || fail "two builds of the same sources differ: ${f//@/?}"
done
# Nothing of the build folder reaches the program.
! grep -aq -e "$work" -e "$source_dir" "$work/build-a/package/$name/nn-trainer.exe" ||
  fail "nn-trainer.exe holds the path of the sources or of its build folder"

# --- The next version, signed ---------------------------------------------------------------------
next=$(awk -F. '{ print $1 "." $2 "." $3 + 1 }' <<<"$version")
ca=$work/ca
mkdir -p "$ca"
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Throwaway school CA" \
  -keyout "$ca/ca.key" -out "$ca/ca.pem" 2>/dev/null
openssl req -newkey rsa:2048 -nodes -subj "/CN=Throwaway trainer publisher" \
  -keyout "$ca/signer.key" -out "$ca/signer.csr" 2>/dev/null
printf 'extendedKeyUsage = codeSigning\nkeyUsage = digitalSignature\n' >"$ca/ext"
openssl x509 -req -in "$ca/signer.csr" -CA "$ca/ca.pem" -CAkey "$ca/ca.key" -CAcreateserial \
  -days 2 -extfile "$ca/ext" -out "$ca/signer.pem" 2>/dev/null
(cd "$source_dir" && NN_SIGN_CERT="$ca/signer.pem" NN_SIGN_KEY="$ca/signer.key" \
  scripts/package-windows --version "$next" --dist "$work/next" "$work/build-b")
signed=$work/next/nn-trainer-$next-windows-x64
unzip -q -o "$signed.zip" -d "$work/next/unzipped"
for f in "$work/next/unzipped/nn-trainer-$next-windows-x64/nn-trainer.exe" "$signed.msi"; do
  osslsigncode verify -CAfile "$ca/ca.pem" -in "$f" >"$work/verify.log" 2>&1 ||
    { cat "$work/verify.log"; fail "$f is not signed by the throwaway authority"; }
  grep -q 'Throwaway trainer publisher' "$work/verify.log" || fail "$f names another signer"
done
# Unsigned builds carry no signature at all.
! osslsigncode verify -CAfile "$ca/ca.pem" -in "$work/a/$name.msi" >/dev/null 2>&1 ||
  fail "the unsigned MSI verifies as signed"
echo "windows_packages: two builds the same bytes; version $next signed and verified"

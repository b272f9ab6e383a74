#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package with CPack from a configured and built tree, into its own folder.
# Usage: package_build.sh <build-dir> <out-dir>
set -euo pipefail
build=${1:?build dir}
out=${2:?out dir}

rm -rf "$out"
mkdir -p "$out"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log"; exit 1; }
debs=("$out"/*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    echo "expected one .deb in $out"
    exit 1
fi
echo "built ${debs[0]##*/}"

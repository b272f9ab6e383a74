#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# `cmake --install` into a scratch root, as a package build does with prefix /usr, and the tree
# checked as a desktop sees it (check_installed_tree.sh).
# Usage: install_tree.sh <build-dir> <scratch-dir>
set -euo pipefail
build=${1:?build dir}
scratch=${2:?scratch dir}

rm -rf "$scratch"
mkdir -p "$scratch"
DESTDIR="$scratch/root" cmake --install "$build" --prefix /usr >"$scratch/install.log" ||
    { cat "$scratch/install.log"; exit 1; }
"$(dirname "$0")/check_installed_tree.sh" "$scratch/root"

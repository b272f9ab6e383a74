#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes a screenshot of the button gallery in a real X server (Xvfb).
# Usage: tools/button-gallery/screenshot.sh <build-dir> <out.png>
set -euo pipefail
build=${1:?build dir}
out=${2:?output png}
source "$(dirname "$(readlink -f "$0")")/../../tests/support/e2e.sh"
e2e_init button-gallery "$(mktemp -d)"
e2e_start_x 1024x768x24
e2e_start_program "$build/tools/button-gallery"
e2e_wait_window "^TsButton gallery\$" >/dev/null || e2e_fail "the gallery did not appear"
e2e_wait_settled "$out"

#!/usr/bin/env bash
# Takes a screenshot of the button gallery in a real X server (Xvfb).
# Usage: tools/button-gallery/screenshot.sh <build-dir> <out.png>
set -euo pipefail
build=${1:?build dir}
out=${2:?output png}
xvfb-run -a -s "-screen 0 1024x768x24" bash -c "
  '$build/tools/button-gallery' & pid=\$!
  sleep 2
  import -window root '$out'
  kill \$pid
"

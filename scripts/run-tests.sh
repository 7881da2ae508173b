#!/bin/sh
# Runs the suite of a test tree under a virtual display; further arguments go to ctest (for
# instance -R to choose tests).
#   run-tests.sh TREE [CTEST-ARGUMENTS...]
set -e
tree=$(realpath "$1")
shift
scripts/wine-prefix.sh "$tree/wineprefix"
# A wineserver started without this display would keep windows off the X screen.
WINEPREFIX="$tree/wineprefix" wineserver -k 2>/dev/null || true
cd "$tree"
# A hung Wine process fails its test after 15 minutes instead of holding the whole run.
exec xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure --timeout 900 -j"${JOBS:-2}" "$@"

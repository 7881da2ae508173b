#!/bin/sh
# Runs the suite of a test tree under a virtual display; further arguments go to ctest (for
# instance -R to choose tests).
#   run-tests.sh TREE [CTEST-ARGUMENTS...]
# With ZR7_TESTS_KEEP set, the caller keeps a display (DISPLAY) and the tree's Wine server for
# many runs (the seeded-fault runner): the server and its desktop are started only when none runs.
set -e
[ $# -ge 1 ] && [ -f "$1/CTestTestfile.cmake" ] || {
    echo "usage: run-tests.sh TREE [CTEST-ARGUMENTS...] (TREE: a built test tree, such as build/test)" >&2
    exit 2
}
tree=$(realpath "$1")
shift
"$(dirname "$0")/wine-prefix.sh" "$tree/wineprefix"
export WINEPREFIX="$tree/wineprefix"
cd "$tree"
# The test programs run one after another in this prefix (they share its desktop): a server kept
# for the whole run spares each the start of a new one. Its services and desktop are started
# first, so that no test's output stays open in them. A hung Wine process fails its test after
# 15 minutes instead of holding the whole run. Most tests wait on Wine and on the program's
# pauses: the tests that keep a processor busy take two slots each (tests/CMakeLists.txt), and by
# default there are three slots a core, which puts three of them beside the shipped program's runs
# in real time.
start='wineserver -p & ./wine-run standins/MinimalWindow.exe 0 </dev/null >/dev/null 2>&1'
suite='ctest --output-on-failure --timeout 900 -j"${JOBS:-$(($(nproc) * 3))}" "$@"'
if [ -n "${ZR7_TESTS_KEEP:-}" ]; then
    runs=""
    for pid in $(pgrep wineserver); do
        grep -qzx "WINEPREFIX=$WINEPREFIX" "/proc/$pid/environ" 2>/dev/null && runs=1
    done
    [ -n "$runs" ] || sh -c "$start"
    exec sh -c "$suite" sh "$@"
fi
# A wineserver started without this display would keep windows off the X screen.
wineserver -k 2>/dev/null || true
exec xvfb-run -a -s "-screen 0 1280x1024x24" sh -c "$start
    $suite && status=0 || status=\$?
    wineserver -k
    exit \$status" sh "$@"

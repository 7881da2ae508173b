#!/bin/bash
# Builds on `make build`: times the shipped program's system road (EWF installation with the
# commit) on a simulated instrument under Wine, beside a minimal window program that sleeps the
# same pauses. The pauses come from the test build's transcript of the same run. CPU time and
# peak memory are those of the program's own process as GNU time sees it (children and the
# wineserver not included).
set -euo pipefail
build=$(realpath "$1")
bench="$build/bench"
if [ -z "${ZR7_BENCH_DISPLAY:-}" ]; then
    mkdir -p "$bench"
    exec env ZR7_BENCH_DISPLAY=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
export WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
scripts/wine-prefix.sh "$bench/wineprefix"
inst="$bench/instrument"

lay() { # program
    [ -d "$inst/prefix" ] && WINEPREFIX="$inst/prefix" wineserver -k 2>/dev/null || true
    standins/instrument/make-instrument.sh --base "$bench/wineprefix" --out "$inst" \
        --program "$1" --app "$build/standins/ZR7KM.exe" --option 1004 3.1
}

# Runs a program under GNU time from C:\ZR7KM; prints "wall user+system maxrss(KiB)".
timed() {
    local figures="$bench/time.txt"
    (cd "$inst/prefix/drive_c/ZR7KM" && WINEPREFIX="$inst/prefix" \
        /usr/bin/time -o "$figures" -f "%e %U %S %M" wine "$@")
    WINEPREFIX="$inst/prefix" wineserver -w
    awk '{ printf "%s %.2f %s\n", $1, $2 + $3, $4 }' "$figures"
}

transcript="$bench/transcript.txt"
rm -f "$transcript"
lay "$build/test/bin/ZR7KMUpgrade.exe"
(cd "$inst/prefix/drive_c/ZR7KM" && WINEPREFIX="$inst/prefix" ZR7_TRANSCRIPT="Z:$transcript" \
    wine 'E:\ZR7KMUpgrade.exe' MASTER)
WINEPREFIX="$inst/prefix" wineserver -w
pauses=$(awk '$1 == "pause" { sum += $2 } END { print sum + 0 }' "$transcript")

lay "$build/bin/ZR7KMUpgrade.exe"
echo "Timing the system road (EWF installation with the commit, ${pauses} ms of pauses)..."
read -r wall cpu rss < <(timed 'E:\ZR7KMUpgrade.exe' MASTER)
[ -f "$inst/prefix/drive_c/ZR7KM/ZR7KM.started" ] || echo "warning: the application was not restarted"
echo "Timing the minimal window program with the same pauses..."
read -r minWall minCpu minRss < <(timed "$build/standins/MinimalWindow.exe" "$pauses")

awk -v w="$wall" -v c="$cpu" -v r="$rss" -v mw="$minWall" -v mc="$minCpu" -v mr="$minRss" \
    -v p="$pauses" 'BEGIN {
    printf "%-22s %18s %18s\n", "", "upgrade program", "minimal window"
    printf "%-22s %18.2f %18.2f\n", "wall time (s)", w, mw
    printf "%-22s %18.2f %18.2f\n", "pauses asked (s)", p / 1000, p / 1000
    printf "%-22s %18.3f %18.3f\n", "wall / pauses", w * 1000 / p, mw * 1000 / p
    printf "%-22s %18.2f %18.2f\n", "CPU time (s)", c, mc
    printf "%-22s %18.1f %18.1f\n", "peak memory (MiB)", r / 1024, mr / 1024
}'
scripts/bench-slave.sh "$build"

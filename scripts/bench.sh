#!/bin/bash
# Builds on `make build`: times the shipped program on a simulated instrument under Wine, in the
# virtual desktop of the instrument's screen (800x600), beside a minimal window program that sleeps
# the same pauses, for the system road (EWF installation with the commit) and the slave road (no
# board: the emulation). The pauses come from the test build's transcript of the same road; for
# the slave road the download's own sleeps, which the transcript does not list, are added. CPU
# time and peak memory are those of the program's own process as GNU time sees it (children and
# the wineserver not included). Then the slave block transfer against its floor (bench-slave.sh),
# and ZR7Disk make beside gcab (bench-make.sh).
#   bench.sh BUILD
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
source "$top/scripts/lib.sh"
on_instrument_screen bench/wineprefix "$0" "$@"
bench="$build/bench"
inst="$bench/instrument"
source "$top/standins/instrument/instrument.sh"

lay() { # program
    lay_instrument "$inst" "$bench/wineprefix" "$1" --option 1004 3.1
    # A raw image: accepted without a header, so the slave road runs to the report.
    head -c 131072 /dev/urandom >"$inst/disk/SLAVE.BIN"
}

# Runs a program under GNU time from C:\ZR7KM; prints "wall user+system maxrss(KiB)".
timed() {
    local figures="$bench/time.txt"
    (cd "$inst/prefix/drive_c/ZR7KM" && WINEPREFIX="$inst/prefix" \
        /usr/bin/time -o "$figures" -f "%e %U %S %M" wine "$@")
    end_run "$inst/prefix"
    awk '{ printf "%s %.2f %s\n", $1, $2 + $3, $4 }' "$figures"
}

# The sleeps the road asks for, in milliseconds, from the test build's run of it.
asked_ms() { # word
    local transcript="$bench/transcript.txt"
    rm -f "$transcript"
    lay "$build/test/bin/ZR7KMUpgrade.exe"
    run_on_instrument "$inst/prefix" "$transcript" 'E:\ZR7KMUpgrade.exe' "$1"
    end_run "$inst/prefix"
    # The emulated download adds the settling times of its handshake and two 1 ms sleeps a block.
    echo $(($(transcript_sleeps "$transcript" pause handshake) +
        2 * $(grep -c '^slave-progress Block ' "$transcript")))
}

road() { # title, word
    local asked=$(asked_ms "$2")
    lay "$build/bin/ZR7KMUpgrade.exe"
    echo
    echo "Timing the $1, $(awk -v ms="$asked" 'BEGIN { printf "%.1f", ms / 1000 }') s of sleeps asked..."
    read -r wall cpu rss < <(timed 'E:\ZR7KMUpgrade.exe' "$2")
    [ -f "$inst/prefix/drive_c/ZR7KM/ZR7KM.started" ] || echo "warning: the application was not restarted"
    echo "Timing the minimal window program with the same sleeps..."
    read -r minWall minCpu minRss < <(timed "$build/standins/MinimalWindow.exe" "$asked")
    awk -v w="$wall" -v c="$cpu" -v r="$rss" -v mw="$minWall" -v mc="$minCpu" -v mr="$minRss" \
        -v p="$asked" 'BEGIN {
        printf "%-22s %18s %18s\n", "", "upgrade program", "minimal window"
        printf "%-22s %18.2f %18.2f\n", "wall time (s)", w, mw
        printf "%-22s %18.2f %18.2f\n", "sleeps asked (s)", p / 1000, p / 1000
        printf "%-22s %18.3f %18.3f\n", "wall / sleeps", w * 1000 / p, mw * 1000 / p
        printf "%-22s %18.2f %18.2f\n", "CPU time (s)", c, mc
        printf "%-22s %18.1f %18.1f\n", "peak memory (MiB)", r / 1024, mr / 1024
    }'
}

echo "Every program runs in Wine's virtual desktop of 800x600, the instrument's screen."
road "system road (EWF installation with the commit)" MASTER
road "slave road without the board (the emulation, to the report)" SLAVE
"$top/scripts/bench-slave.sh" "$build"
"$top/scripts/bench-make.sh" "$build"

#!/bin/bash
# The slave road of `make demo` (called by demo.sh under its display, or on its own): the shipped
# program sends a headered SLAVE.BIN to the simulated slave board, then runs without the driver
# library against its emulation, each road photographed at every status line and every window
# that opens (build/demo/slave-<road>-sheet.png). The test build runs each road first on a twin
# instrument: its transcript gives the fixed pauses, the log and the report, and it saves the
# progress and report windows from their own device contexts for the sheets, since what the
# program draws during the download, when it handles no messages, never reaches the screen.
#   demo-slave.sh BUILD
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
source "$top/scripts/lib.sh"
on_instrument_screen demo/wineprefix "$0" "$@"
demo="$build/demo"
photographer="$build/tools/Photographer.exe"
source "$top/scripts/photographed-run.sh"

inst="$demo/slave-instrument"
twin="$demo/slave-twin"
lay_instrument "$inst" "$demo/wineprefix" "$build/bin/ZR7KMUpgrade.exe"
lay_instrument "$twin" "$demo/wineprefix" "$build/test/bin/ZR7KMUpgrade.exe"
rm -rf "$demo/frames"/slave-* "$demo/drawings" "$demo"/slave-*-sheet.png
mkdir -p "$demo/frames" "$demo/transcripts" "$demo/drawings"
export WINEPREFIX="$inst/prefix"
c="$inst/prefix/drive_c"

# SLAVE.BIN: the magic E3 E3, the CRC-32 of the image (computed by gzip, not by the program),
# then the 131,072-byte image.
image="$inst/image.bin"
head -c 131072 /dev/urandom >"$image"
headered_image "$image" >"$inst/disk/SLAVE.BIN"
crc=$(od -An -tx4 -j4 -N4 "$inst/disk/SLAVE.BIN" | tr -d ' ')
cp "$inst/disk/SLAVE.BIN" "$twin/disk/"

progress="SLAVE Flash Downloader - Progress"
report="SLAVE Flash Downloader - Errors & Warnings"
note="The text in the progress window (and in the report window) is the window's own drawing, saved"
note+=" by the test build in the same road: under Wine, what the program draws during the download,"
note+=" when it handles no messages, does not reach the screen. On the instrument it shows at once."

# Prints a text of the twin's transcript (the last of its kind) line for line as the window
# shows it, empty lines included.
show() { # road, kind
    awk -v kind="$2" '$1 == kind { sub(/^[^ ]+ /, ""); text = $0 } END {
        n = split(text, lines, /\\n/)
        if (n > 0 && lines[n] == "") n--
        if (n == 0) print "  (none)"
        for (i = 1; i <= n; i++) print (lines[i] == "" ? "  |" : "  | " lines[i]) }' \
        "$demo/transcripts/$1.txt"
}

run() { # road
    local road=slave-$1 drawings="$demo/drawings/slave-$1"
    local transcript="$demo/transcripts/$road.txt"
    mkdir -p "$drawings"
    rm -f "$transcript"
    ZR7_SHOTS="Z:$drawings" run_on_instrument "$twin/prefix" "$transcript" 'E:\ZR7KMUpgrade.exe' SLAVE
    end_run "$twin/prefix"
    echo
    echo "== E:\\ZR7KMUpgrade.exe SLAVE ($1)"
    photographed_run "$demo/frames/$road" SLAVE
    local pauses=$(transcript_sleeps "$transcript" pause)
    local opened=$(awk -F'\t' '$1 == "frame" { i = 0 } $1 == "window" && i++ > 0 && !seen[$10]++ { n++ }
        END { print n + 0 }' "$demo/frames/$road/frames.txt")
    echo "ended with exit code $rc after $(seconds "$elapsedMs") s, against $(seconds "$pauses") s" \
        "of fixed pauses (the rest is the download); $(grep -c '^status ' "$transcript")" \
        "status lines and $opened window(s) opening, $frameCount frames"
    "$top/scripts/contact-sheet.sh" "$demo/frames/$road" "$demo/$road-sheet.png" \
        --paste "$progress" "$drawings/progress-start.bmp" "$drawings/progress.bmp" \
        --paste "$report" "$drawings/report.bmp" "$drawings/report.bmp" --note "$note"
    echo "log lines in the progress window:"
    show "$road" slave-log
    grep -q '^slave-report ' "$transcript" || { echo "no report window (no error, no warning)"; return 0; }
    echo "report window ($(awk '$1 == "slave-report-height" { print $2 }' "$transcript") pixels high):"
    show "$road" slave-report
}

echo "Simulated instrument in $inst; SLAVE.BIN of $(stat -c %s "$inst/disk/SLAVE.BIN") bytes on E:."
echo "CRC-32 in the header, checked by the program over bytes 64 to 131,135: 0x$crc"

for folder in "$c/ZR7KM" "$twin/prefix/drive_c/ZR7KM"; do
    cp "$build/slaveboard/ZRSlaveDriver.dll" "$folder/"
    echo "syncup 0xCC33" >"$folder/ZRSlaveDriver.ini"
done
run board
echo "the board saw:"
tr -d '\r' <"$c/ZR7KM/board-events.txt" | sed 's/^/  /'
tr -d '\r' <"$c/ZR7KM/board-ports.txt" | sed 's/^/  /'
if cmp -s "$image" "$c/ZR7KM/board-received.bin"; then
    echo "the board's received image EQUALS the file's image ($(stat -c %s "$c/ZR7KM/board-received.bin") bytes)"
else
    echo "the board's received image DIFFERS from the file's image"
fi

for folder in "$c/ZR7KM" "$twin/prefix/drive_c/ZR7KM"; do
    rm -f "$folder/ZRSlaveDriver.dll" "$folder/ZRSlaveDriver.ini" "$folder"/board-*
done
run emulation
echo "download result (errors mask): $(awk '$1 == "slave-result" { print $2 }' "$demo/transcripts/slave-emulation.txt")"

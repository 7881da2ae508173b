#!/bin/bash
# The slave road of `make demo` (called by demo.sh under its display, or on its own): the shipped
# program sends a headered SLAVE.BIN to the simulated slave board, then runs without the driver
# library against its emulation. The screen is photographed whenever it changes
# (build/demo/slave-shots/*.png); the CRC in the header and the board's received image are shown.
set -euo pipefail
build=$(realpath "$1")
demo="$build/demo"
if [ -z "${DISPLAY:-}" ]; then
    mkdir -p "$demo"
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
export WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
scripts/wine-prefix.sh "$demo/wineprefix"
inst="$demo/slave-instrument"
[ -d "$inst/prefix" ] && WINEPREFIX="$inst/prefix" wineserver -k 2>/dev/null || true
standins/instrument/make-instrument.sh --base "$demo/wineprefix" --out "$inst" \
    --program "$build/bin/ZR7KMUpgrade.exe" --app "$build/standins/ZR7KM.exe"
export WINEPREFIX="$inst/prefix"
c="$inst/prefix/drive_c"
shots="$demo/slave-shots"
rm -rf "$shots"
mkdir -p "$shots"

# SLAVE.BIN: the magic E3 E3, the CRC-32 of the image (computed by gzip, not by the program),
# then the 131,072-byte image.
image="$inst/image.bin"
head -c 131072 /dev/urandom >"$image"
crc=$(gzip -c "$image" | tail -c 8 | head -c 4 | od -An -tx4 | tr -d ' ')
{
    printf '\xe3\xe3\x00\x00'
    gzip -c "$image" | tail -c 8 | head -c 4
    head -c 56 /dev/zero
    cat "$image"
} >"$inst/disk/SLAVE.BIN"

source scripts/photographed-run.sh
run() { # name
    echo
    echo "== E:\\ZR7KMUpgrade.exe SLAVE ($1)"
    photographed_run "$1" 520x360+0+0 SLAVE
}

echo "Simulated instrument in $inst; SLAVE.BIN of $(stat -c %s "$inst/disk/SLAVE.BIN") bytes on E:."
echo "CRC-32 in the header, checked by the program over bytes 64 to 131,135: 0x$crc"

cp "$build/slaveboard/ZRSlaveDriver.dll" "$c/ZR7KM/"
echo "syncup 0xCC33" >"$c/ZR7KM/ZRSlaveDriver.ini"
run board
echo "the board saw:"
tr -d '\r' <"$c/ZR7KM/board-events.txt" | sed 's/^/  /'
tr -d '\r' <"$c/ZR7KM/board-ports.txt" | sed 's/^/  /'
if cmp -s "$image" "$c/ZR7KM/board-received.bin"; then
    echo "the board's received image EQUALS the file's image ($(stat -c %s "$c/ZR7KM/board-received.bin") bytes)"
else
    echo "the board's received image DIFFERS from the file's image"
fi

rm -f "$c/ZR7KM/ZRSlaveDriver.dll" "$c/ZR7KM/ZRSlaveDriver.ini" "$c/ZR7KM"/board-*
run emulation
echo "Under Wine the report's text, drawn while the program pumps no messages, does not reach the"
echo "X screen, so its screenshots show the grey window only. The test build (pauses shortened)"
echo "repeats the emulation run and saves both windows from their own device contexts:"
mkdir -p "$inst/disk/testbuild"
cp "$build/test/bin/ZR7KMUpgrade.exe" "$inst/disk/SLAVE.BIN" "$inst/disk/testbuild/"
transcript="$inst/transcript.txt"
rm -f "$transcript"
(cd "$c/ZR7KM" && ZR7_TRANSCRIPT="Z:$transcript" ZR7_SHOTS="Z:$shots" \
    wine 'E:\testbuild\ZR7KMUpgrade.exe' SLAVE)
wineserver -w
for name in progress report; do
    [ -f "$shots/$name.bmp" ] && convert "$shots/$name.bmp" "$shots/emulation-$name-window.png" &&
        rm "$shots/$name.bmp" && echo "  $shots/emulation-$name-window.png"
done
show() { # kind, title
    echo "$2:"
    awk -v kind="$1" '$1 == kind { sub(/^[^ ]+ /, ""); text = $0 } END { print text }' "$transcript" |
        sed 's/\\n/\n/g' | sed '/^$/d; s/^/  | /'
}
show slave-log "log lines"
show slave-report "report window ($(awk '$1 == "slave-report-height" { print $2 }' "$transcript") pixels high)"
echo "download result (errors mask): $(awk '$1 == "slave-result" { print $2 }' "$transcript")"

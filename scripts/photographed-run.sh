# Sourced by the demo scripts and the contact sheet's test. photographed_run FOLDER [WORD...]
# runs the shipped program from the upgrade disk E: of the instrument whose drive C: is $c
# (WINEPREFIX set) under the photographer $photographer (tools/Photographer.exe), which saves the
# desktop at every status line and every window that opens into FOLDER (frames.txt and
# frame-NN.bmp; scripts/contact-sheet.sh makes the sheet). Sets rc (the program's exit code),
# elapsedMs (from its start to its end) and frameCount; the instrument is then switched off, once
# the application has restarted.
source "$(dirname "${BASH_SOURCE[0]}")/../standins/instrument/instrument.sh"

photographed_run() {
    local folder=$1
    shift
    rm -rf "$folder"
    mkdir -p "$folder"
    (cd "$c/ZR7KM" && wine "$photographer" "Z:$folder" 'E:\ZR7KMUpgrade.exe' "$@") || true
    end_run "$WINEPREFIX"
    rc=$(awk -F'\t' '$1 == "end" { print $2 }' "$folder/frames.txt" 2>/dev/null)
    elapsedMs=$(awk -F'\t' '$1 == "end" { print $3 }' "$folder/frames.txt" 2>/dev/null)
    frameCount=$(grep -c '^frame' "$folder/frames.txt" 2>/dev/null || true)
    [ -n "$rc" ] || { echo "the photographer did not see the program end"; rc=1 elapsedMs=0; }
}

# Seconds with one decimal, from milliseconds.
seconds() { awk -v ms="$1" 'BEGIN { printf "%.1f", ms / 1000 }'; }

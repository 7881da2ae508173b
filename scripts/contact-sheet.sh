#!/bin/bash
# Makes the contact sheet of a photographed run (scripts/photographed-run.sh): every frame of
# FOLDER in order, the whole desktop at full size, labelled with its time since the start.
#   contact-sheet.sh FOLDER SHEET.png [--paste CAPTION FIRST.bmp LATER.bmp]... [--note TEXT]
# --paste puts a window's own drawing (as the test build saves it) over its client area: FIRST
# in the frame where the window with that caption opens, LATER in the frames after it. --note is
# printed under the sheet. The finished frames are left in FOLDER as frame-NN.png.
set -euo pipefail
usage() {
    echo "usage: contact-sheet.sh FOLDER SHEET.png [--paste CAPTION FIRST.bmp LATER.bmp]... [--note TEXT]" >&2
    exit 2
}
[ $# -ge 2 ] && [ -f "$1/frames.txt" ] || usage
folder=$1 sheet=$2
shift 2
declare -A first later
note=""
while [ $# -gt 0 ]; do
    case "$1" in
    --paste) [ $# -ge 4 ] || usage; first[$2]=$3; later[$2]=$4; shift 3 ;;
    --note) [ $# -ge 2 ] || usage; note=$2; shift ;;
    *) usage ;;
    esac
    shift
done

declare -A opened
labels=()
args=()
finish_frame() {
    [ ${#args[@]} -gt 0 ] || return 0
    convert "${args[@]}" "$folder/frame-$n.png"
    rm "$folder/frame-$n.bmp"
    args=()
}
while IFS=$'\t' read -r kind a b c d cx cy cw ch caption; do
    case "$kind" in
    frame)
        finish_frame
        n=$a
        labels+=(-label "$((10#$n))   $(awk -v ms="$b" 'BEGIN { printf "%.1f s", ms / 1000 }')" \
            "$folder/frame-$n.png")
        args=("$folder/frame-$n.bmp")
        ;;
    window)
        drawing=""
        if [ -n "${first[$caption]:-}" ]; then
            drawing=${later[$caption]}
            [ -n "${opened[$caption]:-}" ] || drawing=${first[$caption]}
            opened[$caption]=1
        fi
        [ -n "$drawing" ] && [ -f "$drawing" ] && args+=("$drawing" -geometry "+$cx+$cy" -composite)
        ;;
    esac
done <"$folder/frames.txt"
finish_frame
[ ${#labels[@]} -gt 0 ] || { echo "contact-sheet.sh: no frames in $folder" >&2; exit 1; }

size=$(identify -format %wx%h "$folder/frame-01.png")
montage "${labels[@]}" -tile 4x -geometry "$size+6+6" -pointsize 18 -background '#e4e4e4' \
    -depth 8 -strip "$sheet"
if [ -n "$note" ]; then
    width=$(identify -format %w "$sheet")
    convert "$sheet" \( -size "$((width - 24))x" -background '#e4e4e4' -pointsize 18 caption:"$note" \
        -bordercolor '#e4e4e4' -border 12x8 \) -append -depth 8 -strip "$sheet"
fi

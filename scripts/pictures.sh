#!/bin/bash
# Makes the README's pictures in docs/ from the frames of the last `make demo` (build/demo/frames);
# run `make demo` and then `make pictures` whenever the look of the windows changes.
#   docs/system-road.png   every status line of the system road with the commit (the top of the
#                          screen, where the status window stands), with its time since the start
#   docs/slave-road.png    the slave road without the board: the progress window as it opens, and
#                          the report window (both with the test build's drawing of their text)
#   docs/screen.png        the instrument's whole screen at the report, at half size
#   pictures.sh BUILD
set -euo pipefail
[ $# = 1 ] && [ -d "${1:-}" ] ||
    { echo "usage: pictures.sh BUILD (the folder of make build, such as build)" >&2; exit 2; }
frames=$(realpath "$1")/demo/frames
for road in system-commit slave-emulation; do
    [ -f "$frames/$road/frames.txt" ] && [ -f "$frames/$road/frame-01.png" ] ||
        { echo "pictures.sh: no frames of $road in $frames: run make demo first" >&2; exit 1; }
done
cd "$(dirname "$0")/.."
mkdir -p docs
small=(-background '#e4e4e4' -pointsize 13 -strip -depth 8 +dither -colors 32 -define png:exclude-chunks=date,time)

# The part of the screen that the road's windows cover, with a margin: WIDTHxHEIGHT+0+0.
covered() { # frames.txt
    awk -F'\t' '$1 == "window" { if ($2 + $4 > r) r = $2 + $4; if ($3 + $5 > b) b = $3 + $5 }
        END { printf "%dx%d+0+0\n", r + 10, b + 10 }' "$1"
}
label() { # frames.txt, frame number
    awk -F'\t' -v n="$2" '$1 == "frame" && $2 == n { printf "%d   %.1f s\n", n, $3 / 1000 }' "$1"
}

road=$frames/system-commit
area=$(covered "$road/frames.txt")
tiles=()
for n in $(awk -F'\t' '$1 == "frame" { print $2 }' "$road/frames.txt"); do
    tiles+=(-label "$(label "$road/frames.txt" "$n")" "$road/frame-$n.png[$area]")
done
montage "${tiles[@]}" -tile 2x -geometry +4+4 "${small[@]}" docs/system-road.png

road=$frames/slave-emulation
area=$(covered "$road/frames.txt")
# The frames where the progress window and the report window open.
read -r opening report < <(awk -F'\t' '$1 == "frame" { n = $2 }
    $1 == "window" && $10 ~ /Progress$/ && !p { p = n } $1 == "window" && $10 ~ /Warnings$/ && !r { r = n }
    END { print p, r }' "$road/frames.txt")
montage -label "$(label "$road/frames.txt" "$opening")" "$road/frame-$opening.png[$area]" \
    -label "$(label "$road/frames.txt" "$report")" "$road/frame-$report.png[$area]" \
    -tile 2x -geometry +4+4 "${small[@]}" docs/slave-road.png
convert "$road/frame-$report.png" -resize 50% "${small[@]}" docs/screen.png
ls -l docs/*.png | awk '{ printf "  %s (%d KB)\n", $NF, ($5 + 1023) / 1024 }'

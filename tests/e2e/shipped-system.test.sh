#!/bin/bash
# The suite's one real-time run of the shipped system road, photographed as make demo does it: a
# frame per status line, each with its caption in the title bar; the run takes no less than its
# fixed pauses and leaves the instrument upgraded and restarted. Other tests' desktops would cover
# this one on the suite's X screen: it takes a screen of its own, the instrument's of 800x600.
source "$ZR7_SOURCE/scripts/lib.sh"
on_display 800x600 bash "$0" "$@"
source "$ZR7_SOURCE/tests/e2e/lib.sh"
source "$ZR7_SOURCE/tests/e2e/pieces.sh"
source "$ZR7_SOURCE/scripts/photographed-run.sh"
# The road as the test build runs it (the row ewf-nocommit of the end-to-end cases, without the
# language file): its pauses, and the caption in force at each status line.
words=(-nocommit)
road=$(opening; ok; desist; extraction EWF; closing)
asked=$(transcript_sleeps - pause <<<"$road")
expected=$(awk '$1 == "caption" { sub(/^caption /, ""); caption = $0 } $1 == "status" { print caption }' \
    <<<"$road")

lay --option 1004 3.1 || exit 1
cp "$ZR7_SHIPPED/ZR7KMUpgrade.exe" "$d/"
frames="$work/frames"
photographer="$ZR7_BUILD/tools/Photographer.exe" c="$c" WINEPREFIX="$inst/prefix" \
    photographed_run "$frames" -nocommit
echo "shipped run: ${elapsedMs} ms for ${asked} ms of pauses, $frameCount frames"
check '[ "$elapsedMs" -ge "$asked" ]' "the run took ${elapsedMs} ms, less than the ${asked} ms of pauses"
check '[ "$(build_folder)" = "XPe Build B With Tenacor 3.10" ] && [ -f "$p/Tenacor/ZR7KMSYS.dll" ]' \
    "not upgraded"
check '[ -f "$c/ZR7KM/DesistTenacor.txt" ] && [ -f "$c/ZR7KM/COMMIT.BAT" ]' "marker missing or batch moved"
check 'grep -q "^command line: ZR7KM.exe" "$c/ZR7KM/ZR7KM.started" && [ "$rc" = 0 ]' \
    "application not restarted or exit code $rc"

# Each frame with the status window's caption and its title bar (frame and client rectangles).
bars=$(awk -F'\t' -v OFS='\t' '$1 == "frame" { frame = $2; next }
    $1 == "window" && frame != "" { print frame, $3, $6, $7, $8, $10; frame = "" }' "$frames/frames.txt")
# A machine too busy for the photographer to look often enough may cost frames: that is said as
# such, not as frames the program did not show.
behind=$(awk -F'\t' '$1 == "behind" { print $2 }' "$frames/frames.txt")
if [ -n "$behind" ] && [ "$(cut -f6 <<<"$bars")" != "$expected" ]; then
    check false "the photographer fell behind: $behind ms between two of its looks at the screen"
    finish
fi
check '[ "$(cut -f6 <<<"$bars")" = "$expected" ]' \
    "frames and their captions are not the status lines and theirs: $(cut -f1,6 <<<"$bars")"
# The caption's text in the title bar, between the icon and the buttons, is about 5 pixels a
# character wide; a bar without its text is of one colour.
while IFS=$'\t' read -r frame y cx cy cw caption; do
    bar="$((cw - 80))x$((cy - y - 6))+$((cx + 20))+$((y + 4))"
    width=$(convert "$frames/frame-$frame.bmp" -crop "$bar" +repage -fuzz 20% -trim -format %w info: \
        2>/dev/null)
    check '[ "$width" -ge $((3 * ${#caption})) ]' "frame $frame: the title bar holds $width pixels of text"
done <<<"$bars"
want "$(wc -l <<<"$expected")" "$frameCount" "frames, one a status line"
finish

#!/bin/bash
# Shows a status window in the fixed look of the upgrade and saves what the X screen shows of
# it as $ZR7_BUILD/screenshots/status-look.png, for a person to look at.
set -eu
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
shots="$ZR7_BUILD/screenshots"
mkdir -p "$shots"
rm -f "$shots/status-look.png"

ZR7_LOOK_READY="Z:$work/ready" ZR7_LOOK_DONE="Z:$work/done" \
    "$ZR7_WINE_RUN" "$ZR7_BUILD/bin/twin_tests.exe" \
    --gtest_filter=StatusLook.ShowsTheFixedLookOfTheUpgrade >"$work/log" 2>&1 &
program=$!
for _ in $(seq 600); do
    [ -s "$work/ready" ] && break
    sleep 0.1
done
if [ ! -s "$work/ready" ]; then
    cat "$work/log"
    echo "the status window never came up"
    exit 1
fi
read -r width height left top <"$work/ready"
# Let the window's messages reach the X server before the capture.
sleep 0.5
xwd -root -silent | convert xwd:- -crop "${width}x${height}+${left}+${top}" +repage \
    "$shots/status-look.png"
touch "$work/done"
wait "$program" || { cat "$work/log"; exit 1; }

# White paper with some black text on it: the capture is what the window drew.
mean=$(convert "$shots/status-look.png" -colorspace Gray -format "%[fx:mean]" info:)
darkest=$(convert "$shots/status-look.png" -colorspace Gray -format "%[fx:minima]" info:)
corner=$(convert "$shots/status-look.png" -format "%[fx:p{2,2}.r]" info:)
echo "status-look.png: ${width}x${height} at $left,$top, mean $mean, darkest $darkest"
awk -v m="$mean" -v d="$darkest" -v c="$corner" \
    'BEGIN { exit !(m > 0.85 && m < 0.995 && d < 0.2 && c == 1) }'

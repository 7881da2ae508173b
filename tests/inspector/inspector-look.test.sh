#!/bin/bash
# Opens an inspector beside a status window and saves what the X screen shows of both as
# $ZR7_BUILD/screenshots/inspector-look.png, for a person to look at.
set -eu
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
shots="$ZR7_BUILD/screenshots"
mkdir -p "$shots"
shot="$shots/inspector-look.png"
rm -f "$shot"

ZR7_INSPECTOR_READY="Z:$work/ready" ZR7_INSPECTOR_DONE="Z:$work/done" \
    "$ZR7_WINE_RUN" "$ZR7_BUILD/bin/inspector_tests.exe" \
    --gtest_filter=InspectorLook.OpenBesideAStatusWindow >"$work/log" 2>&1 &
program=$!
for _ in $(seq 600); do
    [ -s "$work/ready" ] && break
    sleep 0.1
done
if [ ! -s "$work/ready" ]; then
    cat "$work/log"
    echo "the windows never came up"
    exit 1
fi
read -r sl st sr sb il it ir ib < <(tr -d "\r" <"$work/ready")
left=$((sl < il ? sl : il))
top=$((st < it ? st : it))
right=$((sr > ir ? sr : ir))
bottom=$((sb > ib ? sb : ib))
# Let the windows' messages reach the X server before the capture.
sleep 0.5
xwd -root -silent | convert xwd:- -crop "$((right - left))x$((bottom - top))+$left+$top" +repage \
    "$shot"
touch "$work/done"
wait "$program" || { cat "$work/log"; exit 1; }

# In the capture: the inspector's column line is black, its value column white, and the status
# window shows dark text on white.
pixel() { convert "$shot" -format "%[fx:round(255*p{$1,$2}.r)]" info:; }
line=$(pixel $((il - left + 100)) $((it - top + (ib - it) / 2)))
value=$(pixel $((ir - left - 2)) $((ib - top - 2)))
status=$(convert "$shot" -crop "$((sr - sl))x$((sb - st))+$((sl - left))+$((st - top))" +repage \
    -colorspace Gray -format "%[fx:minima]" info:)
echo "inspector-look.png: $((right - left))x$((bottom - top)), line $line, value $value, status darkest $status"
awk -v l="$line" -v v="$value" -v s="$status" 'BEGIN { exit !(l == 0 && v == 255 && s < 0.2) }'

#!/bin/bash
# Opens an inspector beside a status window and saves what the X screen shows of both as
# $ZR7_BUILD/screenshots/inspector-look.png, for a person to look at.
source "$ZR7_SOURCE/tests/screenshot-lib.sh"
shot="$ZR7_BUILD/screenshots/inspector-look.png"
capture_test "$ZR7_BUILD/bin/inspector_tests.exe" InspectorLook.OpenBesideAStatusWindow "$shot"
read -r sl st sr sb < <(sed -n 1p <<<"$rects")
read -r il it ir ib < <(sed -n 2p <<<"$rects")

# In the capture: the inspector's column line is black, its value column white, and the status
# window shows dark text on white.
pixel() { convert "$shot" -format "%[fx:round(255*p{$1,$2}.r)]" info:; }
line=$(pixel $((il - left + 100)) $((it - top + (ib - it) / 2)))
value=$(pixel $((ir - left - 2)) $((ib - top - 2)))
status=$(convert "$shot" -crop "$((sr - sl))x$((sb - st))+$((sl - left))+$((st - top))" +repage \
    -colorspace Gray -format "%[fx:minima]" info:)
echo "inspector-look.png: $((right - left))x$((bottom - top)), line $line, value $value, status darkest $status"
awk -v l="$line" -v v="$value" -v s="$status" 'BEGIN { exit !(l == 0 && v == 255 && s < 0.2) }'

#!/bin/bash
# Shows a status window in the fixed look of the upgrade and saves what the X screen shows of
# it as $ZR7_BUILD/screenshots/status-look.png, for a person to look at.
source "$ZR7_SOURCE/tests/screenshot-lib.sh"
shot="$ZR7_BUILD/screenshots/status-look.png"
capture_test "$ZR7_BUILD/bin/twin_tests.exe" StatusLook.ShowsTheFixedLookOfTheUpgrade "$shot"

# White paper with some black text on it: the capture is what the window drew.
mean=$(convert "$shot" -colorspace Gray -format "%[fx:mean]" info:)
darkest=$(convert "$shot" -colorspace Gray -format "%[fx:minima]" info:)
corner=$(convert "$shot" -format "%[fx:p{2,2}.r]" info:)
echo "status-look.png: $((right - left))x$((bottom - top)) at $left,$top, mean $mean, darkest $darkest"
awk -v m="$mean" -v d="$darkest" -v c="$corner" \
    'BEGIN { exit !(m > 0.85 && m < 0.995 && d < 0.2 && c == 1) }'

# Sourced by the screenshot scripts. capture_test PROGRAM FILTER SHOT runs one test of a test
# program that calls HoldForScreenshot (tests/twin/Screenshot.h), captures the X screen around
# the windows it reports into the PNG file SHOT, and lets the test end. Afterwards rects holds
# one "left top right bottom" line per window, in screen coordinates; left and top are the
# capture's origin.
set -eu
shotWork=$(mktemp -d)
trap 'rm -rf "$shotWork"' EXIT

capture_test() {
    local program=$1 filter=$2 shot=$3
    mkdir -p "$(dirname "$shot")"
    rm -f "$shot"
    ZR7_SHOT_READY="Z:$shotWork/ready" ZR7_SHOT_DONE="Z:$shotWork/done" \
        "$ZR7_WINE_RUN" "$program" --gtest_filter="$filter" >"$shotWork/log" 2>&1 &
    local pid=$!
    for _ in $(seq 600); do
        [ -s "$shotWork/ready" ] && break
        sleep 0.1
    done
    if [ ! -s "$shotWork/ready" ]; then
        cat "$shotWork/log"
        echo "the windows never came up"
        exit 1
    fi
    rects=$(tr -d '\r' <"$shotWork/ready")
    read -r left top right bottom < <(awk 'NR == 1 || $1 < l { l = $1 } NR == 1 || $2 < t { t = $2 }
        NR == 1 || $3 > r { r = $3 } NR == 1 || $4 > b { b = $4 } END { print l, t, r, b }' <<<"$rects")
    # Let the windows' messages reach the X server before the capture.
    sleep 0.5
    xwd -root -silent | convert xwd:- -crop "$((right - left))x$((bottom - top))+$left+$top" +repage \
        "$shot"
    touch "$shotWork/done"
    wait "$pid" || { cat "$shotWork/log"; exit 1; }
}

#!/bin/bash
# The shipped program in real time: the instrument ends upgraded with its application restarted,
# and the run takes no less than the pauses it asks for (counted by the test build on the same
# kind of instrument).
source "$ZR7_SOURCE/tests/e2e/lib.sh"
lay --option 1004 3.1
run_upgrade -nocommit
asked=$(awk '$1 == "pause" { sum += $2 } END { print sum + 0 }' "$transcript")
check '[ "$asked" -ge 20000 ]' "the test build asked for only $asked ms"

lay --option 1004 3.1
run_shipped -nocommit
echo "shipped run: ${elapsedMs} ms for ${asked} ms of pauses"
check '[ "$elapsedMs" -ge "$asked" ]' "the run took ${elapsedMs} ms, less than the ${asked} ms of pauses"
check '[ "$(build_folder)" = "XPe Build B With Tenacor 3.10" ] && [ -f "$p/Tenacor/ZR7KMSYS.dll" ]' \
    "not upgraded"
check '[ -f "$c/ZR7KM/DesistTenacor.txt" ] && [ -f "$c/ZR7KM/COMMIT.BAT" ]' "marker missing or batch moved"
check 'grep -q "^command line: ZR7KM.exe" "$c/ZR7KM/ZR7KM.started" && [ "$exitCode" = 0 ]' \
    "application not restarted or exit code $exitCode"
finish

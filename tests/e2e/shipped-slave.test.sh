#!/bin/bash
# The shipped program in real time on the slave road, the driver keeping the common RAM in its
# data section: a headered image reaches the board byte for byte, with the reset pulse, the
# settling second before the start command and two 1 ms sleeps per block at their full length.
# The shipped program records nothing; the board's own records show that no emulation ran (it
# would have sent nothing to the board).
source "$ZR7_SOURCE/tests/e2e/lib.sh"
lay || exit 1
image headered
board memory data
run_shipped SLAVE
at() { awk -v what="$1" '{ line = $0; sub(/^[0-9]+ us /, "", line) } line == what { print $1 }' \
    <(tr -d '\r' <"$c/ZR7KM/board-events.txt"); }

check '[ "$exitCode" = 0 ]' "exit code $exitCode"
check 'cmp -s "$image" "$c/ZR7KM/board-received.bin"' "the board's image differs from the file's"
check '[ "$(board_value handshake)" = 255 ]' "the download was not closed with 255"
ports=$(tr -d '\r' <"$c/ZR7KM/board-ports.txt")
check '[ "$(cut -d" " -f2- <<<"$ports")" = "$(printf "us port 0x305 value 4\nus port 0x305 value 0")" ]' \
    "port writes were $ports"
pulse=$(($(sed -n 2p <<<"$ports" | cut -d" " -f1) - $(sed -n 1p <<<"$ports" | cut -d" " -f1)))
check '[ "$pulse" -ge 1000000 ]' "port 0x305 got 0 $pulse us after 4"
# Each span is at least what the program sleeps; how much longer it takes depends on the machine,
# so no span has an upper bound. The board notices each write within its poll of about a
# millisecond, hence the margins.
settle=$(($(at "start command 4f 12 accepted") - $(at "download mode")))
check '[ "$settle" -ge 990000 ]' "start command only $settle us after download mode"
transfer=$(($(at "block 512 taken") - $(at "block 1 taken")))
check '[ "$transfer" -ge $((511 * 2000 - 5000)) ]' "511 blocks in $transfer us, under two 1 ms sleeps each"
# Status lines of 4 + 10 + 2 + 2 s before the road and 2 + 2 s after it, the road at least 3 s.
check '[ "$elapsedMs" -ge 25000 ]' "the run took only $elapsedMs ms"
echo "blocks 1 to 512 in $((transfer / 1000)) ms: $((511 * 1000000 / (transfer > 0 ? transfer : 1))) blocks/s;" \
    "driver loaded to download closed $(($(at "download closed with 255") / 1000)) ms; whole run $elapsedMs ms"
finish

#!/bin/bash
# The shipped program in real time on the slave road: a headered image reaches the board byte for
# byte, with the reset pulse, the settling second before the start command and two 1 ms sleeps
# per block at their full length.
source "$ZR7_SOURCE/tests/slave/slave-lib.sh"
lay_slave
make_headered "$inst/disk/SLAVE.BIN"
put_board slaveboard
rm -f "$board"/board-*
run_shipped SLAVE
at() { awk -v what="$1" '{ line = $0; sub(/^[0-9]+ us /, "", line) } line == what { print $1 }' \
    <(tr -d '\r' <"$board/board-events.txt"); }

check '[ "$exitCode" = 0 ]' "exit code $exitCode"
check 'cmp -s "$image" "$board/board-received.bin"' "the board's image differs from the file's"
check '[ "$(board_value handshake)" = 255 ]' "the download was not closed with 255"
ports=$(tr -d '\r' <"$board/board-ports.txt" | cut -d" " -f1)
check '[ $(($(sed -n 2p <<<"$ports") - $(sed -n 1p <<<"$ports"))) -ge 1000000 ]' "reset pulse shorter than 1 s"
# The board notices each write within its poll of about a millisecond, hence the margins.
settle=$(($(at "start command 4f 12 accepted") - $(at "download mode")))
check '[ "$settle" -ge 990000 ]' "start command only $settle us after download mode"
transfer=$(($(at "block 512 taken") - $(at "block 1 taken")))
check '[ "$transfer" -ge $((511 * 2000 - 5000)) ]' "511 blocks in $transfer us, under two 1 ms sleeps each"
# Status lines of 4 + 10 + 2 + 2 s before the road and 2 + 2 s after it, the road at least 3 s.
check '[ "$elapsedMs" -ge 25000 ]' "the run took only $elapsedMs ms"
finish

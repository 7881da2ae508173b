#!/bin/bash
# A board that aborts, refuses every start command or never finishes: each failure is logged,
# reported and leaves the handshake as the board last saw it. One that aborts after the last
# block leaves the handshake set, and the final wait, which does not look at the abort flag,
# ends as for a board that never clears.
source "$ZR7_SOURCE/tests/slave/slave-lib.sh"
lay_slave
make_raw "$inst/disk/SLAVE.BIN"
ended() { # failure text, report line, result
    printf '%s\n' "slave-progress Flash Update..." "slave-progress Putting hardware into download mode..." \
        "slave-progress Downloading..."
    if [ "$3" = 0x40 ]; then
        echo "slave-progress "
        for n in $(seq 1 31); do echo "slave-progress WAITING $n"; done
    fi
    echo "slave-log 1. $1\n"
    echo "slave-report-height 146"
    echo "slave-report Errors And Warnings:\n---------------------\n$2\n---------------------\nNo warnings were found.\n\nWait 15 seconds to return.\n"
    echo "slave-result $3"
}
abort="Slave Abort detected.|Error 6: Slave aborted the operation.|0x20"
reset="Could not reset the Slave Hardware. Exiting...|Error 7: Slave reset after download failed.|0x40"
blocks() { cmp -s <(head -c $(($1 * 256)) "$image") "$board/board-received.bin"; }

# settings, comma-separated | blocks the board took | failure text | report line | result | what
# else must hold
while IFS='|' read -r settings taken text report result extra; do
    put_board slaveboard "$(tr , '\n' <<<"$settings")"
    slave_run
    ended "$text" "$report" "$result" | expect_slave --waiting
    check '[ "$(board_value blocks)" = "$taken" ]' "$settings: the board took $(board_value blocks) blocks"
    [ "$taken" = 0 ] || check 'blocks "$taken" && [ "$(board_value handshake)" = 1 ]' \
        "$settings: blocks 1 to $taken differ or the handshake was changed"
    check "$extra" "$settings: not $extra"
done <<CASES
memory data,abortAtBlock 10|9|$abort|[ "\$(records slave-progress | tail -1)" = "Block 10" ]
refuseStart 5|0|$abort|[ "\$(grep -c "4f 12 refused" "\$board/board-events.txt")" = 5 ]
memory virtual,neverClear 1|512|$reset|[ "\$(grep -c "^pause 1000 " "\$transcript")" = 0 ]
abortAfterLast 300|512|$reset|[ "\$(ram_byte 6)" = 01 ]
CASES
finish

#!/bin/bash
# Images reach the simulated board byte for byte through the whole program, wherever its driver
# keeps the common RAM and whatever the board's pace, with a start command it first refuses, a
# late clear after the last block, and from a library without OutPort.
source "$ZR7_SOURCE/tests/slave/slave-lib.sh"
lay_slave
make_raw "$inst/disk/SLAVE.BIN"

# variant | settings, comma-separated | what else must hold
while IFS='|' read -r variant settings extra; do
    put_board $variant "$(tr , '\n' <<<"$settings")"
    slave_run
    printf '%s\n' "slave-progress Flash Update..." "slave-progress Putting hardware into download mode..." \
        "slave-progress Downloading..." "slave-progress " "slave-result 0x00" | expect_slave
    check 'cmp -s "$image" "$board/board-received.bin"' "$settings: the board's image differs"
    check '[ "$(records slave-progress | grep -c "^Block ")" = 512 ]' "$settings: not 512 blocks shown"
    check '[ "$(board_value handshake)" = 255 ]' "$settings: the download was not closed with 255"
    [ -z "$extra" ] || check "$extra" "$variant $settings: not $extra"
done <<'CASES'
slaveboard|memory data|[ "$(grep -c "port 0x305" "$board/board-ports.txt")" = 2 ]
slaveboard|memory virtual,blockDelay 2,refuseStart 2|[ "$(grep -c "4f 12 refused" "$board/board-events.txt")" = 2 ]
slaveboard|memory section,blockDelay 1,blockDelaySpread 5|
slaveboard|memory data,clearAfterLast 2000|[ "$(records slave-progress | grep -c ^WAITING)" -ge 19 ]
slaveboard-nooutport||[ ! -e "$board/board-ports.txt" ]
CASES
finish

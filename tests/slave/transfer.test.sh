#!/bin/bash
# Images reach the simulated board byte for byte through the whole program, whatever the board's
# pace, with a start command it first refuses, and from a library without OutPort.
source "$ZR7_SOURCE/tests/slave/slave-lib.sh"
lay_slave
disk="$inst/disk"
received() { cmp -s "$image" "$board/board-received.bin"; }

make_raw "$disk/SLAVE.BIN"
put_board slaveboard "syncup 0xCC33"
slave_run
check 'received' "raw image: the board's image differs from SLAVE.BIN"
expect_slave <<'RECORDS'
slave-progress Flash Update...
slave-progress Putting hardware into download mode...
slave-progress Downloading...
slave-progress 
slave-result 0x00
RECORDS
check '[ "$(records slave-progress | grep -c "^Block ")" = 512 ]' "not 512 blocks shown"
check '[ "$(board_value handshake)" = 255 ]' "the download was not closed with 255"
check '! grep -q "^status The upgrade failed" "$transcript"' "a good download reported failure"
ports=$(grep -c "port 0x305" "$board/board-ports.txt")
check '[ "$ports" = 2 ]' "the reset port was written $ports times, not twice"

make_headered "$disk/SLAVE.BIN"
put_board slaveboard "blockDelay 2" "refuseStart 2"
slave_run
check 'received' "headered image from a slow board: the board's image differs from the file's"
check '[ "$(records slave-result)" = 0x00 ]' "headered image: result $(records slave-result)"
check '[ "$(grep -c refused "$board/board-events.txt")" = 2 ]' "the start command was not refused twice"
check 'grep -q "start command 4f 12 accepted" "$board/board-events.txt"' "the third start command was not taken"

make_raw "$disk/SLAVE.BIN"
put_board slaveboard-nooutport
slave_run
check 'received' "library without OutPort: the board's image differs"
check '[ ! -e "$board/board-ports.txt" ]' "a library without OutPort recorded port writes"
check '[ "$(records slave-result)" = 0x00 ]' "library without OutPort: result $(records slave-result)"
finish

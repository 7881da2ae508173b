#!/bin/bash
# Without common RAM the download runs against the emulation: a library that hands out no memory
# still gets its reset pulse; no library at all writes no port.
source "$ZR7_SOURCE/tests/slave/slave-lib.sh"
lay_slave
make_raw "$inst/disk/SLAVE.BIN"
emulated() {
    printf '%s\n' "slave-progress Flash Update..." "slave-progress Putting hardware into download mode..." \
        "slave-progress Emulating hardware in download mode..." \
        "slave-log 1. No Slave Hardware: Emulating Download...\n" "slave-progress Downloading..." \
        "slave-progress "
    for n in 1 2 3 4 5 6; do echo "slave-progress WAITING $n"; done
    echo "slave-report-height 146"
    echo "slave-report Errors And Warnings:\n---------------------\nError 1: Slave hardware not found.\n---------------------\nNo warnings were found.\n\nWait 15 seconds to return.\n"
    echo "slave-result 0x01"
}

put_board slaveboard "nullPointer 1"
slave_run
emulated | expect_slave --waiting
ports=$(tr -d '\r' <"$board/board-ports.txt")
check '[ "$(cut -d" " -f2- <<<"$ports")" = "$(printf "us port 0x305 value 4\nus port 0x305 value 0")" ]' \
    "null pointer: port writes were $ports"
gap=$(($(sed -n 2p <<<"$ports" | cut -d" " -f1) - $(sed -n 1p <<<"$ports" | cut -d" " -f1)))
check '[ "$gap" -ge 1000000 ]' "null pointer: port 0x305 got 0 only $gap us after 4"
check '[ "$(records slave-progress | grep -c "^Block ")" = 512 ]' "null pointer: not 512 blocks sent"

put_board none
slave_run
emulated | expect_slave --waiting
check '[ -z "$(ls "$board" | grep "^board-")" ]' "no library: a board record appeared"
check '! grep -q "^status The upgrade failed" "$transcript"' "no library: the road reported failure"
finish

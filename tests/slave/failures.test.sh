#!/bin/bash
# A board that aborts, refuses every start command or never finishes: each failure is logged,
# reported and leaves the handshake as the board last saw it.
source "$ZR7_SOURCE/tests/slave/slave-lib.sh"
lay_slave
make_raw "$inst/disk/SLAVE.BIN"
report() { # error text
    echo "slave-report-height 146"
    echo "slave-report Errors And Warnings:\n---------------------\n$1\n---------------------\nNo warnings were found.\n\nWait 15 seconds to return.\n"
}

put_board slaveboard "abortAtBlock 10"
slave_run
{
    printf '%s\n' "slave-progress Flash Update..." "slave-progress Putting hardware into download mode..." \
        "slave-progress Downloading..." "slave-log 1. Slave Abort detected.\n"
    report "Error 6: Slave aborted the operation."
    echo "slave-result 0x20"
} | expect_slave
check '[ "$(records slave-progress | tail -1)" = "Block 10" ]' "abort: not stopped while block 10 waits"
check '[ "$(board_value blocks)" = 9 ]' "abort: the board took $(board_value blocks) blocks, not 9"
check 'cmp -s <(head -c $((9 * 256)) "$image") "$board/board-received.bin"' "abort: blocks 1 to 9 differ"
check '[ "$(board_value handshake)" = 1 ]' "abort: the handshake was changed"

put_board slaveboard "refuseStart 5"
slave_run
{
    printf '%s\n' "slave-progress Flash Update..." "slave-progress Putting hardware into download mode..." \
        "slave-progress Downloading..." "slave-log 1. Slave Abort detected.\n"
    report "Error 6: Slave aborted the operation."
    echo "slave-result 0x20"
} | expect_slave
check '[ "$(grep -c "start command 4f 12 refused" "$board/board-events.txt")" = 5 ]' "not five start commands"
check '[ "$(board_value blocks)" = 0 ]' "refused start: the board took blocks"

put_board slaveboard "neverClear 1"
slave_run
{
    printf '%s\n' "slave-progress Flash Update..." "slave-progress Putting hardware into download mode..." \
        "slave-progress Downloading..." "slave-progress "
    for n in $(seq 1 31); do echo "slave-progress WAITING $n"; done
    echo "slave-log 1. Could not reset the Slave Hardware. Exiting...\n"
    report "Error 7: Slave reset after download failed."
    echo "slave-result 0x40"
} | expect_slave --waiting
check '[ "$(board_value handshake)" = 1 ]' "never cleared: the handshake was set to $(board_value handshake)"
check 'cmp -s "$image" "$board/board-received.bin"' "never cleared: the board's image differs"
check '[ "$(grep -c "^pause 1000 " "$transcript")" = 0 ]' "handshake waits went through the status pause"
finish

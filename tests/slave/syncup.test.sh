#!/bin/bash
# Each syncup value the board posts ends as the download's decision table says.
source "$ZR7_SOURCE/tests/slave/slave-lib.sh"
lay_slave
make_raw "$inst/disk/SLAVE.BIN"

# A previous attempt failed: straight into the transfer, without download mode or start command.
put_board slaveboard "syncup 0x9966" "memory data"
slave_run
expect_slave <<'RECORDS'
slave-progress Flash Update...
slave-progress Putting hardware into download mode...
slave-log 1. cram[ syncup ] = 9966 (retry needed).\n
slave-progress Downloading...
slave-progress 
slave-report-height 146
slave-report Errors And Warnings:\n---------------------\nNo errors were found.\n---------------------\nNo warnings were found.\n\nWait 15 seconds to return.\n
slave-result 0x00
RECORDS
check 'cmp -s "$image" "$board/board-received.bin"' "retry: the board's image differs"
# Nothing cleared, no start command: only the retry order, the handshake and the last block.
pristine_ram 0x6699
put_byte "$work/pristine.bin" 467 255
tail -c 256 "$image" | dd of="$work/pristine.bin" bs=1 seek=512 conv=notrunc status=none
check 'cmp "$work/pristine.bin" "$board/board-commonram.bin"' "retry: other common RAM bytes were written"
check '! grep -q "start command" "$board/board-events.txt"' "retry: a start command was sent"
check 'grep -q "^pause 15000 " "$transcript"' "retry: the report did not stand 15 seconds"

# Still in download mode, and two values without a meaning: nothing is written to the board.
for case in "0x6699 6699. You MUST POWER DOWN and UPDATE again. 0x10 5: Slave is in Download Mode. You must POWER OFF and re-update." \
    "0x33CC 33cc. 0x02 2: Slave not ready (syncup value incorrect)." \
    "0x0000 0. 0x02 2: Slave not ready (syncup value incorrect)."; do
    value=${case%% *}
    rest=${case#* }
    logged=${rest% 0x*}
    result=0x${rest##* 0x}
    result=${result%% *}
    error=${rest##* 0x?? }
    put_board slaveboard "syncup $value"
    slave_run
    expect_slave <<RECORDS
slave-progress Flash Update...
slave-progress Putting hardware into download mode...
slave-log 1. cram[ syncup ] = $logged\\n
slave-report-height 146
slave-report Errors And Warnings:\\n---------------------\\nError $error\\n---------------------\\nNo warnings were found.\\n\\nWait 15 seconds to return.\\n
slave-result $result
RECORDS
    pristine_ram "$value"
    check 'cmp -s "$work/pristine.bin" "$board/board-commonram.bin"' \
        "syncup $value: the program wrote to the common RAM"
done
finish

#!/bin/bash
# Every faulty SLAVE.BIN ends the road with its text as line 1 of a fresh log, before any byte
# reaches the board; a header whose CRC gzip computed passes.
source "$ZR7_SOURCE/tests/slave/slave-lib.sh"
lay_slave
bin="$inst/disk/SLAVE.BIN"
put_board slaveboard

refused() { # text
    slave_run
    printf '%s\n' "slave-progress Flash Update..." "slave-log 1. $1\n" | expect_slave
    check 'grep -q "^status The upgrade failed. Trying to restart...$" "$transcript"' \
        "\"$1\": the road did not fail"
    check '[ ! -e "$board/board-events.txt" ]' "\"$1\": the driver library was loaded"
}

head -c 131137 /dev/urandom >"$bin"
refused "Image is the wrong size."
head -c 132096 /dev/urandom >"$bin"
refused "Image is the wrong size."
head -c 132097 /dev/urandom >"$bin"
refused "The image file is too large to be valid."
: >"$bin"
refused "Image is the wrong size."
rm -f "$bin"
refused "Could not open the image file."
make_headered "$bin"
put_byte "$bin" 1 0xE4
refused "The image has an invalid header."
make_headered "$bin"
flip_byte "$bin" 100000
refused "The image is corrupt.  The CRC test failed."

make_headered "$bin"
slave_run
check '[ "$(records slave-result)" = 0x00 ]' "gzip's CRC: result $(records slave-result)"
check 'cmp -s "$image" "$board/board-received.bin"' "gzip's CRC: the board's image differs"
finish

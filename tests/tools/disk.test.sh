#!/bin/bash
# ZR7Disk: wrap replaces its output only by a whole image (the end-to-end runs send wrapped images
# to the board), check gives the line the program would log, and a usage error ends with 2.
source "$ZR7_SOURCE/tests/e2e/lib.sh"
cd "$work" || exit 1
for size in 131071 131136; do
    head -c $size /dev/zero >raw.bin
    echo old >SLAVE.BIN
    zr7disk wrap raw.bin SLAVE.BIN >/dev/null
    code=$?
    check '[ $code = 1 ] && [ "$(cat SLAVE.BIN)" = old ]' "wrap of $size bytes: exit $code, output replaced"
done
head -c 131072 /dev/zero >raw.bin
zr7disk wrap raw.bin SLAVE.BIN >/dev/null
check '[ "$(stat -c %s SLAVE.BIN)" = 131136 ] && [ ! -e SLAVE.BIN.tmp ]' "wrap did not write a whole image"
out=$(zr7disk check none.bin)
check 'grep -qxF "refused: the upgrade program would log \"1. Could not open the image file.\"" <<<"$out"' "check: $out"
for usage in "" "wrap one" "verify x"; do
    zr7disk $usage >/dev/null
    code=$?
    check '[ $code = 2 ]' "usage \"$usage\" ended with $code"
done
finish

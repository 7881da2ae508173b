# Slave road helpers on top of the end-to-end harness (tests/e2e/lib.sh):
#   lay_slave                          instrument with C:\ZR7KM as the driver's home, E: the disk
#   put_board VARIANT [settings...]    ZRSlaveDriver.dll (slaveboard or slaveboard-nooutport) and
#                                      its settings into C:\ZR7KM; "none" takes the library away
#   make_raw FILE / make_headered FILE  images ($image: the bare image); the CRC comes from gzip
#   flip_byte FILE OFFSET
#   slave_run                          the test build with the word SLAVE; board records reset
#   records KIND                       the transcript's slave records of that kind, one a line
#   expect_slave [--waiting] <<'EOF'   the slave records must be exactly these, leaving out
#                                      "Block N" and (unless --waiting) "WAITING N": a busy
#                                      machine may make the final wait poll once
source "$ZR7_SOURCE/tests/e2e/lib.sh"

lay_slave() {
    lay_instrument "$@"
    board="$c/ZR7KM"
    image="$work/image.bin"
}

put_board() {
    rm -f "$board/ZRSlaveDriver.dll" "$board/ZRSlaveDriver.ini"
    [ "$1" = none ] && return
    cp "$ZR7_BUILD/$1/ZRSlaveDriver.dll" "$board/"
    shift
    printf '%s\n' "$@" >"$board/ZRSlaveDriver.ini"
}

make_raw() {
    head -c 131072 /dev/urandom >"$1"
    [ "$1" = "$image" ] || cp "$1" "$image"
}

# The header holds the magic E3 E3 and the CRC-32 of the image as gzip computes it.
make_headered() {
    local body="$work/body.bin"
    head -c 131072 /dev/urandom >"$body"
    cp "$body" "$image"
    {
        printf '\xe3\xe3\x00\x00'
        gzip -c "$body" | tail -c 8 | head -c 4
        head -c 56 /dev/zero
        cat "$body"
    } >"$1"
}

# Changes one byte of a file (offset) by its lowest bit.
flip_byte() {
    put_byte "$1" "$2" $(($(od -An -tu1 -j "$2" -N1 "$1") ^ 1))
}

# Unlike run_upgrade it does not wait for the wineserver to end, so the next run finds it up.
slave_run() {
    rm -f "$board"/board-* "$transcript"
    (cd "$c/ZR7KM" && WINEPREFIX="$inst/prefix" ZR7_TRANSCRIPT="Z:$transcript" \
        wine "$(upgrade_path)" SLAVE </dev/null)
    exitCode=$?
}

records() { awk -v kind="$1" '$1 == kind { sub(/^[^ ]+ /, ""); print }' "$transcript"; }

expect_slave() {
    local expected="$work/expected-slave.txt" recorded="$work/recorded-slave.txt"
    local skip='^slave-progress (Block [0-9]+|WAITING [0-9]+)$'
    [ "${1:-}" = --waiting ] && skip='^slave-progress Block [0-9]+$'
    cat >"$expected"
    grep '^slave-' "$transcript" | grep -Ev "$skip" >"$recorded"
    if ! diff -u "$expected" "$recorded"; then
        echo "FAIL: the slave road's records differ (- expected, + recorded)"
        failures=$((failures + 1))
    fi
}

board_value() { awk -v key="$1" '$1 == key { print $2 }' "$board/board-summary.txt" | tr -d '\r'; }

put_byte() { printf "$(printf '\\%03o' "$3")" | dd of="$1" bs=1 seek="$2" conv=notrunc status=none; }

# $work/pristine.bin: the board's first 1,024 bytes as it posted them, syncup given.
pristine_ram() {
    head -c 1024 /dev/zero | tr '\0' '\132' >"$work/pristine.bin"
    put_byte "$work/pristine.bin" 2 $(($1 & 255))
    put_byte "$work/pristine.bin" 3 $(($1 >> 8))
    for offset in 6 272 467; do put_byte "$work/pristine.bin" $offset 0; done
}

# Byte at an offset of the common RAM as the program left it.
ram_byte() { od -An -tx1 -j "$1" -N1 "$board/board-commonram.bin" | tr -d ' '; }

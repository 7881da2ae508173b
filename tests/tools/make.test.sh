#!/bin/bash
# ZR7Disk make and diff: the same bytes from the same inputs, whatever order the files were made
# in; every fault of the inputs named in one run, and nothing written; the disk read back as the
# program reads it; diff's verdicts.
source "$ZR7_SOURCE/tests/e2e/lib.sh"
cd "$work" || exit 1
z() { echo "Z:$work/$1" | tr / '\\'; } # a path of the work folder as Windows names it
tool=Z:$cabinetTool
crc() { gzip -c | tail -c 8 | od -An -tx4 -N4 | tr -d ' ' | tr a-f A-F; } # CRC-32 of stdin
written() { find "$work" -printf '%p %s %T@\n' | sort; } # every file and folder, size and time

# The same files, made in another order at another time; a raw image, which make wraps.
files=(ZR7KMSYS.dll zz.txt sub/deeper/c.ini COMMIT.BAT)
mkdir -p a/sub/deeper b/sub/deeper
for f in "${files[@]}"; do echo "file $f" >"a/$f"; done
for ((i = ${#files[@]} - 1; i >= 0; i--)); do echo "file ${files[i]}" >"b/${files[i]}"; done
touch -d 2011-11-11 b/* b/sub/deeper/*
head -c 131072 /dev/urandom >raw.bin
make_disk() { # DISK SYSTEM CODE VALUE [more arguments]; the tool's path in use, or Wine's
    zr7disk make "$(z "$1")" --system "$(z "$2")" --option "$3" "$4" --slave "$(z raw.bin)" \
        --tool "${use:-$tool}" "${@:5}"
}
out=$(make_disk one a 1004 3.25)
want 0 $? "make's exit status"
crc=$(tail -c +65 one/SLAVE.BIN | crc)
# The files in the order of their names as the instrument compares them, whatever order the
# host lists them in.
want "ZR7KMSYS1.cab holds 4 files:
    COMMIT.BAT (16 bytes)
    sub\\deeper\\c.ini (22 bytes)
    ZR7KMSYS.dll (18 bytes)
    zz.txt (12 bytes)" "$(grep -A4 '^ZR7KMSYS1.cab holds' <<<"$out")" "the cabinet read back"
says <<EOF
DiskInfo.txt: option code 1004, value 3.25
    build folder label: 3.25 before the extraction
SLAVE.BIN: image of 131072 bytes behind a 64-byte header; magic E3 E3 (valid); CRC found 0x$crc, computed 0x$crc
plan it on the instrument: ZR7Disk plan $(z one)
EOF
check 'cmp -s raw.bin <(tail -c +65 one/SLAVE.BIN)' "SLAVE.BIN does not hold the raw image"
check 'cabextract -q -d read one/ZR7KMSYS1.cab && diff -r a read' "an independent reader finds other files"
sleep 2 # a date from the clock would show
make_disk two b 1004 3.25 >/dev/null
want "$(ls one)" "$(ls two)" "files of the second disk"
for f in one/*; do check 'cmp "$f" "two/${f#one/}"' "two makes from the same inputs differ"; done

# Every fault in one run; nothing written, not even the folder the disk is built in.
mkdir -p full bad/Sub bad/sub empty big
echo x >full/x
touch bad/CON bad/aux.txt 'bad/a?b' 'bad/dot.' 'bad/blank ' "bad/$(printf 'c\001')" bad/é.txt
long=$(printf 'n%.0s' {1..249}) && touch "bad/$long" # P:\Tenacor\ and it: 260 characters
head -c 3145728 /dev/zero >big/ZR7KMSYS.dll
head -c 1000 /dev/zero >short.bin
refused() { # DISK, then the arguments after it; stdin: the lines it must print
    local before=$(written) disk=$1
    shift
    out=$(zr7disk make "$(z "$disk")" "$@")
    want 2 $? "make's exit status"
    says
    want "$before" "$(written)" "files written by a refused make"
}
refused full --system "$(z bad)" --winsxs "$(z empty)" --option 1004 3.125 --slave "$(z short.bin)" \
    --program "$(z raw.bin)" --tool "$tool" --date 2024-02-30 <<EOF
refused: DISK $(z full) is not empty: a make never mixes with an older disk; name a new or empty folder
refused: --system: a?b: the character ?
refused: --system: aux.txt: the device name AUX
refused: --system: blank : ends in a blank
refused: --system: c\\x01: the control character 0x01
refused: --system: CON: the device name CON
refused: --system: dot.: ends in a dot
refused: --system: Sub and sub differ only in case: one name on the instrument
refused: --system: \\xE9.txt: the byte 0xE9 beyond ASCII (the program passes names on byte for byte, and the instrument's code page need not be this machine's)
refused: --system: $long: P:\\Tenacor\\$long has 260 characters, beyond the system's limit of 259 (the cabinet tool crashes on such a name)
refused: --winsxs $(z empty): holds no file
refused: --winsxs: option code 1004 never extracts WinSxS.cab
refused: --option VALUE 3.125: the build folder would be labelled 3.12 (two decimals), not 3.125
refused: --slave $(z short.bin): 1000 bytes: neither 131072 (raw) nor 131136 (with header); the program would log "1. Image is the wrong size."
refused: --program $(z raw.bin): not a Windows program
refused: --date 2024-02-30: not a date YYYY-MM-DD from 1980 to 2107
nothing written: 16 faults
EOF
refused none/disk --system "$(z big)" --option 1001 2.00000001 --slave "$(z none.bin)" <<EOF
refused: DISK $(z none/disk): the folder $(z none) does not exist
refused: --option CODE 1001 extracts WinSxS.cab into c:/Windows: name its folder with --winsxs
refused: --option VALUE 2.00000001: the program reads it in single precision as 2
refused: --option VALUE 2.00000001: below the 3.0 MiB the cabinets unpack to on drive C:, so the free space test would pass an instrument without room for them
refused: --slave $(z none.bin): no such file; the program would log "1. Could not open the image file."
refused: --tool: this system has no extract.exe of its own (C:\\windows\\system32\\extract.exe); name the cabinet tool with --tool
EOF
refused new --system "$(z a)" --option 16777217 1e999 --tool "$tool" <<EOF
refused: --option CODE 16777217: the program reads option code 16777216
refused: --option VALUE 1e999: beyond single precision, which the program reads as no number, taking 0
nothing written: 2 faults
EOF

# diff: the same disks; a file added, another file byte, code, value, image byte and tool; another
# date only; a disk that cannot be read.
make_disk four a 1004 3.25 --date 2024-02-29 >/dev/null
cp -r a c && echo "file ZR7KMSYS.DLL" >c/ZR7KMSYS.dll && echo new >c/sub/new.txt
put_byte raw.bin 70000 $(($(od -An -tu1 -j 70000 -N1 raw.bin) ^ 1))
use=$(z one/ZR7KMUpgrade.exe) make_disk three c 0 3.5 >/dev/null
cp -r one cut && truncate -s 100 cut/ZR7KMSYS1.cab
differs() { # status OLD NEW; stdin: the lines it must print
    out=$(zr7disk diff "$(z "$2")" "$(z "$3")")
    want "$1" $? "diff's exit status"
    says
}
differs 0 one two <<<"verdict: the same"
differs 1 one three <<EOF
DiskInfo.txt: option code 1004, value 3.25 -> option code 0, value 3.5
    installation: EWF into P:/Tenacor -> MASTER into c:/ZR7KM
    build folder label: 3.25 before the extraction -> none before the extraction
ZR7KMSYS1.cab: 1 added, 0 removed, 1 changed, 3 the same
    added sub\\new.txt (4 bytes)
    changed ZR7KMSYS.dll: 18 bytes, first other byte at offset 14
SLAVE.BIN: CRC-32 0x$crc -> CRC-32 0x$(crc <raw.bin), 1 byte differs, in 1 of 512 blocks of 256
extract.exe: other bytes, $(stat -c %s "$cabinetTool") -> $(stat -c %s one/ZR7KMUpgrade.exe) bytes
verdict: the disks differ in DiskInfo.txt, ZR7KMSYS1.cab, SLAVE.BIN, extract.exe
EOF
differs 1 one four <<EOF
ZR7KMSYS1.cab: the same 4 files, but other bytes (the files' dates or the compression)
verdict: the disks differ in ZR7KMSYS1.cab
EOF
differs 2 one cut <<<"verdict: the new disk cannot be read: $(z cut)\\ZR7KMSYS1.cab: cut short: it declares $(stat -c %s one/ZR7KMSYS1.cab) bytes, the file has 100"
differs 2 nothing one <<<"verdict: the old disk cannot be read: $(z nothing) is not a folder"
finish

#!/bin/bash
# ZR7Disk plan against real runs of the test build on the simulated instrument: the children it
# names are the ones the run starts, its result is the message the run shows, its relabel is the
# folder name the run leaves, and the files it lists are the ones the run installs.
source "$ZR7_SOURCE/tests/e2e/lib.sh"
tool="$ZR7_BUILD/bin/ZR7Disk.exe"

# plan_and_run WORD: the plan of the disk for WORD (before the run changes the instrument), then
# the run, then the comparison.
plan_and_run() {
    local word=$1 label="$*" folder="E:\\${e2eDisk:+$e2eDisk\\}"
    plan="$work/plan.txt"
    (cd "$c" && WINEPREFIX="$inst/prefix" wine "$tool" plan "${folder%\\}" "$word") | tr -d '\r' >"$plan"
    planExit=${PIPESTATUS[0]}
    run_upgrade "$word"

    local planned recorded
    planned=$(sed -n 's/^[a-z]*: runs //p' "$plan")
    recorded=$(sed -n 's/^child //p' "$transcript" | grep -vx ZR7KM.exe)
    check '[ "$planned" = "$recorded" ]' "$label: children planned:
$planned
started:
$recorded"
    local message
    message=$(sed -n 's/^result: [0-9], the program shows "\(.*\)"$/\1/p' "$plan")
    if [ -n "$message" ]; then
        check 'grep -qxF "status $message" "$transcript" && [ "$planExit" = 1 ]' \
            "$label: planned \"$message\" (exit $planExit), not shown"
    else
        local clean=0
        grep -q "^warning:" "$plan" && clean=1
        check '! grep -q "^status .*The upgrade failed" "$transcript" && [ "$planExit" = $clean ]' \
            "$label: planned success (exit $planExit), the run failed"
    fi
    local slaveLine
    slaveLine=$(sed -n 's/^progress window: "\(.*\)"$/\1/p' "$plan")
    [ -n "$slaveLine" ] && check 'grep -qxF "slave-log $slaveLine\\n" "$transcript"' \
        "$label: planned the log line \"$slaveLine\""
    local folderName
    folderName=$(sed -n 's/^relabel .* becomes C:\\\(.*\)\\$/\1/p' "$plan" | tail -1)
    [ -n "$folderName" ] && check '[ -d "$c/$folderName" ]' \
        "$label: planned $folderName, found $(ls -d "$c"/XPe*)"
    local destination
    destination=$(sed -n 's/^installation: \(EWF\|MASTER\), into \(.*\)$/\1 \2/p' "$plan")
    if [ -n "$destination" ] && [ -z "$message" ]; then
        check 'grep -q "^caption ZR7KM ${destination% *} Installation" "$transcript"' \
            "$label: planned the $destination installation"
        local into="$c/ZR7KM"
        [ "${destination#* }" = P:/Tenacor ] && into="$p/Tenacor"
        for f in $(sed -n 's/^    \(.*\) ([0-9]* bytes)$/\1/p' "$plan"); do
            check '[ -f "$into/$f" ]' "$label: listed $f is not in $into"
        done
    fi
}

# EWF without and with the commit, the second from a disk folder with a blank (the system quotes
# the program's path, and the word behind it counts).
lay_instrument --disk-name UPG --option 1004 3.25
plan_and_run -nocommit
check 'grep -qx "DiskInfo.txt: option code 1004, value 3.25" "$plan" && [ -d "$c/XPe Build B With Tenacor 3.25" ]' \
    "EWF: $(head -5 "$plan")"
lay_instrument --disk-name "upgrade disk" --option 1004 3.25
plan_and_run MASTER
second='relabel in the commit: C:\XPe Build B With Tenacor 3.25\ becomes C:\XPe Build B With Tenacor 3.10\'
check 'grep -qxF "$second" "$plan" && ! grep -q "^warning" "$plan"' \
    "EWF with the commit: a warning, or the second relabel does not follow the first"

# MASTER with each prepared option, the tests forced through the seams.
export ZR7_TOTAL_PHYS=134217728 ZR7_DISK_CLUSTERS="256 4096 300 1000"
lay_instrument --option 1001 250
plan_and_run UPGRADE
lay_instrument --option 1002 0
plan_and_run -NOCOMMIT
check 'grep -q "^test: memory figure at least 150000.0 (this machine: 131073.0)" "$plan"' "1002 memory test"
lay_instrument --option 1003 299
plan_and_run -nocommit
unset ZR7_TOTAL_PHYS ZR7_DISK_CLUSTERS

# Missing pieces: no cabinet tool, no DiskInfo.txt; a wrapped SLAVE.BIN, then one byte of it changed.
lay_instrument --option 1000 0 --no-extract
plan_and_run MASTER
check 'grep -qx "missing: E:\\\\extract.exe" "$plan"' "missing tool not named"
lay_instrument --no-diskinfo --no-syscab
plan_and_run MASTER
# A system archive cut short: the program extracts nothing, and the plan says so.
lay_instrument --option 1004 3.1
cab="$inst/disk/ZR7KMSYS1.cab"
truncate -s $(($(stat -c %s "$cab") * 60 / 100)) "$cab"
plan_and_run -nocommit
check 'grep -q "^damaged: E:.ZR7KMSYS1.cab: cut short" "$plan"' "cut archive not noticed"
head -c 131072 /dev/urandom >"$work/raw.bin"
(cd "$work" && WINEPREFIX="$inst/prefix" wine "$tool" wrap raw.bin SLAVE.BIN >/dev/null)
lay_instrument --no-diskinfo --no-syscab
cp "$work/SLAVE.BIN" "$inst/disk/SLAVE.BIN"
plan_and_run SLAVE
check 'grep -q "^SLAVE.BIN: accepted" "$plan" && grep -q "^slave-report" "$transcript"' \
    "the wrapped image was not sent"
lay_instrument --no-diskinfo --no-syscab
printf '\x01' | dd of="$work/SLAVE.BIN" bs=1 seek=70000 conv=notrunc 2>/dev/null
cp "$work/SLAVE.BIN" "$inst/disk/SLAVE.BIN"
plan_and_run SLAVE
finish

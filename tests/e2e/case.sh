#!/bin/bash
# Runs the row of the table `cases` that the first argument names: lays out the instrument, runs
# the test build with the row's word, compares the whole transcript with the row's pieces and
# makes the row's checks of what the run left behind. The exit code must be 0 in every case.
source "$ZR7_SOURCE/tests/e2e/lib.sh"
IFS='|' read -r name setup word pieces afterwards < <(sed 's/ *| */|/g' "$ZR7_SOURCE/tests/e2e/cases" |
    awk -F'|' -v name="$1" '$1 == name')
[ "${name:-}" = "$1" ] || { echo "no case $1"; exit 1; }
eval "words=($word)"

# Pieces of the transcript.
caption() { echo "caption $1"; }
status() { printf 'status %s\npause 2000 | %s\n' "$1" "$1"; }
opening() { # the command line for four seconds, then five passes with growing dots
    local line="\"${e}ZR7KMUpgrade.exe\"${words[*]:+ ${words[*]}}"
    caption "ZR7KM System Upgrade Version 3.00 (CRC) - Checking..."
    status "$line"
    echo "pause 2000 | $line"
    line="Update ${words[*]:-} Software: Checking system files"
    for _ in 1 2 3 4 5; do
        line="$line. "
        status "$line"
        echo "pause 0 | $line"
    done
}
lang() {
    status "Correcting language file naming error:"
    status "Correcting language file naming error: ZR7Engli.mls $1."
}
ok() { status "Files are OK.  Looking for an upgrade disk..."; }
desist() { echo "pause 1000 | Files are OK.  Looking for an upgrade disk..."; }
winsxs() { echo "child $(on_disk extract.exe) /E /Y /L c:/Windows $(on_disk WinSxS.cab)"; }
extraction() { # EWF or MASTER
    local into=c:/ZR7KM
    [ "$1" = EWF ] && into=P:/Tenacor
    caption "ZR7KM $1 Installation - Copying Files..."
    status "Copying system update files. Please Wait."
    echo "child $(on_disk extract.exe) /E /Y /L $into $(on_disk ZR7KMSYS1.cab)"
    status "Extracting files..."
}
saving() { # the commit up to the start of its batch
    caption "ZR7KM - Saving Disk Image..."
    status "Saving all changes to drive C:. Please Wait..."
    echo "pause 3000 | Saving all changes to drive C:. Please Wait..."
    echo "child C:/Windows/Commit.bat"
}
commit() {
    saving
    status "Updating Disk C: Image... WAIT!"
    echo "pause 30000 | Updating Disk C: Image... WAIT!"
}
failed() { # result code
    local messages=("" "The upgrade failed. Trying to restart..."
        "Not enough disk space.  The upgrade failed. Trying to restart..."
        "Hardware not compatible.  The upgrade failed. Trying to restart...")
    status "${messages[$1]}"
    echo "pause 10000 | ${messages[$1]}"
}
finished() { caption "ZR7KM System Upgrade - Done..." && status "Done."; }
closing() {
    caption "ZR7KM System Upgrade - Restarting..."
    status "Restarting...."
    echo "child ZR7KM.exe"
    finished
}
noapp() {
    caption "ZR7KM System Upgrade - ERROR"
    status "Don't know how to restart..."
    echo "pause 3000 | Don't know how to restart..."
    finished
}
slave() {
    caption "ZR7KM SLAVE Upgrade - Copying Files..."
    status "Updating Slave EEPROM. Please Wait."
    caption "SLAVE Flash Downloader - Progress"
    progress "Flash Update..."
}
progress() { echo "slave-progress $1"; }
download() { progress "Putting hardware into download mode..."; }
log=""
logged() { # the log's numbered lines, shown whole each time one is added
    local n=$(($(grep -o '\\n' <<<"$log" | wc -l) + 1))
    log="$log$n. $1\\n"
    echo "slave-log $log"
}
emulation() {
    progress "Emulating hardware in download mode..."
    logged "No Slave Hardware: Emulating Download..."
}
transfer() { progress "Downloading..."; }
finalwait() { # seconds counted; without a count the WAITING lines are not compared
    progress ""
    for ((n = 1; n <= ${1:-0}; n++)); do progress "WAITING $n"; done
}
report() { # the error lines of the report; none gives "No errors were found."
    local lines=("$@")
    [ $# -gt 0 ] || lines=("No errors were found.")
    echo "slave-report-height $((18 * (${#lines[@]} + 6) + 20))"
    printf 'slave-report Errors And Warnings:\\n---------------------\\n'
    printf '%s\\n' "${lines[@]}"
    printf -- '---------------------\\nNo warnings were found.\\n\\nWait 15 seconds to return.\\n\n'
    echo "pause 15000 | Updating Slave EEPROM. Please Wait."
}
result() { echo "slave-result $1"; }

# Setting up.
seams() { export ZR7_TOTAL_PHYS=$1 ZR7_DISK_CLUSTERS="256 4096 $2 $3"; } # 1 MiB clusters
cut_archive() { truncate -s $(($(stat -c %s "$d/ZR7KMSYS1.cab") * $1 / 100)) "$d/ZR7KMSYS1.cab"; }
flip() { put_byte "$1" "$2" $(($(od -An -tu1 -j "$2" -N1 "$1") ^ 1)); }

# What the run leaves behind.
that() { check "$1" "$2"; }
label() { # the build folder's label, or its whole name
    local want=$1
    [[ $want == *" "* ]] || want="XPe Build B With Tenacor $1"
    check '[ "$(build_folder)" = "$want" ]' "build folder $(build_folder), not $want"
}
into() { # C, P or none: where the system files are
    local inC=no inP=no
    [ -f "$c/ZR7KM/ZR7KMSYS.dll" ] && inC=yes
    [ -f "$p/Tenacor/ZR7KMSYS.dll" ] && inP=yes
    local want=$1
    check '[ "$want" = "$([ $inC = yes ] && echo C)$([ $inP = yes ] && echo P)" ] ||
        { [ "$want" = none ] && [ $inC$inP = nono ]; }' "system files in C: $inC, in P: $inP, not $1"
}
retention() { for f in Tenacor.exe TenacorConfig.ini TenacorentFileList.txt; do
    printf '%s ' "$(cat "$p/Tenacor/$f")"; done; ls "$p/Tenacor/ProtectedFiles" | wc -l; }
committed() {
    check '[ "$(tr -d "\r" <"$c/commit.log")" = "new batch ran" ] && [ ! -e "$c/ZR7KM/COMMIT.BAT" ]' \
        "the new commit batch did not run in place of the old"
    check '[ "$(retention)" = "new Tenacor.exe new TenacorConfig.ini new TenacorentFileList.txt 0" ]' \
        "retention tool on P: not refreshed: $(retention)"
}
uncommitted() {
    check '[ ! -e "$c/commit.log" ] && [ -f "$c/ZR7KM/COMMIT.BAT" ] && grep -q old "$c/windows/COMMIT.BAT"' \
        "committed, or the waiting batch moved"
    check '[ "$(retention)" = "old Tenacor.exe old TenacorConfig.ini old TenacorentFileList.txt 5" ]' \
        "retention tool on P: touched: $(retention)"
}
marker() { check '[ -f "$c/ZR7KM/DesistTenacor.txt" ] && [ ! -s "$c/ZR7KM/DesistTenacor.txt" ]' "no empty marker"; }
nomarker() { check '[ ! -e "$c/ZR7KM/DesistTenacor.txt" ]' "a marker was made"; }
lang_files() { printf '%s/%s' "$(cat "$c/ZR7KM/ZR7Engli.mls" 2>/dev/null)" "$(cat "$c/ZR7KM/ZR7English.mls")"; }
languages() { # REMOVED: the long name kept its own file; RENAMED: it took the short one's
    local want=/long
    [ "$1" = RENAMED ] && want=/short
    check '[ "$(lang_files)" = "$want" ]' "language files $(lang_files)"
}
restarted() {
    check '[ "$(tr -d "\r" <"$c/ZR7KM/ZR7KM.started")" = "$(printf "command line: ZR7KM.exe\nworking directory: c:\\\\ZR7KM")" ]' \
        "application not restarted once from c:\\ZR7KM: $(cat "$c/ZR7KM/ZR7KM.started" 2>&1)"
}
sxs() {
    local want=$1
    check '[ "$([ -f "$c/windows/ZR7SxS.manifest" ] && echo yes || echo no)" = "$want" ]' \
        "WinSxS.cab extracted: not $1"
}
option() { # folder, then kept, emptied (all but its read-only file), hidden (all but its hidden
    # file) or gone
    local n=$1 left
    left=$(cd "$c/ZR7KM/OPTIONS" && find "$n" 2>/dev/null | sort | paste -sd' ')
    case $2 in
    kept) check '[ -f "$c/ZR7KM/OPTIONS/$n/sub/deeper/c.txt" ]' "$n touched: $left" ;;
    emptied) check '[ "$left" = "$n $n/sub $n/sub/readonly.txt" ]' "$n left: $left" ;;
    hidden) check '[ "$left" = "$n $n/sub $n/sub/deeper $n/sub/deeper/hidden.txt" ]' "$n left: $left" ;;
    gone) check '[ -z "$left" ]' "$n left: $left" ;;
    esac
}
received() {
    local n=$1
    check 'cmp -s <(head -c $((n * 256)) "$image") "$c/ZR7KM/board-received.bin"' \
        "the board did not receive blocks 1 to $n of the image"
}
handshake() { local n=$1 && check '[ "$(board_value handshake)" = $n ]' "handshake not left at $n"; }
taken() { local n=$1 && check '[ "$(board_value blocks)" = $n ]' "the board took $(board_value blocks) blocks, not $n"; }
shown() {
    local n=$1
    check '[ "$(records slave-progress | grep -c "^Block ")" = $n ] &&
        [ "$(records slave-progress | grep "^Block " | tail -1)" = "Block $n" ]' "not Block 1 to $n shown"
}
waited() { local n=$1 && check '[ "$(records slave-progress | grep -c "^WAITING ")" -ge $n ]' "waited less than $n s"; }
events() {
    local what=$1 n=$2
    check '[ "$(board_events "$what")" = $n ]' "the board saw \"$what\" $(board_events "$what") times, not $n"
}
noboard() { check '[ -z "$(ls "$c/ZR7KM" | grep "^board-")" ]' "the driver library was loaded"; }
ports() { # how many port writes; two must be 4 then 0 at least a second later
    local writes n=$1
    writes=$(tr -d '\r' <"$c/ZR7KM/board-ports.txt" 2>/dev/null)
    check '[ "$(grep -c port <<<"$writes")" = $n ]' "port writes: $writes"
    [ "$1" = 2 ] || return 0
    check '[ "$(cut -d" " -f2- <<<"$writes" | paste -sd,)" = "us port 0x305 value 4,us port 0x305 value 0" ] &&
        [ $(($(sed -n 2p <<<"$writes" | cut -d" " -f1) - $(sed -n 1p <<<"$writes" | cut -d" " -f1))) -ge 1000000 ]' \
        "port 0x305 not 4, then 0 a second later: $writes"
}
pristine() { # syncup posted; "retry": the program wrote only the retry order and the blocks
    local want="$work/pristine.bin"
    head -c 1024 /dev/zero | tr '\0' '\132' >"$want"
    put_byte "$want" 2 $(($1 & 255))
    put_byte "$want" 3 $(($1 >> 8))
    for offset in 6 272 467; do put_byte "$want" $offset 0; done
    if [ "${2:-}" = retry ]; then
        put_byte "$want" 467 255
        tail -c 256 "$image" | dd of="$want" bs=1 seek=512 conv=notrunc status=none
    fi
    check 'cmp -s "$want" "$c/ZR7KM/board-commonram.bin"' "the program wrote other common RAM bytes"
}

# The disk tool's plan of the same disk, taken before the run, must say what the run did.
plan() {
    local planned recorded message folder destination
    planned=$(sed -n 's/^[a-z]*: runs //p' "$work/plan.txt")
    recorded=$(sed -n 's/^child //p' "$transcript" | grep -vx ZR7KM.exe)
    check '[ "$planned" = "$recorded" ]' "plan: children $planned, the run started $recorded"
    message=$(sed -n 's/^result: [0-9], the program shows "\(.*\)"$/\1/p' "$work/plan.txt")
    if [ -n "$message" ]; then
        check 'grep -qxF "status $message" "$transcript" && [ "$planExit" = 1 ]' "plan: \"$message\" ($planExit)"
    else
        check '! grep -q "^status .*The upgrade failed" "$transcript" && [ "$planExit" = 0 ]' \
            "plan: success ($planExit), the run failed"
    fi
    message=$(sed -n 's/^progress window: "\(.*\)"$/\1/p' "$work/plan.txt")
    [ -z "$message" ] || check 'grep -qxF "slave-log $message\\n" "$transcript"' "plan: the log line $message"
    folder=$(sed -n 's/^relabel .* becomes C:\\\(.*\)\\$/\1/p' "$work/plan.txt" | tail -1)
    [ -z "$folder" ] || check '[ -d "$c/$folder" ]' "plan: $folder, the run left $(build_folder)"
    destination=$(sed -n 's/^installation: \(EWF\|MASTER\), into \(.*\)$/\2/p' "$work/plan.txt")
    [ "$destination" = P:/Tenacor ] && destination="$p/Tenacor" || destination="$c/ZR7KM"
    [ -n "$message" ] || for f in $(sed -n 's/^    \(.*\) ([0-9]* bytes)$/\1/p' "$work/plan.txt"); do
        check '[ -f "$destination/$f" ]' "plan: $f is not in $destination"
    done
}

eval "$setup"
if [[ $afterwards == *plan* ]]; then
    (cd "$c" && WINEPREFIX="$inst/prefix" wine "$ZR7_BUILD/bin/ZR7Disk.exe" plan "${e%\\}" \
        "${words[@]:-}" </dev/null) | tr -d '\r' >"$work/plan.txt"
    planExit=${PIPESTATUS[0]}
fi
run_upgrade "${words[@]}"
keep='^slave-progress Block [0-9]+$'
[[ $pieces == *"finalwait "[0-9]* ]] || keep='^slave-progress (Block|WAITING) [0-9]+$'
if ! diff -u <(eval "$pieces") <(grep -Ev "$keep" "$transcript"); then
    echo "FAIL: the transcript differs from the expected one (- expected, + recorded)"
    failures=$((failures + 1))
fi
eval "$afterwards"
check '[ "$exitCode" = 0 ]' "exit code $exitCode"
finish

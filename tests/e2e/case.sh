#!/bin/bash
# Runs the row of `cases` named by the first argument: the instrument laid by the row's set-up, one
# step at a time, the test build run with the row's word, its whole transcript against the opening,
# the row's pieces and the restart, then the row's checks; exit code 0.
source "$ZR7_SOURCE/tests/e2e/lib.sh"
source "$ZR7_SOURCE/tests/e2e/pieces.sh"
# A row begins with its name; the lines after it that begin with a blank continue it, a line that
# begins with a bar with its next column.
IFS='|' read -r name word setup pieces afterwards < <(awk -v name="$1" '
    /^[a-z0-9-]+ [|]/ { row = $1 == name }
    row && !/^#/ { sub(/^ +/, ""); line = line (line == "" ? "" : " ") $0 } END { print line }' "$ZR7_SOURCE/tests/e2e/cases" |
    sed 's/ *| */|/g')
[ "${name:-}" = "$1" ] || { echo "no case $1"; exit 1; }
eval "words=($word)"

# Setting up: the instrument's memory and drives, and what is wrong with its disk.
seams() { # memory bytes, total and available; MiB free and in all on C:, on E: and P: far more
    export ZR7_MEMORY="$1 $2" ZR7_DISK_C="256 4096 $3 $4" ZR7_DISK_{E,P}="256 4096 100000 200000"
}
stale_marker() { echo stale >"$c/ZR7KM/DesistTenacor.txt"; }
archive() { # text, cut (to 60 %) or empty (its tables list no file)
    local cab=$d/ZR7KMSYS1.cab
    case $1 in
    text) echo "not a cabinet" >"$cab" ;; cut) truncate -s $(($(stat -c %s "$cab") * 6 / 10)) "$cab" ;;
    empty) put_byte "$cab" 28 0 ;; *) return 1 ;;
    esac
}
in_the_way() { mkdir "$(drive "$1")/ZR7KMSYS.ini"; } # a folder where the tool writes a file
batch_in_the_way() { rm "$c/windows/COMMIT.BAT" && mkdir "$c/windows/COMMIT.BAT"; }
build_folders() { for f in "$@"; do mkdir "$c/XPe Build $f" && echo b >"$c/XPe Build $f/b.txt"; done; }
magic() { put_byte "$d/SLAVE.BIN" 0 0xE3 && put_byte "$d/SLAVE.BIN" 1 0xE3; }
flip() { put_byte "$1" "$2" $(($(od -An -tu1 -j "$2" -N1 "$1") ^ 1)); }
drive() { [ "$1" = P ] && echo "$p/Tenacor" || echo "$c/ZR7KM"; } # where each installation puts its files
cut_when() { cutAt="$(drive "$1")/$2" cutBytes=$3; } # P or C, a file, its bytes then
made_disk() { # option code and value: a disk made anew by ZR7Disk make, with system files in sub-folders
    local from="$work/made-system" made="$inst/made-disk"
    mkdir -p "$from/sub/deeper" && cp "$c/ZR7KM/COMMIT.BAT" "$from/" &&
        for f in ZR7KMSYS.dll ZR7KMSYS.ini sub/deeper/c.ini; do echo "made $f" >"$from/$f"; done &&
        (cd "$work" && WINEPREFIX="$inst/prefix" wine "$ZR7_BUILD/bin/ZR7Disk.exe" make "Z:$made" \
            --system "Z:$from" --option "$1" "$2" --program "Z:$d/ZR7KMUpgrade.exe" \
            --tool Z:/usr/lib/i386-linux-gnu/wine/i386-windows/extrac32.exe </dev/null >/dev/null) &&
        rm -rf "$d" && mv "$made" "$d"
}

# What the run leaves behind: each check compares what it must be with what it is (want).
label() { # the build folder's label, or its whole name
    want "$([[ $1 == *" "* ]] && echo "$1" || echo "XPe Build B With Tenacor $1")" "$(build_folder)" "build folder"
}
into() { # C, P or none: where the system files are
    local seen=$([ -f "$c/ZR7KM/ZR7KMSYS.dll" ] && echo C)$([ -f "$p/Tenacor/ZR7KMSYS.dll" ] && echo P)
    want "$1" "${seen:-none}" "system files in"
}
retention() { # the first word of each retention tool file on P:, and how many protected files
    for f in "$p/Tenacor"/Tenacor*; do read -r word _ <"$f" && printf '%s ' "$word"; done
    ls "$p/Tenacor/ProtectedFiles" | wc -l
}
committed() {
    want "new batch ran/gone" "$(tr -d '\r' <"$c/commit.log")/$(ls "$c/ZR7KM/COMMIT.BAT" 2>/dev/null || echo gone)" "commit log/waiting batch"
    check '[ "$c/ZR7KM/ZR7KM.started" -nt "$c/commit.log" ]' "the application restarted before the commit ended"
    want "new new new 0" "$(retention)" "retention tool on P:, protected files"
}
uncommitted() {
    want "/$c/ZR7KM/COMMIT.BAT/old" "$(cat "$c/commit.log" 2>/dev/null)/$(ls "$c/ZR7KM/COMMIT.BAT")/$(grep -o old "$c/windows/COMMIT.BAT")" "commit log/waiting batch/installed batch"
    want "old old old 5" "$(retention)" "retention tool on P:, protected files"
}
marker() { # empty, or none
    local seen=none
    [ -f "$c/ZR7KM/DesistTenacor.txt" ] && seen=$(wc -c <"$c/ZR7KM/DesistTenacor.txt" | sed 's/^0$/empty/')
    want "${1:-empty}" "$seen" "marker"
}
languages() { want "$1" "$(ls "$c/ZR7KM" | grep -c ZR7Engli.mls)/$(cat "$c/ZR7KM/ZR7English.mls")" "short name/long name's file"; }
left() { want "$3" "$(stat -c %s "$(drive "$1")/$2")" "bytes of $2 the tool left"; } # P or C, file
folders() { want "$(printf 'XPe Build %s\n' "$@")" "$(build_folder)" "build folders"; }
waiting_batch() { want "$1" "$([ -f "$c/ZR7KM/COMMIT.BAT" ] && echo kept || echo gone)" "the waiting batch"; }
abort_flag() { want "$1" "$(ram_byte 6)" "the abort flag in the common RAM"; }
# ZR7Disk verify of the disk with the row's word (or another): its exit status, a line it must
# print, and nothing changed on the instrument or its disk.
verify() { # status [line [word]]
    local failed=$failures line=${2:-} out code written
    files_written >"$work/files-before.txt"
    out=$(cd "$c" && WINEPREFIX="$inst/prefix" wine "$ZR7_BUILD/bin/ZR7Disk.exe" verify "${e%\\}" \
        "${3:-${words[*]:-}}" </dev/null | tr -d '\r'; exit "${PIPESTATUS[0]}")
    code=$?
    want "$1" "$code" "verify's exit status"
    [ -z "$line" ] || check 'grep -qxF "$line" <<<"$out"' "verify does not say \"$line\""
    written=$(files_written | diff "$work/files-before.txt" - | grep '^[<>]')
    want "" "$written" "files verify wrote on the instrument (path, size, time)"
    [ "$failures" = "$failed" ] || printf '%s\n' "$out" | sed 's/^/    /'
}
files_written() { find "$c" "$p" "$inst/disk" -type f -printf '%p %s %T@\n' | sort; } # the drives
rerun() { # the run again with the disk's own tool, once the power is back
    cp /usr/lib/i386-linux-gnu/wine/i386-windows/extrac32.exe "$d/extract.exe" && rm -f "$d/extract.ini"
    cutAt="" run_upgrade "${words[@]}"
}
restarted() { want "command line: ZR7KM.exe,working directory: c:\ZR7KM" "$(tr -d '\r' <"$c/ZR7KM/ZR7KM.started" | paste -sd,)" "application started"; }
sxs() { want "$1" "$([ -f "$c/windows/ZR7SxS.manifest" ] && echo yes || echo no)" "WinSxS.cab extracted"; }
option() { # folder, then kept, emptied (but for its read-only file), hidden (but for its hidden
    # file) or gone
    local left=$(cd "$c/ZR7KM/OPTIONS" && find "$1" -type f 2>/dev/null | sort | paste -sd' ')
    case $2 in
    kept) [[ $left == *"$1/sub/deeper/c.txt"* ]] || want "$1 kept" "$left" "files left in $1" ;;
    emptied) want "$1/sub/readonly.txt" "$left" "files left in $1" ;;
    hidden) want "$1/sub/deeper/hidden.txt" "$left" "files left in $1" ;;
    gone) want "" "$left" "files left in $1" ;;
    esac
}
received() { want 0 "$(cmp -s <(head -c $(($1 * 256)) "$image") "$c/ZR7KM/board-received.bin"; echo $?)" "blocks 1 to $1 on the board differ"; }
handshake() { want "$1" "$(board_value handshake)" "handshake"; }
taken() { want "$1" "$(board_value blocks)" "blocks the board took"; }
shown() { want "$1 Block $1" "$(records slave-progress | grep -c "^Block ") $(records slave-progress | grep "^Block " | tail -1)" "blocks shown"; }
waited() { [ "$(records slave-progress | grep -c "^WAITING ")" -ge "$1" ] || want "$1 s or more" "less" "final wait"; }
handshakes() { # how often each settling time of the handshake was taken: "MSxTIMES ..."
    want "$1" "$(records handshake | sort -n | uniq -c | awk '{ printf "%s%sx%s", (NR > 1 ? " " : ""), $2, $1 }')" "handshake pauses"
}
events() { want "$2" "$(grep -c "$1" "$c/ZR7KM/board-events.txt")" "the board's \"$1\""; }
noboard() { want "" "$(ls "$c/ZR7KM" | grep "^board-")" "board records"; }
ports() { # the port writes; two must be 4 then 0 a second later
    local writes=$(tr -d '\r' <"$c/ZR7KM/board-ports.txt" 2>/dev/null)
    want "$1" "$(grep -c port <<<"$writes")" "port writes"
    [ "$1" = 2 ] && want "4 0 1" "$(awk '{ v = v $6 " " } NR == 1 { t = $1 } END { print v ($1 - t >= 1000000) }' <<<"$writes")" "port 0x305 values, a second apart"
}
pristine() { # syncup posted; "retry": the program wrote only the retry order and the blocks
    local expected="$work/pristine.bin" offset
    head -c 1024 /dev/zero | tr '\0' '\132' >"$expected"
    put_byte "$expected" 2 $(($1 & 255)) && put_byte "$expected" 3 $(($1 >> 8))
    for offset in 6 272 467; do put_byte "$expected" $offset 0; done
    [ "${2:-}" != retry ] || { put_byte "$expected" 467 255 &&
        tail -c 256 "$image" | dd of="$expected" bs=1 seek=512 conv=notrunc status=none; }
    want 0 "$(cmp -s "$expected" "$c/ZR7KM/board-commonram.bin"; echo $?)" "other common RAM bytes written"
}

# The disk tool's plan of the same disk, taken before the run, must name the children the run
# started, its result and its log line.
plan() {
    local planned recorded message logLine
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
    logLine=$(sed -n 's/^progress window: "\(.*\)"$/\1/p' "$work/plan.txt")
    [ -z "$logLine" ] || check 'grep -qxF "slave-log $logLine\\n" "$transcript"' "plan: the log line $logLine"
}

IFS=';' read -ra steps <<<"$setup"
for step in "${steps[@]}"; do
    eval "$step" || { echo "FAIL: the set-up step \"${step# }\" failed"; exit 1; }
done
if [[ $afterwards == *plan* ]]; then
    (cd "$c" && WINEPREFIX="$inst/prefix" wine "$ZR7_BUILD/bin/ZR7Disk.exe" plan "${e%\\}" \
        "${words[@]:-}" </dev/null) | tr -d '\r' >"$work/plan.txt"
    planExit=${PIPESTATUS[0]}
fi
run_upgrade "${words[@]}"
# The handshake's pauses are checked by their sums (handshakes); the blocks by their count (shown).
keep='^(slave-progress Block [0-9]+|handshake [0-9]+)$'
[[ $pieces == *"finalwait "[0-9]* ]] || keep='^(slave-progress (Block|WAITING) [0-9]+|handshake [0-9]+)$'
app=$([ -f "$c/ZR7KM/ZR7KM.exe" ] && echo closing || echo noapp)
[ -z "${cutAt:-}" ] || app=true # no restart after the power cut
if ! diff -u <(opening; eval "$pieces"; $app) <(grep -Ev "$keep" "$transcript"); then
    echo "FAIL: the transcript differs from the expected one (- expected, + recorded)"
    failures=$((failures + 1))
fi
eval "$afterwards"
[ "$app" = noapp ] || restarted
check '[ "$exitCode" = 0 ]' "exit code $exitCode"
finish

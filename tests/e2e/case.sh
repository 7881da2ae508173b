#!/bin/bash
# Runs the row of the table (tests/e2e/cases, or the one ZR7_CASES names) named by the first
# argument: every step of the row looked up among the harness's own first, then the instrument laid
# by the row's set-up, the test build run with the row's word, its whole transcript against the
# opening, the row's pieces and the restart, then the row's checks; exit code 0.
source "$ZR7_SOURCE/tests/e2e/lib.sh"
source "$ZR7_SOURCE/tests/e2e/pieces.sh"
table=${ZR7_CASES:-$ZR7_SOURCE/tests/e2e/cases}

# A row's steps, one a line: its column (1 the command word, 2 the set-up, 3 the pieces, 4 the
# checks), a tab and the step's words separated by \037. A row begins with its name; the lines
# after it that begin with a blank continue it, a line that begins with a bar with its next column.
# Columns end at a bar, steps at a semicolon, words at a blank, except within double quotes, which
# group without taking part. Nothing is expanded.
row_steps() {
    awk -v name="$1" '/^[a-z0-9-]+ [|]/ { row = $1 == name; if (row) found = 1 }
        row && !/^#/ { text = text " " $0 }
        function end_word() { if (open) { step = step (step == "" ? "" : "\037") word } word = ""; open = 0 }
        function end_step() { end_word(); if (step != "" && column > 0) print column "\t" step; step = "" }
        END {
            if (!found) exit 1
            sub(/^ *[a-z0-9-]+ */, "", text)
            for (i = 1; i <= length(text); i++) {
                ch = substr(text, i, 1)
                if (ch == "\"") { quoted = !quoted; open = 1 }
                else if (!quoted && ch == "|") { end_step(); column++ }
                else if (!quoted && ch == ";") end_step()
                else if (!quoted && (ch == " " || ch == "\t")) end_word()
                else { word = word ch; open = 1 }
            }
            end_step()
            if (quoted) print "4\t\037unbalanced"
        }' "$table"
}

# The steps a table may name, each with a pattern for each argument, an extended regular
# expression that the whole argument must match: with a leading "?" the argument may be left out,
# with a leading "*" it may come any number of times; "@FUNCTION" has FUNCTION judge them all.
declare -A grammar
known() { # column name [pattern...]
    local IFS=$'\037' key="$1/$2"
    shift 2
    grammar[$key]="$*"
}
path='[CPE]:/.+' count='[0-9]+'
for step in stale_marker batch_in_the_way magic; do known setup $step; done
for step in board board_without_outport; do known setup $step @board_settings; done
known setup seams "$count" "$count" "$count" "$count"
known setup lay @lay_options
known setup archive 'text|nameless|climbing'
known setup build_folders '.+' '*.+'
known setup tool @tool_settings
known setup cut_when 'C|P' '[^/\\]+' "$count"
known setup image 'raw|headered|wrapped'
known setup flip "$path" "$count"
known setup made_disk "$count" '[0-9.]+'
for piece in ok desist winsxs commit saving slave download emulation transfer; do known piece $piece; done
known piece lang 'REMOVED|RENAMED'
known piece extraction 'EWF|MASTER'
known piece failed '[123]'
known piece logged '.+'
known piece finalwait "?$count"
known piece report '*[1-7]'
known piece result '0x[0-9a-f]{2}'
known check plan '*.+'
known check nowhere '[^/\\]+'
for check in committed uncommitted noboard rerun closed_after_clearing; do known check $check; done
for check in shown received handshake taken ports; do known check $check "$count"; done
for check in flip shorten; do known check $check "$path" "$count"; done
known check label '[0-9]+\.[0-9]{2}|XPe Build .+'
known check into 'C|P|none'
known check marker '?empty|none'
known check languages '[0-9]+/(long|short)'
known check verify '[012]' '*.+'
known check verify_as '.+' '[012]' '*.+'
known check remove "$path"
known check rename_build_folder 'XPe Build .+'
known check sxs 'yes|no'
known check option 'DXF|ZRPARASOLID|ZRVerify|KEEP' 'kept|emptied|hidden|gone'
known check left 'C|P' '[^/\\]+' "$count"
known check folders '.+' '*.+'
known check waiting_batch 'kept|gone'
known check handshakes '[0-9]+x[0-9]+( [0-9]+x[0-9]+)*'
known check events '.+' "$count"
known check pristine '0x[0-9A-Fa-f]{1,4}|0' '?retry'
known check abort_flag '[0-9a-f]{2}'

# What make-instrument.sh takes, and the settings of the stand-ins that fail as they are told.
lay_options() {
    while [ $# -gt 0 ]; do
        case $1 in
        --no-diskinfo | --no-extract | --no-syscab | --no-winsxs | --no-commit-batch | --no-app) ;;
        --option) [[ ${2:-} =~ ^[0-9]+$ && ${3:-} =~ ^[0-9.]+$ ]] || fault "--option needs a code and a value"
            shift 2 ;;
        --language) [[ ${2:-} =~ ^(both|short|none)$ ]] || fault "--language is both, short or none"; shift ;;
        --build-folder | --disk-name) [ -n "${2:-}" ] || fault "$1 needs a name"; shift ;;
        *) fault "\"$1\" is no option of lay" ;;
        esac
        shift
    done
}
settings() { # names, then the step's pairs of setting and value
    local names=" $(echo $1) "
    shift
    [ $(($# % 2)) = 0 ] || fault "a setting without its value"
    while [ $# -gt 0 ]; do
        [[ $names == *" $1 "* ]] || fault "\"$1\" is no setting it knows"
        shift 2
    done
}
tool_settings() {
    settings "shortFile shortBytes then exitCode" "$@"
    [[ " $* " != *" then "* || " $* " =~ " then "(crash|wait|exit)" " ]] || fault "then is crash, wait or exit"
}
board_settings() {
    settings "syncup memory abortAtBlock refuseStart neverClear clearAfterLast abortAfterLast
        blockDelay blockDelaySpread nullPointer spin" "$@"
    [[ " $* " != *" memory "* || " $* " =~ " memory "(section|virtual|data)" " ]] ||
        fault "memory is section, virtual or data"
}

# Notes what is wrong with a step of a column in faults, a line each; nothing when the harness
# knows the step as written.
fault() { faults+="$stepName: $*"$'\n'; }
fault_of() { # column, the step's words
    local column=$1 key="$1/$2" pattern re patterns
    stepName=$2
    shift 2
    [ "$stepName" != "" ] || { fault "an unbalanced quotation mark"; return; }
    [[ -v grammar[$key] ]] || { faults+="no $column step is called \"$stepName\""$'\n'; return; }
    IFS=$'\037' read -ra patterns <<<"${grammar[$key]}"
    if [[ ${patterns[0]:-} == @* ]]; then
        "${patterns[0]#@}" "$@"
        return
    fi
    for pattern in "${patterns[@]}"; do
        re=${pattern#[?*]}
        case $pattern in
        \**) while [ $# -gt 0 ] && [[ $1 =~ ^($re)$ ]]; do shift; done ;;
        \?*) [ $# = 0 ] || [[ ! $1 =~ ^($re)$ ]] || shift ;;
        *) [ $# -gt 0 ] || { fault "lacks an argument ($re)"; return; }
            [[ $1 =~ ^($re)$ ]] || { fault "\"$1\" is not $re"; return; }
            shift ;;
        esac
    done
    [ $# = 0 ] || fault "\"$1\" is no argument it knows"
}

# Reads a row into its words and its steps (setupSteps, pieceSteps, checkSteps: each step a line of
# words separated by \037), and into faults what the harness does not know of them.
read_row() {
    local column step parts text
    faults="" words=() setupSteps=() pieceSteps=() checkSteps=()
    text=$(row_steps "$1") || { faults="the table has no row $1"; return; }
    while IFS=$'\t' read -r column step; do
        case $column in
        1) IFS=$'\037' read -ra parts <<<"$step" && words+=("${parts[@]}") ;;
        2) setupSteps+=("$step") ;;
        3) pieceSteps+=("$step") ;;
        4) checkSteps+=("$step") ;;
        esac
    done <<<"$text"
    for column in setup piece check; do
        local -n list=${column}Steps
        for step in "${list[@]}"; do
            IFS=$'\037' read -ra parts <<<"$step"
            fault_of "$column" "${parts[@]}"
        done
    done
    faults=${faults%$'\n'}
}
# Runs each step of an array; with stop, none after one that fails. A step that breaks off (an
# expansion error in it abandons the whole line that called run_steps, and bash goes on with the
# next) leaves its name in broken.
run_steps() { # array name [stop]
    local -n list=$1
    local step parts
    for step in "${list[@]}"; do
        IFS=$'\037' read -ra parts <<<"$step"
        broken=${parts[0]}
        "${parts[@]}" || [ "${2:-}" != stop ] || { broken="" && return 1; }
    done
    broken=""
}

read_row "$1"
[ -z "$faults" ] || { sed "s/^/FAIL: /" <<<"$faults"; exit 1; }

# A path on the instrument as the table writes it (C:/, P:/ or E:/, then the path as it lies on
# the host) where it lies on the host.
on_host() {
    case $1 in
    C:/*) echo "$c/${1#C:/}" ;;
    P:/*) echo "$p/${1#P:/}" ;;
    E:/*) echo "$inst/disk/${1#E:/}" ;;
    *) return 1 ;;
    esac
}

# Setting up: the instrument's memory and drives, and what is wrong with its disk.
seams() { # memory bytes, total and available; MiB free and in all on C:, on E: and P: far more
    export ZR7_MEMORY="$1 $2" ZR7_DISK_C="256 4096 $3 $4" ZR7_DISK_{E,P}="256 4096 100000 200000"
}
stale_marker() { echo stale >"$c/ZR7KM/DesistTenacor.txt"; }
archive() { # text; nameless: the last file without a name; climbing: one file, two folders up
    local cab="$d/ZR7KMSYS1.cab"
    case $1 in
    text) echo "not a cabinet" >"$cab" ;;
    nameless) perl -0777 -pi -e 's/COMMIT\.BAT\0/\0OMMIT.BAT\0/' "$cab" ;;
    climbing) mkdir -p "$work/aa/aa/WINDOWS" && echo evil >"$work/aa/aa/WINDOWS/evil.txt" &&
        (cd "$work" && gcab -c "$cab" aa/aa/WINDOWS/evil.txt) && perl -0777 -pi -e 's/aa\\aa\\/..\\..\\/' "$cab" ;;
    esac
}
batch_in_the_way() { rm "$c/windows/COMMIT.BAT" && mkdir "$c/windows/COMMIT.BAT"; }
build_folders() { for f in "$@"; do mkdir "$c/XPe Build $f" && echo b >"$c/XPe Build $f/b.txt"; done; }
magic() { put_byte "$d/SLAVE.BIN" 0 0xE3 && put_byte "$d/SLAVE.BIN" 1 0xE3; }
flip() { local file=$(on_host "$1") && put_byte "$file" "$2" $(($(od -An -tu1 -j "$2" -N1 "$file") ^ 1)); }
drive() { [ "$1" = P ] && echo "$p/Tenacor" || echo "$c/ZR7KM"; } # where each installation puts its files
cut_when() { cutAt="$(drive "$1")/$2" cutBytes=$3; } # P or C, a file, its bytes then
made_disk() { # option code and value: a disk made anew by ZR7Disk make, with system files in
    # sub-folders, and WinSxS.cab where the code extracts it
    local from="$work/made-system" made="$inst/made-disk" sxs=()
    mkdir -p "$from/sub/deeper" && cp "$c/ZR7KM/COMMIT.BAT" "$from/" &&
        for f in ZR7KMSYS.dll ZR7KMSYS.ini sub/deeper/c.ini; do echo "made $f" >"$from/$f"; done
    [ "$1" -lt 1000 ] || [ "$1" -gt 1003 ] || { sxs=(--winsxs "Z:$work/made-sxs") &&
        mkdir -p "$work/made-sxs" && echo "made manifest" >"$work/made-sxs/ZR7SxS.manifest"; }
    zr7disk make "Z:$made" --system "Z:$from" "${sxs[@]}" --option "$1" "$2" \
        --program "Z:$d/ZR7KMUpgrade.exe" --tool "Z:$cabinetTool" >/dev/null && rm -rf "$d" && mv "$made" "$d"
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
nowhere() { want "" "$(find "$c" "$p" -name "$1")" "files named $1 on C: or P:"; }
folders() { want "$(printf 'XPe Build %s\n' "$@")" "$(build_folder)" "build folders"; }
waiting_batch() { want "$1" "$([ -f "$c/ZR7KM/COMMIT.BAT" ] && echo kept || echo gone)" "the waiting batch"; }
abort_flag() { want "$1" "$(ram_byte 6)" "the abort flag in the common RAM"; }
# What the instrument suffers after a run, for verify to find.
remove() { rm "$(on_host "$1")"; }
shorten() { truncate -s "$2" "$(on_host "$1")"; }
rename_build_folder() { mv "$c/$(build_folder)" "$c/$1"; }
# ZR7Disk verify of the disk with the row's word (or another): its exit status, the lines it must
# print, and nothing changed on the instrument or its disk.
verify() { verify_as "${words[*]:-}" "$@"; }
verify_as() { # word, status, lines
    local word=$1 status=$2
    shift 2
    files_written >"$work/files-before.txt"
    out=$(zr7disk verify "${e%\\}" $word)
    want "$status" "$?" "verify's exit status"
    [ $# = 0 ] || says < <(printf '%s\n' "$@")
    want "" "$(files_written | diff "$work/files-before.txt" - | grep '^[<>]')" \
        "files verify wrote on the instrument (path, size, time)"
}
files_written() { find "$c" "$p" "$inst/disk" -type f -printf '%p %s %T@\n' | sort; } # the drives
rerun() { # the run again with the disk's own tool, once the power is back
    cp "$cabinetTool" "$d/extract.exe" && rm -f "$d/extract.ini"
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
handshakes() { # how often each settling time of the handshake was taken: "MSxTIMES ..."
    want "$1" "$(records handshake | sort -n | uniq -c | awk '{ printf "%s%sx%s", (NR > 1 ? " " : ""), $2, $1 }')" "handshake pauses"
}
events() { want "$2" "$(grep -c "$1" "$c/ZR7KM/board-events.txt")" "the board's \"$1\""; }
# The program closed the download only once the board had cleared the handshake, as the board's
# own record of both tells, however long either took.
closed_after_clearing() {
    want "cleared after the last block,download closed with 255" \
        "$(tr -d '\r' <"$c/ZR7KM/board-events.txt" | sed -n 's/^[0-9]* us \(cleared after the last block\|download closed with 255\)$/\1/p' | paste -sd,)" \
        "the board's events after the last block"
}
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
# started, its result and its log line, and print the lines given.
plan() {
    local planned recorded message logLine out
    out=$(<"$work/plan.txt") && { [ $# = 0 ] || says < <(printf "%s\n" "$@"); }
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

run_steps setupSteps stop || { echo "FAIL: a set-up step failed"; exit 1; }
[ -z "$broken" ] || { echo "FAIL: the set-up step $broken broke off"; exit 1; }
if printf '%s\n' "${checkSteps[@]}" | grep -qE $'^plan(\037|$)'; then
    zr7disk plan "${e%\\}" "${words[@]:-}" >"$work/plan.txt"
    planExit=$?
fi
run_upgrade "${words[@]}"
# The handshake's pauses are checked by their sums (handshakes); the blocks by their count (shown).
keep='^(slave-progress Block [0-9]+|handshake [0-9]+)$'
printf '%s\n' "${pieceSteps[@]}" | grep -q $'^finalwait\037' ||
    keep='^(slave-progress (Block|WAITING) [0-9]+|handshake [0-9]+)$'
app=$([ -f "$c/ZR7KM/ZR7KM.exe" ] && echo closing || echo noapp)
[ -z "${cutAt:-}" ] || app=true # no restart after the power cut
if ! diff -u <(opening; run_steps pieceSteps; $app) <(grep -Ev "$keep" "$transcript"); then
    echo "FAIL: the transcript differs from the expected one (- expected, + recorded)"
    failures=$((failures + 1))
fi
run_steps checkSteps
check '[ -z "$broken" ]' "the check $broken broke off, and those after it did not run"
[ "$app" = noapp ] || restarted
check '[ "$exitCode" = 0 ]' "exit code $exitCode"
finish

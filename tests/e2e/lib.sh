# End-to-end harness, sourced by case.sh (the rows of `cases`) and by the scripts that need an
# instrument of their own; needs the CTest environment (ZR7_SOURCE, ZR7_BUILD, ZR7_SHIPPED...).
#   lay [make-instrument.sh options]    fresh instrument with the screen of 800x600: $c is drive
#                                       C:, $p drive P:, $d the upgrade disk folder, which the
#                                       program sees as $e
#   board [SETTING VALUE]...            ZRSlaveDriver.dll in C:\ZR7KM with its settings (and
#   board_without_outport [...]         one that lacks OutPort)
#   tool [SETTING VALUE]...             the disk's extract.exe a tool that fails as they say
#   image raw|headered|wrapped          SLAVE.BIN on the disk; $image holds the bare image
#   run_upgrade [WORD] / run_shipped [WORD]   the test build (transcript in $transcript) or the
#                                       shipped program (real time, $elapsedMs), from C:\ZR7KM
#   check CONDITION MESSAGE, want EXPECTED SEEN WHAT / finish   collect failures, exit 1 if any
#   says                                each line of standard input must stand whole in $out
set -u
source "$ZR7_SOURCE/standins/instrument/instrument.sh"
failures=0
work=$(mktemp -d "${TMPDIR:-/tmp}/zr7-e2e.XXXXXX")
trap 'switch_off "$work/instrument/prefix"; rm -rf "$work"' EXIT
# An instrument's first program would boot Wine's services, which none of its programs uses and
# which cost seconds of CPU under emulation. Without wineboot, programs started from here must run
# one at a time: one started while another starts waits two minutes for a boot that never comes.
source "$ZR7_SOURCE/scripts/lib.sh"
wine_environment wineboot.exe=d
inst="$work/instrument" c="$work/instrument/prefix/drive_c" p="$work/instrument/p-drive"
transcript="$work/transcript.txt" image="$work/image.bin" e='E:\' d="$inst/disk" diskName=""

lay() {
    diskName=""
    for ((i = 1; i < $#; i++)); do [ "${!i}" = --disk-name ] && j=$((i + 1)) && diskName=${!j}; done
    e="E:\\${diskName:+$diskName\\}" d="$inst/disk${diskName:+/$diskName}"
    # The write filter's commit takes seconds, far longer than the test build's pause after it.
    lay_instrument "$inst" "$ZR7_WINEPREFIX" "$ZR7_BUILD/bin/ZR7KMUpgrade.exe" --commit-seconds 3 \
        --screen 800x600 "$@"
}

# A file of the upgrade disk as the program's command lines name it: quoted where it has a blank.
on_disk() { [[ "$e" == *" "* ]] && echo "\"$e$1\"" || echo "$e$1"; }

board() { # pairs of setting and value
    cp "$ZR7_BUILD/${variant:-slaveboard}/ZRSlaveDriver.dll" "$c/ZR7KM/" &&
        printf '%s %s\n' "$@" >"$c/ZR7KM/ZRSlaveDriver.ini"
}
board_without_outport() { variant=slaveboard-nooutport board "$@"; }

# The disk's extract.exe replaced by a tool that leaves a file short, then crashes or ends.
tool() { # pairs of setting and value
    cp "$ZR7_BUILD/standins/CabinetTool.exe" "$d/extract.exe"
    printf '%s %s\n' "$@" >"$d/extract.ini"
}

# The header holds the magic E3 E3 and the CRC-32 of the image as gzip computes it, or as the
# disk tool writes it.
image() {
    head -c 131072 /dev/urandom >"$image"
    case $1 in
    raw) cp "$image" "$d/SLAVE.BIN" ;;
    headered) headered_image "$image" >"$d/SLAVE.BIN" ;;
    wrapped) zr7disk wrap "Z:$image" "Z:$d/SLAVE.BIN" >/dev/null ;;
    *) return 1 ;;
    esac
}
# ZR7Disk, its output as the host reads it (no CR) and its exit status: in the instrument's prefix
# once one is laid, else in the tree's; names beyond ASCII reach it in the locale's code page.
zr7disk() {
    if [ -d "$inst/prefix" ]; then
        LC_ALL=C.UTF-8 WINEPREFIX="$inst/prefix" wine "$ZR7_BUILD/bin/ZR7Disk.exe" "$@"
    else
        LC_ALL=C.UTF-8 "$ZR7_WINE_RUN" "$ZR7_BUILD/bin/ZR7Disk.exe" "$@"
    fi </dev/null | tr -d '\r'
    return "${PIPESTATUS[0]}"
}
put_byte() { printf "$(printf '\\%03o' "$3")" | dd of="$1" bs=1 seek="$2" conv=notrunc status=none; }

# The test build, or after run_shipped's copy the shipped program, which writes no transcript.
# A program that has not ended by runLimit seconds (far beyond any run's pauses) ends with 124.
# With cutAt set, the instrument is switched off, as by a power cut, once that file has cutBytes.
run_upgrade() {
    rm -f "$transcript" "$c/ZR7KM"/board-*
    local start=$(date +%s%N)
    runLimit=${runLimit:-120} run_on_instrument "$inst/prefix" "$transcript" "${e}ZR7KMUpgrade.exe" "$@" &
    local run=$!
    if [ -n "${cutAt:-}" ]; then
        until [ "$(stat -c %s "$cutAt" 2>/dev/null)" = "$cutBytes" ] || ! kill -0 $run 2>/dev/null; do
            sleep 0.1
        done
        switch_off "$inst/prefix"
    fi
    wait $run
    exitCode=$? elapsedMs=$((($(date +%s%N) - start) / 1000000))
    # The application runs on after its restart: the program must not wait for it.
    [ -n "${cutAt:-}" ] || [ ! -f "$c/ZR7KM/ZR7KM.exe" ] || check 'application_started "$inst/prefix" &&
        application_runs "$inst/prefix"' "the program ended, but the application does not run"
}
run_shipped() { cp "$ZR7_SHIPPED/ZR7KMUpgrade.exe" "$d/" && runLimit=300 run_upgrade "$@"; }

records() { awk -v kind="$1" '$1 == kind { sub(/^[^ ]+ /, ""); print }' "$transcript"; }
board_value() { awk -v key="$1" '$1 == key { print $2 }' "$c/ZR7KM/board-summary.txt" | tr -d '\r'; }
ram_byte() { od -An -tx1 -j "$1" -N1 "$c/ZR7KM/board-commonram.bin" | tr -d ' '; }
build_folder() { (cd "$c" && ls -d XPe*); }
check() { eval "$1" || { echo "FAIL: $2" && failures=$((failures + 1)); }; }
want() { [ "$1" = "$2" ] || { echo "FAIL: $3: \"$2\", not \"$1\"" && failures=$((failures + 1)); }; }
says() { # $out is shown when a line does not stand in it
    local failed=$failures line
    while IFS= read -r line; do check 'grep -qxF -- "$line" <<<"$out"' "\"$line\" missing"; done
    [ "$failures" = "$failed" ] || printf '%s\n' "$out" | sed 's/^/    /'
}
finish() {
    [ "$failures" -eq 0 ] && echo passed && exit 0
    echo "$failures check(s) failed" && exit 1
}

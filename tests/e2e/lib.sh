# End-to-end harness, sourced by the *.test.sh scripts of this folder (and of others that need a
# simulated instrument). Needs the CTest environment (ZR7_SOURCE, ZR7_BUILD, ZR7_WINEPREFIX).
#   lay_instrument [make-instrument.sh options]   fresh instrument in $inst; $c is its drive C:,
#                                                  $p drive P:; e2eProgram overrides the program
#   run_upgrade [words...]                         test build from E:, transcript in $transcript
#   run_shipped [words...]                         the shipped program, same place, real time
#   expect_transcript <<'EOF'                       the whole transcript must be the given text
#   opening WORD / status_line TEXT / caption TEXT / commit_lines / closing
#                                                   pieces of an expected transcript
#   check CONDITION MESSAGE / finish                collect failures, exit 1 if any
set -u
# `{ ...; } | expect_transcript` must count its failure in this shell, not in a subshell.
shopt -s lastpipe
e2eDisk=""
failures=0
work=$(mktemp -d "${TMPDIR:-/tmp}/zr7-e2e.XXXXXX")
trap 'WINEPREFIX="$work/instrument/prefix" wineserver -k 2>/dev/null; rm -rf "$work"' EXIT
export WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

lay_instrument() {
    inst="$work/instrument"
    [ -d "$inst/prefix" ] && WINEPREFIX="$inst/prefix" wineserver -k 2>/dev/null
    e2eDisk=""
    local previous=""
    for a in "$@"; do
        [ "$previous" = --disk-name ] && e2eDisk=$a
        previous=$a
    done
    "$ZR7_SOURCE/standins/instrument/make-instrument.sh" --base "$ZR7_WINEPREFIX" --out "$inst" \
        --program "${e2eProgram:-$ZR7_BUILD/bin/ZR7KMUpgrade.exe}" \
        --app "$ZR7_BUILD/standins/ZR7KM.exe" "$@" || exit 1
    c="$inst/prefix/drive_c"
    p="$inst/p-drive"
    transcript="$work/transcript.txt"
    rm -f "$transcript"
}

# The program's path on the instrument: E:\ZR7KMUpgrade.exe or E:\<disk name>\ZR7KMUpgrade.exe.
upgrade_path() { echo "E:\\${e2eDisk:+$e2eDisk\\}ZR7KMUpgrade.exe"; }

run_upgrade() {
    (cd "$c/ZR7KM" && WINEPREFIX="$inst/prefix" ZR7_TRANSCRIPT="Z:$transcript" \
        wine "$(upgrade_path)" "$@")
    exitCode=$?
    WINEPREFIX="$inst/prefix" wineserver -w
}

run_shipped() {
    cp "$ZR7_SHIPPED/ZR7KMUpgrade.exe" "$inst/disk/${e2eDisk:+$e2eDisk/}ZR7KMUpgrade.exe"
    local start=$(date +%s%N)
    (cd "$c/ZR7KM" && WINEPREFIX="$inst/prefix" wine "$(upgrade_path)" "$@")
    exitCode=$?
    WINEPREFIX="$inst/prefix" wineserver -w
    elapsedMs=$((($(date +%s%N) - start) / 1000000))
}

caption() { echo "caption $1"; }
status_line() {
    echo "status $1"
    echo "pause 2000 | $1"
}

# What every run shows first: the command line (four seconds), then five passes with dots.
opening() {
    local commandLine="\"$(upgrade_path)\"${1:+ $1}"
    caption "ZR7KM System Upgrade Version 3.00 (CRC) - Checking..."
    status_line "$commandLine"
    echo "pause 2000 | $commandLine"
    local line="Update $1 Software: Checking system files"
    for pass in 1 2 3 4 5; do
        line="$line. "
        status_line "$line"
        echo "pause 0 | $line"
    done
}

# What the commit shows when the commit batch is there and the flag is set.
commit_lines() {
    caption "ZR7KM - Saving Disk Image..."
    status_line "Saving all changes to drive C:. Please Wait..."
    echo "pause 3000 | Saving all changes to drive C:. Please Wait..."
    echo "child C:/Windows/Commit.bat"
    status_line "Updating Disk C: Image... WAIT!"
    echo "pause 30000 | Updating Disk C: Image... WAIT!"
}

# What every run shows last when the application is there to restart.
closing() {
    caption "ZR7KM System Upgrade - Restarting..."
    status_line "Restarting...."
    echo "child ZR7KM.exe"
    caption "ZR7KM System Upgrade - Done..."
    status_line "Done."
}

check() {
    if ! eval "$1"; then
        echo "FAIL: $2"
        failures=$((failures + 1))
    fi
}

# The sum of the pauses in the transcript, in milliseconds.
paused_ms() { awk '$1 == "pause" { sum += $2 } END { print sum + 0 }' "$transcript"; }

expect_transcript() {
    local expected="$work/expected.txt"
    cat >"$expected"
    if ! diff -u "$expected" "$transcript"; then
        echo "FAIL: the transcript differs from the expected one (- expected, + recorded)"
        failures=$((failures + 1))
    fi
}

finish() {
    [ "$failures" -eq 0 ] && { echo "passed"; exit 0; }
    echo "$failures check(s) failed"
    exit 1
}

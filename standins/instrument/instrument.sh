# A simulated instrument, for every script that runs the upgrade on one (the end-to-end rows, the
# demo and the bench): laying it out, running the program on it, and its application.
#   lay_instrument FOLDER BASE PROGRAM [make-instrument.sh options]
#       a fresh instrument in FOLDER (the one laid there before is switched off first), its prefix
#       linked from BASE, PROGRAM on its upgrade disk; the application and the write filter come
#       from PROGRAM's build
#   run_on_instrument PREFIX TRANSCRIPT PROGRAM [WORD...]
#       runs PROGRAM (a path on the instrument, such as E:\ZR7KMUpgrade.exe) from C:\ZR7KM, as the
#       instrument starts it; the test build writes its transcript to TRANSCRIPT. ZR7_SHOTS passes
#       through; a run that has not ended after runLimit seconds (default 600) ends with 124
# The application C:\ZR7KM\ZR7KM.exe records its start in C:\ZR7KM\ZR7KM.started and then runs
# until the instrument is switched off; the functions below take the instrument's prefix.

# Wine's own cabinet tool, which stands in for the instrument's extract.exe.
cabinetTool=/usr/lib/i386-linux-gnu/wine/i386-windows/extrac32.exe

lay_instrument() {
    local folder=$1 base=$2 program=$3
    shift 3
    switch_off "$folder/prefix"
    "$(dirname "${BASH_SOURCE[0]}")/make-instrument.sh" --base "$base" --out "$folder" \
        --program "$program" --app "$(dirname "$program")/../standins/ZR7KM.exe" "$@"
}

run_on_instrument() {
    local prefix=$1 transcript=$2 program=$3
    shift 3
    (cd "$prefix/drive_c/ZR7KM" && WINEPREFIX="$prefix" ZR7_TRANSCRIPT="Z:$transcript" \
        timeout "${runLimit:-600}" wine "$program" "$@" </dev/null)
}

# Waits until the application, if the instrument has one, has recorded its start. It starts as
# the upgrade program ends, and a Wine process can take seconds to start under CPU emulation.
application_started() {
    local _
    for _ in $(seq 600); do
        [ ! -f "$1/drive_c/ZR7KM/ZR7KM.exe" ] ||
            grep -q "^working directory" "$1/drive_c/ZR7KM/ZR7KM.started" 2>/dev/null && return 0
        sleep 0.1
    done
    return 1
}

# Whether a process of this instrument (of this prefix, not of another one) runs the application.
application_runs() {
    local pid
    for pid in $(pgrep -f 'ZR7KM\.exe'); do
        grep -qzx "WINEPREFIX=$1" "/proc/$pid/environ" 2>/dev/null && return 0
    done
    return 1
}

# Switches the instrument off: every process of its prefix ends, the application among them.
switch_off() { [ ! -d "$1" ] || WINEPREFIX="$1" wineserver -k 2>/dev/null || true; }

# After a run of the upgrade: the application has recorded its start, then the instrument is off.
end_run() {
    application_started "$1" || true
    switch_off "$1"
}

# The stand-in application of a simulated instrument (make-instrument.sh), for the scripts that run
# the upgrade on one; each function takes the instrument's Wine prefix. C:\ZR7KM\ZR7KM.exe records
# its start in C:\ZR7KM\ZR7KM.started and then runs until the instrument is switched off.

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

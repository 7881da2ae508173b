# Helpers of the project's scripts, which source this file (it keeps to POSIX sh).
#   wine_environment [OVERRIDE]       32-bit Wine, quiet, without the installers of Wine's .NET and
#                                     HTML engines and without its USB and HID drivers, whose
#                                     service polls for devices the whole time (and OVERRIDE, such
#                                     as "wineboot.exe=d")
#   on_display WIDTHxHEIGHT COMMAND...
#                                     runs COMMAND (the calling script again) under a virtual X
#                                     screen of that size, unless it runs under one of ours already
#   transcript_sleeps FILE KIND...    the milliseconds of the test build's records of those kinds
#                                     (pause, handshake) in a transcript (- for standard input)
#   headered_image IMAGE              SLAVE.BIN for a 131,072-byte image on standard output: the
#                                     magic E3 E3, the CRC-32 of the image as gzip computes it, 56
#                                     zero bytes, the image

wine_environment() {
    export WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winebus.sys,wineusb.sys=d${1:+;$1}"
}

on_display() {
    [ -z "${ZR7_DISPLAY:-}" ] || return 0
    _size=$1
    shift
    exec env ZR7_DISPLAY="$_size" xvfb-run -a -s "-screen 0 ${_size}x24" "$@"
}

transcript_sleeps() {
    _file=$1
    shift
    awk -v kinds=" $* " 'index(kinds, " " $1 " ") { sum += $2 } END { print sum + 0 }' "$_file"
}

headered_image() {
    printf '\343\343\000\000'
    gzip -c "$1" | tail -c 8 | head -c 4
    head -c 56 /dev/zero
    cat "$1"
}

# For the scripts that run programs of a build on the instrument's screen (the demo's and the
# bench's), called as on_instrument_screen PREFIX "$0" "$@": the usage line unless they were given
# a build, then the script again under a virtual screen of 800x600, Wine's environment and the
# prefix PREFIX (a folder below the build). Sets build.
on_instrument_screen() {
    _prefix=$1 _script=$2
    shift 2
    [ $# = 1 ] && [ -f "${1:-}/bin/ZR7KMUpgrade.exe" ] || {
        echo "usage: $(basename "$_script") BUILD (the folder of make build, such as build)" >&2
        exit 2
    }
    on_display 800x600 "$_script" "$@"
    build=$(realpath "$1")
    wine_environment
    "$(dirname "$_script")/wine-prefix.sh" "$build/$_prefix" 800x600
}

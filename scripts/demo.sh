#!/bin/bash
# Builds on `make build`: lays out a fresh simulated instrument (EWF installation, option code
# 1004) and runs the shipped program on it under Wine, first with -nocommit, then with the commit.
# Every status line is photographed (build/demo/shots/*.png) and the changes are listed.
set -euo pipefail
build=$(realpath "$1")
demo="$build/demo"
if [ -z "${ZR7_DEMO_DISPLAY:-}" ]; then
    mkdir -p "$demo"
    exec env ZR7_DEMO_DISPLAY=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
export WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
scripts/wine-prefix.sh "$demo/wineprefix"
inst="$demo/instrument"
[ -d "$inst/prefix" ] && WINEPREFIX="$inst/prefix" wineserver -k 2>/dev/null || true
standins/instrument/make-instrument.sh --base "$demo/wineprefix" --out "$inst" \
    --program "$build/bin/ZR7KMUpgrade.exe" --app "$build/standins/ZR7KM.exe" \
    --option 1004 3.05 --language short
export WINEPREFIX="$inst/prefix"
c="$inst/prefix/drive_c"
shots="$demo/shots"
rm -rf "$shots"
mkdir -p "$shots"

# Drive C: (without the option folders) and P: as "path<tab>checksum" lines, folders as "path/".
listing() { # drive letter, folder, names
    local drive=$1
    cd "$2"
    shift 2
    find $@ -path ZR7KM/OPTIONS -prune -o -type d -printf "$drive:/%p/\tfolder\n" -o \
        -type f -printf "$drive:/%p\t" -exec sh -c 'md5sum <"$1" | cut -c1-32' sh {} \; 2>/dev/null || true
}
snapshot() {
    (listing C "$c" ZR7KM 'XPe*' windows/COMMIT.BAT commit.log)
    (listing P "$inst/p-drive" Tenacor)
}

changes() { # before after
    join -t $'\t' -a1 -a2 -e - -o 0,1.2,2.2 <(sort "$1") <(sort "$2") |
        awk -F'\t' '$2 == "-" { print "  added:   " $1; next }
                    $3 == "-" { print "  removed: " $1; next }
                    $2 != $3 { print "  changed: " $1 }' | sed 's|/|\\|g'
}

source scripts/photographed-run.sh

run() {
    local word=$1 before="$demo/before.txt" after="$demo/after.txt"
    snapshot >"$before"
    echo
    echo "== E:\\ZR7KMUpgrade.exe $word"
    local name=${word#-}
    photographed_run "${name:-commit}" 520x80+0+0 $word
    snapshot >"$after"
    echo "changes on the instrument:"
    changes "$before" "$after"
    [ -f "$c/commit.log" ] && echo "  C:\\commit.log says: $(tr -d '\r' <"$c/commit.log" | paste -sd,)"
    [ -f "$c/ZR7KM/ZR7KM.started" ] && echo "  the application was restarted: $(tr -d '\r' <"$c/ZR7KM/ZR7KM.started" | paste -sd' ')"
    rm -f "$c/ZR7KM/ZR7KM.started" "$c/commit.log"
}

echo "Simulated instrument in $inst (C: is prefix/drive_c, P: is p-drive, E: is disk)."
echo "DiskInfo.txt: $(tr -d '\r' <"$inst/disk/DiskInfo.txt" | paste -sd' ')"
echo
echo "== ZR7Disk plan E:\\ (what the program will do with this disk)"
planExit=0
(cd "$c" && wine "$build/bin/ZR7Disk.exe" plan 'E:\') >"$demo/plan.txt" || planExit=$?
tr -d '\r' <"$demo/plan.txt" | sed 's/^/  /'
echo "ZR7Disk ended with exit status $planExit"
run -nocommit
run ""

echo
echo "== The slave road"
scripts/demo-slave.sh "$build"

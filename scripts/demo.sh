#!/bin/bash
# Builds on `make build`: lays out a fresh simulated instrument (EWF installation, option code
# 1004) and runs the shipped program on it under Wine, first with -nocommit, then with the commit,
# then the slave road (scripts/demo-slave.sh). Every program runs in Wine's virtual desktop of the
# instrument's screen, 800x600; the photographer saves the desktop at every status line, and each
# road ends in a contact sheet build/demo/<road>-sheet.png. The test build runs the same roads on
# a twin instrument first: its transcript gives each road's fixed pauses.
#   demo.sh BUILD
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
source "$top/scripts/lib.sh"
on_instrument_screen demo/wineprefix "$0" "$@"
demo="$build/demo"
photographer="$build/tools/Photographer.exe"
source "$top/scripts/photographed-run.sh"

inst="$demo/instrument"
twin="$demo/twin"
lay_instrument "$inst" "$demo/wineprefix" "$build/bin/ZR7KMUpgrade.exe" --option 1004 3.05 --language short
lay_instrument "$twin" "$demo/wineprefix" "$build/test/bin/ZR7KMUpgrade.exe" --option 1004 3.05 --language short
rm -rf "$demo/frames" "$demo/transcripts" "$demo"/*-sheet.png
mkdir -p "$demo/frames" "$demo/transcripts"
export WINEPREFIX="$inst/prefix"
c="$inst/prefix/drive_c"

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

# The test build on the twin, which goes through the same states as the instrument.
rehearse() { # road, words
    local road=$1
    shift
    run_on_instrument "$twin/prefix" "$demo/transcripts/$road.txt" 'E:\ZR7KMUpgrade.exe' "$@"
    end_run "$twin/prefix"
}

run() { # road, words
    local road=$1 before="$demo/before.txt" after="$demo/after.txt"
    shift
    local transcript="$demo/transcripts/$road.txt"
    snapshot >"$before"
    echo
    echo "== E:\\ZR7KMUpgrade.exe $*"
    photographed_run "$demo/frames/$road" "$@"
    local pauses=$(transcript_sleeps "$transcript" pause)
    echo "ended with exit code $rc after $(seconds "$elapsedMs") s, against $(seconds "$pauses") s" \
        "of fixed pauses; $(grep -c '^status ' "$transcript") status lines, $frameCount frames"
    "$top/scripts/contact-sheet.sh" "$demo/frames/$road" "$demo/$road-sheet.png"
    snapshot >"$after"
    echo "changes on the instrument:"
    changes "$before" "$after"
    [ -f "$c/commit.log" ] && echo "  C:\\commit.log says: $(tr -d '\r' <"$c/commit.log" | paste -sd,)"
    [ -f "$c/ZR7KM/ZR7KM.started" ] && echo "  the application was restarted: $(tr -d '\r' <"$c/ZR7KM/ZR7KM.started" | paste -sd' ')"
    rm -f "$c/ZR7KM/ZR7KM.started" "$c/commit.log"
}

echo "Simulated instrument in $inst (C: is prefix/drive_c, P: is p-drive, E: is disk)."
echo "DiskInfo.txt: $(tr -d '\r' <"$inst/disk/DiskInfo.txt" | paste -sd' ')"
echo "Every program runs in Wine's virtual desktop of 800x600, the instrument's screen."
echo
echo "== ZR7Disk plan E:\\ (what the program will do with this disk)"
planExit=0
(cd "$c" && wine "$build/bin/ZR7Disk.exe" plan 'E:\') >"$demo/plan.txt" || planExit=$?
tr -d '\r' <"$demo/plan.txt" | sed 's/^/  /'
echo "ZR7Disk ended with exit status $planExit"
rehearse system-nocommit -nocommit
rehearse system-commit
run system-nocommit -nocommit
run system-commit

echo
echo "== The slave road"
"$top/scripts/demo-slave.sh" "$build"

echo
echo "Contact sheets, one frame per status line (and per window that opens), each labelled with"
echo "its time since the start:"
for road in system-nocommit system-commit slave-board slave-emulation; do
    [ -f "$demo/$road-sheet.png" ] && echo "  $demo/$road-sheet.png"
done
echo "The frames themselves lie in $demo/frames/<road>/; make pictures copies some to docs/."

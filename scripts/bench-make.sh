#!/bin/bash
# The disk tool's part of `make bench` (called by bench.sh under its display, or on its own):
# ZR7Disk make on a system folder of about 200 MB, half text that compresses and half random bytes
# that do not, beside Debian's gcab -cz on the same files; then the shipped program upgrades a
# simulated instrument from the disk (EWF with the commit) and ZR7Disk verify checks what it left.
# The ratio of make to gcab is what counts: both run in the same minute on the same machine, and
# the disk tool is an i386 program (under emulation where i386 does not run natively).
#   bench-make.sh BUILD
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
source "$top/scripts/lib.sh"
on_instrument_screen bench/wineprefix "$0" "$@"
source "$top/standins/instrument/instrument.sh"
bench="$build/bench"
inst="$bench/make-instrument"
work="$bench/make"

rm -rf "$work" && mkdir -p "$work/system/text" "$work/system/random"
for i in $(seq -w 1 20); do
    seq -f "line %g of the system's text file $i" 1 130000 >"$work/system/text/t$i.txt"
    head -c 5242880 /dev/urandom >"$work/system/random/r$i.bin"
done
lay_instrument "$inst" "$bench/wineprefix" "$build/bin/ZR7KMUpgrade.exe" --option 1004 3.1

seconds() { # command...: its wall time in seconds
    /usr/bin/time -o "$work/time.txt" -f %e "$@" >"$work/out.txt" 2>&1 </dev/null ||
        { cat "$work/out.txt" >&2; echo "failed: $*" >&2; exit 1; }
    cat "$work/time.txt"
}

echo
echo "Making a disk of $(du -sm "$work/system" | cut -f1) MB in 40 files (half text, half random):"
gcab=$(cd "$work/system" && seconds gcab -cz "$work/gcab.cab" $(find . -type f | sort))
made=$(seconds env WINEPREFIX="$inst/prefix" wine "$build/bin/ZR7Disk.exe" make "Z:$work/disk" \
    --system "Z:$work/system" --option 1004 3.25 --program "Z:$build/bin/ZR7KMUpgrade.exe" \
    --tool "Z:$cabinetTool" --date 2026-12-08)
switch_off "$inst/prefix"
rm -rf "$inst/disk" && mv "$work/disk" "$inst/disk"
run_on_instrument "$inst/prefix" /dev/null 'E:\ZR7KMUpgrade.exe' MASTER >/dev/null 2>&1 || true
end_run "$inst/prefix"
verified=$(seconds env WINEPREFIX="$inst/prefix" wine "$build/bin/ZR7Disk.exe" verify E: MASTER)
verdict=$(tr -d '\r' <"$work/out.txt" | grep '^verdict:')
switch_off "$inst/prefix"
awk -v g="$gcab" -v m="$made" -v v="$verified" -v gs="$(stat -c %s "$work/gcab.cab")" \
    -v ms="$(stat -c %s "$inst/disk/ZR7KMSYS1.cab")" 'BEGIN {
    printf "  %-36s %8.1f s  %6.1f MB\n", "gcab -cz", g, gs / 1e6
    printf "  %-36s %8.1f s  %6.1f MB  %.2f times gcab\n", "ZR7Disk make", m, ms / 1e6, m / g
    printf "  %-36s %8.1f s\n", "ZR7Disk verify after the upgrade", v
}'
echo "  $verdict"
rm -rf "$work" "$inst"

#!/bin/bash
# The slave road's part of `make bench` (called by bench.sh under its display, or on its own): the
# shipped build's block transfer against a simulated board that takes each block at once, beside
# its floor of two Sleep(1) per block with Sleep(1) timed in the same run.
#   bench-slave.sh BUILD
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
source "$top/scripts/lib.sh"
on_instrument_screen bench/slave-wineprefix "$0" "$@"
prefix="$build/bench/slave-wineprefix"
work=$(mktemp -d "${TMPDIR:-/tmp}/zr7-slavebench.XXXXXX")
trap 'rm -rf "$work"' EXIT
cp "$build/tools/SlaveBench.exe" "$build/slaveboard/ZRSlaveDriver.dll" "$work/"
echo "spin 1" >"$work/ZRSlaveDriver.ini"
WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
WINEPREFIX="$prefix" wine "$work/SlaveBench.exe" 2>/dev/null || true
WINEPREFIX="$prefix" wineserver -w
echo
echo "Slave block transfer (shipped build, simulated board taking each block at once):"
if [ ! -s "$work/SlaveBench.txt" ]; then
    echo "  the bench did not run"
    exit 1
fi
tr -d '\r' <"$work/SlaveBench.txt" | sed 's/^/  /'

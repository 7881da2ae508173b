#!/bin/sh
# The slave road's part of `make bench`: the shipped build's block transfer against a simulated
# board that takes each block at once, beside its floor of two Sleep(1) per block.
set -e
build=$(realpath "$1")
prefix="$build/demo/wineprefix"
scripts/wine-prefix.sh "$prefix"
work=$(mktemp -d "${TMPDIR:-/tmp}/zr7-slavebench.XXXXXX")
trap 'rm -rf "$work"' EXIT
cp "$build/tools/SlaveBench.exe" "$build/slaveboard/ZRSlaveDriver.dll" "$work/"
echo "spin 1" >"$work/ZRSlaveDriver.ini"
WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
WINEPREFIX="$prefix" WINEARCH=win32 WINEDEBUG=-all xvfb-run -a wine "$work/SlaveBench.exe" 2>/dev/null || true
WINEPREFIX="$prefix" wineserver -w
echo "Slave block transfer (shipped build, board taking each block at once):"
if [ -s "$work/SlaveBench.txt" ]; then
    tr -d '\r' <"$work/SlaveBench.txt" | sed 's/^/  /'
else
    echo "  the bench did not run"
    exit 1
fi

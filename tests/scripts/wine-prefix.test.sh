#!/bin/bash
# The test tree's prefix, and an instrument laid from it, report Windows XP, as the instrument's
# system does; the script that makes prefixes answers a wrong call with its usage line.
source "$ZR7_SOURCE/tests/e2e/lib.sh"
version() { WINEPREFIX="$1" wine cmd /c ver </dev/null 2>/dev/null | tr -d '\r' | grep -o 'Windows [0-9.]*'; }
want "Windows 5.1.2600" "$(version "$ZR7_WINEPREFIX")" "the test tree's prefix reports"
lay || exit 1
want "Windows 5.1.2600" "$(version "$inst/prefix")" "an instrument reports"
for call in "" "$work/p 800" "$work/p 800x600 more"; do
    "$ZR7_SOURCE/scripts/wine-prefix.sh" $call 2>"$work/usage.txt"
    want "2 usage: wine-prefix.sh PREFIX [WIDTHxHEIGHT]" "$? $(cat "$work/usage.txt")" "\"$call\""
done
finish
